#include "printers/virtual_printer_novapdf.h"

OrvoComponent_VirtualPrinterNovaPDF::OrvoComponent_VirtualPrinterNovaPDF() {
    displayName = "Pellmore Virtual Printer";
    componentBit = kBitVirtualPrinterNovaPDF;
    optional = 1;
    required = 0;
    requiresAdministrator = 1;
    description = "Virtual Printer";
}

// Detection and installation come with the printer's own work; until then
// it is never found and says so when asked to install.
bool OrvoComponent_VirtualPrinterNovaPDF::IsInstalled() { return false; }

bool OrvoComponent_VirtualPrinterNovaPDF::Install(InstallHost&) { return ReportInstallUnavailable(*this); }
