// Which version of a product the workstation has, asked of Windows
// Installer and of the registry keys installation bundles and dependency
// providers leave. Every failure reads as "not found"; nothing is shown.
// The out version is written only when the answer is true.
#pragma once

#include <string>
#include <vector>

// Installed (state 5) and its "VersionString" is not empty (trimmed).
bool IsProductInstalledVersion(const std::string& productCode, std::string& version);
// The product codes related to the upgrade code, in the installer's order;
// true when there is at least one.
bool EnumRelatedProducts(const std::string& upgradeCode, std::vector<std::string>& products);
// HKLM "<key>\<subKey>" value (at most 260 bytes), trimmed; true when not empty.
bool ReadRegistryVersion(const std::string& key, const std::string& subKey, const std::string& valueName,
                         std::string& version);
// The code as a product code, as an upgrade code (the first installed
// related product), as a bundle in the uninstall list, then as a
// dependency provider.
bool GetProductVersion(const std::string& code, std::string& version);

extern const char kUninstallKey[];    // "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"
extern const char kDependenciesKey[]; // "SOFTWARE\Classes\Installer\Dependencies"
