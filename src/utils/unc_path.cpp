#include "utils/unc_path.h"

#include "framework/replaceable.h"
#include "framework/strings.h"
#include "utils/subst_drive_map.h"

#include <vector>

namespace {

const DWORD kEnumBufferSize = 16384;

fw::Replaceable<NetworkEnumeration> g_enumeration;

bool StartsWithTwoBackslashes(const std::string& path) { return path.size() >= 2 && path[0] == '\\' && path[1] == '\\'; }

// "\\server\share" and deeper; a bare "\\server" is a computer, not a share.
bool IsCandidateShare(const NETRESOURCEA& entry) {
    std::string remote = entry.lpRemoteName ? entry.lpRemoteName : "";
    return (entry.dwType & RESOURCETYPE_DISK) && StartsWithTwoBackslashes(remote) && remote.size() > 2 &&
           remote.find('\\', 2) != std::string::npos && entry.dwUsage != RESOURCEUSAGE_CONTAINER;
}

bool FileExistsAt(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class EnumerationOwner {
public:
    EnumerationOwner(NetworkEnumeration& api, HANDLE handle) : api_(api), handle_(handle) {}
    ~EnumerationOwner() { api_.CloseEnum(handle_); }
    EnumerationOwner(const EnumerationOwner&) = delete;
    EnumerationOwner& operator=(const EnumerationOwner&) = delete;
    HANDLE Get() const { return handle_; }

private:
    NetworkEnumeration& api_;
    HANDLE handle_;
};

std::string ComputerContainer() {
    char name[127] = "";
    DWORD size = sizeof(name);
    if (!GetComputerNameA(name, &size)) name[0] = '\0';
    return std::string("\\\\") + name;
}

enum class ShareSearch { NoTestFile, NotShared, Found };

// A local folder: found through a test file seen below one of this
// computer's shares.
ShareSearch FindLocalShare(std::string& out, const std::string& path) {
    char testFile[MAX_PATH + 1] = "";
    if (!GetTempFileNameA(path.c_str(), "TST", 0, testFile)) return ShareSearch::NoTestFile;
    std::string testName = testFile;
    testName = testName.substr(testName.rfind('\\') + 1);

    std::string container = ComputerContainer();
    NETRESOURCEA resource = {};
    resource.dwScope = RESOURCE_CONNECTED;
    resource.dwType = RESOURCETYPE_ANY;
    resource.dwDisplayType = RESOURCEDISPLAYTYPE_SHARE;
    resource.lpLocalName = const_cast<char*>(path.c_str());
    resource.lpRemoteName = &container[0];
    size_t slash = path.find('\\');
    std::string relative = slash == std::string::npos ? std::string() : path.substr(slash + 1);

    std::string found;
    bool shared = FindShareForPath(&resource, relative, testName, found);
    DeleteFileA(testFile);
    if (!shared) return ShareSearch::NotShared;
    out = found;
    return ShareSearch::Found;
}

} // namespace

DWORD NetworkEnumeration::OpenEnum(DWORD scope, DWORD type, DWORD usage, NETRESOURCEA* container,
                                   HANDLE* enumeration) {
    return WNetOpenEnumA(scope, type, usage, container, enumeration);
}

DWORD NetworkEnumeration::EnumResource(HANDLE enumeration, DWORD* count, void* buffer, DWORD* bufferSize) {
    return WNetEnumResourceA(enumeration, count, buffer, bufferSize);
}

DWORD NetworkEnumeration::CloseEnum(HANDLE enumeration) { return WNetCloseEnum(enumeration); }

NetworkEnumeration& GetNetworkEnumeration() { return g_enumeration.Get(); }

NetworkEnumeration* SetNetworkEnumeration(NetworkEnumeration* enumeration) {
    return g_enumeration.Set(enumeration);
}

bool FindShareForPath(NETRESOURCEA* container, const std::string& relativePath, const std::string& testName,
                      std::string& out) {
    NetworkEnumeration& api = GetNetworkEnumeration();
    HANDLE handle = nullptr;
    if (api.OpenEnum(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, container, &handle) != NO_ERROR) return false;
    EnumerationOwner enumeration(api, handle);

    for (;;) {
        std::vector<BYTE> buffer(kEnumBufferSize, 0);
        DWORD count = static_cast<DWORD>(-1);
        DWORD size = kEnumBufferSize;
        if (api.EnumResource(enumeration.Get(), &count, buffer.data(), &size) != NO_ERROR) break;
        auto* entries = reinterpret_cast<NETRESOURCEA*>(buffer.data());
        for (DWORD i = 0; i < count; ++i) {
            NETRESOURCEA& entry = entries[i];
            out = entry.lpRemoteName ? entry.lpRemoteName : "";
            if (IsCandidateShare(entry)) {
                std::string candidate = JoinWithOneBackslash(JoinWithOneBackslash(out, relativePath), testName);
                if (FileExistsAt(candidate)) {
                    out = candidate.substr(0, candidate.rfind('\\'));
                    return true;
                }
            }
            // The entry itself is the container searched next: passing the
            // current one again would never end.
            if ((entry.dwUsage & RESOURCEUSAGE_CONTAINER) && FindShareForPath(&entry, relativePath, testName, out))
                return true;
        }
    }
    return false;
}

bool GetUNCPath(std::string& out, const std::string& path) {
    if (StartsWithTwoBackslashes(path)) {
        out = path;
        return true;
    }
    std::string work = path;
    if (!work.empty() && work[0] == '\\') {
        char full[MAX_PATH] = "";
        DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
        if (length > 0 && length < sizeof(full)) work = full;
        if (StartsWithTwoBackslashes(work)) {
            out = work;
            return true;
        }
    }

    size_t slash = work.find('\\');
    std::string drive = slash == std::string::npos ? work : work.substr(0, slash);
    if (GetDriveTypeA((drive + "\\").c_str()) == DRIVE_REMOTE) {
        char remote[MAX_PATH] = "";
        DWORD size = sizeof(remote);
        // A remote drive whose connection cannot be read has no UNC form.
        if (WNetGetConnectionA(drive.c_str(), remote, &size) != NO_ERROR) {
            out = path;
            return false;
        }
        out = std::string(remote) + (slash == std::string::npos ? std::string() : work.substr(slash));
        return true;
    }
    switch (FindLocalShare(out, work)) {
    case ShareSearch::Found:
        return true;
    case ShareSearch::NotShared:
        out = path;
        return false;
    default:
        return false;
    }
}
