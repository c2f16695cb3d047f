#include "components/pellmore_components.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "components/install_host.h"
#include "components/msi_package.h"
#include "components/msi_product_version.h"
#include "components/msi_ui_scope.h"
#include "framework/handles.h"
#include "framework/registry.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "utils/file_version_info.h"
#include "utils/subst_drive_map.h"
#include "utils/system_error_text.h"
#include "utils/version_compare.h"

#include <msi.h>

namespace {

const char kSetupFile[] = ".\\Pellmore Components.ini";
const char kSetupSection[] = "Setup";
const char kWebFiller[] = "\\PellWebFiller.dll";
const char kWebFillerServer[] = "CLSID\\{F78FB3B6-93BF-4423-BE42-ED1D89D9F637}\\InprocServer32";
const char kPackageFile[] = "%s\\Pellmore Components.msi";
// Read past the cache: the file is written by the installation, not by us.
std::string SetupValue(const char* key) {
    std::string value;
    ReadProfileString(kSetupSection, key, "", value, kSetupFile);
    return value;
}

} // namespace

bool GetWebFillerVersion(const std::string& path, std::string& version) {
    version.clear();
    if (path.empty()) return false;
    std::string file = path;
    if (!fw::EndsWithNoCase(file, kWebFiller)) file = fw::TrimRight(file, "\\") + kWebFiller;
    CFileVersionInfo info;
    if (!info.Create(file.c_str())) return false;
    info.QueryValue("FileVersion", version, 127);
    return true;
}

std::string ReadWebFillerRegistration() {
    std::string path;
    fw::ReadStringValue(HKEY_CLASSES_ROOT, kWebFillerServer, nullptr, path, KEY_WOW64_32KEY);
    return path;
}

bool OrvoComponent_PellmoreComponents::IsInstalled() {
    std::string webFillerRequired = SetupValue("PellLinkRequiredVersion");
    std::string packageRequired = SetupValue("RequiredVersion");
    std::string productCode = SetupValue("ProductCode");

    std::string packageVersion;
    if (!GetProductVersion(productCode, packageVersion) &&
        !GetProductVersion(SetupValue("UpgradeCode"), packageVersion))
        return false;
    char versionString[80] = "";
    DWORD size = sizeof(versionString);
    if (!productCode.empty() &&
        MsiGetProductInfoA(productCode.c_str(), "VersionString", versionString, &size) == ERROR_SUCCESS)
        packageVersion = versionString;

    GetWebFillerVersion(ReadWebFillerRegistration(), installedVersion);
    requiredVersion = webFillerRequired;
    if (requiredVersion.empty()) GetWebFillerVersion(GetModuleFolder(), requiredVersion);

    bool installed = !installedVersion.empty() && !packageVersion.empty() &&
                     VersionAtLeast(installedVersion, requiredVersion) && VersionAtLeast(packageVersion, packageRequired);
    installedVersion = packageVersion + "/" + installedVersion;
    requiredVersion = packageRequired + "/" + requiredVersion;
    return installed;
}

bool OrvoComponent_PellmoreComponents::Install(InstallHost& host) {
    std::string commandLine = fw::Format("ProductCode=%s ", SetupValue("ProductCode").c_str());
    std::string package = WithSingleBackslashAfterDrive(fw::Format(kPackageFile, GetCurrentFolder().c_str()));
    CSubstDriveMap drives;
    drives.Resolve(package);

    UINT result;
    {
        // A silent run has nobody to answer the installer's own boxes.
        MsiUiScope ui;
        if (host.IsSilent()) ui.SetLevel(INSTALLUILEVEL_NONE);
        result = MsiInstallProductA(package.c_str(), commandLine.c_str());
    }
    if (result == ERROR_SUCCESS || result == ERROR_SUCCESS_REBOOT_INITIATED) return true;
    if (result == ERROR_SUCCESS_REBOOT_REQUIRED) {
        restartRequired = true;
        return true;
    }
    AddMessage(fw::Format("Unable to install Pellmore Components at this time.\nCertain components such as PellLink "
                          "and Backups may not working correctly until this is installed. <br/><b>Reason:</b> %s",
                          SystemErrorText(result).c_str()));
    return false;
}
