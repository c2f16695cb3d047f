#include "utils/elevation.h"

#include "components/os_version.h"
#include "framework/handles.h"
#include "framework/replaceable.h"
#include "utils/token_helpers.h"

bool IsUserAccountControlInForce() {
    OSVERSIONINFOEXA version;
    QueryOSVersion(version);
    if (version.dwMajorVersion <= 5) return false;
    fw::RegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System", 0,
                      KEY_QUERY_VALUE, key.Out()) != ERROR_SUCCESS)
        return false;
    DWORD value = 0, type = 0, size = sizeof(value);
    if (RegQueryValueExA(key.Get(), "EnableLUA", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    return value != 0;
}

bool ElevationQueries::UserAccountControlInForce() { return IsUserAccountControlInForce(); }

bool ElevationQueries::ProcessElevated() { return IsProcessElevated(); }

bool ElevationQueries::UserAdministrator(DWORD* error) { return IsUserAdministrator(error); }

namespace {
fw::Replaceable<ElevationQueries> g_queries;
}

ElevationQueries& GetElevationQueries() { return g_queries.Get(); }

ElevationQueries* SetElevationQueries(ElevationQueries* queries) { return g_queries.Set(queries); }
