// A prerequisite the launcher can check and install: identity, flags and
// versions, with the operations every kind implements. Failures are results:
// Install returns false and leaves a user-readable HTML message.
#pragma once

#include <windows.h>

#include <string>

class InstallHost;

// Component bits: one per component kind, stored in the installed-component record.
enum ComponentBit : unsigned {
    kBitPellmoreComponents = 0x1,
    kBitVisualCpp = 0x2,
    kBitVirtualPrinterV1 = 0x8,
    kBitVirtualPrinterV2 = 0x20,
    kBitLocalInstall = 0x40,
    kBitVirtualPrinterV3 = 0x80,
    kBitVirtualPrinterNovaPDF = 0x100,
    kBitDatabaseEngine = 0x400,
    kBitDotNetFramework = 0x800,
};

class OrvoComponent {
public:
    OrvoComponent() = default;
    virtual ~OrvoComponent() = default;
    OrvoComponent(const OrvoComponent&) = delete;
    OrvoComponent& operator=(const OrvoComponent&) = delete;

    virtual bool IsInstalled() = 0;
    // True when the component is installed afterwards; otherwise false with
    // a message. Sets restartRequired when its installer asks for a restart.
    virtual bool Install(InstallHost& host) = 0;
    // Base: cannot be uninstalled.
    virtual bool Uninstall(HWND parent);
    // Whether the component belongs on this workstation at all. Base: true.
    virtual bool IsApplicable();
    // Whether the installation holds its installer files. Base: true.
    virtual bool IsInstallerPresent();

    // Appends an HTML paragraph to the message ("<br/><br/>" between two).
    void AddMessage(const std::string& text);

    std::string displayName;
    unsigned componentBit = 0;
    std::string description; // the area of the program that depends on it
    int optional = 0;
    bool restartRequired = false;
    int required = 0;
    int requiresAdministrator = 1;
    int verifyEachStart = 0;
    std::string installedVersion;
    std::string requiredVersion;
    std::string message; // empty: no failure
};
