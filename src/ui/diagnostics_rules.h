// What the diagnostics dialog shows of the parsed command line, and how it
// offers the installation of missing components.
#pragma once

#include <string>
#include <utility>
#include <vector>

class CArguments;

using ParameterRow = std::pair<std::string, std::string>; // first and second column

// The command line's tokens ("Param: 0", ...), a divider, then the parsed
// fields in the order support staff know them.
std::vector<ParameterRow> ParameterRows(const CArguments& args);

// "Run in debug mode" as the user left it. Every level came with a bare
// "/DebugMode"; clearing the box leaves no level for the main program, while
// an explicit one ("/DebugMode:3") stays.
void ApplyDebugModeChoice(CArguments& args, bool runInDebugMode);

struct DiagnosticsInstallButton {
    bool enabled = true;
    bool shield = false;
};

// From four answers: does a missing component need administrator rights, is
// user account control in force, is the user an administrator (false also
// when the system cannot tell), does this process run elevated.
DiagnosticsInstallButton DecideDiagnosticsInstallButton(bool missingNeedsAdministrator, bool userAccountControl,
                                                        bool userAdministrator, bool processElevated);
