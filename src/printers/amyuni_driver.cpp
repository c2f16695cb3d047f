#include "printers/amyuni_driver.h"

#include "components/install_host.h"
#include "components/orvo_component.h"
#include "components/os_version.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include "launcher/installer_runner.h"
#include "localinstall/file_tree.h"
#include "printers/printer_names.h"
#include "printers/spooler.h"
#include "utils/file_version_info.h"
#include "utils/temp_files.h"
#include "utils/unc_path.h"

#include <winspool.h>

#include <sstream>

namespace {

const int kVersionTextLimit = 1023; // a 1024-character buffer
const char kInstallLog[] = "Install.log";
const char kCompatibilityLayers[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
const char kVistaSp2Layer[] = "VISTASP2";
const char kInstallErrorFormat[] =
    "An error occurred installing the Pellmore Virtual Printer! The Virtual Printer will not be available until this "
    "is installed. %s";

// Windows 7 and later run the old installers in the Vista SP2 compatibility
// mode; failures to mark them are of no consequence.
void MarkForVistaCompatibility(const std::string& installer) {
    OSVERSIONINFOEXA version;
    QueryOSVersion(version);
    if (!(version.dwMajorVersion > 6 || (version.dwMajorVersion == 6 && version.dwMinorVersion != 0))) return;
    fw::RegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kCompatibilityLayers, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Out(),
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key.Get(), installer.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kVistaSp2Layer),
                   sizeof(kVistaSp2Layer));
}

// "Install.log" in the launcher's folder, or in the temporary folder when
// the one there cannot be removed (a read-only share); removed first.
std::string FreshInstallLog() {
    DeleteFileA(kInstallLog);
    if (!FileExists(kInstallLog)) return kInstallLog;
    std::string log = GetUserTempFolder() + "\\" + kInstallLog;
    DeleteFileA(log.c_str());
    return log;
}

// The installer may still hold its log: read it sharing with everyone.
bool ReadSharedFile(const std::string& path, std::string& text) {
    fw::Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
    return true;
}

} // namespace

bool CheckAmyuniDriver(const std::string& printerName, unsigned buildLimit, std::string& productVersion) {
    if (printerName.empty()) return false;
    fw::Printer printer;
    if (!OpenPrinterA(const_cast<char*>(printerName.c_str()), printer.Out(), nullptr) || !printer) return false;
    std::string driver;
    if (!GetPrinterDriverFile(printer.Get(), driver)) return false;
    CFileVersionInfo info;
    if (!info.Create(driver.c_str())) return false;
    WORD build = LOWORD(info.FixedInfo().dwFileVersionLS);
    std::string company;
    info.QueryValue("CompanyName", company, kVersionTextLimit);
    if (fw::ToUpper(company).find("AMYUNI") == std::string::npos) return false;
    info.QueryValue("ProductVersion", productVersion, kVersionTextLimit);
    return build <= static_cast<WORD>(buildLimit);
}

std::string InstallerRunPath(const std::string& relativePath) {
    std::string absolute;
    GetFullPath(relativePath, absolute);
    if (absolute.empty()) absolute = relativePath;
    std::string unc;
    if (GetUNCPath(unc, absolute) && !unc.empty()) return unc;
    return absolute;
}

DWORD RunPrinterProgram(HWND owner, const std::string& path, const std::string& arguments) {
    if (!FileExists(path)) return 0;
    return RunInstaller(owner, path, arguments);
}

void RemoveVirtualPrinterV2(HWND owner) {
    if (CanOpenPrinter(printers::kV2PrinterName))
        RunPrinterProgram(owner, printers::kV2Installer, printers::kV2UninstallArguments);
}

bool RunAmyuniInstaller(const std::string& installer, OrvoComponent& component, InstallHost& host) {
    HWND owner = host.GetOwnerWindow();
    RemoveVirtualPrinterV2(owner);
    std::string path = InstallerRunPath(installer);
    MarkForVistaCompatibility(path);
    std::string log = FreshInstallLog();
    RunPrinterProgram(owner, path, printers::kV1InstallArguments);

    std::string text;
    if (!ReadSharedFile(log, text)) return true;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find("Error Code:") != std::string::npos) {
            component.AddMessage(fw::Format(kInstallErrorFormat, line.c_str()));
            break;
        }
    }
    return false;
}
