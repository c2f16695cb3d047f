// Printer fixtures for unit tests: printers of the prefix's spooler made of
// registry keys and a copy of a driver stand-in (tests/fixtures/
// printer_drivers), the spooler service in a chosen state, the current
// printer's test packages in a launcher folder, and the printer waits made
// instant. Everything is removed again when the test ends.
#pragma once

#include "../../fixtures/stub_spooler.h"
#include "printers/printer_wait.h"
#include "support/msi_fixtures.h"
#include "support/stand_ins.h"
#include "support/temp_folder.h"

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

// The spooler environment of this process (the one the product reads).
inline const char* OwnEnvironment() { return sizeof(void*) == 8 ? stub::kEnvironmentX64 : stub::kEnvironmentX86; }
inline const char* OwnDriverFolder() { return sizeof(void*) == 8 ? stub::kDriverFolderX64 : stub::kDriverFolderX86; }

inline std::string DriverStandIn(const std::string& name) { return FixturesFolder() + "\\printer_drivers\\" + name + ".dll"; }

// A printer with its own driver ("Orvo Test Driver <printer>") whose library
// is a copy of the stand-in (e.g. "driver_amyuni_3000"); without a stand-in
// the driver is registered but its file is missing.
class TestPrinter {
public:
    TestPrinter(const std::string& name, const std::string& driverStandIn) : name_(name) {
        driver_ = "Orvo Test Driver " + name;
        library_ = "orvo_test_";
        for (char c : name) library_ += isalnum(static_cast<unsigned char>(c)) ? c : '_';
        library_ += ".dll";
        libraryPath_ = stub::DriverFolder(OwnDriverFolder()) + "\\" + library_;
        if (!driverStandIn.empty()) CopyFileA(DriverStandIn(driverStandIn).c_str(), libraryPath_.c_str(), FALSE);
        stub::AddDriverKey(OwnEnvironment(), driver_, library_);
        stub::AddPrinterKey(name_, driver_);
    }
    ~TestPrinter() {
        stub::DeletePrinterKey(name_);
        stub::DeleteDriverKey(OwnEnvironment(), driver_);
        SetFileAttributesA(libraryPath_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(libraryPath_.c_str());
    }
    TestPrinter(const TestPrinter&) = delete;
    TestPrinter& operator=(const TestPrinter&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& LibraryPath() const { return libraryPath_; }

private:
    std::string name_, driver_, library_, libraryPath_;
};

// Runs "net <verb> spooler" with its output kept from the test's.
inline void RunNet(const char* verb) {
    std::string command = std::string("net.exe ") + verb + " spooler";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, 0, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = startup.hStdOutput = startup.hStdError = nul;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, 20000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(nul);
}

// The spooler service running or stopped for one test; stopped afterwards,
// as a fresh prefix has it.
class SpoolerState {
public:
    explicit SpoolerState(bool running) { RunNet(running ? "start" : "stop"); }
    ~SpoolerState() { RunNet("stop"); }
    SpoolerState(const SpoolerState&) = delete;
    SpoolerState& operator=(const SpoolerState&) = delete;
};

// The printer waits take no time; the waits asked for are kept.
class InstantPrinterWaits {
public:
    InstantPrinterWaits() {
        waits().clear();
        previous_ = SetPrinterWait(&Record);
    }
    ~InstantPrinterWaits() { SetPrinterWait(previous_); }
    static std::vector<DWORD>& waits() {
        static std::vector<DWORD> list;
        return list;
    }

private:
    static void Record(DWORD ms) { waits().push_back(ms); }
    PrinterWaitFn previous_ = nullptr;
};

// Remembers the outermost folder of path that does not exist yet and
// removes it with everything below at the end (never a folder that was
// there before).
class FolderGuard {
public:
    explicit FolderGuard(const std::string& path) {
        std::string probe = path;
        while (probe.size() > 3 && GetFileAttributesA(probe.c_str()) == INVALID_FILE_ATTRIBUTES) {
            missing_ = probe;
            probe = probe.substr(0, probe.rfind('\\'));
        }
    }
    ~FolderGuard() {
        if (missing_.empty()) return;
        SetFileAttributesA(missing_.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (GetFileAttributesA(missing_.c_str()) & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTreeForcibly(missing_);
        else
            DeleteFileA(missing_.c_str());
    }
    FolderGuard(const FolderGuard&) = delete;
    FolderGuard& operator=(const FolderGuard&) = delete;

private:
    std::string missing_;
};

// The current printer's test packages (tests/fixtures/CMakeLists.txt).
namespace printer_codes {
const char kDriverFamily[] = "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5BA1}";
const char kOemFamily[] = "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5BA2}";
inline std::string Driver() { return sizeof(void*) == 8 ? "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B12}" : "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B11}"; }
inline std::string Oem810() { return sizeof(void*) == 8 ? "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B22}" : "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B21}"; }
inline std::string Oem89() { return sizeof(void*) == 8 ? "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B32}" : "{7D3A5C21-8E4B-4F6A-9B2C-1D0E3F4A5B31}"; }
} // namespace printer_codes

inline const char* OwnPackageArch() { return sizeof(void*) == 8 ? "x64" : "x86"; }

// "Installs\NovaPDF" of a launcher folder with the packages under the names
// the launcher looks for on this system, and the relay program; the
// products are removed at the end whoever installed them.
class PrinterPackages {
public:
    PrinterPackages(const std::string& launcherFolder, const std::string& oemVersion = "8_10",
                    const char* arch = OwnPackageArch()) {
        folder = launcherFolder + "\\Installs\\NovaPDF";
        CreateDirectoryA((launcherFolder + "\\Installs").c_str(), nullptr);
        CreateDirectoryA(folder.c_str(), nullptr);
        std::string suffix = std::string("(") + arch + ").msi";
        CopyFileA(PackagePath(std::string("novapdf_driver_8_10_") + arch).c_str(),
                  (folder + "\\novaPDF8PrinterDriver" + suffix).c_str(), FALSE);
        CopyFileA(PackagePath("novapdf_oem_" + oemVersion + "_" + arch).c_str(),
                  (folder + "\\novaPDF8OEM" + suffix).c_str(), FALSE);
        WriteFile(folder + "\\OrvoPrinterRelay.exe", "relay");
    }
    ~PrinterPackages() { RemoveProducts(); }
    static void RemoveProducts() {
        for (const std::string& code : {printer_codes::Oem810(), printer_codes::Oem89(), printer_codes::Driver()})
            InstalledPackage::RemoveProduct(code);
        stub::DeletePrinterKey("Pellmore Virtual Printer");
    }
    PrinterPackages(const PrinterPackages&) = delete;
    PrinterPackages& operator=(const PrinterPackages&) = delete;

    std::string folder;
};

} // namespace test_support
