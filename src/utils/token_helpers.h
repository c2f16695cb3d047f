// Who the user is to the system: membership of the built-in Administrators
// group (also when running with a filtered token) and whether this process
// runs elevated.
#pragma once

#include <windows.h>

// True when the user's token, or its full linked token under user account
// control, is a member of the Administrators group. When the question cannot
// be answered the result is false and *error (when given) receives the
// system's error code; it is 0 after a successful answer.
bool IsUserAdministrator(DWORD* error = nullptr);

// The process token's elevation state; false when it cannot be read.
bool IsProcessElevated();
