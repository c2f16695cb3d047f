// The operating system's real version, also on systems that report 6.2 to
// programs without a compatibility manifest, and the oldest system the
// product supports.
#pragma once

#include <windows.h>

void QueryOSVersion(OSVERSIONINFOEXA& info);
// Windows XP SP3 or any later version.
bool IsWindowsXPSP3OrLater();
