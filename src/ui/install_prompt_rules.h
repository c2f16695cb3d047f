// What the install prompt decides from the missing components and the
// user's rights, and what it accepts as the installing copy's reply.
#pragma once

#include "components/orvo_components.h"

#include <windows.h>

#include <string>

struct InstallPromptRights {
    bool userAccountControl = false;
    bool processElevated = false;
    bool userAdministrator = false; // false also when the system could not tell
};

struct InstallPromptDecision {
    bool needsAdministrator = false; // a missing component needs administrator rights
    bool rightsGranted = false;      // the rights test passed (only asked when needed)
    bool shieldOnInstall = false;    // elevation will be asked for
    bool installEnabled = true;
    bool askToLogIn = false;         // not an administrator and no way to elevate
    bool skipEnabled = false;        // nothing required is missing
    bool startAtOnce = false;        // install without waiting for the user
    bool runAsAdministrator = false; // the copy is started with the "RunAs" verb
};

InstallPromptDecision DecideInstallPrompt(const OrvoComponents& components, unsigned installedBits,
                                          const InstallPromptRights& rights, bool startAtOnceRequested);

// The copy's options after the relaunch string: install without asking,
// and where, how and with which key to reply.
std::string InstallingCopyArguments(const std::string& relaunch, HWND replyWindow, UINT replyMessage, DWORD key);

// "You have chosen to skip..." with one line per missing component's area.
std::string SkipInstallationWarning(const OrvoComponents& components, unsigned installedBits);

// A reply counts only from the copy this prompt started (its key), and only once.
class InstallingCopyReply {
public:
    void Started(DWORD key) {
        key_ = key;
        started_ = true;
    }
    // True when this reply is the one awaited; later ones are ignored.
    bool Accept(LPARAM key) {
        if (!started_ || answered_ || static_cast<DWORD>(key) != key_) return false;
        answered_ = true;
        return true;
    }

private:
    DWORD key_ = 0;
    bool started_ = false;
    bool answered_ = false;
};
