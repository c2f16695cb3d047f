// The Amyuni-based generations: recognised by their driver's company and
// build, installed through their installer's log, and removed with a result
// that tells whether the printer is gone.
#include "printer_fixture.h"

#include "printers/amyuni_driver.h"
#include "printers/virtual_printer_v1.h"
#include "printers/virtual_printer_v2.h"
#include "printers/virtual_printer_v3.h"

#include "utils/temp_files.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace test_support;
using ::testing::HasSubstr;

namespace {

const char kV1[] = "Pellmore Orvo Virtual Printer";
const char kV2[] = "Pellmore Orvo VPrinter V2";

TEST(AmyuniDriverCheck, CompanyInAnyCaseAndBuildUpToTheLimit) {
    std::string version;
    {
        TestPrinter printer("Orvo Test Amyuni", "driver_amyuni_3000");
        EXPECT_TRUE(CheckAmyuniDriver(printer.Name(), 3000, version));
        EXPECT_EQ(version, "4.0.0.3000");
        EXPECT_FALSE(CheckAmyuniDriver(printer.Name(), 2999, version)) << "build 3000 above the limit";
    }
    {
        TestPrinter printer("Orvo Test Amyuni", "driver_amyuni_3001");
        version.clear();
        EXPECT_FALSE(CheckAmyuniDriver(printer.Name(), 3000, version));
        EXPECT_EQ(version, "4.5.0.3001") << "the version is read once the company matched";
        EXPECT_TRUE(CheckAmyuniDriver(printer.Name(), 4510, version)) << "mixed-case company";
    }
    {
        TestPrinter lower("Orvo Test Amyuni", "driver_amyuni_4510");
        EXPECT_TRUE(CheckAmyuniDriver(lower.Name(), 4510, version)) << "lower-case company, build at the limit";
    }
}

TEST(AmyuniDriverCheck, AnyOtherDriverOrNoneIsNotRecognised) {
    std::string version = "kept";
    {
        TestPrinter other("Orvo Test Other", "driver_other_2000");
        EXPECT_FALSE(CheckAmyuniDriver(other.Name(), 3000, version)) << "another company";
        EXPECT_EQ(version, "kept");
    }
    {
        TestPrinter bare("Orvo Test Bare", "driver_without_version");
        EXPECT_FALSE(CheckAmyuniDriver(bare.Name(), 3000, version)) << "no version resource";
    }
    {
        TestPrinter missing("Orvo Test Missing", "");
        EXPECT_FALSE(CheckAmyuniDriver(missing.Name(), 3000, version)) << "no driver file";
    }
    EXPECT_FALSE(CheckAmyuniDriver("Orvo Test Nowhere", 3000, version));
    EXPECT_FALSE(CheckAmyuniDriver("", 3000, version)) << "the empty name is the print server, no printer";
}

TEST(VirtualPrinterIdentity, FieldsAndApplicability) {
    OrvoComponent_VirtualPrinter v1;
    EXPECT_EQ(v1.displayName, "Virtual Printer (V1)");
    EXPECT_EQ(v1.componentBit, 0x8u);
    EXPECT_EQ(v1.requiredVersion, "4.0");
    EXPECT_FALSE(v1.IsApplicable());
    auto v2 = MakeVirtualPrinterV2();
    EXPECT_EQ(v2->displayName, "Virtual Printer (V2)");
    EXPECT_EQ(v2->componentBit, 0x20u);
    EXPECT_EQ(v2->description, "Virtual Printer");
    EXPECT_TRUE(v2->optional && !v2->required && v2->requiresAdministrator);
    EXPECT_FALSE(v2->IsApplicable());
    OrvoComponent_VirtualPrinterV3 v3;
    EXPECT_EQ(v3.displayName, "Virtual Printer (V3)");
    EXPECT_EQ(v3.componentBit, 0x80u);
}

class AmyuniPrinterTest : public PrinterTest {};

TEST_F(AmyuniPrinterTest, V3IsFoundUnderItsNamesButNeverTheCurrentPrinter) {
    OrvoComponent_VirtualPrinterV3 v3;
    {
        TestPrinter current("Pellmore Virtual Printer", "driver_novapdf_8_10");
        EXPECT_FALSE(v3.IsInstalled()) << "a novaPDF driver is no Amyuni driver";
    }
    TestPrinter v3printer("Pellmore Orvo VPrinter V3", "driver_amyuni_4511");
    EXPECT_FALSE(v3.IsInstalled()) << "build 4511";
    TestPrinter v1printer(kV1, "driver_amyuni_3000");
    EXPECT_TRUE(v3.IsInstalled()) << "a V1 printer is below the V3 limit";
    EXPECT_EQ(v3.foundPrinterName, kV1);
    EXPECT_EQ(v3.installedVersion, "4.0.0.3000");
}

TEST_F(AmyuniPrinterTest, V3IsApplicableWhenItsInstallerIsThere) {
    OrvoComponent_VirtualPrinterV3 v3;
    EXPECT_FALSE(v3.IsApplicable());
    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV3\\Install.exe");
    v3.requiredVersion = "as before";
    EXPECT_TRUE(v3.IsApplicable());
    EXPECT_EQ(v3.requiredVersion, "as before") << "no driver library";
    CopyFileA(DriverStandIn("driver_without_version").c_str(), (launcher / "Installs\\VPrinterV3\\acfpdfu.dll").c_str(),
              FALSE);
    EXPECT_TRUE(v3.IsInstallerPresent());
    EXPECT_EQ(v3.requiredVersion, "as before") << "a library without version resource";
    CopyFileA(DriverStandIn("driver_amyuni_4510").c_str(), (launcher / "Installs\\VPrinterV3\\acfpdfu.dll").c_str(),
              FALSE);
    EXPECT_TRUE(v3.IsApplicable());
    EXPECT_EQ(v3.requiredVersion, "4.5.1.4510");
}

// Each uninstaller stand-in deletes its printer when told to.
TEST_F(AmyuniPrinterTest, UninstallSucceedsOnlyWhenThePrinterIsGone) {
    OrvoComponent_VirtualPrinter v1;
    auto v2 = MakeVirtualPrinterV2();
    OrvoComponent_VirtualPrinterV3 v3;
    EXPECT_TRUE(v1.Uninstall(nullptr)) << "nothing to remove";
    EXPECT_TRUE(v2->Uninstall(nullptr));
    EXPECT_TRUE(v3.Uninstall(nullptr));
    EXPECT_TRUE(Records().empty()) << "no uninstaller runs without a printer";

    TestPrinter one(kV1, "driver_amyuni_3000");
    TestPrinter two(kV2, "driver_other_2000");
    EXPECT_FALSE(v1.Uninstall(nullptr)) << "the uninstaller is missing";
    EXPECT_FALSE(v2->Uninstall(nullptr)) << "the uninstaller is missing";

    std::string v1Installer = PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV1\\InstallPrinter.exe",
                                           "exit=1\r\n");
    EXPECT_FALSE(v1.Uninstall(nullptr)) << "an uninstaller that leaves the printer";
    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV1\\InstallPrinter.exe",
                 std::string("printer=") + kV1 + "\r\n");
    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV2\\InstallPrinterV2.exe",
                 std::string("printer=") + kV2 + "\r\n");
    EXPECT_TRUE(v1.Uninstall(nullptr));
    EXPECT_TRUE(v2->Uninstall(nullptr));
    EXPECT_FALSE(v1.IsInstalled());
    EXPECT_FALSE(v2->IsInstalled());

    std::vector<RecordLine> lines = Records();
    ASSERT_EQ(lines.size(), 3u) << "missing uninstallers are not started";
    EXPECT_EQ(lines[1].program, "InstallPrinter.exe");
    EXPECT_EQ(ArgumentsOf(lines[1].what), " -u -s");
    EXPECT_EQ(lines[1].folder, launcher / "Installs\\VPrinterV1") << "run in its own folder";
    EXPECT_THAT(lines[1].what, HasSubstr(v1Installer)) << "started by its absolute path";
    EXPECT_EQ(lines[2].program, "InstallPrinterV2.exe");
    EXPECT_EQ(ArgumentsOf(lines[2].what), " uninstall");
    EXPECT_EQ(std::count(waits.waits().begin(), waits.waits().end(), 500u), 3) << "half a second before each V1 run";
}

TEST_F(AmyuniPrinterTest, V3UninstallRunsItsInstallerRelatively) {
    TestPrinter printer("Pellmore Orvo VPrinter V3", "driver_amyuni_4510");
    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV3\\Install.exe",
                 "printer=Pellmore Orvo VPrinter V3\r\n");
    OrvoComponent_VirtualPrinterV3 v3;
    EXPECT_TRUE(v3.Uninstall(nullptr));
    std::vector<RecordLine> lines = Records();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(ArgumentsOf(lines[0].what), " -u -s");
}

// The Amyuni installer run judges by the log its installer leaves.
TEST_F(AmyuniPrinterTest, InstallationIsJudgedByTheInstallLog) {
    TestPrinter two(kV2, "driver_other_2000");
    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV2\\InstallPrinterV2.exe",
                 std::string("printer=") + kV2 + "\r\n");
    std::string installer = PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV1\\InstallPrinter.exe");
    OrvoComponent_VirtualPrinter v1;
    EXPECT_TRUE(v1.Install(host)) << "no log: installed";
    EXPECT_TRUE(v1.message.empty());
    std::vector<RecordLine> lines = Records();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].program, "InstallPrinterV2.exe") << "V2 is removed first";
    EXPECT_EQ(ArgumentsOf(lines[1].what), " -s");

    char layer[32] = "";
    DWORD size = sizeof(layer);
    EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, kLayers, installer.c_str(), RRF_RT_REG_SZ, nullptr, layer, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(layer, "VISTASP2");

    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV1\\InstallPrinter.exe", "log=Installing\r\nlog=Done\r\n");
    EXPECT_FALSE(v1.Install(host)) << "a log without an error still fails";
    EXPECT_TRUE(v1.message.empty());

    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV1\\InstallPrinter.exe",
                 "log=Copying\r\nlog=Error Code: 1722 (driver)\r\nlog=Error Code: 2\r\n");
    EXPECT_FALSE(v1.Install(host));
    EXPECT_EQ(v1.message, "An error occurred installing the Pellmore Virtual Printer! The Virtual Printer will not be "
                          "available until this is installed. Error Code: 1722 (driver)");
    DeleteFileA((launcher / "Install.log").c_str());
}

TEST_F(AmyuniPrinterTest, AReadOnlyLogInTheLauncherFolderIsReplacedByOneInTheTemporaryFolder) {
    WriteFile(launcher / "Install.log", "Error Code: old\r\n");
    SetFileAttributesA((launcher / "Install.log").c_str(), FILE_ATTRIBUTE_READONLY);
    std::string tempLog = GetUserTempFolder() + "\\Install.log";
    WriteFile(tempLog, "Error Code: stale\r\n");
    PlaceStandIn("stub_vprinter_setup.exe", "Installs\\VPrinterV3\\Install.exe", "log=Error Code: 5\r\n");
    OrvoComponent_VirtualPrinterV3 v3;
    EXPECT_FALSE(v3.Install(host));
    EXPECT_THAT(v3.message, HasSubstr("installed. Error Code: 5")) << "the temporary folder's fresh log";
    EXPECT_EQ(ReadTextFile(launcher / "Install.log"), "Error Code: old\r\n");
    DeleteFileA(tempLog.c_str());
}

} // namespace
