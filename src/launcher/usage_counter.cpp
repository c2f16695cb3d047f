#include "launcher/usage_counter.h"

#include "appstate/paths.h"
#include "framework/handles.h"
#include "framework/strings.h"

#include <cstring>
#include <vector>

namespace {

const char kStatsFolder[] = "Stats";
const char kGeneric[] = "Generic";
const int kOpenAttempts = 10;
const DWORD kOpenRetryMs = 100;
const size_t kMaxName = sizeof(UsageRecord::name) - 1;

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

// The name field holds this name: compared within its 32 bytes, so a field
// without its NUL matches nothing.
bool HoldsName(const UsageRecord& record, const std::string& name) {
    return std::memcmp(record.name, name.data(), name.size()) == 0 && record.name[name.size()] == '\0';
}

void AddToday(UsageRecord& record, std::uint32_t stamp, int day, std::int32_t amount) {
    size_t slot = static_cast<size_t>(day - 1);
    if (record.stamps[slot] == stamp) {
        // Wraps like the 32-bit counter it is, never undefined.
        record.counts[slot] = static_cast<std::int32_t>(static_cast<std::uint32_t>(record.counts[slot]) +
                                                        static_cast<std::uint32_t>(amount));
    } else {
        record.stamps[slot] = stamp;
        record.counts[slot] = amount;
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
    return static_cast<std::uint32_t>(date.wYear) | (static_cast<std::uint32_t>(date.wDay) << 16) |
           (static_cast<std::uint32_t>(date.wMonth) << 24);
}

std::string UsageCounterFile(const std::string& sharedDataFolder, const std::string& fileName) {
    std::string folder = fw::TrimRight(sharedDataFolder, "\\");
    if (folder.empty()) return std::string();
    return fw::Format("%s\\%s\\%s\\%s.stat", folder.c_str(), kStatsFolder, kGeneric, fileName.c_str());
}

bool CountUsageInFile(const std::string& path, const std::string& counter, const SYSTEMTIME& today, int* attempts) {
    // The stored name is cut to its field, so the lookup must be too.
    std::string name = fw::Truncate(counter, kMaxName);
    std::uint32_t stamp = UsageDayStamp(today);
    int day = today.wDay;
    if (day < 1 || day > 31) return false;

    int attempt = 0;
    fw::Handle file = OpenExclusively(path, attempt);
    if (attempts) *attempts = attempt;
    if (!file) return false;
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file.Get(), &length)) return false;
    // A torn tail shorter than a record is not one; new records go on the
    // 320-byte grid over it, so later records are found again.
    size_t records = static_cast<size_t>(length.QuadPart / sizeof(UsageRecord));
    std::vector<UsageRecord> all(records);
    if (records > 0 && !ReadExactly(file.Get(), all.data(), static_cast<DWORD>(records * sizeof(UsageRecord))))
        return false;

    bool pending = true;
    for (UsageRecord& record : all) {
        if (HoldsName(record, name)) {
            AddToday(record, stamp, day, 1);
            pending = false;
            break;
        }
    }
    if (records > 0) {
        if (!WriteAt(file.Get(), 0, all.data(), static_cast<DWORD>(records * sizeof(UsageRecord)))) return false;
        FlushFileBuffers(file.Get());
    }
    if (pending) {
        UsageRecord added = {};
        std::memcpy(added.name, name.data(), name.size());
        AddToday(added, stamp, day, 1);
        if (!WriteAt(file.Get(), static_cast<LONGLONG>(records * sizeof(UsageRecord)), &added, sizeof(added)))
            return false;
        FlushFileBuffers(file.Get());
    }
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
