#include "components/dotnet_framework.h"

#include "components/install_host.h"
#include "components/installer_fetch.h"
#include "components/os_version.h"
#include "framework/handles.h"
#include "framework/registry.h"
#include "framework/strings.h"
#include "launcher/installer_runner.h"
#include "localinstall/file_tree.h"
#include "utils/version_compare.h"

const char kDotNetDownloadUrl[] =
    "https://download.visualstudio.microsoft.com/download/pr/2d6bb6b2-226a-4baa-bdec-798822606ff1/"
    "8494001c276a4b96804cde7829c04d7f/ndp48-x86-x64-allos-enu.exe";

namespace {

const char kSetupKey[] = "Software\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full";
// "Release" above this is 4.8 or later.
const DWORD kRelease48 = 528039;
const char kInstaller[] = "Installs\\DotNet\\dotnetfx48.exe";
const char kInstallingName[] = "Microsoft .NET Framework v4.8";
const char kSilentSwitches[] = "/norestart /q";
const char kInteractiveSwitches[] = "/norestart /passive /showrmui";
const char kUnsupportedSystem[] =
    "Your computer operating system is not supported and must be upgraded to a newer version.";

struct SetupKey {
    bool releaseRead = false;
    DWORD release = 0;
    bool versionRead = false;
    std::string version;
};

SetupKey ReadSetupKey() {
    SetupKey result;
    fw::RegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSetupKey, 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return result;
    DWORD type = 0, size = sizeof(result.release);
    result.releaseRead = RegQueryValueExA(key.Get(), "Release", nullptr, &type, reinterpret_cast<BYTE*>(&result.release),
                                          &size) == ERROR_SUCCESS &&
                         type == REG_DWORD;
    result.versionRead = fw::QueryStringValue(key.Get(), "Version", result.version);
    return result;
}

bool Is48OrLater(const SetupKey& key) { return key.releaseRead && key.release > kRelease48; }

} // namespace

bool IsRefusedForDotNet(const OSVERSIONINFOEXA& v) {
    bool workstation = v.wProductType == VER_NT_WORKSTATION;
    bool server = v.wProductType == VER_NT_DOMAIN_CONTROLLER || v.wProductType == VER_NT_SERVER;
    auto is = [&v](DWORD major, DWORD minor) { return v.dwMajorVersion == major && v.dwMinorVersion == minor; };
    return (is(5, 1) && workstation) || (is(5, 2) && (workstation || server)) || (is(6, 0) && (workstation || server)) ||
           (is(6, 2) && workstation);
}

std::string DotNetExitCodeReason(DWORD exitCode) {
    switch (exitCode) {
    case 0:
        return std::string();
    case 1602:
        return "The user canceled installation.";
    case 1603:
        return "A fatal error occurred during installation. You may not have sufficient permissions.";
    case 5100:
        return "The computer does not meet system requirements.";
    default:
        return fw::Format("Exit code %i. You may not have sufficient permissions.", static_cast<int>(exitCode));
    }
}

std::string DotNetVersionText(const std::string& version) {
    VersionParts parts = ParseVersion(version);
    return fw::Format("%u.%u.%u.%u", parts[0], parts[1], parts[2], parts[3]);
}

OrvoComponent_DotNetFramework::OrvoComponent_DotNetFramework(std::string downloadUrl)
    : downloadUrl_(std::move(downloadUrl)) {}

bool OrvoComponent_DotNetFramework::ReadInstalledFramework() {
    SetupKey key = ReadSetupKey();
    installedVersion = key.versionRead ? DotNetVersionText(key.version) : std::string();
    requiredVersion = "4.8";
    return key.versionRead && Is48OrLater(key);
}

bool OrvoComponent_DotNetFramework::IsInstalled() { return ReadInstalledFramework(); }

bool OrvoComponent_DotNetFramework::Install(InstallHost& host) {
    OSVERSIONINFOEXA system;
    QueryOSVersion(system);
    if (IsRefusedForDotNet(system)) {
        AddMessage(kUnsupportedSystem);
        return false;
    }
    // "Release" may report 4.8 while "Version" is unreadable; the installer
    // and its source are the same either way.
    if (!Is48OrLater(ReadSetupKey())) displayName = kInstallingName;

    if (!EnsureInstallerPresent(*this, host, kInstaller, downloadUrl_)) return false;

    DWORD exitCode =
        RunInstaller(host.GetOwnerWindow(), kInstaller, host.IsSilent() ? kSilentSwitches : kInteractiveSwitches);
    if (exitCode == ERROR_SUCCESS_REBOOT_INITIATED || exitCode == ERROR_SUCCESS_REBOOT_REQUIRED) {
        restartRequired = true;
        return true;
    }
    if (ReadInstalledFramework()) return true;

    AddMessage(fw::Format("Unable to install %s. %s. Try installing this component manually by running '%s\\%s'. This "
                          "component can also be downloaded from Microsoft's website.",
                          displayName.c_str(), DotNetExitCodeReason(exitCode).c_str(), GetCurrentFolder().c_str(),
                          kInstaller));
    return false;
}
