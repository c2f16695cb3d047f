// A 32-bit number nobody else can guess, from the system's random source.
#pragma once

#include <windows.h>

// Never 0 (0 means "no key").
DWORD MakeRandomKey();
