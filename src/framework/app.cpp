#include "framework/app.h"

#include "framework/handles.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp(const char* profileName) : m_profileName(profileName ? profileName : "") { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

void CWinApp::SetRegistryKey(const char* company) { company_ = company ? company : ""; }

std::string CWinApp::GetAppRegistryKey() const { return "Software\\" + company_ + "\\" + m_profileName; }

namespace {

// Opens (creating when writing) HKCU\<app key>\<section>.
fw::RegKey OpenSectionKey(const std::string& appKey, const char* section, bool create) {
    fw::RegKey key;
    std::string path = appKey + "\\" + section;
    if (create) {
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, key.Out(), nullptr);
    } else {
        RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Out());
    }
    return key;
}

} // namespace

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const {
    fw::RegKey key = OpenSectionKey(GetAppRegistryKey(), section, false);
    if (!key) return static_cast<UINT>(defaultValue);
    DWORD value = 0, type = 0, size = sizeof(value);
    if (RegQueryValueExA(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return static_cast<UINT>(defaultValue);
    return value;
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const {
    fw::RegKey key = OpenSectionKey(GetAppRegistryKey(), section, true);
    if (!key) return false;
    DWORD data = static_cast<DWORD>(value);
    return RegSetValueExA(key.Get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof(data)) == ERROR_SUCCESS;
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) const {
    std::string fallback = defaultValue ? defaultValue : "";
    fw::RegKey key = OpenSectionKey(GetAppRegistryKey(), section, false);
    if (!key) return fallback;
    char buffer[1024] = {};
    DWORD type = 0, size = sizeof(buffer) - 1;
    if (RegQueryValueExA(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return fallback;
    return buffer;
}

bool CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) const {
    fw::RegKey key = OpenSectionKey(GetAppRegistryKey(), section, true);
    if (!key) return false;
    if (!value) return RegDeleteValueA(key.Get(), entry) == ERROR_SUCCESS;
    return RegSetValueExA(key.Get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>(lstrlenA(value) + 1)) == ERROR_SUCCESS;
}

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : GetModuleHandleA(nullptr);
}

int AfxWinMain(HINSTANCE instance, int showCommand) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->m_hInstance = instance;
    app->m_nCmdShow = showCommand;
    // Nothing the launcher does may end it with an unhandled exception: the
    // process then simply ends, as after a cancelled window.
    try {
        app->InitInstance();
    } catch (...) {
        return 1;
    }
    return 0;
}
