// The reply of an installing copy to the launcher that started it: the
// installed-component bits, sent to the window and message number its
// command line named ("/CtrlWnd:", "/CtrlMsg:"), with the key the parent gave
// ("/CtrlKey:", 0 without one) so it can tell its copy's reply from others.
#pragma once

#include <windows.h>

// Both values come from a command line: only an existing window, and only a
// private message number (system messages such as WM_QUIT or WM_CLOSE are
// never sent), with a time-out so a hung parent cannot hold this copy.
// True when the message was delivered.
bool ReportInstalledBitsToParent(HWND window, UINT message, unsigned bits, DWORD key);
