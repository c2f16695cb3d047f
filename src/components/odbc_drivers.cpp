#include "components/odbc_drivers.h"

#include "components/odbc_installer.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "utils/file_version_info.h"
#include "utils/temp_files.h"

namespace {

const char kDriversSection[] = "ODBC Drivers";
const char kOdbcInstIni[] = "odbcinst.ini";
const WORD kSystemMode = 2; // ODBC_SYSTEM_DSN
const WORD kUserMode = 1;   // ODBC_USER_DSN
const int kNamesBuffer = 8192;
const int kValueBuffer = 1024;
const WORD kErrorMessageBuffer = 1000;
const WORD kMaxErrorRecords = 8;

std::string ProfileText(OdbcInstaller& odbc, const char* section, const char* key) {
    std::vector<char> buffer(kValueBuffer, '\0');
    odbc.GetProfileText(section, key, "", buffer.data(), kValueBuffer, kOdbcInstIni);
    buffer.back() = '\0';
    return buffer.data();
}

// The names of the "ODBC Drivers" section: zero-terminated, ended by an empty one.
std::vector<std::string> DriverNames(OdbcInstaller& odbc) {
    std::vector<char> buffer(kNamesBuffer, '\0');
    int length = odbc.GetProfileText(kDriversSection, nullptr, "", buffer.data(), kNamesBuffer, kOdbcInstIni);
    if (length < 0) length = 0;
    if (length > kNamesBuffer - 1) length = kNamesBuffer - 1;
    std::vector<std::string> names;
    for (int at = 0; at < length && buffer[at] != '\0';) {
        std::string name(&buffer[at]);
        names.push_back(name);
        at += static_cast<int>(name.size()) + 1;
    }
    return names;
}

std::string InstallerErrorText(OdbcInstaller& odbc, const char* call) {
    std::string text = fw::Format("Error during %s call.\n", call);
    for (WORD index = 1; index <= kMaxErrorRecords; ++index) {
        DWORD code = 0;
        char message[kErrorMessageBuffer + 1] = "";
        WORD length = 0;
        short result = odbc.InstallerError(index, &code, message, kErrorMessageBuffer, &length);
        if (result == kOdbcNoData || result == kOdbcError) break;
        text += fw::Format("%d: Error code = %d, Message = %s\n", index, static_cast<int>(code), message);
    }
    return text;
}

void ReadFileVersion(ODBCDriverInfo& driver) {
    if (!FileExists(driver.driverFile)) return;
    CFileVersionInfo info;
    if (!info.Create(driver.driverFile.c_str())) return;
    driver.major = HIWORD(info.FixedInfo().dwFileVersionMS);
    driver.minor = LOWORD(info.FixedInfo().dwFileVersionMS);
    driver.build = HIWORD(info.FixedInfo().dwFileVersionLS);
}

bool SameNameAndVersion(const ODBCDriverInfo& a, const ODBCDriverInfo& b) {
    return a.name == b.name && a.major == b.major && a.minor == b.minor && a.build == b.build;
}

} // namespace

void EnumerateODBCDrivers(ODBCDriverList& drivers, std::string& error, bool installedOnly) {
    drivers.clear();
    error.clear();
    OdbcInstaller& odbc = GetOdbcInstaller();
    for (WORD mode : {kSystemMode, kUserMode}) {
        if (!odbc.SetConfigMode(mode)) {
            error = InstallerErrorText(odbc, "SQLSetConfigMode");
            return;
        }
        for (const std::string& name : DriverNames(odbc)) {
            if (!odbc.SetConfigMode(mode)) {
                error = InstallerErrorText(odbc, "SQLSetConfigMode");
                return;
            }
            ODBCDriverInfo driver;
            driver.name = name;
            driver.installed = fw::EqualsNoCase(fw::Trim(ProfileText(odbc, kDriversSection, name.c_str())), "Installed");
            if (installedOnly && !driver.installed) continue;
            driver.driverFile = ProfileText(odbc, name.c_str(), "Driver");
            ReadFileVersion(driver);
            bool listed = false;
            if (mode == kUserMode)
                for (const auto& known : drivers) listed = listed || SameNameAndVersion(known, driver);
            if (!listed) drivers.push_back(driver);
        }
    }
}

bool FindODBCDriver(const std::string& namePart, const std::string& extensionPart, ODBCDriverInfo& driver) {
    ODBCDriverList drivers;
    std::string error;
    EnumerateODBCDrivers(drivers, error, true);
    std::string name = fw::ToUpper(namePart), extension = "." + fw::ToUpper(extensionPart);
    for (const auto& candidate : drivers) {
        std::string upper = fw::ToUpper(candidate.name);
        if (upper.find(name) != std::string::npos && upper.find(extension) != std::string::npos) {
            driver = candidate;
            return true;
        }
    }
    return false;
}

std::string ODBCDriverLogPath() {
    std::string folder;
    GetProductTempFolder(folder);
    return folder + "\\ODBCDriver.log";
}

void WriteODBCDriverLog() {
    ODBCDriverList drivers;
    std::string error;
    EnumerateODBCDrivers(drivers, error, false);
    std::string folder;
    if (!GetProductTempFolder(folder)) return;
    fw::Handle log(CreateFileA((folder + "\\ODBCDriver.log").c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                               nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!log) return;
    std::string text;
    if (!error.empty()) text += error + "\n";
    for (const auto& driver : drivers) {
        std::string version = driver.major || driver.minor || driver.build
                                  ? fw::Format("%ld.%ld.%ld", static_cast<long>(driver.major),
                                               static_cast<long>(driver.minor), static_cast<long>(driver.build))
                                  : std::string();
        text += fw::Format("%s, %s, %s, %s\n", driver.name.c_str(), driver.installed ? "Installed" : "Not Installed",
                           driver.driverFile.c_str(), version.c_str());
    }
    DWORD written = 0;
    WriteFile(log.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
