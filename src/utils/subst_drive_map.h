// Drive letters made with `subst` stand for a folder that Windows Installer
// and other services cannot always reach through the letter. The map asks
// the system's subst.exe once and rewrites paths on such a drive to the
// folder behind it. Built on the stack for one operation, then dropped.
#pragma once

#include <map>
#include <string>

class CSubstDriveMap {
public:
    CSubstDriveMap() = default;
    virtual ~CSubstDriveMap() = default;

    // Empties the map and fills it from the output of "subst.exe". Returns 1;
    // a failed start or an unreadable output leaves the map empty.
    int Refresh();
    // True when the path's drive is a subst drive and the path was rewritten
    // to the folder behind it. An empty map is refreshed first.
    bool Resolve(std::string& path);

    // Lower-cased drive ("x:") -> folder as subst prints it.
    const std::map<std::string, std::string>& Drives() const { return drives_; }

private:
    void ReadSubstOutput(const std::string& file);

    std::map<std::string, std::string> drives_;
};

// Folder and rest joined with exactly one backslash between them.
std::string JoinWithOneBackslash(const std::string& folder, const std::string& rest);
