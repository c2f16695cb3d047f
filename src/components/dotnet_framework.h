// The .NET Framework 4.8 prerequisite: found by the framework's setup key,
// installed with its offline installer from "Installs\DotNet", which is
// downloaded from the vendor first when the installation lacks it.
#pragma once

#include "components/orvo_component.h"

#include <windows.h>

#include <string>

extern const char kDotNetDownloadUrl[];

class OrvoComponent_DotNetFramework : public OrvoComponent {
public:
    explicit OrvoComponent_DotNetFramework(std::string downloadUrl = kDotNetDownloadUrl);
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;

private:
    // Reads the setup key into installedVersion; true when 4.8 or later is there.
    bool ReadInstalledFramework();

    std::string downloadUrl_;
};

// Systems on which the framework cannot be installed: XP, Server 2003,
// Vista, Server 2008 and Windows 8.
bool IsRefusedForDotNet(const OSVERSIONINFOEXA& version);
// What the installer's exit code tells the user; empty for 0.
std::string DotNetExitCodeReason(DWORD exitCode);
// "4.8.03761" -> "4.8.3761.0": up to four decimal parts, missing ones 0.
std::string DotNetVersionText(const std::string& version);
