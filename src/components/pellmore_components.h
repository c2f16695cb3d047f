// The maker's components package ("Pellmore Components.msi": PellLink,
// scanning, company integrations) with its in-process web filler: both must
// be installed at the versions "Pellmore Components.ini" beside the
// launcher asks for. Installed from the launcher's folder.
#pragma once

#include "components/orvo_component.h"

#include <string>

class OrvoComponent_PellmoreComponents : public OrvoComponent {
public:
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
};

// version := "FileVersion" of "PellWebFiller.dll" at path (a folder is
// completed with the file name); true when the version resource was read.
// An empty path is no web filler at all.
bool GetWebFillerVersion(const std::string& path, std::string& version);
// The registered web filler's path (the COM server's default value, 32-bit
// view); empty when it is not registered.
std::string ReadWebFillerRegistration();
