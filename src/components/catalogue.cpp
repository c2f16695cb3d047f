#include "components/catalogue.h"

#include "components/database_engine.h"
#include "components/dotnet_framework.h"
#include "components/pellmore_components.h"
#include "components/visual_cpp_runtime.h"
#include "printers/virtual_printer_novapdf.h"

namespace {

const char kRunability[] = "Runability of Pellmore Orvo";

template <typename T>
std::unique_ptr<OrvoComponent> Row(const char* name, unsigned bit, const char* description, int optional,
                                   int required) {
    auto component = std::make_unique<T>();
    component->displayName = name;
    component->componentBit = bit;
    component->description = description;
    component->optional = optional;
    component->required = required;
    component->requiresAdministrator = 1;
    return component;
}

} // namespace

std::vector<std::unique_ptr<OrvoComponent>> BuildCatalogue() {
    std::vector<std::unique_ptr<OrvoComponent>> rows;
    rows.push_back(Row<OrvoComponent_DotNetFramework>(".NET Framework v4.8", kBitDotNetFramework, "", 0, 1));
    auto runtime = Row<OrvoComponent_MFC>("Microsoft Visual C++ Redistributable 14.15", kBitVisualCpp, kRunability, 0, 1);
    runtime->requiredVersion = "14.13";
    rows.push_back(std::move(runtime));
    rows.push_back(Row<OrvoComponent_ODBCDriver>("Microsoft Access Database Engine", kBitDatabaseEngine, kRunability, 0, 1));
    rows.push_back(Row<OrvoComponent_PellmoreComponents>("Pellmore Components/PellLink", kBitPellmoreComponents,
                                                         "PellLink, Scanning, and Company Integrations", 1, 0));
    // The printer's constructor sets its own identity.
    rows.push_back(std::make_unique<OrvoComponent_VirtualPrinterNovaPDF>());
    return rows;
}
