#include "components/msi_package.h"

#include "components/msi_message_handler.h"
#include "components/msi_product_version.h"
#include "components/msi_property_reader.h"
#include "components/msi_ui_scope.h"
#include "components/orvo_component.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "utils/subst_drive_map.h"
#include "utils/system_error_text.h"
#include "utils/temp_files.h"
#include "utils/version_compare.h"

#include <windows.h>
#include <msi.h>

namespace {

const DWORD kAllMessages = 0xFFFFFFFF;
const DWORD kMachineVersionBuffer = 20;

std::string PropertyOrEmpty(const MsiPropertyReader& reader, const char* name) {
    auto found = reader.properties.find(name);
    return found == reader.properties.end() ? std::string() : found->second;
}

bool IsInstalledForMachine(const std::string& productCode) {
    char version[kMachineVersionBuffer] = "";
    DWORD size = kMachineVersionBuffer;
    UINT result = MsiGetProductInfoExA(productCode.c_str(), nullptr, MSIINSTALLCONTEXT_MACHINE,
                                       "VersionString", version, &size);
    // A version longer than the buffer still says the product is there.
    return result == ERROR_SUCCESS || result == ERROR_MORE_DATA;
}

bool ContainsNoCase(const std::vector<std::string>& list, const std::string& item) {
    for (const auto& entry : list)
        if (fw::EqualsNoCase(entry, item)) return true;
    return false;
}

} // namespace

std::string WithSingleBackslashAfterDrive(std::string path) {
    size_t at;
    while ((at = path.find(":\\\\")) != std::string::npos) path.erase(at + 1, 1);
    return path;
}

void MsiPackage::Reset() { *this = MsiPackage(); }

bool MsiPackage::Load(const std::string& path) {
    if (attempted) return loaded;
    loaded = false;
    packageFileName = FileNamePart(path);
    packagePath = WithSingleBackslashAfterDrive(path);
    CSubstDriveMap drives;
    drives.Resolve(packagePath);

    MsiPropertyReader reader;
    if (!reader.Read(packagePath)) {
        error = reader.error;
        attempted = true;
        return false;
    }
    productVersion = PropertyOrEmpty(reader, "ProductVersion");
    productCode = PropertyOrEmpty(reader, "ProductCode");
    upgradeCode = PropertyOrEmpty(reader, "UpgradeCode");
    productName = PropertyOrEmpty(reader, "ProductName");

    EnumRelatedProducts(upgradeCode, relatedProducts);
    for (const auto& product : relatedProducts) {
        std::string version;
        if (!IsProductInstalledVersion(product, version)) continue;
        if (installedVersion.empty() || VersionLess(installedVersion, version)) installedVersion = version;
    }
    loaded = true;
    attempted = true;
    return true;
}

bool MsiPackage::Install(OrvoComponent* component, InstallHost* host, std::string& errorText) {
    errorText.clear();
    if (packageFileName.empty()) {
        errorText = "Missing MSI File Name";
        return false;
    }
    if (productCode.empty()) {
        errorText = fw::Format("Missing Product Code for %s", packageFileName.c_str());
        return false;
    }
    std::string commandLine = fw::Format("ProductCode=%s ", productCode.c_str());

    MsiMessageContext context;
    context.host = host;
    std::string tempFolder;
    GetProductTempFolder(tempFolder);
    context.log = OpenInstallerLog(tempFolder + "\\" + FileTitle(packageFileName) + ".log");

    UINT result;
    {
        MsiUiScope ui;
        ui.SetLevel(kUiLevelNoneWithElevation);
        ui.SetHandler(&HandleInstallerMessage, kAllMessages, &context);
        result = MsiInstallProductA(packagePath.c_str(), commandLine.c_str());
    }
    if (result == ERROR_SUCCESS || result == ERROR_SUCCESS_REBOOT_INITIATED) return true;
    if (result == ERROR_SUCCESS_REBOOT_REQUIRED) {
        if (component) component->restartRequired = true;
        return true;
    }
    errorText = fw::Format("Unable to install %s at this time.\n<br/><b>Reason:</b> %s", productName.c_str(),
                           SystemErrorText(result).c_str());
    return false;
}

bool MsiPackage::Uninstall(OrvoComponent* component) {
    std::vector<std::string> products;
    EnumRelatedProducts(upgradeCode, products);
    if (!productCode.empty() && !ContainsNoCase(products, productCode)) products.push_back(productCode);
    bool allRemoved = true;
    for (const auto& product : products) {
        if (!IsInstalledForMachine(product)) continue;
        UINT result = MsiConfigureProductA(product.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
        if (result == ERROR_SUCCESS_REBOOT_REQUIRED && component) component->restartRequired = true;
        if (result != ERROR_SUCCESS && result != ERROR_SUCCESS_REBOOT_REQUIRED &&
            result != ERROR_SUCCESS_REBOOT_INITIATED)
            allRemoved = false;
    }
    return allRemoved;
}
