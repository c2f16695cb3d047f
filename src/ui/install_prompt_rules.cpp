#include "ui/install_prompt_rules.h"

#include "framework/strings.h"

InstallPromptDecision DecideInstallPrompt(const OrvoComponents& components, unsigned installedBits,
                                          const InstallPromptRights& rights, bool startAtOnceRequested) {
    InstallPromptDecision d;
    for (const auto& component : components) {
        if (!(installedBits & component->componentBit) && component->requiresAdministrator) {
            d.needsAdministrator = true;
            break;
        }
    }
    if (d.needsAdministrator) {
        if (rights.userAccountControl) {
            d.rightsGranted = rights.processElevated;
            d.shieldOnInstall = !d.rightsGranted;
            d.runAsAdministrator = true;
        } else {
            d.rightsGranted = rights.userAdministrator;
            d.installEnabled = d.rightsGranted;
            d.askToLogIn = !d.rightsGranted;
        }
    }
    d.skipEnabled = components.AreRequiredComponentsSatisfied(installedBits);
    bool requiredMissing = !d.skipEnabled;
    d.startAtOnce = startAtOnceRequested || (requiredMissing && (!d.needsAdministrator || d.rightsGranted));
    return d;
}

std::string InstallingCopyArguments(const std::string& relaunch, HWND replyWindow, UINT replyMessage, DWORD key) {
    return relaunch + " /NoConfirm /Install" +
           fw::Format(" /CtrlWnd:%ld", static_cast<long>(reinterpret_cast<INT_PTR>(replyWindow))) +
           fw::Format(" /CtrlMsg:%ld", static_cast<long>(replyMessage)) +
           fw::Format(" /CtrlKey:%lu", static_cast<unsigned long>(key));
}

std::string SkipInstallationWarning(const OrvoComponents& components, unsigned installedBits) {
    std::string text =
        "You have chosen to skip installation of some components.\n\nThe following areas of Pellmore Orvo may not "
        "function correctly:\n";
    for (const auto& component : components)
        if (!(installedBits & component->componentBit)) text += fw::Format("\t- %s\n", component->description.c_str());
    return text;
}
