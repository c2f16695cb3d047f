#include "utils/theme_api.h"

#include "framework/handles.h"

#include <cstring>

namespace {

const char kAppearanceKey[] = "Control Panel\\Appearance";
const char kClassicScheme[] = "Windows Standard";
const DWORD kMaxSchemeBytes = 200;

// True unless the system predates visual styles or the user chose the
// classic scheme (or has no appearance settings at all).
bool VisualStylesWanted() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version) || version.dwMajorVersion < 5) return false;

    fw::RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppearanceKey, 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return false;
    char scheme[kMaxSchemeBytes + 1] = "";
    DWORD size = kMaxSchemeBytes;
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), "Current", nullptr, &type, reinterpret_cast<BYTE*>(scheme), &size) ==
        ERROR_SUCCESS) {
        scheme[size < kMaxSchemeBytes ? size : kMaxSchemeBytes] = '\0';
        if (std::strcmp(scheme, kClassicScheme) == 0) return false;
    }
    return true;
}

template <typename Fn>
bool Resolve(HMODULE library, const char* name, Fn& pointer) {
    pointer = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return pointer != nullptr;
}

} // namespace

void ThemeApi::Load() {
    Unload();
    enabled = false;
    if (!VisualStylesWanted()) return;
    enabled = true;
    library = LoadLibraryA("UXTHEME.DLL");
    if (library == nullptr) return;
    bool complete = Resolve(library, "OpenThemeData", openThemeData) &&
                    Resolve(library, "DrawThemeBackground", drawThemeBackground) &&
                    Resolve(library, "DrawThemeParentBackground", drawThemeParentBackground) &&
                    Resolve(library, "CloseThemeData", closeThemeData) &&
                    Resolve(library, "DrawThemeEdge", drawThemeEdge) &&
                    Resolve(library, "DrawThemeIcon", drawThemeIcon) &&
                    Resolve(library, "DrawThemeText", drawThemeText) &&
                    Resolve(library, "GetThemeBackgroundContentRect", getThemeBackgroundContentRect) &&
                    Resolve(library, "IsThemeActive", isThemeActive);
    if (!complete) Unload();
}

void ThemeApi::Unload() {
    if (library != nullptr) {
        if (theme != nullptr && closeThemeData != nullptr) closeThemeData(theme);
        FreeLibrary(library);
    }
    library = nullptr;
    theme = nullptr;
    openThemeData = nullptr;
    drawThemeBackground = nullptr;
    drawThemeParentBackground = nullptr;
    closeThemeData = nullptr;
    drawThemeEdge = nullptr;
    drawThemeIcon = nullptr;
    drawThemeText = nullptr;
    getThemeBackgroundContentRect = nullptr;
    isThemeActive = nullptr;
}
