#include "components/msi_product_version.h"

#include "framework/handles.h"
#include "framework/registry.h"
#include "framework/strings.h"

#include <windows.h>
#include <msi.h>

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char kDependenciesKey[] = "SOFTWARE\\Classes\\Installer\\Dependencies";

namespace {

const DWORD kCodeBuffer = 80;

// The related product at index, or false at the end of the list (or on any error).
bool RelatedProductAt(const std::string& upgradeCode, DWORD index, std::string& product) {
    char buffer[kCodeBuffer] = "";
    if (MsiEnumRelatedProductsA(upgradeCode.c_str(), 0, index, buffer) != ERROR_SUCCESS) return false;
    product = buffer;
    return true;
}

} // namespace

bool IsProductInstalledVersion(const std::string& productCode, std::string& version) {
    if (MsiQueryProductStateA(productCode.c_str()) != INSTALLSTATE_DEFAULT) return false;
    char buffer[kCodeBuffer] = "";
    DWORD size = kCodeBuffer;
    if (MsiGetProductInfoA(productCode.c_str(), "VersionString", buffer, &size) != ERROR_SUCCESS)
        return false;
    std::string text = fw::Trim(buffer);
    if (text.empty()) return false;
    version = text;
    return true;
}

bool EnumRelatedProducts(const std::string& upgradeCode, std::vector<std::string>& products) {
    products.clear();
    std::string product;
    for (DWORD index = 0; RelatedProductAt(upgradeCode, index, product); ++index) products.push_back(product);
    return !products.empty();
}

bool ReadRegistryVersion(const std::string& key, const std::string& subKey, const std::string& valueName,
                         std::string& version) {
    std::string text;
    if (!fw::ReadStringValue(HKEY_LOCAL_MACHINE, key + "\\" + subKey, valueName.c_str(), text)) return false;
    text = fw::Trim(text);
    if (text.empty()) return false;
    version = text;
    return true;
}

bool GetProductVersion(const std::string& code, std::string& version) {
    // Every lookup below would open a parent key or list for an empty code.
    if (fw::Trim(code).empty()) return false;
    if (IsProductInstalledVersion(code, version)) return true;
    // Each related product is asked once, in turn: an advertised first one
    // does not hide an installed second one.
    std::string product;
    for (DWORD index = 0; RelatedProductAt(code, index, product); ++index)
        if (IsProductInstalledVersion(product, version)) return true;
    if (ReadRegistryVersion(kUninstallKey, code, "BundleVersion", version)) return true;
    return ReadRegistryVersion(kDependenciesKey, code, "Version", version);
}
