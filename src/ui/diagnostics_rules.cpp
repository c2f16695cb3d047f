#include "ui/diagnostics_rules.h"

#include "framework/strings.h"
#include "launcher/arguments.h"

namespace {

const char* Flag(int value) { return value ? "TRUE" : "FALSE"; }

} // namespace

std::vector<ParameterRow> ParameterRows(const CArguments& args) {
    std::vector<ParameterRow> rows;
    for (int i = 0; i < args.GetSize(); ++i) rows.emplace_back(fw::Format("Param: %d", i), args.GetAt(i));
    rows.emplace_back("----------", "");
    rows.emplace_back("bCFG", Flag(args.bCFG));
    rows.emplace_back("bDeleteImportFile", Flag(args.bDeleteImportFile));
    rows.emplace_back("bCopyImportFile", Flag(args.bCopyImportFile));
    rows.emplace_back("bFSC", Flag(args.bFSC));
    rows.emplace_back("bNoConfirmation", Flag(args.bNoConfirmation));
    rows.emplace_back("bSilent", Flag(args.bSilent));
    rows.emplace_back("bRecheck", Flag(args.bRecheck));
    rows.emplace_back("bRestarted", Flag(args.bRestarted));
    rows.emplace_back("bNoLocalInstall", Flag(args.bNoLocalInstall));
    rows.emplace_back("bSkipLocalCheck", Flag(args.bSkipLocalCheck));
    rows.emplace_back("bCFG", Flag(args.bCFG));
    rows.emplace_back("bSafeMode", Flag(args.bSafeMode));
    if (args.bDebugMode)
        rows.emplace_back("DebugMode", "ffffffff");
    else if (args.DebugMode != 0)
        rows.emplace_back("DebugMode", fw::Format("%x", static_cast<unsigned>(args.DebugMode)));
    rows.emplace_back("bDebugResetLog", Flag(args.bDebugResetLog));
    rows.emplace_back("bDebugVerbose", Flag(args.bDebugVerbose));
    rows.emplace_back("bDebugNoisy", Flag(args.bDebugNoisy));
    rows.emplace_back("bInstallVPrinter", Flag(args.bInstallVPrinter));
    rows.emplace_back("hCtrlWnd", fw::Format("%ld", static_cast<long>(reinterpret_cast<INT_PTR>(args.hCtrlWnd))));
    rows.emplace_back("lCtrlMsg", fw::Format("%ld", static_cast<long>(args.lCtrlMsg)));
    rows.emplace_back("sFilename", args.GetFilename());
    return rows;
}

void ApplyDebugModeChoice(CArguments& args, bool runInDebugMode) {
    if (args.bDebugMode && !runInDebugMode && args.DebugMode == -1) args.DebugMode = 0;
    args.bDebugMode = runInDebugMode ? 1 : 0;
}

DiagnosticsInstallButton DecideDiagnosticsInstallButton(bool missingNeedsAdministrator, bool userAccountControl,
                                                        bool userAdministrator, bool processElevated) {
    DiagnosticsInstallButton button;
    if (!missingNeedsAdministrator) return button;
    if (userAccountControl)
        button.shield = !processElevated;
    else
        button.enabled = userAdministrator;
    return button;
}
