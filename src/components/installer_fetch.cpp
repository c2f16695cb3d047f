#include "components/installer_fetch.h"

#include "components/install_host.h"
#include "components/orvo_component.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"

#include <windows.h>

namespace {

// An installer of no bytes is what a download that went wrong left behind;
// it is fetched again rather than run.
bool HoldsInstaller(const char* installer) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(installer, GetFileExInfoStandard, &data)) return false;
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (data.nFileSizeLow || data.nFileSizeHigh);
}

} // namespace

bool EnsureInstallerPresent(OrvoComponent& component, InstallHost& host, const char* installer,
                            const std::string& url) {
    if (!HoldsInstaller(installer)) {
        DeleteFileA(installer);
        CreateFolderChain(ParentFolder(installer));
        std::string error;
        if (!host.DownloadFile(component.displayName, url, installer, error)) {
            component.AddMessage(error);
            return false;
        }
    }
    // A setup program is never started once the user has closed the window.
    if (host.IsClosing()) {
        component.AddMessage(
            fw::Format("%s was not installed: Pellmore Orvo was closed.", component.displayName.c_str()));
        return false;
    }
    return true;
}
