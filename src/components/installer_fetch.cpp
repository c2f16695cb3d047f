#include "components/installer_fetch.h"

#include "components/install_host.h"
#include "components/orvo_component.h"
#include "localinstall/file_tree.h"

#include <windows.h>

bool EnsureInstallerPresent(OrvoComponent& component, InstallHost& host, const char* installer,
                            const std::string& url) {
    if (GetFileAttributesA(installer) != INVALID_FILE_ATTRIBUTES) return true;
    CreateFolderChain(ParentFolder(installer));
    std::string error;
    if (host.DownloadFile(component.displayName, url, installer, error)) return true;
    component.AddMessage(error);
    return false;
}
