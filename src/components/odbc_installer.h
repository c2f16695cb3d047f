// The three ODBC installer calls the driver list rests on, from
// odbccp32.dll in the system folder, loaded when first needed. Tests replace
// them with a scripted set (Wine's library reads only the user's drivers).
#pragma once

#include "framework/handles.h"

#include <windows.h>

#include <string>

// The answers of the installer's error query (SQLRETURN values).
const short kOdbcSuccess = 0;
const short kOdbcNoData = 100;
const short kOdbcError = -1;

class OdbcInstaller {
public:
    virtual ~OdbcInstaller() = default;
    // SQLSetConfigMode: 1 user data sources, 2 system data sources.
    virtual BOOL SetConfigMode(WORD mode) = 0;
    // SQLGetPrivateProfileString.
    virtual int GetProfileText(const char* section, const char* key, const char* defaultText, char* buffer, int size,
                               const char* file) = 0;
    // SQLInstallerError for error record index (1 to 8).
    virtual short InstallerError(WORD index, DWORD* errorCode, char* message, WORD messageMax, WORD* messageLength) = 0;
};

extern const char kOdbcLibraryMissing[]; // "The ODBC installer DLL (ODBCCP32.DLL) is not installed on this system."
extern const char kOdbcErrorCaption[];   // "ODBC Installer Error"

// The library itself. When it cannot be loaded, the calls fail, the error
// query reports kOdbcLibraryMissing as its first record, and the user is
// told once per object (never in a silent run, where a box would stop it).
class SystemOdbcInstaller : public OdbcInstaller {
public:
    // Empty: odbccp32.dll in the system folder.
    explicit SystemOdbcInstaller(std::string libraryPath = std::string());
    BOOL SetConfigMode(WORD mode) override;
    int GetProfileText(const char* section, const char* key, const char* defaultText, char* buffer, int size,
                       const char* file) override;
    short InstallerError(WORD index, DWORD* errorCode, char* message, WORD messageMax, WORD* messageLength) override;

private:
    bool Load();

    using SetConfigModeFn = BOOL(WINAPI*)(WORD);
    using GetProfileFn = int(WINAPI*)(LPCSTR, LPCSTR, LPCSTR, LPSTR, int, LPCSTR);
    using InstallerErrorFn = short(WINAPI*)(WORD, DWORD*, LPSTR, WORD, WORD*);

    std::string libraryPath_;
    bool attempted_ = false;
    bool told_ = false;
    fw::Module library_;
    SetConfigModeFn setConfigMode_ = nullptr;
    GetProfileFn getProfile_ = nullptr;
    InstallerErrorFn installerError_ = nullptr;
};

// The calls in force: the system's unless a test replaced them.
OdbcInstaller& GetOdbcInstaller();
// Installs a replacement (null restores the system's); returns the previous one.
OdbcInstaller* SetOdbcInstaller(OdbcInstaller* installer);
