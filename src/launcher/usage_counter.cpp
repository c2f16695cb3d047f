#include "launcher/usage_counter.h"

#include "appstate/paths.h"
#include "framework/handles.h"
#include "framework/strings.h"

#include <vector>

namespace {

const char kStatsFolder[] = "Stats";
const char kGeneric[] = "Generic";
const int kOpenAttempts = 10;
const DWORD kOpenRetryMs = 100;

// Another writer has the file: worth waiting for. Any other failure (no
// folder, no access) will not go away in a second.
bool IsBusy(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

fw::Handle OpenExclusively(const std::string& path, int& attempt) {
    for (attempt = 1;; ++attempt) {
        fw::Handle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
        if (file || attempt >= kOpenAttempts || !IsBusy(GetLastError())) return file;
        Sleep(kOpenRetryMs);
    }
}

bool ReadExactly(HANDLE file, void* data, DWORD size) {
    DWORD got = 0;
    return ReadFile(file, data, size, &got, nullptr) && got == size;
}

bool WriteAt(HANDLE file, LONGLONG offset, const void* data, DWORD size) {
    LARGE_INTEGER at;
    at.QuadPart = offset;
    DWORD written = 0;
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && WriteFile(file, data, size, &written, nullptr) &&
           written == size;
}

} // namespace

std::uint32_t UsageDayStamp(const SYSTEMTIME& date) {
    return PackDayStamp(date.wYear, date.wMonth, date.wDay);
}

std::string UsageCounterFile(const std::string& sharedDataFolder, const std::string& fileName) {
    std::string folder = fw::TrimRight(sharedDataFolder, "\\");
    if (folder.empty()) return std::string();
    return fw::Format("%s\\%s\\%s\\%s.stat", folder.c_str(), kStatsFolder, kGeneric, fileName.c_str());
}

bool CountUsageInFile(const std::string& path, const std::string& counter, const SYSTEMTIME& today, int* attempts) {
    int attempt = 0;
    fw::Handle file = OpenExclusively(path, attempt);
    if (attempts) *attempts = attempt;
    if (!file) return false;
    LARGE_INTEGER length;
    size_t count = 0;
    if (!GetFileSizeEx(file.Get(), &length) || length.QuadPart < 0 ||
        !UsageRecordsToRead(static_cast<std::uint64_t>(length.QuadPart), count))
        return false;
    std::vector<UsageRecord> records(count);
    if (count > 0 && !ReadExactly(file.Get(), records.data(), static_cast<DWORD>(count * sizeof(UsageRecord))))
        return false;

    // Only the counter's own record is written: the others are already what
    // they are, and a writer cut off can then tear no record but this one.
    UsageRecordWrite write;
    if (!PlanUsageCount(records, counter, UsageDayStamp(today), today.wDay, write)) return false;
    if (!WriteAt(file.Get(), static_cast<LONGLONG>(write.offset), &write.record, sizeof(write.record))) return false;
    FlushFileBuffers(file.Get());
    return true;
}

bool CountUsage(const std::string& fileName, const std::string& counter) {
    std::string dataFolder = fw::TrimRight(GetWANDataFolder(), "\\");
    std::string path = UsageCounterFile(dataFolder, fileName);
    if (path.empty()) return false;
    CreateDirectoryA(fw::Format("%s\\%s", dataFolder.c_str(), kStatsFolder).c_str(), nullptr);
    CreateDirectoryA(fw::Format("%s\\%s\\%s", dataFolder.c_str(), kStatsFolder, kGeneric).c_str(), nullptr);
    std::string clientFolder = fw::TrimRight(GetClientFolder(), "\\");
    if (!clientFolder.empty()) CreateDirectoryA(fw::Format("%s\\%s", clientFolder.c_str(), kStatsFolder).c_str(), nullptr);
    SYSTEMTIME today;
    GetLocalTime(&today);
    return CountUsageInFile(path, counter, today);
}
