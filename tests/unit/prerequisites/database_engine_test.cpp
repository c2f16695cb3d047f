// The database engine and the ODBC driver list: the enumeration's order,
// de-duplication and error text through a scripted ODBC installer; the real
// odbccp32 (under Wine it reads the user's drivers only, so fixtures go in
// HKCU); a library that cannot be loaded; the engine's installer stand-in.
#include "components/database_engine.h"
#include "components/odbc_drivers.h"
#include "components/odbc_installer.h"
#include "launcher/arguments.h"
#include "localinstall/file_tree.h"
#include "support/components.h"
#include "support/registry.h"
#include "support/stand_ins.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

using namespace test_support;
using ::testing::HasSubstr;

namespace {

const char kAccessDriver[] = "Microsoft Access Driver (*.mdb, *.accdb)";
const char kOdbcInst[] = "Software\\ODBC\\ODBCINST.INI";

struct ScriptedDriver {
    std::string name;
    std::string state; // the "ODBC Drivers" entry
    std::string file;
};

// Drivers per configuration mode (2 system, 1 user), answering as odbccp32 does.
class ScriptedOdbc : public OdbcInstaller {
public:
    ScriptedOdbc() { previous_ = SetOdbcInstaller(this); }
    ~ScriptedOdbc() override { SetOdbcInstaller(previous_); }

    BOOL SetConfigMode(WORD newMode) override {
        modes.push_back(newMode);
        mode = newMode;
        return failAtCall == static_cast<int>(modes.size()) ? FALSE : TRUE;
    }
    int GetProfileText(const char* section, const char* key, const char*, char* buffer, int size,
                       const char*) override {
        std::string text;
        const auto& list = drivers[mode];
        if (std::string(section) == "ODBC Drivers" && !key) {
            for (const auto& d : list) text += d.name + '\0';
        } else {
            for (const auto& d : list) {
                if (std::string(section) == "ODBC Drivers" && d.name == key) text = d.state;
                if (d.name == section && std::string(key) == "Driver") text = d.file;
            }
        }
        int length = static_cast<int>(text.size()) < size - 1 ? static_cast<int>(text.size()) : size - 1;
        memcpy(buffer, text.data(), static_cast<size_t>(length));
        buffer[length] = '\0';
        if (length + 1 < size) buffer[length + 1] = '\0';
        return length;
    }
    short InstallerError(WORD index, DWORD* code, char* message, WORD max, WORD* length) override {
        if (index > errors.size()) return kOdbcNoData;
        *code = errors[index - 1].first;
        lstrcpynA(message, errors[index - 1].second.c_str(), max);
        *length = static_cast<WORD>(errors[index - 1].second.size());
        return kOdbcSuccess;
    }

    std::map<WORD, std::vector<ScriptedDriver>> drivers;
    std::vector<std::pair<DWORD, std::string>> errors;
    std::vector<WORD> modes;
    int failAtCall = 0;
    WORD mode = 0;

private:
    OdbcInstaller* previous_ = nullptr;
};

std::string Names(const ODBCDriverList& drivers) {
    std::string text;
    for (const auto& d : drivers) text += d.name + "=" + std::to_string(d.major) + "." + std::to_string(d.minor) + ";";
    return text;
}

TEST(OdbcDriverList, SystemDriversFirstThenUsersOnesNotAlreadyListed) {
    ScriptedOdbc odbc;
    std::string v16 = StandIn("stub_odbc_driver16.dll"), v11 = StandIn("stub_odbc_driver11.dll");
    odbc.drivers[2] = {{"Same", "Installed", v16}, {"Twice", "Installed", v16}, {"Off", "Not here", v11}};
    odbc.drivers[1] = {{"Same", " installed ", v16}, {"Twice", "Installed", v11}, {"Mine", "Installed", "C:\\nowhere.dll"}};

    ODBCDriverList drivers;
    std::string error;
    EnumerateODBCDrivers(drivers, error, false);
    EXPECT_EQ(error, "");
    EXPECT_EQ(Names(drivers), "Same=16.0;Twice=16.0;Off=11.0;Twice=11.0;Mine=0.0;")
        << "one driver with the same name and version; another version is another driver";
    ASSERT_EQ(drivers.size(), 5u);
    EXPECT_EQ(drivers[0].build, 5278);
    EXPECT_EQ(drivers[0].driverFile, v16);
    EXPECT_FALSE(drivers[2].installed);
    EXPECT_EQ(odbc.modes, (std::vector<WORD>{2, 2, 2, 2, 1, 1, 1, 1})) << "the mode is set again for every driver";

    EnumerateODBCDrivers(drivers, error, true);
    EXPECT_EQ(Names(drivers), "Same=16.0;Twice=16.0;Twice=11.0;Mine=0.0;");
}

TEST(OdbcDriverList, AnInstallerErrorEndsTheListWithItsRecords) {
    ScriptedOdbc odbc;
    odbc.drivers[2] = {{"First", "Installed", ""}, {"Second", "Installed", ""}};
    odbc.errors = {{6, "Component not found"}, {11, "Out of memory"}};
    odbc.failAtCall = 3; // the mode for the second driver
    ODBCDriverList drivers;
    std::string error;
    EnumerateODBCDrivers(drivers, error, false);
    EXPECT_EQ(Names(drivers), "First=0.0;");
    EXPECT_EQ(error, "Error during SQLSetConfigMode call.\n1: Error code = 6, Message = Component not found\n"
                     "2: Error code = 11, Message = Out of memory\n");
}

TEST(OdbcDriverList, FindsTheFirstInstalledDriverWithNameAndExtension) {
    ScriptedOdbc odbc;
    std::string v16 = StandIn("stub_odbc_driver16.dll"), v11 = StandIn("stub_odbc_driver11.dll");
    odbc.drivers[2] = {{"Microsoft Access Driver (*.mdb)", "Installed", v11},
                       {"MICROSOFT ACCESS DRIVER (*.MDB, *.ACCDB)", "Not Installed", v11},
                       {"microsoft access driver (*.mdb, *.accdb)", "Installed", v16}};
    ODBCDriverInfo found;
    ASSERT_TRUE(FindODBCDriver("Microsoft Access Driver", "accdb", found));
    EXPECT_EQ(found.name, "microsoft access driver (*.mdb, *.accdb)");
    EXPECT_FALSE(FindODBCDriver("Microsoft Excel Driver", "xlsx", found));
}

class DriverLogTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileA(ODBCDriverLogPath().c_str()); }
    void TearDown() override { DeleteFileA(ODBCDriverLogPath().c_str()); }
    std::string Log() { return ReadTextFile(ODBCDriverLogPath()); }
};

TEST_F(DriverLogTest, ADatabaseEngineWithoutAccdbDriverIsMissingAndTheLogListsEveryDriver) {
    ScriptedOdbc odbc;
    std::string v11 = StandIn("stub_odbc_driver11.dll");
    odbc.drivers[2] = {{"Microsoft Access Driver (*.mdb)", "Installed", v11}, {"Old", "No", "C:\\gone.dll"}};
    OrvoComponent_ODBCDriver component;
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.requiredVersion, "12.0.0");
    EXPECT_EQ(Log(), "Microsoft Access Driver (*.mdb), Installed, " + v11 + ", 11.0.6020\nOld, Not Installed, "
                                                                             "C:\\gone.dll, \n");
    // Every check of a workstation without the engine writes the log again.
    DeleteFileA(ODBCDriverLogPath().c_str());
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_TRUE(Exists(ODBCDriverLogPath()));

    odbc.drivers[2][0] = {"Microsoft Access Driver (*.mdb, *.accdb)", "Installed", v11};
    EXPECT_FALSE(component.IsInstalled()) << "version 11 is too old";
    EXPECT_EQ(component.installedVersion, "11.0.6020");
}

// The user's driver, where Wine's odbccp32 reads it.
class UserDriver {
public:
    UserDriver(const std::string& name, const std::string& file) : name_(name) {
        WriteRegistryString(HKEY_CURRENT_USER, std::string(kOdbcInst) + "\\ODBC Drivers", name.c_str(), "Installed");
        WriteRegistryString(HKEY_CURRENT_USER, std::string(kOdbcInst) + "\\" + name, "Driver", file);
    }
    ~UserDriver() { Remove(name_); }
    static void Remove(const std::string& name) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kOdbcInst) + "\\ODBC Drivers").c_str(), 0, KEY_SET_VALUE,
                          &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, name.c_str());
            RegCloseKey(key);
        }
        DeleteKeyTree(HKEY_CURRENT_USER, std::string(kOdbcInst) + "\\" + name);
    }

private:
    std::string name_;
};

TEST_F(DriverLogTest, TheSystemsOdbcInstallerFindsTheEngine) {
    KeyTreeGuard odbcKeys(HKEY_CURRENT_USER, kOdbcInst);
    UserDriver driver(kAccessDriver, StandIn("stub_odbc_driver16.dll"));
    OrvoComponent_ODBCDriver component;
    EXPECT_TRUE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "16.0.5278");
    EXPECT_FALSE(Exists(ODBCDriverLogPath())) << "no log while the engine is there";
}

TEST_F(DriverLogTest, AMissingInstallerLibraryIsToldOnceAndNeverInASilentRun) {
    ScriptedAnswers answers;
    {
        SystemOdbcInstaller missing("C:\\nowhere\\odbccp32.dll");
        OdbcInstaller* previous = SetOdbcInstaller(&missing);
        OrvoComponent_ODBCDriver component;
        EXPECT_FALSE(component.IsInstalled());
        EXPECT_FALSE(component.IsInstalled());
        SetOdbcInstaller(previous);
    }
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0], "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system.");
    EXPECT_EQ(answers.captions[0], "ODBC Installer Error");
    EXPECT_EQ(answers.types[0], static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    const std::string logged = "Error during SQLSetConfigMode call.\n1: Error code = 1, Message = The ODBC installer "
                               "DLL (ODBCCP32.DLL) is not installed on this system.\n\n";
    EXPECT_EQ(Log(), logged);

    DeleteFileA(ODBCDriverLogPath().c_str());
    int wasSilent = GetArguments().bSilent;
    GetArguments().bSilent = 1;
    {
        SystemOdbcInstaller missing("C:\\nowhere\\odbccp32.dll");
        OdbcInstaller* previous = SetOdbcInstaller(&missing);
        OrvoComponent_ODBCDriver component;
        EXPECT_FALSE(component.IsInstalled());
        SetOdbcInstaller(previous);
    }
    GetArguments().bSilent = wasSilent;
    EXPECT_EQ(answers.asked.size(), 1u) << "no box in a silent run";
    EXPECT_EQ(Log(), logged);
}

class EngineInstallTest : public DriverLogTest {
protected:
    void SetUp() override {
        DriverLogTest::SetUp();
        saved = GetCurrentFolder();
        SetCurrentDirectoryA(scratch.Path().c_str());
        component.displayName = "Microsoft Access Database Engine";
    }
    void TearDown() override {
        UserDriver::Remove(kAccessDriver);
        SetCurrentDirectoryA(saved.c_str());
        DriverLogTest::TearDown();
    }
    void PutInstaller(const std::string& instructions) {
        CreateFolderChain(scratch / "Installs\\WindowsInstaller");
        ASSERT_TRUE(CopyFileA(StandIn("stub_fixed_setup.exe").c_str(),
                              (scratch / "Installs\\WindowsInstaller\\AccessDatabaseEngine.exe").c_str(), FALSE));
        WriteFile(scratch / "Installs\\WindowsInstaller\\AccessDatabaseEngine.stub", instructions);
    }

    KeyTreeGuard odbcKeys{HKEY_CURRENT_USER, kOdbcInst};
    TempFolder scratch{"orvo_engine"};
    RecordFile record{scratch};
    std::string saved;
    RecordingHost host;
    OrvoComponent_ODBCDriver component{"https://example.invalid/AccessDatabaseEngine.exe"};
};

TEST_F(EngineInstallTest, TheDriverDecidesAndTheEnginesRestartIsOffered) {
    std::string inst = std::string("reg=HKCU\\") + kOdbcInst;
    PutInstaller("exit=3010\r\n" + inst + "\\ODBC Drivers|" + kAccessDriver + "|Installed\r\n" + inst + "\\" +
                 kAccessDriver + "|Driver|" + StandIn("stub_odbc_driver16.dll") + "\r\n");
    EXPECT_TRUE(component.Install(host)) << component.message;
    EXPECT_TRUE(component.restartRequired) << "the engine's 3010 reaches the restart offer";
    auto runs = ReadRecord(record.Path());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(ArgumentsOf(runs[0].what), " /quiet /passive");
}

TEST_F(EngineInstallTest, WithoutTheDriverAfterwardsTheMessageNamesTheInstaller) {
    PutInstaller("exit=0\r\n");
    EXPECT_FALSE(component.Install(host));
    EXPECT_FALSE(component.restartRequired);
    EXPECT_EQ(component.message,
              "Unable to install Microsoft Access Database Engine. You might not have sufficient permissions. You "
              "might also need to close this program and run it a second time. If rerunning this program a second "
              "time doesn't work, try installing this component manually by running '" +
                  scratch.Path() +
                  "\\Installs\\WindowsInstaller\\AccessDatabaseEngine.exe'. This component can also be downloaded "
                  "from Microsoft's website.");
    EXPECT_TRUE(Exists(ODBCDriverLogPath()));

    // 3010 from an engine that left no driver is still a failure.
    PutInstaller("exit=3010\r\n");
    component.message.clear();
    EXPECT_FALSE(component.Install(host));
}

TEST_F(EngineInstallTest, AFailedDownloadRunsNothing) {
    EXPECT_FALSE(component.Install(host));
    EXPECT_EQ(component.message, "no download in this test");
    EXPECT_EQ(host.downloads, std::vector<std::string>{"https://example.invalid/AccessDatabaseEngine.exe -> "
                                                       "Installs\\WindowsInstaller\\AccessDatabaseEngine.exe"});
    EXPECT_TRUE(ReadRecord(record.Path()).empty());
}

} // namespace
