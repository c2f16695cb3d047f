// Small path and file-system operations shared by the local installation, the
// prerequisite installers and the launcher. ANSI paths with backslashes; no
// operation shows a message.
#pragma once

#include <string>

// Path parts: text operations on the last backslash and the last dot.
std::string FolderPart(const std::string& path);    // up to and including the last '\'
std::string FileNamePart(const std::string& path);  // after the last '\'
std::string FileTitle(const std::string& path);     // file name without its last extension
std::string FileExtension(const std::string& path); // after the last '.', without it
std::string ParentFolder(const std::string& path);  // before the last '\'
void AppendPath(std::string& folder, const std::string& name);

std::string GetCurrentFolder();
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
bool CreateFolderTree(std::string& path);
bool CreateFolderChain(const std::string& path);
bool DeleteFolderContents(const std::string& folder);
bool DeleteTree(const std::string& folder);
void MakeFullPath(std::string& path);
void GetFullPath(const std::string& path, std::string& out);
bool CopyToUniqueName(const std::string& source, const std::string& folder, std::string& outPath,
                      const char* newExtension = nullptr);
// 1 deleted, -1 not there, 0 could not be deleted.
int DeleteSpecialFolderFile(int csidl, const char* format, ...);
