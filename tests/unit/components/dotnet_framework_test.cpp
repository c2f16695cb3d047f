// The .NET Framework: found by its setup key, refused on systems it does not
// support, installed with the offline installer (downloaded when missing),
// and failures explained by the installer's exit code.
#include "components/dotnet_framework.h"
#include "components/installer_fetch.h"
#include "framework/handles.h"
#include "localinstall/file_tree.h"
#include "support/components.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

const char kSetupKey[] = "Software\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full";

void WriteSetupKey(DWORD release, const char* version) {
    fw::RegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSetupKey, 0, nullptr, 0, KEY_WRITE, nullptr, key.Out(), nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key.Get(), "Release", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&release), sizeof(release));
    if (version)
        RegSetValueExA(key.Get(), "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version), lstrlenA(version) + 1);
    else
        RegDeleteValueA(key.Get(), "Version");
}

void RemoveSetupKey() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kSetupKey); }

OSVERSIONINFOEXA System(DWORD major, DWORD minor, BYTE productType) {
    OSVERSIONINFOEXA v = {};
    v.dwMajorVersion = major;
    v.dwMinorVersion = minor;
    v.wProductType = productType;
    return v;
}

TEST(DotNetRules, RefusedSystemsVersionTextAndReasons) {
    EXPECT_TRUE(IsRefusedForDotNet(System(5, 1, VER_NT_WORKSTATION)));
    EXPECT_TRUE(IsRefusedForDotNet(System(5, 2, VER_NT_SERVER)));
    EXPECT_TRUE(IsRefusedForDotNet(System(6, 0, VER_NT_DOMAIN_CONTROLLER)));
    EXPECT_TRUE(IsRefusedForDotNet(System(6, 2, VER_NT_WORKSTATION)));     // Windows 8
    EXPECT_FALSE(IsRefusedForDotNet(System(6, 2, VER_NT_SERVER)));         // Server 2012
    EXPECT_FALSE(IsRefusedForDotNet(System(6, 1, VER_NT_WORKSTATION)));    // Windows 7
    EXPECT_FALSE(IsRefusedForDotNet(System(10, 0, VER_NT_WORKSTATION)));

    EXPECT_EQ(DotNetVersionText("4.8.03761"), "4.8.3761.0");
    EXPECT_EQ(DotNetVersionText("4.8.4084.0.7"), "4.8.4084.0");
    EXPECT_EQ(DotNetVersionText(""), "0.0.0.0");

    EXPECT_EQ(DotNetExitCodeReason(0), "");
    EXPECT_EQ(DotNetExitCodeReason(1602), "The user canceled installation.");
    EXPECT_EQ(DotNetExitCodeReason(42), "Exit code 42. You may not have sufficient permissions.");
}

class DotNetTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveSetupKey();
        saved = GetCurrentFolder();
        SetCurrentDirectoryA(scratch.Path().c_str());
        component.displayName = ".NET Framework v4.8";
        component.componentBit = 0x800;
    }
    void TearDown() override {
        SetEnvironmentVariableA("ORVO_STUB_SETUP", nullptr);
        SetCurrentDirectoryA(saved.c_str());
        RemoveSetupKey();
    }
    void PutInstaller() {
        CreateFolderChain(scratch / "Installs\\DotNet");
        ASSERT_TRUE(CopyFileA(StandIn("stub_setup.exe").c_str(), (scratch / "Installs\\DotNet\\dotnetfx48.exe").c_str(),
                              FALSE));
    }
    std::string InstallerArguments() {
        auto lines = WaitForRecord(record.Path());
        return lines.empty() ? std::string("<not run>") : ArgumentsOf(lines.back().what);
    }

    TempFolder scratch{"orvo_dotnet"};
    RecordFile record{scratch};
    std::string saved;
    RecordingHost host;
    OrvoComponent_DotNetFramework component{"https://example.invalid/ndp48.exe"};
};

TEST_F(DotNetTest, FoundOnlyFromRelease528040WithAVersion) {
    EXPECT_FALSE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "");
    WriteSetupKey(528039, "4.8.03761");
    EXPECT_FALSE(component.IsInstalled());
    WriteSetupKey(528040, "4.8.03761");
    EXPECT_TRUE(component.IsInstalled());
    EXPECT_EQ(component.installedVersion, "4.8.3761.0");
    EXPECT_EQ(component.requiredVersion, "4.8");
    WriteSetupKey(528040, nullptr);
    EXPECT_FALSE(component.IsInstalled()) << "an unreadable Version is not installed";
}

TEST_F(DotNetTest, InstallerRunsAndTheKeyDecides) {
    PutInstaller();
    SetEnvironmentVariableA("ORVO_STUB_SETUP", "/exit:0 /netrelease:528040 /netversion:4.8.03761");
    EXPECT_TRUE(component.Install(host)) << component.message;
    EXPECT_EQ(InstallerArguments(), " /norestart /passive /showrmui");
    EXPECT_TRUE(host.downloads.empty());
    EXPECT_FALSE(component.restartRequired);
    EXPECT_EQ(component.displayName, "Microsoft .NET Framework v4.8");
}

TEST_F(DotNetTest, RestartCodesSucceedWithoutLookingAgain) {
    PutInstaller();
    host.silent = true;
    SetEnvironmentVariableA("ORVO_STUB_SETUP", "/exit:3010");
    EXPECT_TRUE(component.Install(host));
    EXPECT_TRUE(component.restartRequired);
    EXPECT_EQ(InstallerArguments(), " /norestart /q");
}

TEST_F(DotNetTest, FailureNamesTheReasonAndTheInstaller) {
    PutInstaller();
    SetEnvironmentVariableA("ORVO_STUB_SETUP", "/exit:1603");
    EXPECT_FALSE(component.Install(host));
    EXPECT_EQ(component.message,
              "Unable to install Microsoft .NET Framework v4.8. A fatal error occurred during installation. You may not "
              "have sufficient permissions.. Try installing this component manually by running '" +
                  scratch.Path() + "\\Installs\\DotNet\\dotnetfx48.exe'. This component can also be downloaded from "
                                   "Microsoft's website.");
    component.message.clear();
    SetEnvironmentVariableA("ORVO_STUB_SETUP", "/exit:0");
    EXPECT_FALSE(component.Install(host));
    EXPECT_EQ(component.message.rfind("Unable to install Microsoft .NET Framework v4.8. . Try", 0), 0u)
        << component.message;
}

TEST_F(DotNetTest, MissingInstallerIsDownloadedFirst) {
    host.onDownload = [this](const std::string&, const std::string&, const std::string& target, std::string&) {
        return CopyFileA(StandIn("stub_setup.exe").c_str(), target.c_str(), FALSE) != FALSE;
    };
    SetEnvironmentVariableA("ORVO_STUB_SETUP", "/exit:3010");
    EXPECT_TRUE(component.Install(host)) << component.message;
    EXPECT_EQ(host.downloads,
              std::vector<std::string>{"https://example.invalid/ndp48.exe -> Installs\\DotNet\\dotnetfx48.exe"});

    // A failed download is the component's message; nothing runs.
    DeleteFileA((scratch / "Installs\\DotNet\\dotnetfx48.exe").c_str());
    host.onDownload = [](const std::string&, const std::string&, const std::string&, std::string& error) {
        error = "Error downloading file.";
        return false;
    };
    component.message.clear();
    size_t runs = ReadRecord(record.Path()).size();
    EXPECT_FALSE(component.Install(host));
    EXPECT_EQ(component.message, "Error downloading file.");
    EXPECT_EQ(ReadRecord(record.Path()).size(), runs);

    // An empty installer, as an empty answer of a server once left it, is
    // fetched again rather than run.
    ASSERT_TRUE(WriteFile(scratch / "Installs\\DotNet\\dotnetfx48.exe", ""));
    EXPECT_FALSE(EnsureInstallerPresent(component, host, "Installs\\DotNet\\dotnetfx48.exe",
                                        "https://example.invalid/ndp48.exe"));
    EXPECT_EQ(host.downloads.size(), 3u) << "the empty installer was taken as present";

    // The user closes the window while the download runs: nothing starts.
    DeleteFileA((scratch / "Installs\\DotNet\\dotnetfx48.exe").c_str());
    host.onDownload = [this](const std::string&, const std::string&, const std::string& target,
                             std::string&) {
        host.closing = true;
        return CopyFileA(StandIn("stub_setup.exe").c_str(), target.c_str(), FALSE) != FALSE;
    };
    component.message.clear();
    EXPECT_FALSE(component.Install(host));
    EXPECT_FALSE(component.message.empty());
    EXPECT_EQ(ReadRecord(record.Path()).size(), runs) << "a setup program started after the close";
}

} // namespace
