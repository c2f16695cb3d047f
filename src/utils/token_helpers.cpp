#include "utils/token_helpers.h"

#include "framework/handles.h"

namespace {

bool Fail(DWORD* error) {
    if (error != nullptr) *error = GetLastError();
    return false;
}

// Under user account control an administrator runs with a filtered token;
// the group membership is read from the full token linked to it.
bool TakeLinkedToken(HANDLE token, fw::Handle& linked, DWORD* error) {
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenElevationType, &type, sizeof(type), &size)) return Fail(error);
    if (type != TokenElevationTypeLimited) return true;
    TOKEN_LINKED_TOKEN link = {};
    if (!GetTokenInformation(token, TokenLinkedToken, &link, sizeof(link), &size)) return Fail(error);
    linked.Reset(link.LinkedToken);
    return true;
}

} // namespace

bool IsUserAdministrator(DWORD* error) {
    if (error != nullptr) *error = 0;
    fw::Handle processToken;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, processToken.Out())) return Fail(error);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version)) return Fail(error);

    fw::Handle checkToken;
    if (version.dwMajorVersion >= 6 && !TakeLinkedToken(processToken.Get(), checkToken, error)) return false;
    // The membership test needs an impersonation token.
    if (!checkToken && !DuplicateToken(processToken.Get(), SecurityIdentification, checkToken.Out()))
        return Fail(error);

    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD sidSize = sizeof(sid);
    if (!CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &sidSize)) return Fail(error);
    BOOL member = FALSE;
    if (!CheckTokenMembership(checkToken.Get(), sid, &member)) return Fail(error);
    return member != FALSE;
}

bool IsProcessElevated() {
    fw::Handle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Out())) return false;
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    if (!GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof(elevation), &size)) return false;
    return elevation.TokenIsElevated != 0;
}
