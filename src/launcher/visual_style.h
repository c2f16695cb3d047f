// The look the product's other programs draw their windows in, chosen with
// "/THEME:" on the launcher's command line. The launcher only stores it.
#pragma once

#include <windows.h>

// The looks a program of the product knows: 0 to kMaxAppLook.
constexpr DWORD kMaxAppLook = 4;

// Writes look as "AppLook" under HKCU "Software\Pellmore\Visual Style".
bool StoreAppLook(DWORD look);
