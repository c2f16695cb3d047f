#include "printers/virtual_printer_v2.h"

#include "printers/amyuni_driver.h"
#include "localinstall/file_tree.h"
#include "printers/printer_names.h"
#include "printers/spooler.h"

std::unique_ptr<OrvoComponent_VirtualPrinterV2> MakeVirtualPrinterV2() {
    auto component = std::make_unique<OrvoComponent_VirtualPrinterV2>();
    component->displayName = "Virtual Printer (V2)";
    component->componentBit = kBitVirtualPrinterV2;
    component->optional = 1;
    component->required = 0;
    component->requiresAdministrator = 1;
    component->description = printers::kVirtualPrinterDescription;
    return component;
}

bool OrvoComponent_VirtualPrinterV2::IsInstalled() { return CanOpenPrinter(printers::kV2PrinterName); }

bool OrvoComponent_VirtualPrinterV2::Install(InstallHost&) { return false; }

bool OrvoComponent_VirtualPrinterV2::Uninstall(HWND parent) {
    RemoveVirtualPrinterV2(parent);
    return !CanOpenPrinter(printers::kV2PrinterName);
}

bool OrvoComponent_VirtualPrinterV2::IsInstallerPresent() { return FileExists(printers::kV2Installer); }
