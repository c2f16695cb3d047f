// Runs a modal dialog on the test thread while a helper thread plays the
// user; whatever the helper leaves open is closed, so a test never hangs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace test_support {

struct TitledDialogSearch {
    const char* title;
    HWND found;
};

inline BOOL CALLBACK MatchTitledDialog(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<TitledDialogSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    if (pid == GetCurrentProcessId() && IsWindowVisible(hwnd) && lstrcmpA(text, search->title) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A visible window of this process with exactly this title, within 10 s.
inline HWND WaitForTitledDialog(const char* title) {
    TitledDialogSearch search{title, nullptr};
    for (int attempt = 0; attempt < 200 && !search.found; ++attempt) {
        EnumWindows(&MatchTitledDialog, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(50);
    }
    return search.found;
}

// Lets the dialog's thread handle everything posted so far.
inline void Settle(HWND dialog) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
    Sleep(50);
    SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
}

// True when the window is gone within two seconds.
inline bool Ends(HWND window) {
    for (int i = 0; i < 100 && IsWindow(window); ++i) Sleep(20);
    return !IsWindow(window);
}

// run() starts the modal loop on this thread; user(dialog) acts from another.
template <typename Run>
INT_PTR RunModal(const char* title, Run run, const std::function<void(HWND)>& user) {
    std::thread helper([&] {
        HWND found = WaitForTitledDialog(title);
        if (found) user(found);
        if (found && IsWindow(found)) PostMessageA(found, WM_CLOSE, 0, 0);
    });
    INT_PTR result = run();
    helper.join();
    return result;
}

// The focus window of the thread that owns window.
inline HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

inline void PostKey(HWND window, WPARAM key, bool system = false) {
    PostMessageA(window, system ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1);
    PostMessageA(window, system ? WM_SYSKEYUP : WM_KEYUP, key, 0xC0000001);
}

} // namespace test_support
