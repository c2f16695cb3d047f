#include "path_test_support.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "launcher/special_settings.h"

namespace pathtest {

void WriteIni(const std::string& file, const char* section, const char* key, const char* value) {
    WritePrivateProfileStringA(section, key, value, file.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
}

std::string ReadIni(const std::string& file, const char* section, const char* key) {
    char buffer[1024];
    GetPrivateProfileStringA(section, key, "", buffer, sizeof(buffer), file.c_str());
    return buffer;
}

FileBackup::FileBackup(std::string path) : path_(std::move(path)) {
    if (test_support::Exists(path_)) {
        saved_ = path_ + ".orvo-test-backup";
        MoveFileExA(path_.c_str(), saved_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

FileBackup::~FileBackup() {
    DeleteFileA(path_.c_str());
    if (!saved_.empty()) MoveFileExA(saved_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void PathFixture::SetUp() {
    installFolder = root / "inst";
    CreateDirectoryA(installFolder.c_str(), nullptr);
    config = root / "PELL.INI";
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
