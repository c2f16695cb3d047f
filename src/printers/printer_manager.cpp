#include "printers/printer_manager.h"

#include "components/install_host.h"
#include "printers/amyuni_driver.h"
#include "printers/printer_manager_host.h"
#include "printers/printer_names.h"
#include "printers/printer_version.h"
#include "printers/spooler.h"
#include "ui/task_dialog.h"

namespace printers {

namespace {

const char* const kActionWords[] = {"", "Install", "Uninstall", "Repair", "Reinstall", "Upgrade", "Select"};
const int kLastAction = kActionSelect;

// The command links, made once for the whole manager run.
class ManagerLinks {
public:
    ManagerLinks() {
        for (int action = kActionInstall; action <= kLastAction; ++action)
            links_.push_back(std::make_unique<CTaskDialogButton>(ActionButtonText(action), kActionButtonBase + action));
    }
    CTaskDialogButton* For(int action) { return links_[static_cast<size_t>(action - kActionInstall)].get(); }

private:
    std::vector<std::unique_ptr<CTaskDialogButton>> links_;
};

} // namespace

std::string ActionWord(int action) {
    return action >= kActionInstall && action <= kLastAction ? kActionWords[action] : std::string();
}

std::string ActionButtonText(int action) {
    std::string word = ActionWord(action);
    return word.empty() ? word : word + " Virtual Printer";
}

std::vector<int> DecideManagerActions(const ManagerFacts& facts) {
    std::vector<int> actions;
    if (facts.pellmorePrinters > 1) actions.push_back(kActionSelect);
    if (facts.installed) {
        actions.push_back(facts.upgrade ? kActionUpgrade : kActionReinstall);
        actions.push_back(kActionUninstall);
    } else if (facts.packagesLoaded) {
        if (facts.productsInstalled) {
            actions.insert(actions.end(), {kActionRepair, kActionReinstall, kActionUninstall});
        } else if (facts.upgrade) {
            actions.insert(actions.end(), {kActionUpgrade, kActionUninstall});
        } else {
            actions.push_back(kActionInstall);
        }
    }
    return actions;
}

ManagerPass::ManagerPass(HWND owner) : select(owner) {}

bool DecideUpgrade(ManagerPass& pass) {
    std::string version;
    if (CheckAmyuniDriver(kV1PrinterName, kV1BuildLimit, version) || CanOpenPrinter(kV2PrinterName) ||
        pass.v3.IsInstalled())
        return true;
    OrvoComponent_VirtualPrinterNovaPDF& printer = pass.novaPdf;
    // Only a test that never ran leaves the required version empty; an empty
    // installed version after one means no printer, which a second test
    // would find again.
    if (printer.requiredVersion.empty()) printer.IsInstalled();
    return !printer.installedDriverVersion.empty() && !printer.oemPackage.productVersion.empty() &&
           CompareMajorMinor(printer.oemPackage.productVersion, printer.installedDriverVersion) > 0;
}

ManagerFacts ManagerPass::Examine() {
    ManagerFacts facts;
    facts.pellmorePrinters = select.GetPrinterCount();
    facts.installed = novaPdf.IsInstalled();
    facts.upgrade = DecideUpgrade(*this);
    facts.packagesLoaded = novaPdf.LoadPackages();
    facts.productsInstalled = OrvoComponent_VirtualPrinterNovaPDF::IsProductInstalled(novaPdf.oemPackage) &&
                              OrvoComponent_VirtualPrinterNovaPDF::IsProductInstalled(novaPdf.driverPackage);
    return facts;
}

void RunPrinterManager(PrinterManagerHost& host) {
    InstallHost& installation = host.Installation();
    HWND launcher = installation.GetOwnerWindow();
    ManagerLinks links;
    // A closed launcher window ends the manager: every task dialog after the
    // close would return at once, and no action may start behind it.
    while (!installation.IsClosing()) {
        ManagerPass pass(launcher);
        ManagerFacts facts = pass.Examine();
        CTaskDialog dialog("Virtual Printer Setup", "Virtual Printer Manager",
                           "Choose an option below or Close when finished.");
        dialog.SetOwner(launcher);
        dialog.SetMainIcon(LoadIconA(nullptr, IDI_INFORMATION));
        dialog.AddButton(kRefreshButton, "&Refresh");
        dialog.AddButton(kCloseButton, "&Close");
        for (int action : DecideManagerActions(facts)) dialog.AddCommandLink(links.For(action));
        dialog.SetExStyle(WS_EX_TOPMOST);
        INT_PTR chosen = dialog.DoModal();
        // A quit that ended the task dialog is the host's to notice.
        installation.PumpMessages();
        if (installation.IsClosing()) break;
        if (chosen > kActionButtonBase && chosen < kActionButtonBase + kActionSelect)
            RunPrinterAction(host, static_cast<int>(chosen - kActionButtonBase));
        else if (chosen == kActionButtonBase + kActionSelect)
            pass.select.DoModal();
        // A dialog that cannot be shown would be retried for ever.
        else if (chosen == kCloseButton || chosen == -1)
            break;
    }
    if (launcher) ::EndDialog(launcher, IDOK);
}

} // namespace printers
