// Whether prerequisites must be installed before the main program starts,
// and the installation run that installs them one after the other. The
// per-computer record is trusted between starts; components are examined
// again after a program update, a start that did not complete, or when the
// user asks.
#pragma once

#include "components/orvo_components.h"

#include <windows.h>

class InstallHost;

enum ComponentCheckResult {
    kComponentsMissing = 6,   // components must be installed
    kComponentsInstalled = 7, // nothing to install
};

// Shows the error report over owner for the list's failed components:
// 1 (Yes: try again next time), another button, or -1 when it could not be
// shown. Tests replace it; null restores the dialog. Returns the previous one.
using ErrorReport = INT_PTR (*)(HWND owner, OrvoComponents& components);
ErrorReport SetErrorReport(ErrorReport report);
// The real one: the error report dialog.
INT_PTR ShowErrorReportDialog(HWND owner, OrvoComponents& components);

// The questions the run asks the user.
extern const char* const kLaunchFailedQuestion;
extern const char* const kRecheckQuestion;
extern const char* const kRestartQuestion;
extern const char* const kRestartFailedMessage;

class ComponentRun {
public:
    ComponentRun(OrvoComponents& components, InstallHost& host) : components_(components), host_(host) {}

    int CheckComponents();
    // question: asked first (Yes/No) when given; any answer but Yes skips the
    // examination and reports components missing.
    int RecheckComponents(bool reset, const char* question);
    // False only when another launcher's installation run is in progress.
    bool InstallComponents(bool showErrors);
    void InstallComponent(OrvoComponent& component);
    // installed bits |= bits, merged into the record.
    void AddInstalledBits(unsigned bits);

    unsigned installedBits = 0;
    bool restartNeeded = false;

private:
    void OfferRestart();

    OrvoComponents& components_;
    InstallHost& host_;
};

// Deletes the old "Pellmore Basic User Guide" shortcuts from the desktops and
// Programs menus of the user and of all users.
void RemoveUserGuideShortcuts();
