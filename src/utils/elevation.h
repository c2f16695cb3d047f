// The questions about rights that decide how the launcher installs: whether
// user account control is in force, whether this process runs elevated and
// whether the user is an administrator.
// Under Wine every process is elevated and user account control is off, so
// tests answer them through a replacement.
#pragma once

#include <windows.h>

// Major version above 5 and "EnableLUA" readable and not 0 under
// HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Policies\System.
bool IsUserAccountControlInForce();

class ElevationQueries {
public:
    virtual ~ElevationQueries() = default;
    virtual bool UserAccountControlInForce();
    virtual bool ProcessElevated();
    // Member of the Administrators group; false with *error set (when given)
    // when the system cannot tell.
    virtual bool UserAdministrator(DWORD* error);
};

// The queries in force: the system's unless a test replaced them.
ElevationQueries& GetElevationQueries();
// Installs replacement queries (null restores the system's); returns the previous ones.
ElevationQueries* SetElevationQueries(ElevationQueries* queries);
