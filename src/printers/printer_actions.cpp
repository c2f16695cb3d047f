// The manager's action runner: the launcher window shows the action with its
// marquee while the printer is removed, installed or repaired, and a message
// box tells how it went.
#include "printers/printer_manager.h"

#include "components/install_host.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "printers/printer_manager_host.h"
#include "printers/printer_restart.h"
#include "printers/printer_wait.h"

namespace printers {

namespace {

const DWORD kSettleMs = 5000;
const char kSucceededFormat[] =
    "%s %s.\nYou must exit all instances of Pellmore Orvo on this workstation and restart Pellmore Orvo for this to "
    "take effect.";
const char kFailedFormat[] = "%s attempted to %s but failed.";

const char* StatusFormat(int action) {
    switch (action) {
    case kActionUninstall:
        return "Uninstalling %s... (This may take a few minutes.)";
    case kActionRepair:
        return "Repairing %s... (This may take a few minutes.)";
    case kActionReinstall:
        return "Reinstalling %s... (This may take a few minutes.)";
    case kActionUpgrade:
        return "Upgrading %s... (This may take a few minutes.)";
    default:
        return "Installing %s... (This may take a few minutes.)";
    }
}

// The component's HTML message as plain text for a message box.
std::string PlainMessage(const std::string& message) {
    return fw::ReplaceAll(fw::ReplaceAll(fw::ReplaceAll(message, "<b>", ""), "</b>", ""), "<br/>", "\n");
}

// Removal, then the launcher's installation. False when the old printer is
// still there after the removal.
bool Reinstall(PrinterManagerHost& manager, OrvoComponent_VirtualPrinterNovaPDF& printer, bool upgrade) {
    InstallHost& host = manager.Installation();
    printer.Remove(&host, true, false);
    PrinterWait(kSettleMs);
    if (!host.IsClosing())
        OwnedMessageBox(host.GetOwnerWindow(),
                        upgrade ? "Finished Uninstalling Previous Version..." : "Finished Uninstalling....",
                        MB_OK);
    if (printer.IsInstalled()) return false;
    manager.InstallComponent(printer);
    if (upgrade) PrinterWait(kSettleMs);
    return printer.IsInstalledAndCurrent();
}

bool Perform(PrinterManagerHost& manager, int action, OrvoComponent_VirtualPrinterNovaPDF& printer) {
    InstallHost& host = manager.Installation();
    HWND window = host.GetOwnerWindow();
    switch (action) {
    case kActionUninstall: {
        OrvoComponent_VirtualPrinter v1;
        std::unique_ptr<OrvoComponent_VirtualPrinterV2> v2 = MakeVirtualPrinterV2();
        OrvoComponent_VirtualPrinterV3 v3;
        v1.Uninstall(window);
        v2->Uninstall(window);
        v3.Uninstall(window);
        printer.Remove(&host, host.GetSilentFlag(), true);
        // Windows Installer may need a restart to finish the removal. The
        // offer is the user's again (IsSilent puts the flag back to the
        // option), so only a silent run logs it instead.
        if (printer.restartRequired) {
            host.IsSilent();
            AskPrinterRestart(&host);
        }
        PrinterWait(kSettleMs);
        return !printer.IsInstalled();
    }
    case kActionRepair:
        printer.Repair(host);
        PrinterWait(kSettleMs);
        return printer.IsInstalledAndCurrent();
    case kActionReinstall:
        return Reinstall(manager, printer, false);
    case kActionUpgrade:
        return Reinstall(manager, printer, true);
    default:
        printer.Remove(&host, true, false);
        PrinterWait(kSettleMs);
        manager.InstallComponent(printer);
        PrinterWait(kSettleMs);
        return printer.IsInstalledAndCurrent();
    }
}

} // namespace

int RunPrinterAction(PrinterManagerHost& manager, int action) {
    InstallHost& host = manager.Installation();
    HWND window = host.GetOwnerWindow();
    bool wasVisible = window && IsWindowVisible(window);
    if (window) {
        CentreInWorkArea(window);
        ShowWindow(window, SW_SHOW);
    }
    host.SetMarquee(true);
    // The removal steps' questions go to the log; the installation sets the
    // flag again from the command line.
    host.SetSilentFlag(true);

    OrvoComponent_VirtualPrinterNovaPDF printer;
    host.SetStatusF(StatusFormat(action), printer.displayName.c_str());
    bool succeeded = Perform(manager, action, printer);

    std::string word = ActionWord(action);
    std::string text;
    if (succeeded) {
        text = fw::Format(kSucceededFormat, printer.displayName.c_str(), word.c_str());
    } else {
        text = fw::Format(kFailedFormat, printer.displayName.c_str(), word.c_str());
        if (!printer.message.empty()) text += "\n\n" + PlainMessage(printer.message);
    }
    // Nobody is left to read it once the window was closed; the installer
    // may have taken the quit that would have ended the box at once.
    if (!host.IsClosing()) OwnedMessageBox(window, text, MB_ICONEXCLAMATION | MB_OK);
    if (window) ShowWindow(window, wasVisible ? SW_SHOWNORMAL : SW_HIDE);
    return 0;
}

} // namespace printers
