#include "localinstall/in_use_check.h"

#include "appstate/paths.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "localinstall/resource_in_use_dlg.h"

#include <windows.h>

namespace {

const char kIntegrationFilesText[] =
    "The following file(s) cannot be updated.\n\n\n%s\n\nPlease make sure all copies of Pellmore Orvo and "
    "third-party\nintegration programs (Agency Revolution, Agency Buzz, etc.)\nare closed, then click retry.";
// Parts of the names of files that two integration programs keep open.
const char* const kIntegrationMarkers[] = {"qcremoteaccess", "qcadapter"};

std::string FolderOrProgramFolder(const std::string& folder) { return folder.empty() ? GetProgramFolder() : folder; }

std::string IntegrationFileLines(const IInUseResourceManager::StringList& inUse) {
    std::string lines;
    for (const std::string& entry : inUse) {
        std::string lower = fw::ToLower(entry);
        for (const char* marker : kIntegrationMarkers) {
            if (lower.find(marker) != std::string::npos) {
                lines += "    - " + entry + "\n";
                break;
            }
        }
    }
    return lines;
}

} // namespace

bool RunInUseDialog(const std::shared_ptr<IInUseResourceManager>& manager) {
    std::string before = GetCurrentFolder();
    bool cancelled = false;
    {
        ResourceInUseDlg dialog(manager);
        // A dialog that could not be shown was not answered with OK either:
        // the folder is left as it is.
        if (dialog.Refresh() > 0) cancelled = dialog.DoModal() != IDOK;
    }
    if (!before.empty() && !fw::EqualsNoCase(GetCurrentFolder(), before)) SetCurrentDirectoryA(before.c_str());
    return cancelled;
}

bool CheckProgramsInUse(const std::string& folder) {
    return RunInUseDialog(std::make_shared<InUsePrograms>(FolderOrProgramFolder(folder)));
}

bool CheckFilesInUse(const std::string& folder) {
    auto manager = std::make_shared<InUseFiles>(FolderOrProgramFolder(folder));
    for (;;) {
        IInUseResourceManager::StringList inUse;
        manager->GetInUse(inUse);
        std::string lines = IntegrationFileLines(inUse);
        if (lines.empty()) return RunInUseDialog(manager);
        // Only Retry goes on asking: a box that could not be shown must not
        // loop without the user.
        if (AfxMessageBox(fw::Format(kIntegrationFilesText, lines.c_str()), MB_RETRYCANCEL | MB_ICONEXCLAMATION) !=
            IDRETRY)
            return true;
    }
}
