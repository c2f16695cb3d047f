// Test helpers: a uniquely named folder under the temporary folder that is
// removed with everything in it when the test ends, small file writers, and
// the location of the stand-in programs built beside the unit tests.
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

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

class TempFolder {
public:
    explicit TempFolder(const char* tag = "orvo") {
        char base[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, base);
        static unsigned serial = 0;
        for (;;) {
            char name[MAX_PATH];
            wsprintfA(name, "%s%s_%lu_%u", base, tag, GetCurrentProcessId(), ++serial);
            if (CreateDirectoryA(name, nullptr)) {
                path_ = name;
                break;
            }
        }
    }
    ~TempFolder() { RemoveTreeForcibly(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

inline bool WriteFile(const std::string& path, const std::string& content) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == content.size();
}

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The stand-in programs are built into <build>\tests\fixtures; the unit tests
// run from <build>\tests\unit.
inline std::string FixturePath(const std::string& exeName) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder = self;
    folder = folder.substr(0, folder.rfind('\\'));
    folder = folder.substr(0, folder.rfind('\\'));
    return folder + "\\fixtures\\" + exeName;
}

} // namespace test_support
