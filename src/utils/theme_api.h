// Optional binding to the visual-styles library for owner-drawn controls.
// The library is loaded at run time, and only when the user's appearance
// scheme is not the classic one; every user checks the pointers it needs.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

struct ThemeApi {
    using OpenThemeDataFn = HTHEME(WINAPI*)(HWND, LPCWSTR);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);
    using DrawThemeParentBackgroundFn = HRESULT(WINAPI*)(HWND, HDC, const RECT*);
    using CloseThemeDataFn = HRESULT(WINAPI*)(HTHEME);
    using DrawThemeEdgeFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*);
    using DrawThemeIconFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, HIMAGELIST, int);
    using DrawThemeTextFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
    using GetThemeBackgroundContentRectFn = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, RECT*);
    using IsThemeActiveFn = BOOL(WINAPI*)();

    ThemeApi() = default;
    ~ThemeApi() { Unload(); }
    ThemeApi(const ThemeApi&) = delete;
    ThemeApi& operator=(const ThemeApi&) = delete;

    // Enables the binding unless the system predates visual styles or the
    // classic scheme is selected, then loads "UXTHEME.DLL" with all nine
    // functions (or none: the library is released when one is missing).
    void Load();
    // Closes the open theme and releases the library.
    void Unload();

    bool enabled = false;
    HMODULE library = nullptr;
    OpenThemeDataFn openThemeData = nullptr;
    DrawThemeBackgroundFn drawThemeBackground = nullptr;
    DrawThemeParentBackgroundFn drawThemeParentBackground = nullptr;
    CloseThemeDataFn closeThemeData = nullptr;
    DrawThemeEdgeFn drawThemeEdge = nullptr;
    DrawThemeIconFn drawThemeIcon = nullptr;
    DrawThemeTextFn drawThemeText = nullptr;
    GetThemeBackgroundContentRectFn getThemeBackgroundContentRect = nullptr;
    IsThemeActiveFn isThemeActive = nullptr;
    HTHEME theme = nullptr;
};
