// Drive letters made with `subst` stand for a folder that Windows Installer
// and other services cannot always reach through the letter. The map asks
// the system's subst.exe once and rewrites paths on such a drive to the
// folder behind it. Built on the stack for one operation, then dropped.
#pragma once

#include "utils/subst_output_rules.h"

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

    const SubstDrives& Drives() const { return drives_; }

private:
    void ReadSubstOutput(const std::string& file);

    SubstDrives drives_;
};
