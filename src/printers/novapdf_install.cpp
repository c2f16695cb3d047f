// The current printer's installation, its set-up by the vendor's tool and
// its repair.
#include "printers/virtual_printer_novapdf.h"

#include "components/install_host.h"
#include "framework/strings.h"
#include "printers/amyuni_driver.h"
#include "localinstall/file_tree.h"
#include "printers/novapdf_files.h"
#include "printers/preferred_printer.h"
#include "printers/printer_restart.h"
#include "printers/printer_wait.h"
#include "printers/spooler.h"

namespace {

const DWORD kAfterSetUpMs = 15000;
const DWORD kAfterOemRemovalMs = 5000;
const char kOemRemovalFailed[] = "Failed to uninstall Pellmore Printer MSI.";

} // namespace

bool OrvoComponent_VirtualPrinterNovaPDF::CopyRelayProgram() {
    std::string folder = novapdf::ComponentsFolder();
    std::string target = folder + "\\" + novapdf::kRelayProgram;
    DeleteFileA(target.c_str());
    std::string created = folder;
    if (CreateFolderTree(created)) {
        if (FileExists(target)) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        CopyFileA(novapdf::RelaySourcePath().c_str(), target.c_str(), FALSE);
    }
    if (FileExists(target)) return true;
    AddMessage(fw::Format("Failed to install OrvoPrinter Relay to %s\n", folder.c_str()));
    return false;
}

bool OrvoComponent_VirtualPrinterNovaPDF::InstallPackage(MsiPackage& package, InstallHost& host) {
    std::string error;
    if (package.Install(this, &host, error)) return true;
    AddMessage(error);
    return false;
}

bool OrvoComponent_VirtualPrinterNovaPDF::Install(InstallHost& host) {
    if (!LoadPackages()) return false;
    if (!RemoveOlderPrinters(&host, true, false)) return false;
    if (!CopyRelayProgram()) return false;
    if (!IsProductInstalled(driverPackage) && !InstallPackage(driverPackage, host)) return false;
    if (!IsProductInstalled(oemPackage) && !InstallPackage(oemPackage, host)) return false;
    // This printer becomes the default choice.
    WritePreferredPrinter(std::string());
    if (!IsPrintSpoolerRunning()) AskPrinterRestart(&host);
    return true;
}

bool OrvoComponent_VirtualPrinterNovaPDF::SetUpPrinter(InstallHost* host) {
    LoadPackages();
    std::string tool = novapdf::PrinterSetupTool();
    if (!IsProductInstalled(driverPackage) || !IsProductInstalled(oemPackage) || !FileExists(tool)) return false;
    RunPrinterProgram(host ? host->GetOwnerWindow() : nullptr, tool, novapdf::PrinterSetupArguments());
    PrinterWait(kAfterSetUpMs);
    return IsInstalled();
}

bool OrvoComponent_VirtualPrinterNovaPDF::Repair(InstallHost& host) {
    if (SetUpPrinter(&host)) return true;
    LoadPackages();
    if (!IsProductInstalled(driverPackage)) return false;
    if (IsProductInstalled(oemPackage)) {
        if (!UninstallPackage(oemPackage)) {
            AddMessage(kOemRemovalFailed);
            return false;
        }
        PrinterWait(kAfterOemRemovalMs);
        oemPackage.Reset();
        LoadOemPackage();
        if (IsProductInstalled(oemPackage)) {
            AddMessage(kOemRemovalFailed);
            return false;
        }
    }
    driverPackage.Reset();
    LoadDriverPackage();
    if (!IsProductInstalled(driverPackage) && !InstallPackage(driverPackage, host)) return false;
    return InstallPackage(oemPackage, host);
}
