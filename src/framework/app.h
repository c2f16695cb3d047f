// The application object: one per process, created before WinMain runs. The
// entry point calls InitInstance; when it returns the process ends. Also the
// profile functions of the application's registry key
// (HKCU\Software\<company>\<application title>).
#pragma once

#include <windows.h>

#include <string>

class CWinApp {
public:
    explicit CWinApp(const char* profileName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Prepares the process and runs it; the result tells the entry point
    // whether a message loop should follow (the launcher always says false).
    virtual BOOL InitInstance() { return FALSE; }

    // Profile values go under HKCU\Software\<company>\<profile name> from now on.
    void SetRegistryKey(const char* company);
    std::string GetAppRegistryKey() const; // "Software\<company>\<profile name>"

    UINT GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    bool WriteProfileInt(const char* section, const char* entry, int value) const;
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue = "") const;
    bool WriteProfileString(const char* section, const char* entry, const char* value) const;

    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    HWND m_hMainWnd = nullptr; // the dialog running as the main window, if any
    std::string m_profileName;

private:
    std::string company_;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// Runs the process's application object.
int AfxWinMain(HINSTANCE instance, int showCommand);
