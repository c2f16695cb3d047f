// Icons by resource name or number in a wanted size: the program's own,
// then the system's, then the maker's resource library "OrvoResource.dll".
// Every icon returned belongs to the caller (DestroyIcon).
#pragma once

#include <windows.h>

#include "framework/handles.h"

#include <string>

// The resource library, loaded on first use and kept; a missing library or
// export yields no icon.
class CResourceLibrary {
public:
    explicit CResourceLibrary(std::string path);
    CResourceLibrary(const CResourceLibrary&) = delete;
    CResourceLibrary& operator=(const CResourceLibrary&) = delete;

    // expOrvoLoadImage(name, 1, size, size, 0), or null.
    HICON LoadImageIcon(const char* name, int size);
    // expOrvoLoadIconName(name), or null.
    HICON LoadIconName(const char* name);

private:
    FARPROC Export(const char* exportName);

    std::string path_;
    bool tried_ = false;
    fw::Module module_;
};

// The process's instance for "OrvoResource.dll".
CResourceLibrary& OrvoResourceLibrary();

// size > 0: that size from the program, the system, the library's
// expOrvoLoadImage; then (and for size 0) the default size from the program,
// the system, the library's expOrvoLoadIconName. Null when none has it.
HICON LoadOrvoIcon(const char* name, int size = 0);
HICON LoadOrvoIcon(const char* name, int size, HMODULE program, CResourceLibrary& library);
