// The current generation of the PDF virtual printer, "Pellmore Virtual
// Printer", the one printer among the prerequisites.
#pragma once

#include "components/orvo_component.h"

class OrvoComponent_VirtualPrinterNovaPDF : public OrvoComponent {
public:
    OrvoComponent_VirtualPrinterNovaPDF();
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;
};
