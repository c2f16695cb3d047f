// A Windows Installer package file and the products installed from it: its
// identity read once from the Property table, the highest installed version
// of its family (upgrade code), and unattended installation and removal with
// the installer's messages relayed to the launcher and logged.
#pragma once

#include <string>
#include <vector>

class InstallHost;
class OrvoComponent;

class MsiPackage {
public:
    // Reads the package once; later calls return the first result until Reset.
    bool Load(const std::string& packagePath);
    void Reset();
    // Installs the package with "ProductCode=<code> ". True on success,
    // including the installer's "restart required" (which sets the
    // component's restartRequired) and "restart started"; otherwise false
    // with a user-readable error. host may be null (plain message boxes).
    bool Install(OrvoComponent* component, InstallHost* host, std::string& error);
    // Removes the product and every product related to its upgrade code that
    // is installed for the machine; false when any removal failed. A removal
    // that needs a restart succeeded, as an installation does, and sets the
    // component's restartRequired.
    bool Uninstall(OrvoComponent* component = nullptr);

    bool attempted = false;
    bool loaded = false;
    std::string productName;
    std::string productVersion;
    std::string productCode;
    std::string upgradeCode;
    std::string packageFileName;
    std::string packagePath;
    std::string error;
    std::string installedVersion;
    std::vector<std::string> relatedProducts;
};

// "X:\\dir" -> "X:\dir": the form installers write paths in.
std::string WithSingleBackslashAfterDrive(std::string path);
