// A window class of this program's own, registered on first use.
#pragma once

#include <windows.h>

namespace fw {

// True when the class is registered (now or by an earlier call).
inline bool RegisterWindowClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr) {
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace fw
