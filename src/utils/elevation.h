// The questions about rights that decide how the launcher installs: whether
// user account control is in force and whether this process runs elevated.
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
};

// The queries in force: the system's unless a test replaced them.
ElevationQueries& GetElevationQueries();
// Installs replacement queries (null restores the system's); returns the previous ones.
ElevationQueries* SetElevationQueries(ElevationQueries* queries);
