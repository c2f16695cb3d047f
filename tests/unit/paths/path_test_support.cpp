#include "path_test_support.h"

#include <fstream>

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "launcher/special_settings.h"

namespace pathtest {

TempFolder::TempFolder(const char* tag) {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "orvo_" + tag + "_" + std::to_string(GetCurrentProcessId()) + "_" +
            std::to_string(++counter);
    DeleteTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { DeleteTree(path_); }

void DeleteTree(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name != "." && name != "..") DeleteTree(path + "\\" + name);
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(path.c_str());
}

void WriteIni(const std::string& file, const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, file.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
}

std::string ReadIni(const std::string& file, const char* section, const char* key) {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, "", buffer, sizeof(buffer), file.c_str());
    return buffer;
}

void Touch(const std::string& file) { std::ofstream(file.c_str()).flush(); }

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

FileBackup::FileBackup(std::string path) : path_(std::move(path)) {
    if (Exists(path_)) {
        saved_ = path_ + ".orvo-test-backup";
        MoveFileExA(path_.c_str(), saved_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

FileBackup::~FileBackup() {
    DeleteFileA(path_.c_str());
    if (!saved_.empty()) MoveFileExA(saved_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

PathFixture::PathFixture() : root("paths") {}

void PathFixture::SetUp() {
    installFolder = root.Sub("inst");
    CreateDirectoryA(installFolder.c_str(), nullptr);
    config = root.Sub("PELL.INI");
    moduleFolder = installFolder;
    Restart();
}

void PathFixture::TearDown() {
    SetModuleFolderForTests("");
    ResetPathState();
    ResetSpecialSettingCache();
    FlushINICache(nullptr);
}

void PathFixture::Restart() {
    ResetPathState();
    ResetSpecialSettingCache();
    FlushINICache(nullptr);
    SetModuleFolderForTests(moduleFolder);
    SetConfigurationFile(config);
}

void PathFixture::RunFrom(const std::string& folder) {
    moduleFolder = folder;
    Restart();
}

} // namespace pathtest
