// Test helpers: a uniquely named folder under the temporary folder that is
// removed with everything in it when the test ends, and small file helpers.
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

// Removes the folder and everything below it, read-only entries included.
inline void RemoveTreeForcibly(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTreeForcibly(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(folder.c_str());
}

// A new empty folder under the temporary folder. Process ids are reused, so a
// folder a crashed run left behind is never taken over: the next free name is
// used instead. Path() is empty when no folder could be made.
class TempFolder {
public:
    explicit TempFolder(const char* tag = "orvo") {
        char base[MAX_PATH + 1] = "";
        GetTempPathA(sizeof(base), base);
        static unsigned serial = 0;
        for (;;) {
            std::string name = std::string(base) + tag + "_" + std::to_string(GetCurrentProcessId()) + "_" +
                               std::to_string(++serial);
            if (CreateDirectoryA(name.c_str(), nullptr)) {
                path_ = name;
                break;
            }
            if (GetLastError() != ERROR_ALREADY_EXISTS) break;
        }
    }
    ~TempFolder() {
        if (!path_.empty()) RemoveTreeForcibly(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    // Makes the folder below this one (if it is not there yet) and returns its path.
    std::string Subfolder(const std::string& name) const {
        std::string path = *this / name;
        CreateDirectoryA(path.c_str(), nullptr);
        return path;
    }

private:
    std::string path_;
};

// Writes the bytes exactly, replacing any earlier file.
inline bool WriteFile(const std::string& path, const std::string& content) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == content.size();
}

// Sets the file's length; what it grows by reads as zeros and, on the test
// machine's disks, takes no space: a file of gigabytes costs nothing.
inline bool ResizeFile(const std::string& path, LONGLONG length) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER at;
    at.QuadPart = length;
    BOOL ok = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return ok != FALSE;
}

// The file's first bytes (at most count) and its length.
inline std::string ReadStart(const std::string& path, DWORD count, LONGLONG* length = nullptr) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes(count, '\0');
    DWORD got = 0;
    if (!ReadFile(file, &bytes[0], count, &got, nullptr)) got = 0;
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    if (length) *length = size.QuadPart;
    CloseHandle(file);
    return bytes.substr(0, got);
}

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

} // namespace test_support
