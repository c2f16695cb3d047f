// Which of the three dialogs a launcher process shows, decided once at start.
#pragma once

#include <string>

class CParseArgs;
class CArguments;

enum class RunMode {
    Checker,     // compatibility checker
    Diagnostics, // diagnostics dialog (Ctrl held, or /SafeMode on a first start)
    Launcher,    // the "Loading" window with the start-up sequence
};

// A launcher copy whose file name starts with "Comp", or a "/CHECKER" token.
bool IsCheckerMode(const std::string& modulePath, const CParseArgs& tokens);

RunMode ChooseRunMode(bool checkerMode, bool ctrlKeyDown, const CArguments& args);
