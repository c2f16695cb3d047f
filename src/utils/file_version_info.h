// Reads the version resource of an executable or library: the fixed file
// information (numeric versions) and named string values such as
// "FileVersion" in one of the resource's translations.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class CFileVersionInfo {
public:
    struct Translation {
        WORD language;
        WORD codePage;
    };

    CFileVersionInfo();
    virtual ~CFileVersionInfo();
    CFileVersionInfo(const CFileVersionInfo&) = delete;
    CFileVersionInfo& operator=(const CFileVersionInfo&) = delete;

    // Loads the file's version resource. False, with the object left empty,
    // when the file has none or the resource has no translation table.
    bool Create(const char* fileName);
    // Copies the string value into buffer (at most length - 1 characters);
    // without a buffer it only tells whether the value exists.
    bool QueryValue(const char* name, char* buffer = nullptr, int length = 0) const;
    // The value as text, at most maxChars characters; empty when it is missing.
    bool QueryValue(const char* name, std::string& value, int maxChars = 1023) const;
    // Back to the state after construction.
    void Reset();

    bool IsValid() const { return valid_; }
    // Zero unless a resource was loaded. The numeric versions are
    // dwFileVersionMS / dwFileVersionLS (major = HIWORD of the MS part).
    const VS_FIXEDFILEINFO& FixedInfo() const { return fixed_; }
    UINT TranslationCount() const { return translationCount_; }
    const Translation* Translations() const { return translations_; }
    DWORD TranslationIndex() const { return translationIndex_; }
    void SetTranslationIndex(DWORD index) { translationIndex_ = index; }

private:
    VS_FIXEDFILEINFO fixed_;
    std::vector<BYTE> block_;
    const Translation* translations_ = nullptr; // points into block_
    UINT translationCount_ = 0;
    DWORD translationIndex_ = 0;
    bool valid_ = false;
};
