// The current printer: its packages by the width of Windows, its installed
// test, the removal of the novaPDF 7 printer with its restart question, and
// the real installation, removal and repair with the test packages.
#include "printer_fixture.h"

#include "launcher/component_run.h"
#include "launcher/system_restart.h"
#include "printers/novapdf_files.h"
#include "printers/preferred_printer.h"
#include "printers/spooler.h"
#include "printers/virtual_printer_novapdf.h"

#include <gmock/gmock.h>

#include <msi.h>

using namespace test_support;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const char kPrinter[] = "Pellmore Virtual Printer";
const char kNoUninstallerStart[] = "Could not locate the uninstaller. Try uninstalling the Pellmore Virtual Printer";

class RecordingRestart : public SystemRestart {
public:
    RecordingRestart() { previous_ = SetSystemRestart(this); }
    ~RecordingRestart() override { SetSystemRestart(previous_); }
    bool Restart() override {
        ++calls;
        return succeeds;
    }
    int calls = 0;
    bool succeeds = false;

private:
    SystemRestart* previous_ = nullptr;
};

class NovaPdfTest : public PrinterTest {
protected:
    std::string ProgramFiles() const { return novapdf::ProgramFilesRoot(); }

    RecordingRestart restart;
    OrvoComponent_VirtualPrinterNovaPDF printer;
};

TEST_F(NovaPdfTest, OnlyThePackagesForThisWidthOfWindowsCount) {
    EXPECT_FALSE(printer.IsApplicable());
    EXPECT_THAT(printer.message, HasSubstr("Error opening the database. MSI Database: novaPDF8PrinterDriver("));
    const char* other = novapdf::IsSixtyFourBitWindows() ? "x86" : "x64";
    {
        PrinterPackages wrong(launcher.Path(), "8_10", other);
        OrvoComponent_VirtualPrinterNovaPDF again;
        EXPECT_FALSE(again.IsApplicable()) << "only the " << other << " packages";
    }
    PrinterPackages packages(launcher.Path());
    OrvoComponent_VirtualPrinterNovaPDF found;
    EXPECT_TRUE(found.IsApplicable()) << found.message;
    EXPECT_EQ(found.oemPackage.productVersion, "8.10.0");
    EXPECT_EQ(found.driverPackage.upgradeCode, printer_codes::kDriverFamily);
}

TEST_F(NovaPdfTest, InstalledTestReadsTheDriverVersionAsNumbers) {
    EXPECT_FALSE(printer.IsInstalled()) << "no printer";
    EXPECT_EQ(printer.requiredVersion, "7.7");
    {
        TestPrinter bare(kPrinter, "driver_without_version");
        EXPECT_TRUE(printer.IsInstalled()) << "a driver without version counts";
        EXPECT_EQ(printer.installedDriverVersion, "");
    }
    {
        TestPrinter old(kPrinter, "driver_novapdf_7_5");
        EXPECT_FALSE(printer.IsInstalled());
        EXPECT_EQ(printer.installedDriverVersion, "7.5.0.400");
    }
    {
        TestPrinter legacy(kPrinter, "driver_novapdf_7_10");
        EXPECT_TRUE(printer.IsInstalled()) << "7.10 is above 7.7, not 7.1";
        EXPECT_EQ(printer.installedVersion, "7.10.0.100");
    }
}

TEST_F(NovaPdfTest, LegacyPrinterIsRemovedByItsUninstallerAndAsksForTheRestart) {
    TestPrinter legacy(kPrinter, "driver_novapdf_7_9");
    std::string folder = ProgramFiles() + "\\Pellmore\\Pellmore Components\\PDF Printer";
    CreateFolderChain(folder);
    CopyFileA(StandIn("stub_unins000.exe").c_str(), (folder + "\\unins000.exe").c_str(), FALSE);
    WriteFile(folder + "\\unins000.stub", "exit=46\r\n");
    WriteFile(folder + "\\OrvoPrinterRelay.exe", "relay");
    std::string profile = stub::DriverFolder(OwnDriverFolder()) + "\\Pellmore Virtual Printer.nvp";
    WriteFile(profile, "profile");
    std::string appProfile = novapdf::ExpandEnvironment("%AppData%\\Softland\\novaPDF\\Pellmore Virtual Printer.nvl");
    FolderGuard appFolder(novapdf::ExpandEnvironment("%AppData%\\Softland"));
    CreateFolderChain(appProfile.substr(0, appProfile.rfind('\\')));
    WriteFile(appProfile, "profile");
    answers.onAsk = [](const std::string&) {};
    ScriptedAnswers yes({IDYES, IDOK});

    EXPECT_TRUE(printer.RemoveOlderPrinters(&host, false, true));
    std::vector<RecordLine> lines = Records();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].program, "unins000.exe");
    EXPECT_EQ(ArgumentsOf(lines[0].what), " /VERYSILENT /NORESTART /RESTARTEXITCODE=46");
    EXPECT_FALSE(Exists(folder + "\\OrvoPrinterRelay.exe"));
    EXPECT_FALSE(Exists(profile));
    EXPECT_FALSE(Exists(appProfile));
    EXPECT_FALSE(CanOpenPrinter(kPrinter));
    // Exit code 46 asks for the restart; one that fails is said so.
    EXPECT_THAT(yes.asked, ElementsAre(kRestartQuestion, kRestartFailedMessage));
    EXPECT_EQ(restart.calls, 1);
}

TEST_F(NovaPdfTest, LegacyRemovalWithoutUninstallerOrWithoutLegacyPrinter) {
    {
        TestPrinter current(kPrinter, "driver_novapdf_7_5");
        EXPECT_TRUE(printer.RemoveLegacyPrinter(&host, false, true)) << "7.5 is no installed printer";
        EXPECT_TRUE(Records().empty());
        EXPECT_THAT(printer.message, ::testing::Not(HasSubstr(kNoUninstallerStart)));
    }

    TestPrinter legacy(kPrinter, "driver_novapdf_7_9");
    host.SetSilentFlag(true);
    printer.message.clear();
    EXPECT_FALSE(printer.RemoveLegacyPrinter(&host, false, true));
    // The installed test has added that the packages are missing.
    EXPECT_THAT(printer.message, HasSubstr(std::string("<br/><br/>") + kNoUninstallerStart));
    EXPECT_THAT(printer.message, HasSubstr("Control Panel.<br/><br/>On Vista"));
    ASSERT_EQ(host.boxes.size(), 1u) << "shown although the flag was set";
    EXPECT_THAT(host.boxes[0], HasSubstr("Control Panel.\n\nOn Vista or Windows 7"));
    EXPECT_TRUE(host.GetSilentFlag()) << "the flag is restored";

    printer.message.clear();
    EXPECT_FALSE(printer.RemoveLegacyPrinter(&host, true, true));
    EXPECT_EQ(host.boxes.size(), 1u) << "silent: only the message";
    EXPECT_FALSE(printer.message.empty());

    // The maker's uninstaller is missing: the vendor's is tried.
    std::string vendor = ProgramFiles() + "\\Softland\\novaPDF OEM 7";
    CreateFolderChain(vendor);
    CopyFileA(StandIn("stub_unins000.exe").c_str(), (vendor + "\\unins000.exe").c_str(), FALSE);
    host.SetSilentFlag(false);
    ScriptedAnswers none;
    EXPECT_TRUE(printer.RemoveLegacyPrinter(&host, false, true));
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_EQ(Records()[0].folder, vendor);
    // Exit code 0 with the spooler stopped asks too; No restarts nothing.
    if (!IsPrintSpoolerRunning()) {
        EXPECT_THAT(none.asked, ElementsAre(kRestartQuestion));
    }
    EXPECT_EQ(restart.calls, 0);
}

// The real packages: installed, found current, removed.
TEST_F(NovaPdfTest, InstallAndRemoveWithThePackages) {
    PrinterPackages packages(launcher.Path());
    SpoolerState spooler(true);
    KeyTreeGuard userKey(HKEY_CURRENT_USER, "Software\\Pellmore");
    WriteRegistryString(HKEY_CURRENT_USER, "Software\\Pellmore", "PreferredVPrinter", "Pellmore Orvo Virtual Printer");

    ASSERT_TRUE(printer.Install(host)) << printer.message;
    EXPECT_TRUE(printer.message.empty()) << printer.message;
    EXPECT_EQ(MsiQueryProductStateA(printer_codes::Driver().c_str()), INSTALLSTATE_DEFAULT);
    EXPECT_EQ(MsiQueryProductStateA(printer_codes::Oem810().c_str()), INSTALLSTATE_DEFAULT);
    EXPECT_TRUE(CanOpenPrinter(kPrinter));
    EXPECT_EQ(ReadTextFile(novapdf::ComponentsFolder() + "\\OrvoPrinterRelay.exe"), "relay");
    EXPECT_EQ(ReadPreferredPrinter(), "") << "this printer becomes the default choice";
    EXPECT_TRUE(answers.asked.empty()) << "the spooler runs: no restart";
    EXPECT_TRUE(printer.IsInstalledAndCurrent());
    EXPECT_EQ(printer.installedVersion, "8.10.0.812 / 8.10.0 / 8.10.0");

    OrvoComponent_VirtualPrinterNovaPDF other;
    EXPECT_TRUE(other.Remove(&host, true, false)) << other.message;
    EXPECT_EQ(MsiQueryProductStateA(printer_codes::Driver().c_str()), INSTALLSTATE_UNKNOWN);
    EXPECT_EQ(MsiQueryProductStateA(printer_codes::Oem810().c_str()), INSTALLSTATE_UNKNOWN);
    EXPECT_FALSE(CanOpenPrinter(kPrinter));
    EXPECT_FALSE(Exists(novapdf::ComponentsFolder() + "\\OrvoPrinterRelay.exe"));
}

TEST_F(NovaPdfTest, ADriverNewerThanTheOemPackageIsCurrentAndAStoppedSpoolerAsksForARestart) {
    PrinterPackages packages(launcher.Path(), "8_9");
    SpoolerState spooler(false);
    ScriptedAnswers no({IDNO});
    ASSERT_TRUE(printer.Install(host)) << printer.message;
    EXPECT_THAT(no.asked, ElementsAre(kRestartQuestion));
    EXPECT_EQ(restart.calls, 0);
    EXPECT_TRUE(printer.IsInstalledAndCurrent()) << "driver 8.10 is above package 8.9, not below";
}

TEST_F(NovaPdfTest, ARelayProgramThatCannotBeCopiedStopsBeforeAnyPackage) {
    PrinterPackages packages(launcher.Path());
    std::string folder = novapdf::ComponentsFolder();
    CreateFolderChain(folder.substr(0, folder.rfind('\\')));
    WriteFile(folder, "a file where the folder belongs");
    EXPECT_FALSE(printer.Install(host));
    EXPECT_EQ(printer.message, "Failed to install OrvoPrinter Relay to " + folder + "\n");
    EXPECT_EQ(MsiQueryProductStateA(printer_codes::Driver().c_str()), INSTALLSTATE_UNKNOWN);
}

TEST_F(NovaPdfTest, RepairSetsThePrinterUpAgainOrReinstallsTheOemPackage) {
    PrinterPackages packages(launcher.Path());
    ASSERT_TRUE(printer.Install(host)) << printer.message;
    stub::DeletePrinterKey(kPrinter);
    ASSERT_FALSE(printer.IsInstalled());

    // Without the set-up tool: the OEM package afresh makes the printer.
    EXPECT_TRUE(printer.Repair(host)) << printer.message;
    EXPECT_TRUE(CanOpenPrinter(kPrinter));
    EXPECT_THAT(waits.waits(), ElementsAre(5000u));

    stub::DeletePrinterKey(kPrinter);
    std::string tool = novapdf::PrinterSetupTool();
    CreateFolderChain(tool.substr(0, tool.rfind('\\')));
    CopyFileA(StandIn("stub_printerutils.exe").c_str(), tool.c_str(), FALSE);
    OrvoComponent_VirtualPrinterNovaPDF fresh;
    EXPECT_TRUE(fresh.Repair(host)) << fresh.message;
    std::vector<RecordLine> lines = Records();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(ArgumentsOf(lines[0].what), std::string(" /op=2 /dn=novaPDF 8 /oem=") + novapdf::kOemIdentifier +
                                              " /sp=8501 /pn=Pellmore Virtual Printer /po=novaPDF8 /dp=No");
    EXPECT_EQ(waits.waits().back(), 15000u);
    EXPECT_TRUE(fresh.IsInstalledAndCurrent());
}

} // namespace
