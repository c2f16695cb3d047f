#include "launcher/run_mode.h"

#include "framework/strings.h"
#include "launcher/arguments.h"

bool IsCheckerMode(const std::string& modulePath, const CParseArgs& tokens) {
    size_t slash = modulePath.find_last_of('\\');
    std::string name = slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
    if (fw::StartsWithNoCase(name, "Comp")) return true;
    for (int i = 1; i < tokens.GetSize(); ++i) {
        if (fw::EqualsNoCase(tokens.GetAt(i), "/CHECKER")) return true;
    }
    return false;
}

RunMode ChooseRunMode(bool checkerMode, bool ctrlKeyDown, const CArguments& args) {
    if (checkerMode) return RunMode::Checker;
    // A relaunched copy must not reopen the diagnostics dialog for the same
    // /SafeMode the user already saw; only a held Ctrl key asks for it again.
    if (ctrlKeyDown || (args.bSafeMode && !args.bRestarted)) return RunMode::Diagnostics;
    return RunMode::Launcher;
}
