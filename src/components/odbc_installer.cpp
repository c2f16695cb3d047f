#include "components/odbc_installer.h"

#include "framework/prompter.h"
#include "framework/replaceable.h"
#include "launcher/arguments.h"

const char kOdbcLibraryMissing[] = "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system.";
const char kOdbcErrorCaption[] = "ODBC Installer Error";

namespace {

fw::Replaceable<OdbcInstaller, SystemOdbcInstaller> g_installer;

// What the installer's error query reports as the general error.
const DWORD kGeneralError = 1;

std::string SystemLibraryPath() {
    char folder[MAX_PATH] = "";
    UINT length = GetSystemDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder)) return "odbccp32.dll";
    return std::string(folder) + "\\odbccp32.dll";
}

template <typename Fn>
Fn Export(HMODULE library, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

SystemOdbcInstaller::SystemOdbcInstaller(std::string libraryPath) : libraryPath_(std::move(libraryPath)) {}

bool SystemOdbcInstaller::Load() {
    if (!attempted_) {
        attempted_ = true;
        library_.Reset(LoadLibraryA((libraryPath_.empty() ? SystemLibraryPath() : libraryPath_).c_str()));
        if (library_) {
            setConfigMode_ = Export<SetConfigModeFn>(library_.Get(), "SQLSetConfigMode");
            getProfile_ = Export<GetProfileFn>(library_.Get(), "SQLGetPrivateProfileString");
            installerError_ = Export<InstallerErrorFn>(library_.Get(), "SQLInstallerError");
        }
    }
    bool usable = setConfigMode_ && getProfile_ && installerError_;
    if (!usable && !told_) {
        told_ = true;
        if (!GetArguments().bSilent) AfxMessageBox(kOdbcLibraryMissing, MB_OK | MB_ICONINFORMATION, kOdbcErrorCaption);
    }
    return usable;
}

BOOL SystemOdbcInstaller::SetConfigMode(WORD mode) { return Load() ? setConfigMode_(mode) : FALSE; }

int SystemOdbcInstaller::GetProfileText(const char* section, const char* key, const char* defaultText, char* buffer,
                                        int size, const char* file) {
    if (!Load()) {
        if (buffer && size > 0) buffer[0] = '\0';
        return 0;
    }
    return getProfile_(section, key, defaultText, buffer, size, file);
}

short SystemOdbcInstaller::InstallerError(WORD index, DWORD* errorCode, char* message, WORD messageMax,
                                          WORD* messageLength) {
    if (Load()) return installerError_(index, errorCode, message, messageMax, messageLength);
    if (index != 1) return kOdbcNoData;
    if (errorCode) *errorCode = kGeneralError;
    if (message && messageMax > 0) lstrcpynA(message, kOdbcLibraryMissing, messageMax);
    if (messageLength) *messageLength = static_cast<WORD>(lstrlenA(kOdbcLibraryMissing));
    return kOdbcSuccess;
}

OdbcInstaller& GetOdbcInstaller() { return g_installer.Get(); }

OdbcInstaller* SetOdbcInstaller(OdbcInstaller* installer) { return g_installer.Set(installer); }
