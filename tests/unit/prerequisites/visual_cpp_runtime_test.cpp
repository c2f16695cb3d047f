// The Visual C++ runtime: versions read as one decimal number, the places
// the runtime registers itself in (in their order), and its installer
// (a stand-in whose side file gives its exit code and the key it leaves).
#include "components/msi_product_version.h"
#include "components/visual_cpp_runtime.h"
#include "localinstall/file_tree.h"
#include "support/components.h"
#include "support/registry.h"
#include "support/stand_ins.h"
#include "utils/leading_decimal.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

const char kRuntime32[] = "SOFTWARE\\WOW6432Node\\Microsoft\\VisualStudio\\%s\\VC\\Runtimes\\x86";
const char kRuntimePlain[] = "SOFTWARE\\Microsoft\\VisualStudio\\%s\\VC\\Runtimes\\x86";
const char kDependents[] =
    "SOFTWARE\\Classes\\Installer\\Dependencies\\Microsoft.VS.VC_RuntimeMinimumVSU_x86,v14\\Dependents";

std::string RuntimeKey(const char* form, const char* major) {
    char path[MAX_PATH];
    wsprintfA(path, form, major);
    return path;
}

std::string BundleKey(const std::string& code) { return std::string(kUninstallKey) + "\\" + code; }

TEST(LeadingDecimal, ReadsTheLongestDecimalNumberAtTheStart) {
    EXPECT_EQ(CompareLeadingDecimal("14.16.27012.00", "14.13"), 1);
    EXPECT_EQ(CompareLeadingDecimal("14.12.25810.00", "14.13"), -1);
    EXPECT_EQ(CompareLeadingDecimal("14.13.26020", "14.13"), 0) << "equality is exact for equal readings";
    EXPECT_EQ(CompareLeadingDecimal("14.10", "14.1"), 0);
    EXPECT_EQ(CompareLeadingDecimal("14.2", "14.13"), 1) << "decimal, not dotted";
    EXPECT_EQ(CompareLeadingDecimal("014.13", "14.13"), 0);
    EXPECT_EQ(CompareLeadingDecimal("v14.20", "0"), 0) << "no number at the start reads 0";
    EXPECT_EQ(CompareLeadingDecimal("", "0.0"), 0);
    EXPECT_EQ(CompareLeadingDecimal("9.9", "10"), -1);
    EXPECT_EQ(CompareLeadingDecimal("12345678901234567890.5", "12345678901234567890.49"), 1);
}

class VisualCppTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = GetCurrentFolder();
        SetCurrentDirectoryA(scratch.Path().c_str());
        component.displayName = "Microsoft Visual C++ Redistributable 14.15";
        component.requiredVersion = "14.13";
    }
    void TearDown() override { SetCurrentDirectoryA(saved.c_str()); }
    // The stand-in as the installation's runtime installer, told what to do.
    void PutInstaller(const std::string& instructions) {
        CreateFolderChain(scratch / "Installs\\MFC");
        ASSERT_TRUE(CopyFileA(StandIn("stub_fixed_setup.exe").c_str(),
                              (scratch / "Installs\\MFC\\vcredist_x86_v14.exe").c_str(), FALSE));
        WriteFile(scratch / "Installs\\MFC\\vcredist_x86_v14.stub", instructions);
    }
    std::vector<RecordLine> Runs() { return ReadRecord(record.Path()); }

    // Whatever a test or the stand-in writes below these goes with the test.
    KeyTreeGuard runtimes32{HKEY_LOCAL_MACHINE, "SOFTWARE\\WOW6432Node\\Microsoft\\VisualStudio\\14.0"};
    KeyTreeGuard runtimes{HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\VisualStudio\\14.0"};
    KeyTreeGuard older32{HKEY_LOCAL_MACHINE, "SOFTWARE\\WOW6432Node\\Microsoft\\VisualStudio\\12.0"};
    KeyTreeGuard dependencies{HKEY_LOCAL_MACHINE, kDependents};
    TempFolder scratch{"orvo_vcrt"};
    RecordFile record{scratch};
    std::string saved;
    RecordingHost host;
    OrvoComponent_MFC component{"https://example.invalid/vc_redist.x86.exe"};
};

TEST_F(VisualCppTest, RuntimeKeysAcceptFrom1413AndShowWhatTheyHold) {
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "");

    WriteRegistryString(HKEY_LOCAL_MACHINE, RuntimeKey(kRuntime32, "14.0"), "Version", "v14.12.25810.00");
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "14.12.25810.00");

    WriteRegistryString(HKEY_LOCAL_MACHINE, RuntimeKey(kRuntime32, "14.0"), "Version", "v14.16.27012.00");
    EXPECT_TRUE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "14.16.27012.00");
}

TEST_F(VisualCppTest, ThePlainKeyCountsWhenThe32BitOneIsMissing) {
    WriteRegistryString(HKEY_LOCAL_MACHINE, RuntimeKey(kRuntimePlain, "14.0"), "Version", "V14.20.27508.01V");
    EXPECT_TRUE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "14.20.27508.01");
}

TEST_F(VisualCppTest, AnOlderRuntimeIsOnlyShown) {
    WriteRegistryString(HKEY_LOCAL_MACHINE, RuntimeKey(kRuntime32, "12.0"), "Version", "v12.0.40660.00");
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "12.0.40660.00");
}

TEST_F(VisualCppTest, TheDependencyKeyNamesTheProductToAsk) {
    const std::string code = "{5A4B3C2D-1E0F-4A9B-8C7D-6E5F4A3B2C01}";
    RegistryFixture bundle(HKEY_LOCAL_MACHINE, BundleKey(code), "BundleVersion", "14.29.30133.0");
    WriteRegistryString(HKEY_LOCAL_MACHINE, std::string(kDependents) + "\\ " + code + " ", nullptr, "");
    EXPECT_TRUE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "14.29.30133.0");
}

TEST_F(VisualCppTest, CodesCDAndEMustMatchTheRequiredVersionExactly) {
    RegistryFixture c(HKEY_LOCAL_MACHINE, BundleKey("{ce085a78-074e-4823-8dc1-8a721b94b76d}"), "BundleVersion",
                      "14.14.26405");
    EXPECT_FALSE(component.IsInstalled()) << "C is an exact match, not a minimum";
    EXPECT_EQ(component.installedVersion, "14.14.26405");
    RegistryFixture d(HKEY_LOCAL_MACHINE, BundleKey("{13A4EE12-23EA-3371-91EE-EFB36DDFFF3E}"), "BundleVersion",
                      "14.13.26020");
    EXPECT_FALSE(component.IsInstalled()) << "D needs E";
    RegistryFixture e(HKEY_LOCAL_MACHINE, BundleKey("{F8CFEB22-A2E7-3971-9EDA-4B11EDEFC185}"), "BundleVersion",
                      "14.13.26020.0");
    EXPECT_TRUE(component.IsInstalled());
}

TEST_F(VisualCppTest, RestartRequiredSucceedsWithoutLookingAgain) {
    PutInstaller("exit=3010\r\n");
    EXPECT_TRUE(component.Install(host)) << component.message;
    EXPECT_TRUE(component.restartRequired);
    auto runs = Runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(ArgumentsOf(runs[0].what), " /quiet /norestart");
    EXPECT_TRUE(host.downloads.empty());
}

TEST_F(VisualCppTest, OtherwiseTheRegistryDecides) {
    PutInstaller("exit=0\r\nreg=HKLM\\" + RuntimeKey(kRuntime32, "14.0") + "|Version|v14.16.27012.00\r\n");
    EXPECT_TRUE(component.Install(host)) << component.message;
    EXPECT_FALSE(component.restartRequired);

    PutInstaller("exit=1618\r\n");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, RuntimeKey(kRuntime32, "14.0"));
    EXPECT_FALSE(component.Install(host));
    EXPECT_EQ(component.message, "Unable to install Microsoft Visual C++ Redistributable 14.15. Reason unknown. Try "
                                 "installing this component manually by running '" +
                                     scratch.Path() + "\\Installs\\MFC\\vcredist_x86_v14.exe'.");
}

TEST_F(VisualCppTest, AMissingInstallerIsDownloadedAndAFailedDownloadRunsNothing) {
    host.onDownload = [](const std::string&, const std::string&, const std::string&, std::string& error) {
        error = "Unable to connect to server.";
        return false;
    };
    EXPECT_FALSE(component.Install(host));
    EXPECT_EQ(component.message, "Unable to connect to server.");
    EXPECT_EQ(host.downloads, std::vector<std::string>{
                                  "https://example.invalid/vc_redist.x86.exe -> Installs\\MFC\\vcredist_x86_v14.exe"});
    EXPECT_TRUE(DirectoryExists(scratch / "Installs\\MFC")) << "the folder is made for the download";
    EXPECT_TRUE(Runs().empty());
}

} // namespace
