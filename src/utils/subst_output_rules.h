// The byte rules of the drive map: reading what subst.exe prints and
// rewriting a path on a subst drive. Plain C++; subst_drive_map.cpp runs
// subst.exe.
#pragma once

#include <map>
#include <string>

// Lower-cased drive ("x:") -> folder as subst prints it.
using SubstDrives = std::map<std::string, std::string>;

// Lines read "X:\: => C:\Data"; anything else is ignored.
SubstDrives ParseSubstOutput(const std::string& text);

// True when the path's drive is in drives and the path was rewritten to the
// folder behind it.
bool ResolveOnSubstDrive(const SubstDrives& drives, std::string& path);

// Folder and rest joined with exactly one backslash between them.
std::string JoinWithOneBackslash(const std::string& folder, const std::string& rest);
