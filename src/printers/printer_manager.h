// The virtual printer manager ("/InstallVPrint"): a task dialog that offers,
// for the printers found on the workstation, to install, uninstall, repair,
// reinstall or upgrade the current printer and to choose the default one,
// until the user closes it. Each choice runs and reports in a message box.
#pragma once

#include "printers/enum_printers.h"
#include "printers/select_vprinter.h"
#include "printers/virtual_printer_novapdf.h"
#include "printers/virtual_printer_v1.h"
#include "printers/virtual_printer_v2.h"
#include "printers/virtual_printer_v3.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class PrinterManagerHost;

namespace printers {

enum PrinterAction {
    kActionInstall = 1,
    kActionUninstall = 2,
    kActionRepair = 3,
    kActionReinstall = 4,
    kActionUpgrade = 5,
    kActionSelect = 6,
};
// A command link's id is 1024 plus its action.
constexpr int kActionButtonBase = 1024;
constexpr int kRefreshButton = 4;
constexpr int kCloseButton = 8;

// "Install" ... "Select"; empty for any other number.
std::string ActionWord(int action);
// "Install Virtual Printer" ... "Select Virtual Printer"; empty for any other number.
std::string ActionButtonText(int action);

// What one pass found.
struct ManagerFacts {
    int pellmorePrinters = 0;      // printers with "Pellmore" in their names
    bool installed = false;        // the current printer's installed test
    bool upgrade = false;          // an older generation, or a newer package
    bool packagesLoaded = false;   // both of its packages load
    bool productsInstalled = false; // both of its products are installed
};

// The actions offered, in the order of their command links.
std::vector<int> DecideManagerActions(const ManagerFacts& facts);

// One pass's objects: fresh components and the selection dialog (which
// lists the printers), and what they found.
struct ManagerPass {
    explicit ManagerPass(HWND owner);
    // Runs the installed test, then decides the upgrade flag.
    ManagerFacts Examine();

    OrvoComponent_VirtualPrinterV3 v3;
    OrvoComponent_VirtualPrinterNovaPDF novaPdf;
    CSelectVPrinter select;
};

// An older generation is there (V1, V2 or V3), or the OEM package is newer
// than the installed driver.
bool DecideUpgrade(ManagerPass& pass);

// Performs the action with the launcher window and reports the result in a
// message box; the window's visibility is as before afterwards. Returns 0.
int RunPrinterAction(PrinterManagerHost& host, int action);

// The manager's loop until "&Close" (or the close box), then the launcher
// window is ended with 1.
void RunPrinterManager(PrinterManagerHost& host);

} // namespace printers
