#include "printers/printer_restart.h"

#include "components/install_host.h"
#include "framework/prompter.h"
#include "launcher/component_run.h"
#include "launcher/system_restart.h"

void AskPrinterRestart(InstallHost* host) {
    if (host && host->GetSilentFlag()) {
        host->LogLineF("    Install Message: %s", kRestartQuestion);
        return;
    }
    HWND owner = host ? host->GetOwnerWindow() : nullptr;
    if (OwnedMessageBox(owner, kRestartQuestion, MB_YESNO) != IDYES) return;
    // Waiting for a restart that never comes would be worse than no offer.
    if (!GetSystemRestart().Restart()) OwnedMessageBox(owner, kRestartFailedMessage, MB_OK);
}
