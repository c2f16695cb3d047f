#include "utils/file_version_info.h"

#include "framework/strings.h"

namespace {

const DWORD kFixedInfoSignature = 0xFEEF04BD;

} // namespace

CFileVersionInfo::CFileVersionInfo() { Reset(); }

CFileVersionInfo::~CFileVersionInfo() = default;

void CFileVersionInfo::Reset() {
    ZeroMemory(&fixed_, sizeof(fixed_));
    std::vector<BYTE>().swap(block_);
    translations_ = nullptr;
    translationCount_ = 0;
    translationIndex_ = 0;
    valid_ = false;
}

bool CFileVersionInfo::Create(const char* fileName) {
    Reset();
    if (fileName == nullptr) return false;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(fileName, &handle);
    if (size != 0) {
        block_.resize(size);
        if (!GetFileVersionInfoA(fileName, 0, size, block_.data())) block_.clear();
    }
    if (!block_.empty()) {
        void* fixed = nullptr;
        UINT fixedLength = 0;
        if (VerQueryValueA(block_.data(), "\\", &fixed, &fixedLength) && fixed != nullptr &&
            fixedLength >= sizeof(fixed_)) {
            CopyMemory(&fixed_, fixed, sizeof(fixed_));
            valid_ = fixed_.dwSignature == kFixedInfoSignature;
        }
    }
    if (valid_) {
        void* table = nullptr;
        UINT tableLength = 0;
        if (VerQueryValueA(block_.data(), "\\VarFileInfo\\Translation", &table, &tableLength) && table != nullptr) {
            translations_ = static_cast<const Translation*>(table);
            translationCount_ = tableLength / sizeof(Translation);
        }
    }
    // String values are addressed through a translation: without one the
    // resource is of no use to anyone here.
    if (translations_ == nullptr || translationCount_ == 0) {
        Reset();
        return false;
    }
    return valid_;
}

bool CFileVersionInfo::QueryValue(const char* name, char* buffer, int length) const {
    if (!valid_ || name == nullptr) return false;
    if (buffer != nullptr && length <= 0) return false;
    if (buffer != nullptr) buffer[0] = '\0';

    WORD language = 0;
    WORD codePage = 0;
    if (translationIndex_ < translationCount_) {
        language = translations_[translationIndex_].language;
        codePage = translations_[translationIndex_].codePage;
    }
    std::string query = fw::Format("\\StringFileInfo\\%04X%04X\\%s", language, codePage, name);
    void* value = nullptr;
    UINT valueLength = 0;
    if (!VerQueryValueA(block_.data(), query.c_str(), &value, &valueLength) || value == nullptr) return false;
    if (buffer != nullptr) lstrcpynA(buffer, static_cast<const char*>(value), length);
    return true;
}

bool CFileVersionInfo::QueryValue(const char* name, std::string& value, int maxChars) const {
    value.clear();
    if (maxChars < 0) return false;
    std::vector<char> buffer(static_cast<size_t>(maxChars) + 1);
    if (!QueryValue(name, buffer.data(), maxChars + 1)) return false;
    value = buffer.data();
    return true;
}
