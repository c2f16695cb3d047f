// The launcher's application object: prepares the process, chooses the run
// mode and shows that mode's dialog modally. The process ends when it closes.
#pragma once

#include "framework/app.h"

#include <string>

class COrvoApp : public CWinApp {
public:
    COrvoApp();

    BOOL InitInstance() override;

    // This process runs as the compatibility checker (its file name or the
    // command line say so); asked by the launcher window too.
    static bool IsCheckerMode();
    // Folder of the launcher's executable, without a trailing backslash.
    const std::string& GetLauncherFolder() const { return launcherFolder_; }
    // Whether Ctrl was held when the mode was chosen; the diagnostics dialog
    // overwrites it with the user's safe-mode choice.
    int m_bCtrlKey = 0;

private:
    void RegisterCommonControls();
    void EnterLauncherFolder();
    void RunLauncherWindow(int excludeOptional);

    std::string launcherFolder_;
};

COrvoApp* GetOrvoApp();
