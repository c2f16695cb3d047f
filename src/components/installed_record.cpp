#include "components/installed_record.h"

#include "appstate/ini_cache.h"
#include "appstate/paths.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"

#include <windows.h>

namespace {

const char kSection[] = "Components";
const char kInstalledKey[] = "Installed";
const char kVersionKey[] = "Version";
// One per computer: every session of a terminal server shares the record.
const char kRecordLockName[] = "Global\\OrvoInstalledComponentsRecord";
const DWORD kRecordLockWaitMs = 5000;

std::string ComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 64] = "";
    DWORD size = sizeof(name);
    if (!GetComputerNameA(name, &size)) return std::string();
    return name;
}

// The system's profile functions keep a cached copy of a file; flushing it
// makes the next reader (in any process) see what was just written.
void FlushSystemProfileCache(const std::string& file) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
}

unsigned ReadBits(const std::string& file) {
    return GetPrivateProfileIntA(kSection, kInstalledKey, 0, file.c_str());
}

void WriteBits(const std::string& file, unsigned bits) {
    WriteProfileInt(kSection, kInstalledKey, static_cast<int>(bits), file.c_str());
    FlushSystemProfileCache(file);
}

// Held for one read-modify-write of the record. An abandoned mutex (its
// owner died) is ours all the same; a lock that cannot be had in time is
// gone without, rather than losing the addition.
class RecordLock {
public:
    RecordLock() : mutex_(CreateMutexA(nullptr, FALSE, kRecordLockName)) {
        if (!mutex_) return;
        DWORD wait = WaitForSingleObject(mutex_.Get(), kRecordLockWaitMs);
        owned_ = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~RecordLock() {
        if (owned_) ReleaseMutex(mutex_.Get());
    }
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

private:
    fw::Handle mutex_;
    bool owned_ = false;
};

} // namespace

std::string ComputerSettingsFileFor(const std::string& dataFolder, const std::string& computerName) {
    std::string folder = fw::TrimRight(dataFolder, "\\");
    if (folder.empty() || computerName.empty() || fw::EqualsNoCase(computerName, "Unknown")) return std::string();
    return fw::Format("%s\\Session\\ComputerSettings\\%s.ini", folder.c_str(), computerName.c_str());
}

std::string GetComputerSettingsFile() {
    std::string file = ComputerSettingsFileFor(GetWANDataFolder(), ComputerName());
    if (!file.empty()) CreateFolderChain(ParentFolder(file));
    return file;
}

unsigned ReadInstalledComponents() {
    std::string file = GetComputerSettingsFile();
    return file.empty() ? 0 : ReadBits(file);
}

void WriteInstalledComponents(unsigned bits) {
    std::string file = GetComputerSettingsFile();
    if (file.empty()) return;
    RecordLock lock;
    WriteBits(file, bits);
}

unsigned AddInstalledComponents(unsigned bits) {
    std::string file = GetComputerSettingsFile();
    if (file.empty()) return bits;
    RecordLock lock;
    unsigned merged = ReadBits(file) | bits;
    WriteBits(file, merged);
    return merged;
}

std::string ReadComponentsVersion() {
    std::string file = GetComputerSettingsFile();
    std::string version;
    if (!file.empty()) ReadProfileString(kSection, kVersionKey, "", version, file.c_str());
    return fw::Truncate(version, MAX_PATH - 1);
}

void WriteComponentsVersion(const std::string& version) {
    std::string file = GetComputerSettingsFile();
    if (file.empty()) return;
    WritePrivateProfileStringA(kSection, kVersionKey, version.c_str(), file.c_str());
    FlushSystemProfileCache(file);
}
