// The removal of the current printer and of every printer before it: the
// Amyuni generations through their uninstallers, the novaPDF 7 based printer
// through its own, and the two products through Windows Installer.
#include "printers/virtual_printer_novapdf.h"

#include "components/install_host.h"
#include "components/msi_ui_scope.h"
#include "framework/prompter.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "localinstall/file_tree.h"
#include "printers/amyuni_driver.h"
#include "printers/novapdf_files.h"
#include "printers/printer_names.h"
#include "printers/printer_restart.h"
#include "printers/spooler.h"
#include "printers/virtual_printer_v1.h"
#include "printers/virtual_printer_v3.h"

namespace {

const char kNoUninstaller[] =
    "Could not locate the uninstaller. Try uninstalling the Pellmore Virtual Printer manually from the Control "
    "Panel.<br/><br/>On Vista or Windows 7, open the Control Panel, double click \"Programs\", and then click "
    "\"Programs and Features\".<br/><br/>On Windows 8 or Windows 10, open the Control Panel and then click "
    "\"Programs and Features\".";

HWND OwnerOf(InstallHost* host) { return host ? host->GetOwnerWindow() : nullptr; }

// Its own log only when the launcher runs with debugging on.
bool WantsUninstallLog() {
    CArguments& args = GetArguments();
    return args.bDebugMode || (args.DebugMode & 1);
}

// The question is shown even while the launcher answers for itself.
void ShowNoUninstaller(InstallHost* host) {
    std::string text = fw::ReplaceAll(kNoUninstaller, "<br/>", "\n");
    if (!host) {
        AfxMessageBox(text, MB_OK);
        return;
    }
    bool silent = host->GetSilentFlag();
    host->SetSilentFlag(false);
    host->InstallMessageBox(text, MB_OK, IDOK);
    host->SetSilentFlag(silent);
}

} // namespace

bool OrvoComponent_VirtualPrinterNovaPDF::RemoveLegacyPrinter(InstallHost* host, bool silent, bool restartAllowed) {
    if (!IsInstalled() || fw::Atoi(installedDriverVersion) != 7) return true;
    std::string uninstaller;
    for (int i = 0; i < novapdf::kLegacyUninstallerCount && uninstaller.empty(); ++i)
        if (FileExists(novapdf::LegacyUninstaller(i))) uninstaller = novapdf::LegacyUninstaller(i);
    if (uninstaller.empty()) {
        AddMessage(kNoUninstaller);
        if (!silent) ShowNoUninstaller(host);
        return false;
    }
    DeleteFileA((FolderPart(uninstaller) + novapdf::kRelayProgram).c_str());
    std::string arguments = "/VERYSILENT /NORESTART";
    if (WantsUninstallLog()) arguments += " /InstallLog";
    arguments += fw::Format(" /RESTARTEXITCODE=%d", novapdf::kRestartExitCode);
    DWORD exitCode = RunPrinterProgram(OwnerOf(host), uninstaller, arguments);
    for (int i = 0; i < novapdf::kPrinterProfileCount; ++i) {
        std::string profile = novapdf::PrinterProfileFile(i);
        if (FileExists(profile)) DeleteFileA(profile.c_str());
    }
    bool restartWanted = !IsPrintSpoolerRunning() || exitCode == static_cast<DWORD>(novapdf::kRestartExitCode);
    if (restartWanted && !silent && restartAllowed) AskPrinterRestart(host);
    return true;
}

bool OrvoComponent_VirtualPrinterNovaPDF::RemoveOlderPrinters(InstallHost* host, bool silent, bool restartAllowed) {
    HWND owner = OwnerOf(host);
    OrvoComponent_VirtualPrinter v1;
    v1.Uninstall(owner);
    RemoveVirtualPrinterV2(owner);
    OrvoComponent_VirtualPrinterV3 v3;
    if (v3.IsInstalled()) RunPrinterProgram(owner, printers::kV3Installer, printers::kV3UninstallArguments);
    return RemoveLegacyPrinter(host, silent, restartAllowed);
}

bool OrvoComponent_VirtualPrinterNovaPDF::UninstallPackage(MsiPackage& package) {
    MsiUiScope ui;
    ui.SetLevel(kUiLevelNoneWithElevation);
    return package.Uninstall(this);
}

bool OrvoComponent_VirtualPrinterNovaPDF::Remove(InstallHost* host, bool silent, bool restartAllowed) {
    bool result = RemoveOlderPrinters(host, silent, restartAllowed);
    if (!result) AddMessage("Failed to uninstall Pellmore Printer 7.x.");
    DeleteFileA((novapdf::ComponentsFolder() + "\\" + novapdf::kRelayProgram).c_str());
    if (!LoadPackages()) result = false;
    if (!oemPackage.productCode.empty() && !oemPackage.upgradeCode.empty() && !oemPackage.packagePath.empty() &&
        IsProductInstalled(oemPackage) && !UninstallPackage(oemPackage)) {
        AddMessage("Failed to uninstall Pellmore Printer MSI.");
        result = false;
    }
    if (!driverPackage.productCode.empty() && !driverPackage.upgradeCode.empty() &&
        !driverPackage.packagePath.empty() && IsProductInstalled(driverPackage) && !UninstallPackage(driverPackage)) {
        AddMessage("Failed to uninstall Nova Printer MSI.");
        result = false;
    }
    return result;
}
