// Turns a folder path into a UNC path (server, share, folder) that other
// computers and the print spooler can reach: a mapped drive through its
// connection, a local folder through one of this computer's shares.
#pragma once

#include <windows.h>
#include <winnetwk.h>

#include <string>

// The three network-enumeration calls the share search rests on. Tests
// replace them: Wine has no network provider that lists shares.
class NetworkEnumeration {
public:
    virtual ~NetworkEnumeration() = default;
    virtual DWORD OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container, HANDLE* enumeration);
    virtual DWORD EnumResource(HANDLE enumeration, DWORD* count, void* buffer, DWORD* bufferSize);
    virtual DWORD CloseEnum(HANDLE enumeration);
};

// The enumeration in force: the system's unless a test replaced it.
NetworkEnumeration& GetNetworkEnumeration();
// Installs a replacement (null restores the system's); returns the previous one.
NetworkEnumeration* SetNetworkEnumeration(NetworkEnumeration* enumeration);

// True with out = the UNC form of path. A path on a mapped drive whose
// connection cannot be read, or a local folder no share exposes, gives false
// with out = path; a folder where no test file can be made gives false with
// out unchanged.
bool GetUNCPath(std::string& out, const std::string& path);

// Searches the container (and the containers below it) for a disk share
// under which relativePath\testName exists; true with out = the share's UNC
// name, a backslash and relativePath.
bool FindShareForPath(NETRESOURCEA* container, const std::string& relativePath, const std::string& testName,
                      std::string& out);
