// The package record: its identity read once from the Property table (with
// the reader's errors naming the package), the highest installed version of
// its family, installation with the installer's messages relayed and logged,
// and removal of the family.
#include "components/msi_message_handler.h"
#include "components/msi_package.h"
#include "components/msi_property_reader.h"
#include "support/components.h"
#include "support/msi_fixtures.h"
#include "utils/system_error_text.h"
#include "utils/temp_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace test_support;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

std::string ReaderError(const std::string& path) {
    MsiPropertyReader reader;
    EXPECT_FALSE(reader.Read(path));
    return reader.error;
}

// Wine's installer keeps no last-error record; Windows adds " Error Code: <n>.".
void ExpectReaderError(const std::string& error, const std::string& text, const std::string& title) {
    EXPECT_THAT(error, StartsWith(text + " MSI Database: " + title + "."));
}

TEST(MsiPropertyReader, ReadsEveryPropertyAndNamesThePackageInItsErrors) {
    MsiPropertyReader reader;
    ASSERT_TRUE(reader.Read(PackagePath("vendor_unit"))) << reader.error;
    EXPECT_EQ(reader.properties["ProductName"], "Pellmore Components");
    EXPECT_EQ(reader.properties["ProductVersion"], "5.2");
    EXPECT_EQ(reader.properties["ProductCode"], codes::kVendorUnit);
    EXPECT_EQ(reader.properties["UpgradeCode"], codes::kVendorUnitFamily);
    EXPECT_EQ(reader.keyColumn, 0);
    EXPECT_EQ(reader.valueColumn, 1);
    EXPECT_EQ(reader.columnCount, 2);

    ExpectReaderError(ReaderError(PackagePath("property_without_value")), "Failed to get key or value column.",
                      "property_without_value");
    ExpectReaderError(ReaderError(PackagePath("property_integer_key")), "Invalid column type.", "property_integer_key");
    ExpectReaderError(ReaderError(PackagePath("without_property")), "Error opening the view.", "without_property");
    TempFolder scratch("orvo_reader");
    ExpectReaderError(ReaderError(scratch / "missing.msi"), "Error opening the database.", "missing");
    WriteFile(scratch / "damaged.msi", std::string(4096, 'x'));
    ExpectReaderError(ReaderError(scratch / "damaged.msi"), "Error opening the database.", "damaged");
}

TEST(MsiPackageLoad, LoadsOnceUntilReset) {
    // The prefix is shared: a run stopped half-way may have left the product.
    InstalledPackage::RemoveProduct(codes::kVendorUnit);
    MsiPackage package;
    EXPECT_FALSE(package.Load(PackagePath("without_property")));
    std::string firstError = package.error;
    ExpectReaderError(firstError, "Error opening the view.", "without_property");
    EXPECT_FALSE(package.Load(PackagePath("vendor_unit"))) << "a second load changes nothing";
    EXPECT_EQ(package.error, firstError);
    EXPECT_TRUE(package.productCode.empty());

    package.Reset();
    EXPECT_TRUE(package.Load(PackagePath("vendor_unit")));
    EXPECT_EQ(package.packageFileName, "vendor_unit.msi");
    EXPECT_EQ(package.productName, "Pellmore Components");
    EXPECT_EQ(package.productCode, codes::kVendorUnit);
    EXPECT_TRUE(package.installedVersion.empty());
    EXPECT_TRUE(package.Load(PackagePath("without_property")));
    EXPECT_EQ(package.productCode, codes::kVendorUnit);
}

TEST(MsiPackageLoad, PathOnASubstDriveIsReadFromTheFolderBehindIt) {
    TempFolder scratch("orvo_subst_load");
    ASSERT_TRUE(CopyFileA(StandIn("stub_subst.exe").c_str(), (scratch / "subst.exe").c_str(), FALSE));
    std::string packages = FixturesFolder() + "\\packages";
    WriteFile(scratch / "subst.stub", "Q:\\: => " + packages + "\r\n");
    char saved[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, saved);
    SetCurrentDirectoryA(scratch.Path().c_str());
    MsiPackage package;
    bool loaded = package.Load("Q:\\\\vendor_unit.msi");
    SetCurrentDirectoryA(saved);
    EXPECT_TRUE(loaded) << package.error;
    EXPECT_EQ(package.packagePath, packages + "\\vendor_unit.msi");
    EXPECT_EQ(package.packageFileName, "vendor_unit.msi");
}

TEST(MsiPackageFamily, InstalledVersionIsTheHighestAndUninstallRemovesTheFamily) {
    AdvertisedProduct advertised(codes::kAdvertisedInTwoVersions, codes::kTwoVersionsFamily);
    InstalledPackage older("plain_five_two", codes::kFiveTwo);
    InstalledPackage newer("plain_five_ten", codes::kFiveTen);
    ASSERT_EQ(older.result, 0u);
    ASSERT_EQ(newer.result, 0u);

    MsiPackage package;
    ASSERT_TRUE(package.Load(PackagePath("plain_five_two"))) << package.error;
    EXPECT_EQ(package.relatedProducts.size(), 3u);
    EXPECT_EQ(package.installedVersion, "5.10.0") << "compared as numbers, not as text";

    INSTALLUILEVEL previous = MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
    EXPECT_TRUE(package.Uninstall()) << "the advertised product is skipped, not a failure";
    MsiSetInternalUI(previous, nullptr);
    EXPECT_EQ(MsiQueryProductStateA(codes::kFiveTwo), INSTALLSTATE_UNKNOWN);
    EXPECT_EQ(MsiQueryProductStateA(codes::kFiveTen), INSTALLSTATE_UNKNOWN);
    EXPECT_EQ(MsiQueryProductStateA(codes::kAdvertisedInTwoVersions), INSTALLSTATE_ADVERTISED);
}

int WINAPI RecordingHandler(void* context, UINT, LPCSTR) {
    ++*static_cast<int*>(context);
    return 0;
}

// The action package in a folder of its own, with its side files.
class ActionPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileA(PackagePath("action").c_str(), (scratch / "action.msi").c_str(), FALSE));
        std::string temp;
        GetProductTempFolder(temp);
        log = temp + "\\action.log";
        DeleteFileA(log.c_str());
    }
    void TearDown() override {
        InstalledPackage::RemoveProduct(codes::kAction);
        DeleteFileA(log.c_str());
    }
    void Tell(const std::string& what) { WriteFile(scratch / "action.action", what); }
    std::string Recorded() { return ReadTextFile(scratch / "action.record"); }
    bool Install(InstallHost* host) {
        EXPECT_TRUE(package.Load(scratch / "action.msi")) << package.error;
        return package.Install(&component, host, error);
    }

    TempFolder scratch{"orvo_action"};
    std::string log;
    MsiPackage package;
    ScriptedComponent component{"Action", 0x1};
    RecordingHost host;
    std::string error;
};

TEST_F(ActionPackageTest, SilentInstallAnswersOkLogsTheErrorAndRestoresHandlerAndLevel) {
    Tell("message");
    host.silent = true;
    int foreignCalls = 0;
    MsiSetInternalUI(INSTALLUILEVEL_BASIC, nullptr);
    MsiSetExternalUIA(&RecordingHandler, INSTALLLOGMODE_INFO, &foreignCalls);

    EXPECT_TRUE(Install(&host)) << error;
    EXPECT_EQ(error, "");

    EXPECT_EQ(MsiSetExternalUIA(nullptr, 0, nullptr), &RecordingHandler) << "the earlier handler is back";
    EXPECT_EQ(MsiSetInternalUI(INSTALLUILEVEL_DEFAULT, nullptr), INSTALLUILEVEL_BASIC) << "the earlier level is back";
    EXPECT_EQ(foreignCalls, 0) << "the earlier handler heard nothing of this installation";

    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0], "The stand-in action reports an error.");
    EXPECT_EQ(host.boxTypes[0], static_cast<UINT>(MB_OKCANCEL | MB_ICONERROR));
    std::string record = Recorded();
    EXPECT_THAT(record, HasSubstr("answer=1")) << "OK reached the package";
    // Wine refuses the elevation flag: the level falls back to "none".
    EXPECT_THAT(record, HasSubstr("UILevel=2"));
    EXPECT_THAT(ReadTextFile(log), HasSubstr("The stand-in action reports an error.\n"));
    EXPECT_EQ(MsiQueryProductStateA(codes::kAction), INSTALLSTATE_DEFAULT);
    // The installation blocks the host's thread: its window is pumped meanwhile.
    EXPECT_GT(host.pumps, 0);
}

TEST_F(ActionPackageTest, RefusedInstallationGivesTheSystemsReason) {
    Tell("message fail");
    host.answers = {IDCANCEL};
    EXPECT_FALSE(Install(&host));
    EXPECT_EQ(error, "Unable to install Orvo Action Test at this time.\n<br/><b>Reason:</b> " +
                         SystemErrorText(ERROR_INSTALL_FAILURE));
    EXPECT_THAT(Recorded(), HasSubstr("answer=2")) << "the user's Cancel reached the package";
    EXPECT_NE(MsiQueryProductStateA(codes::kAction), INSTALLSTATE_DEFAULT);
    EXPECT_FALSE(component.restartRequired);
}

TEST_F(ActionPackageTest, WithoutAHostTheQuestionIsAPlainBox) {
    Tell("message");
    ScriptedAnswers answers({IDOK});
    EXPECT_TRUE(Install(nullptr)) << error;
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.captions[0], "Pellmore Orvo");
}

TEST(MsiPackageInstall, RestartRequiredIsASuccessThatAsksForTheRestart) {
    MsiPackage package;
    ASSERT_TRUE(package.Load(PackagePath("reboot")));
    ScriptedComponent component("Reboot", 0x1);
    RecordingHost host;
    host.silent = true;
    std::string error = "stale";
    bool installed = package.Install(&component, &host, error);
    // Its removal needs the restart as well, and succeeded all the same.
    ScriptedComponent removed("Reboot", 0x1);
    bool uninstalled = package.Uninstall(&removed);
    InstalledPackage::RemoveProduct(codes::kReboot);
    EXPECT_TRUE(installed) << error;
    EXPECT_EQ(error, "");
    EXPECT_TRUE(component.restartRequired);
    EXPECT_TRUE(uninstalled);
    EXPECT_TRUE(removed.restartRequired);
}

TEST(MsiPackageInstall, NothingIsInstalledWithoutFileNameOrProductCode) {
    MsiPackage package;
    std::string error;
    EXPECT_FALSE(package.Install(nullptr, nullptr, error));
    EXPECT_EQ(error, "Missing MSI File Name");
    package.packageFileName = "Orphan.msi";
    EXPECT_FALSE(package.Install(nullptr, nullptr, error));
    EXPECT_EQ(error, "Missing Product Code for Orphan.msi");
}

TEST(MsiMessageHandler, EachMessageTypeIsLoggedAskedOrIgnoredAsItsRowSays) {
    TempFolder scratch("orvo_handler");
    RecordingHost host;
    host.answers = {IDRETRY};
    MsiMessageContext context;
    context.host = &host;
    context.log = OpenInstallerLog(scratch / "handler.log");
    auto send = [&context](UINT type, const char* text) { return HandleInstallerMessage(&context, type, text); };

    EXPECT_EQ(send(INSTALLMESSAGE_WARNING | MB_RETRYCANCEL | MB_ICONWARNING, "warned"), IDRETRY);
    EXPECT_EQ(send(INSTALLMESSAGE_INFO, "info"), 1);
    EXPECT_EQ(send(INSTALLMESSAGE_FILESINUSE, "in use"), 0);
    EXPECT_EQ(send(INSTALLMESSAGE_ACTIONSTART, "action start"), 0);
    EXPECT_EQ(send(INSTALLMESSAGE_PROGRESS, "progress"), 1);
    EXPECT_EQ(send(0x0F000000, "unknown"), 0);
    EXPECT_EQ(send(INSTALLMESSAGE_INFO, ""), 1);
    EXPECT_EQ(HandleInstallerMessage(nullptr, INSTALLMESSAGE_ERROR, "no context"), 0);
    EXPECT_EQ(HandleInstallerMessage(&context, INSTALLMESSAGE_ERROR, nullptr), 0);

    EXPECT_EQ(host.boxes, std::vector<std::string>{"warned"});
    EXPECT_EQ(host.boxTypes, std::vector<UINT>{static_cast<UINT>(MB_RETRYCANCEL | MB_ICONWARNING)});
    context.log.Reset();
    EXPECT_EQ(ReadTextFile(scratch / "handler.log"), "warned\ninfo\nin use\n");
}

} // namespace
