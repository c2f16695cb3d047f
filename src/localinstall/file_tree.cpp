#include "localinstall/file_tree.h"

#include "framework/handles.h"
#include "framework/strings.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdarg>

namespace {

const char kDoubleExtensionMarker[] = "PLCpt";

bool ReadAttributes(const std::string& path, DWORD& attributes) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
    attributes = data.dwFileAttributes;
    return true;
}

bool PathIsPresent(const std::string& path) {
    DWORD attributes = 0;
    return ReadAttributes(path, attributes);
}

std::string WithoutTrailingBackslashes(const std::string& path) { return fw::TrimRight(path, "\\"); }

bool IsDotEntry(const char* name) { return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0; }

// A junction or directory symlink is removed as a link: walking into it would
// delete the contents of a folder that lies outside the tree.
bool RemoveSubFolder(const std::string& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return RemoveDirectoryA(path.c_str()) != FALSE;
    return DeleteTree(path);
}

void DeleteFileEvenIfReadOnly(const std::string& path, DWORD attributes) {
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        DWORD current = 0;
        if (ReadAttributes(path, current)) SetFileAttributesA(path.c_str(), current & ~FILE_ATTRIBUTE_READONLY);
    }
    DeleteFileA(path.c_str());
}

std::string SpecialFolderPath(int csidl) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || items == nullptr) return std::string();
    char buffer[MAX_PATH] = "";
    BOOL found = SHGetPathFromIDListA(items, buffer);
    CoTaskMemFree(items);
    return found ? std::string(buffer) : std::string();
}

} // namespace

std::string GetCurrentFolder() {
    char buffer[MAX_PATH] = "";
    DWORD length = GetCurrentDirectoryA(MAX_PATH, buffer);
    return length > 0 && length < MAX_PATH ? std::string(buffer, length) : std::string();
}

bool FileExists(const std::string& path) {
    DWORD attributes = 0;
    return !path.empty() && ReadAttributes(path, attributes) && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
    DWORD attributes = 0;
    return !path.empty() && ReadAttributes(path, attributes) && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Callers check the folder afterwards, so the walk reports only "not a file".
bool CreateFolderTree(std::string& path) {
    path = WithoutTrailingBackslashes(path);
    if (path.empty()) {
        SetLastError(ERROR_INVALID_DRIVE);
        return false;
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        std::string parent = ParentFolder(path);
        CreateFolderTree(parent);
        CreateDirectoryA(path.c_str(), nullptr);
        return true;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    SetLastError(ERROR_FILE_EXISTS);
    return false;
}

bool CreateFolderChain(const std::string& original) {
    std::string path = WithoutTrailingBackslashes(original);
    if (path.empty()) {
        SetLastError(ERROR_INVALID_DRIVE);
        return false;
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        bool parentMade = true;
        if (path.find('\\', 1) != std::string::npos) parentMade = CreateFolderChain(ParentFolder(path));
        bool made = CreateDirectoryA(path.c_str(), nullptr) != FALSE;
        return parentMade && made;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    SetLastError(ERROR_FILE_EXISTS);
    return false;
}

bool DeleteFolderContents(const std::string& folder) {
    if (!DirectoryExists(folder)) return false;
    WIN32_FIND_DATAA entry;
    fw::FindHandle find(FindFirstFileA(fw::Format("%s\\*.*", folder.c_str()).c_str(), &entry));
    if (!find) return true;
    do {
        if (IsDotEntry(entry.cFileName)) continue;
        std::string path = folder + "\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!RemoveSubFolder(path, entry.dwFileAttributes)) return false;
        } else {
            DeleteFileEvenIfReadOnly(path, entry.dwFileAttributes);
        }
    } while (FindNextFileA(find.Get(), &entry));
    return true;
}

bool DeleteTree(const std::string& folder) {
    if (!DirectoryExists(folder)) return false;
    if (!DeleteFolderContents(folder)) return false;
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}

void MakeFullPath(std::string& path) {
    char buffer[MAX_PATH] = "";
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    if (length > 0 && length < MAX_PATH) path.assign(buffer, length);
}

void GetFullPath(const std::string& path, std::string& out) {
    char buffer[MAX_PATH] = "";
    GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
    out = buffer;
}

bool CopyToUniqueName(const std::string& source, const std::string& folder, std::string& outPath,
                      const char* newExtension) {
    // The extension is taken from the file name alone: a dot in a folder name
    // (C:\dir.old\file) must not turn part of the folder into an extension.
    std::string title = FileTitle(source);
    std::string extension = FileExtension(FileNamePart(source));
    // A converted file keeps its real type in front of the marker: a.pdf.PLCpt.
    bool marked = fw::EqualsNoCase(extension, kDoubleExtensionMarker);
    if (marked) {
        extension = FileExtension(title);
        title = FileTitle(title);
    }
    if (newExtension != nullptr) extension = newExtension;
    if (marked) {
        if (!extension.empty()) extension += ".";
        extension += kDoubleExtensionMarker;
    }

    std::string candidate = fw::Format("%s\\%s.%s", folder.c_str(), title.c_str(), extension.c_str());
    for (int counter = 2; PathIsPresent(candidate); ++counter)
        candidate = fw::Format("%s\\%s (%d).%s", folder.c_str(), title.c_str(), counter, extension.c_str());

    outPath = candidate;
    return CopyFileA(source.c_str(), candidate.c_str(), FALSE) != FALSE;
}

int DeleteSpecialFolderFile(int csidl, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string name = fw::TrimLeft(fw::FormatV(format, args), "\\");
    va_end(args);

    // Without the folder the name would resolve against the current drive's
    // root and could delete a file there.
    std::string folder = SpecialFolderPath(csidl);
    if (folder.empty()) return -1;
    std::string path = fw::Format("%s\\%s", folder.c_str(), name.c_str());
    if (!PathIsPresent(path)) return -1;
    return DeleteFileA(path.c_str()) ? 1 : 0;
}
