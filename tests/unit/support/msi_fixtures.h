// Windows Installer fixtures for unit tests: the test packages the build
// makes (tests/fixtures/packages), products installed for one test and
// removed afterwards, advertised products made of registry keys, and
// registry values that disappear with the test.
#pragma once

#include "support/registry.h"
#include "support/stand_ins.h"

#include <windows.h>
#include <msi.h>

#include <string>
#include <vector>

namespace test_support {

inline std::string PackagePath(const std::string& name) { return FixturesFolder() + "\\packages\\" + name + ".msi"; }

// Windows Installer's registry spelling of a code: each group reversed,
// the last two groups byte by byte.
inline std::string PackedGuid(const std::string& code) {
    std::string hex;
    for (char c : code)
        if (isxdigit(static_cast<unsigned char>(c))) hex += static_cast<char>(toupper(static_cast<unsigned char>(c)));
    if (hex.size() != 32) return std::string();
    std::string packed;
    packed += std::string(hex.rbegin() + 24, hex.rend());
    packed += std::string(hex.rbegin() + 20, hex.rbegin() + 24);
    packed += std::string(hex.rbegin() + 16, hex.rbegin() + 20);
    for (size_t i = 16; i < 32; i += 2) {
        packed += hex[i + 1];
        packed += hex[i];
    }
    return packed;
}

// The installer keys are shared by both registry views.
const REGSAM kInstallerView = KEY_WOW64_64KEY;

// A product Windows Installer knows as advertised (state 1) and lists
// first among the products of its upgrade code, made of its registry keys.
class AdvertisedProduct {
public:
    AdvertisedProduct(const std::string& productCode, const std::string& upgradeCode)
        : product_(HKEY_LOCAL_MACHINE, "Software\\Classes\\Installer\\Products\\" + PackedGuid(productCode),
                   "ProductName", "Advertised Orvo Test", kInstallerView),
          related_(HKEY_LOCAL_MACHINE,
                   "Software\\Microsoft\\Windows\\CurrentVersion\\Installer\\UpgradeCodes\\" + PackedGuid(upgradeCode),
                   PackedGuid(productCode).c_str(), "", kInstallerView) {}

private:
    RegistryFixture product_;
    RegistryFixture related_;
};

// Installs a test package for the machine without any interface and
// removes the product again at the end.
class InstalledPackage {
public:
    InstalledPackage(const std::string& name, const std::string& productCode) : productCode_(productCode) {
        INSTALLUILEVEL previous = MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
        result = MsiInstallProductA(PackagePath(name).c_str(), "");
        MsiSetInternalUI(previous, nullptr);
    }
    ~InstalledPackage() { RemoveProduct(productCode_); }
    InstalledPackage(const InstalledPackage&) = delete;
    InstalledPackage& operator=(const InstalledPackage&) = delete;

    static void RemoveProduct(const std::string& productCode) {
        if (MsiQueryProductStateA(productCode.c_str()) == INSTALLSTATE_UNKNOWN) return;
        INSTALLUILEVEL previous = MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
        MsiConfigureProductA(productCode.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
        MsiSetInternalUI(previous, nullptr);
    }

    UINT result = 0;

private:
    std::string productCode_;
};

// The codes of the test packages (tests/fixtures/CMakeLists.txt). Wine lists
// the products of an upgrade code in the order of their packed codes: the
// advertised ones are chosen to come first.
namespace codes {
const char kAdvertisedFamily[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4CA1}";
const char kPlainAdvertised[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4C01}";
const char kAdvertisedOnly[] = "{0F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4CF1}";
const char kTwoVersionsFamily[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4CA2}";
const char kFiveTwo[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4C02}";
const char kFiveTen[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4C03}";
const char kAdvertisedInTwoVersions[] = "{0F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4CF2}";
const char kAction[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4C04}";
const char kReboot[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4C05}";
const char kRebootFamily[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4CA5}";
const char kVendorUnit[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4C06}";
const char kVendorUnitFamily[] = "{4F1C2A3B-5D6E-4A7B-8C9D-0E1F2A3B4CA6}";
} // namespace codes

} // namespace test_support
