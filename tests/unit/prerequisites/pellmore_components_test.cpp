// The vendor's components package: package and web filler versions against
// "Pellmore Components.ini" (package versions from the registry here, from
// a real installation of the test package where it is installed), and the
// package's installation from the launcher's folder.
#include "appstate/paths.h"
#include "components/msi_product_version.h"
#include "components/pellmore_components.h"
#include "localinstall/file_tree.h"
#include "support/components.h"
#include "support/msi_fixtures.h"
#include "utils/system_error_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace test_support;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const char kWebFillerServer[] = "CLSID\\{F78FB3B6-93BF-4423-BE42-ED1D89D9F637}\\InprocServer32";
const char kProduct[] = "{3C5D7E9F-1A2B-4C3D-8E4F-5A6B7C8D9E01}";
const char kUpgrade[] = "{3C5D7E9F-1A2B-4C3D-8E4F-5A6B7C8D9EA1}";

std::string WebFillerFolder(const char* version) { return FixturesFolder() + "\\webfiller_" + version; }

TEST(WebFillerVersion, AFolderIsCompletedWithTheLibrarysName) {
    std::string version = "stale";
    EXPECT_TRUE(GetWebFillerVersion(WebFillerFolder("3.0.0.7"), version));
    EXPECT_EQ(version, "3.0.0.7");
    EXPECT_TRUE(GetWebFillerVersion(WebFillerFolder("3.0.0.9") + "\\\\", version));
    EXPECT_EQ(version, "3.0.0.9");
    EXPECT_TRUE(GetWebFillerVersion(WebFillerFolder("3.0.0.7") + "\\PELLWEBFILLER.DLL", version));
    EXPECT_EQ(version, "3.0.0.7");
    EXPECT_FALSE(GetWebFillerVersion(FixturesFolder(), version));
    EXPECT_EQ(version, "");
    version = "stale";
    EXPECT_FALSE(GetWebFillerVersion("", version)) << "no registration is no web filler, not the drive's root";
    EXPECT_EQ(version, "");
}

class PellmoreComponentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = GetCurrentFolder();
        SetCurrentDirectoryA(scratch.Path().c_str());
        component.displayName = "Pellmore Components/PellLink";
    }
    void TearDown() override {
        SetModuleFolderForTests("");
        SetCurrentDirectoryA(saved.c_str());
    }
    void Setup(const char* key, const std::string& value) {
        WritePrivateProfileStringA("Setup", key, value.c_str(), (scratch / "Pellmore Components.ini").c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, (scratch / "Pellmore Components.ini").c_str());
    }
    void RegisterWebFiller(const std::string& path) {
        WriteRegistryString(HKEY_CLASSES_ROOT, kWebFillerServer, nullptr, path, KEY_WOW64_32KEY);
    }

    // The product's view of the COM server's key.
    KeyTreeGuard server{HKEY_CLASSES_ROOT, "CLSID\\{F78FB3B6-93BF-4423-BE42-ED1D89D9F637}", KEY_WOW64_32KEY};
    TempFolder scratch{"orvo_vendor"};
    std::string saved;
    RecordingHost host;
    OrvoComponent_PellmoreComponents component;
};

TEST_F(PellmoreComponentsTest, PackageAndWebFillerMustBothBeNewEnough) {
    RegistryFixture bundle(HKEY_LOCAL_MACHINE, std::string(kUninstallKey) + "\\" + kProduct, "BundleVersion", "5.2");
    RegisterWebFiller(WebFillerFolder("3.0.0.7") + "\\PellWebFiller.dll");
    Setup("ProductCode", kProduct);
    Setup("RequiredVersion", "5.1");
    Setup("PellLinkRequiredVersion", "3.0.0.7");
    EXPECT_TRUE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "5.2/3.0.0.7");
    EXPECT_EQ(component.requiredVersion, "5.1/3.0.0.7");

    Setup("RequiredVersion", "5.10");
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.requiredVersion, "5.10/3.0.0.7");
    Setup("RequiredVersion", "5.1");
    Setup("PellLinkRequiredVersion", "3.0.0.8");
    EXPECT_FALSE(component.IsInstalled());
}

TEST_F(PellmoreComponentsTest, WithoutARequiredWebFillerTheLaunchersOwnCopyIsTheMeasure) {
    RegistryFixture provider(HKEY_LOCAL_MACHINE, std::string(kDependenciesKey) + "\\" + kUpgrade, "Version", "5.2");
    RegisterWebFiller(WebFillerFolder("3.0.0.7")); // a folder, completed with the file name
    Setup("ProductCode", "{3C5D7E9F-1A2B-4C3D-8E4F-5A6B7C8D9E99}");
    Setup("UpgradeCode", kUpgrade);
    Setup("RequiredVersion", "5.2");
    SetModuleFolderForTests(WebFillerFolder("3.0.0.9"));
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.requiredVersion, "5.2/3.0.0.9");
    SetModuleFolderForTests(WebFillerFolder("3.0.0.7"));
    EXPECT_TRUE(component.IsInstalled()) << "found through the upgrade code";
    EXPECT_EQ(component.installedVersion, "5.2/3.0.0.7");
}

TEST_F(PellmoreComponentsTest, AnUnknownPackageOrAnEmptyRegistrationIsNotInstalled) {
    Setup("ProductCode", kProduct);
    Setup("UpgradeCode", kUpgrade);
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "");
    EXPECT_EQ(component.requiredVersion, "");

    RegistryFixture bundle(HKEY_LOCAL_MACHINE, std::string(kUninstallKey) + "\\" + kProduct, "BundleVersion", "5.2");
    RegisterWebFiller("");
    Setup("PellLinkRequiredVersion", "3.0.0.7");
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "5.2/");
}

// The test package in the launcher's folder under the package's own name.
class PellmoreInstallTest : public PellmoreComponentsTest {
protected:
    void Put(const char* package, const char* productCode) {
        ASSERT_TRUE(CopyFileA(PackagePath(package).c_str(), (scratch / "Pellmore Components.msi").c_str(), FALSE));
        Setup("ProductCode", productCode);
        installed = productCode;
    }
    void TearDown() override {
        if (!installed.empty()) InstalledPackage::RemoveProduct(installed);
        PellmoreComponentsTest::TearDown();
    }
    std::string Recorded() { return ReadTextFile(scratch / "Pellmore Components.record"); }

    std::string installed;
};

TEST_F(PellmoreInstallTest, ASilentInstallationHasNoInterfaceAndLeavesTheLevelAsItWas) {
    Put("vendor_unit", codes::kVendorUnit);
    Setup("RequiredVersion", "5.1");
    Setup("PellLinkRequiredVersion", "3.0.0.7");
    host.silent = true;
    MsiSetInternalUI(INSTALLUILEVEL_BASIC, nullptr);
    EXPECT_TRUE(component.Install(host)) << component.message;
    EXPECT_EQ(MsiSetInternalUI(INSTALLUILEVEL_DEFAULT, nullptr), INSTALLUILEVEL_BASIC);
    EXPECT_THAT(Recorded(), HasSubstr("UILevel=2"));
    EXPECT_EQ(component.message, "");
    EXPECT_FALSE(component.restartRequired);

    EXPECT_EQ(MsiQueryProductStateA(codes::kVendorUnit), INSTALLSTATE_DEFAULT);
    EXPECT_NE(ReadWebFillerRegistration(), "") << "registered in the 32-bit view";
    EXPECT_TRUE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "5.2/3.0.0.7");
}

TEST_F(PellmoreInstallTest, ARefusedInstallationEndsWithTheSystemsReason) {
    Put("vendor_unit", codes::kVendorUnit);
    WriteFile(scratch / "Pellmore Components.action", "fail");
    host.silent = true;
    EXPECT_FALSE(component.Install(host));
    EXPECT_THAT(component.message,
                StartsWith("Unable to install Pellmore Components at this time.\nCertain components such as PellLink "
                           "and Backups may not working correctly until this is installed. <br/><b>Reason:</b> "));
    EXPECT_THAT(component.message, EndsWith("<b>Reason:</b> " + SystemErrorText(ERROR_INSTALL_FAILURE)));
    EXPECT_NE(MsiQueryProductStateA(codes::kVendorUnit), INSTALLSTATE_DEFAULT);
}

TEST_F(PellmoreInstallTest, RestartRequiredIsASuccessThatAsksForTheRestart) {
    Put("reboot", codes::kReboot);
    host.silent = true;
    EXPECT_TRUE(component.Install(host)) << component.message;
    EXPECT_TRUE(component.restartRequired);
    EXPECT_EQ(component.message, "");
}

TEST_F(PellmoreInstallTest, AMissingPackageIsExplained) {
    Setup("ProductCode", kProduct);
    host.silent = true;
    EXPECT_FALSE(component.Install(host));
    EXPECT_THAT(component.message, HasSubstr("<b>Reason:</b> "));
    EXPECT_THAT(component.message, ::testing::Not(EndsWith("<b>Reason:</b> ")));
}

} // namespace
