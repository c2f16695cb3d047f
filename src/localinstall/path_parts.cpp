// The text operations on paths declared in file_tree.h: plain C++, so that
// the rules built on them (the version file's copy list) stay free of the
// file system.
#include "localinstall/file_tree.h"

#include "framework/strings.h"

std::string FolderPart(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(0, slash + 1);
}

std::string FileNamePart(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FileTitle(const std::string& path) {
    std::string name = FileNamePart(path);
    size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FileExtension(const std::string& path) {
    size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string ParentFolder(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void AppendPath(std::string& folder, const std::string& name) {
    folder = fw::TrimRight(folder, "\\") + "\\" + fw::TrimLeft(name, "\\");
}
