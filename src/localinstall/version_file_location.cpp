// The parts of the version-file handling that depend on where the launcher
// and the installation are.
#include "localinstall/version_files.h"

#include "appstate/paths.h"
#include "framework/strings.h"

std::string GetVersionFilePath(const std::string& folder) {
    if (!folder.empty()) return fw::Format("%s\\%s", folder.c_str(), kVersionFileName);
    // A launcher started from the temporary folder is a passing copy: the
    // version that counts is the installation's.
    if (fw::EqualsNoCase(fw::TrimRight(GetModuleFolder(), "\\"), fw::TrimRight(GetTempFolder(), "\\")))
        return GetInstallFilePath(kVersionFileName);
    return kVersionFileName;
}

COrvoInstallVersionFiles::COrvoInstallVersionFiles() { Build(GetInstallPath()); }
