#include "appstate/ini_file_sections.h"

#include "appstate/ini_text_rules.h"
#include "framework/handles.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

// Pass-through reads use at least this many characters of buffer.
constexpr size_t kPassThroughBuffer = 1024;

// Reads the whole file in one go while holding a shared lock over all of it,
// so a writer that locks the file cannot change it under the read. False
// (no buffer) for an empty file, a failed lock or no memory.
bool ReadWholeFileShared(HANDLE file, std::vector<char>& buffer, DWORD& bytesRead) {
    bytesRead = 0;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0) return false;
    // One ReadFile call must be able to take the whole file.
    if (size.QuadPart >= static_cast<LONGLONG>(MAXDWORD)) return false;
    const DWORD length = size.LowPart;

    OVERLAPPED range = {};
    if (!LockFileEx(file, 0, 0, length, 0, &range)) return false;
    bool haveBuffer = true;
    try {
        buffer.assign(static_cast<size_t>(length) + 1, '\0');
        if (!ReadFile(file, buffer.data(), length, &bytesRead, nullptr)) bytesRead = 0;
    } catch (const std::bad_alloc&) {
        haveBuffer = false;
    }
    UnlockFileEx(file, 0, length, 0, &range);
    return haveBuffer;
}

std::wstring ToWide(const char* text) {
    int length = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length) - 1);
    return wide;
}

const char* OrEmpty(const char* text) { return text ? text : ""; }

} // namespace

void FileSectionsMap::Clear() {
    CMapStringToMapT<SectionMap>::Clear();
    filePath_.clear();
    lastWriteTime_ = {0, 0};
    stale_ = true;
    cacheMode_ = kIniCheckFileTime;
    loadFailed_ = false;
}

bool FileSectionsMap::Load(const char* file) {
    if (cacheMode_ == kIniPassThrough) return false;
    Clear();
    filePath_ = OrEmpty(file);

    fw::Handle handle(CreateFileA(filePath_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        lastWriteTime_ = {0, 0};
        loadFailed_ = true;
        return false;
    }

    std::vector<char> buffer;
    DWORD bytesRead = 0;
    const bool haveBuffer = ReadWholeFileShared(handle.Get(), buffer, bytesRead);

    FILETIME created, accessed, written;
    if (GetFileTime(handle.Get(), &created, &accessed, &written))
        lastWriteTime_ = written;
    else
        lastWriteTime_ = {0, 0}; // makes the next stale test reload
    handle.Reset();

    loadFailed_ = !haveBuffer || bytesRead == 0;
    stale_ = false;
    if (loadFailed_) return false;
    ParseIniText(buffer.data(), bytesRead, *this);
    return true;
}

bool FileSectionsMap::IsStale() {
    if (stale_) return true;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(filePath_.c_str(), GetFileExInfoStandard, &data)) {
        stale_ = data.ftLastWriteTime.dwLowDateTime != lastWriteTime_.dwLowDateTime ||
                 data.ftLastWriteTime.dwHighDateTime != lastWriteTime_.dwHighDateTime;
    }
    return stale_;
}

bool FileSectionsMap::GetString(const char* section, const char* key, const char* def, std::string& out,
                                const char* file) {
    if (!loadFailed_) {
        if (cacheMode_ == kIniPassThrough || filePath_.empty() ||
            (cacheMode_ == kIniCheckFileTime && IsStale()))
            Load(file);
    }
    if (cacheMode_ != kIniPassThrough && !loadFailed_) {
        const SectionMap* sectionMap = GetMap(OrEmpty(section), false);
        const std::string* cached = sectionMap ? sectionMap->Find(OrEmpty(key)) : nullptr;
        out = cached ? *cached : std::string(OrEmpty(def));
        return true;
    }
    out = PassThroughRead(section, key, def, out, file);
    return true;
}

std::string FileSectionsMap::PassThroughRead(const char* section, const char* key, const char* def,
                                             const std::string& out, const char* file) const {
    const size_t size = out.size() >= kPassThroughBuffer ? out.size() : kPassThroughBuffer;
    std::vector<char> buffer(size, '\0');
    GetPrivateProfileStringA(section, key, def, buffer.data(), static_cast<DWORD>(size), file);
    buffer.back() = '\0';
    return std::string(buffer.data());
}

bool FileSectionsMap::MayKeepCachedCopy() {
    if (cacheMode_ == kIniPassThrough || loadFailed_ || filePath_.empty()) return false;
    return cacheMode_ != kIniCheckFileTime || !IsStale();
}

bool FileSectionsMap::WriteString(const char* section, const char* key, const char* value, const char* file) {
    if (!section && !key && !value) {
        // The platform's "flush your own copy of this file" call; ours is untouched.
        if (!file) return true;
        return WritePrivateProfileStringW(nullptr, nullptr, nullptr, ToWide(file).c_str()) != FALSE;
    }

    const bool keep = MayKeepCachedCopy();
    if (keep && section && key && value) {
        const SectionMap* sectionMap = GetMap(section, false);
        const std::string* cached = sectionMap ? sectionMap->Find(key) : nullptr;
        if (cached && *cached == value) return true;
    }

    const bool written = WritePrivateProfileStringA(section, key, value, file) != FALSE;
    if (!written || !keep || !section) return written;

    // The next read parses the file again, so our copy never hides what the
    // platform actually wrote.
    if (cacheMode_ == kIniCheckFileTime) stale_ = true;
    if (!key) {
        RemoveSection(section);
        return true;
    }
    SectionMap* sectionMap = GetMap(section, true);
    if (value)
        sectionMap->Set(key, value);
    else
        sectionMap->Remove(key);
    return true;
}

void FileSectionsMap::RemoveSection(const char* section) { Remove(OrEmpty(section)); }
