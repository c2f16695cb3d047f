#include "ini_test_support.h"

#include "appstate/ini_cache.h"
#include "appstate/ini_file_map.h"
#include "framework/handles.h"
#include "framework/strings.h"

#include <cstdlib>
#include <cstring>

namespace ini_test {
namespace {

const char kWriterSwitch[] = "--ini-cache-writer";

ULONGLONG ToTicks(const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

FILETIME FromTicks(ULONGLONG ticks) {
    FILETIME time;
    time.dwLowDateTime = static_cast<DWORD>(ticks);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return time;
}

// The writer process: <exe> --ini-cache-writer file section key value advance|keep
int RunWriter(int argc, char** argv) {
    if (argc != 7) return 2;
    const std::string file = argv[2];
    const FILETIME before = LastWriteTime(file);
    if (!WritePrivateProfileStringA(argv[3], argv[4], argv[5], file.c_str())) return 3;
    const bool advance = std::strcmp(argv[6], "advance") == 0;
    const FILETIME after = advance ? FromTicks(ToTicks(before) + 2 * 10000000ULL) : before;
    return SetLastWriteTime(file, after) ? 0 : 4;
}

// Runs before GoogleTest sees the command line, so the writer never starts tests.
struct WriterHook {
    WriterHook() {
        if (__argc > 1 && std::strcmp(__argv[1], kWriterSwitch) == 0) ExitProcess(RunWriter(__argc, __argv));
    }
} writerHook;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

} // namespace

TempFolder::TempFolder() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    path_ = fw::Format("%sorvo_ini_%lu_%lu", temp, GetCurrentProcessId(), GetTickCount());
    for (int n = 0; !CreateDirectoryA(path_.c_str(), nullptr); ++n) path_ += fw::Format("_%d", n);
}

TempFolder::~TempFolder() {
    WIN32_FIND_DATAA found;
    fw::FindHandle search(FindFirstFileA(File("*").c_str(), &found));
    if (search) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(File(found.cFileName).c_str());
        } while (FindNextFileA(search.Get(), &found));
    }
    search.Reset();
    RemoveDirectoryA(path_.c_str());
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    fw::Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        return false;
    const FILETIME past = MakeTime(2020, 1, 1);
    return SetFileTime(file.Get(), nullptr, nullptr, &past) != FALSE;
}

FILETIME LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

bool SetLastWriteTime(const std::string& path, const FILETIME& time) {
    fw::Handle file(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && SetFileTime(file.Get(), nullptr, nullptr, &time);
}

bool SameTime(const FILETIME& a, const FILETIME& b) { return ToTicks(a) == ToTicks(b); }

FILETIME MakeTime(WORD year, WORD month, WORD day) {
    SYSTEMTIME system = {};
    system.wYear = year;
    system.wMonth = month;
    system.wDay = day;
    system.wHour = 12;
    FILETIME time = {};
    SystemTimeToFileTime(&system, &time);
    return time;
}

bool WriteFromOtherProcess(const std::string& file, const char* section, const char* key, const char* value,
                           WriterTime time) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = Quoted(self) + " " + kWriterSwitch + " " + Quoted(file) + " " + Quoted(section) +
                          " " + Quoted(key) + " " + Quoted(value) +
                          (time == WriterTime::Advance ? " advance" : " keep");
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(self, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    fw::Handle processHandle(process.hProcess);
    fw::Handle threadHandle(process.hThread);
    DWORD exitCode = 1;
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process.hProcess, &exitCode);
    return exitCode == 0;
}

void IniCacheTest::SetUp() { FlushINICache(nullptr); }

void IniCacheTest::TearDown() { FlushINICache(nullptr); }

} // namespace ini_test
