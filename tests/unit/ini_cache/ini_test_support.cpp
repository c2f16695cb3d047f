#include "ini_test_support.h"

#include "appstate/ini_cache.h"
#include "framework/handles.h"
#include "framework/strings.h"

#include <cstring>

namespace ini_test {
namespace {

const char kWriterSwitch[] = "--ini-cache-writer";
const ULONGLONG kYear2020 = 132223104000000000ULL; // 2020-01-01 in file-time ticks
const ULONGLONG kTicksPerSecond = 10000000ULL;

// <exe> --ini-cache-writer file key value advance|keep; writes section "S".
int RunWriter(int argc, char** argv) {
    if (argc != 6) return 2;
    const ULONGLONG before = LastWriteTime(argv[2]);
    if (!WritePrivateProfileStringA("S", argv[3], argv[4], argv[2])) return 3;
    const bool advance = std::strcmp(argv[5], "advance") == 0;
    return SetLastWriteTime(argv[2], advance ? before + 2 * kTicksPerSecond : before) ? 0 : 4;
}

// Runs before GoogleTest sees the command line, so the writer never runs tests.
struct WriterHook {
    WriterHook() {
        if (__argc > 1 && std::strcmp(__argv[1], kWriterSwitch) == 0) ExitProcess(RunWriter(__argc, __argv));
    }
} writerHook;

} // namespace

bool WriteBytes(const std::string& path, const std::string& bytes) {
    return test_support::WriteFile(path, bytes) && SetLastWriteTime(path, kYear2020);
}

ULONGLONG LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

bool SetLastWriteTime(const std::string& path, ULONGLONG time) {
    fw::Handle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    FILETIME fileTime = {static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
    return file && SetFileTime(file.Get(), nullptr, nullptr, &fileTime);
}

bool WriteFromOtherProcess(const std::string& file, const char* key, const char* value, WriterTime time) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = fw::Format("\"%s\" %s \"%s\" \"%s\" \"%s\" %s", self, kWriterSwitch, file.c_str(), key,
                                     value, time == WriterTime::Advance ? "advance" : "keep");
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(self, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    fw::Handle processHandle(process.hProcess), threadHandle(process.hThread);
    DWORD exitCode = 1;
    return WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0;
}

void IniCacheTest::SetUp() {
    FlushINICache(nullptr);
    ASSERT_FALSE(folder_.Path().empty());
}

// Flushed first: the folder goes with the fixture, after this.
void IniCacheTest::TearDown() { FlushINICache(nullptr); }

std::string IniCacheTest::Read(const std::string& file, const char* section, const char* key) {
    std::string out = "untouched";
    EXPECT_TRUE(CacheGetProfileString(section, key, "<default>", out, file.c_str()));
    return out;
}

} // namespace ini_test
