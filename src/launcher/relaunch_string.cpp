#include "framework/strings.h"
#include "launcher/arguments.h"

namespace {

// The debugging switches are written from the fields, which the diagnostics
// dialog may have changed, so the tokens that gave them are left out.
bool IsDebugSwitch(const std::string& token) {
    return fw::EqualsNoCase(token, "/SafeMode") || fw::EqualsNoCase(token, "/DebugVerbose") ||
           fw::EqualsNoCase(token, "/DebugNoisy") || fw::EqualsNoCase(token, "/DebugResetLog") ||
           fw::StartsWithNoCase(token, "/DebugMode");
}

// A token with a blank but no quote was put in the list after parsing (the
// path of an import copy); it must stay one token on the next command line.
std::string QuotedWhereNeeded(const std::string& token) {
    bool hasBlank = token.find(' ') != std::string::npos;
    bool hasQuote = token.find('"') != std::string::npos;
    return hasBlank && !hasQuote ? fw::Format("\"%s\"", token.c_str()) : token;
}

void Append(std::string& result, const std::string& piece) {
    if (!result.empty()) result += ' ';
    result += piece;
}

} // namespace

std::string CArguments::BuildArgumentString() {
    std::string result;
    for (int index = 1; index < GetSize(); ++index) {
        if (!IsDebugSwitch(GetAt(index))) Append(result, QuotedWhereNeeded(GetAt(index)));
    }
    if (bSafeMode) Append(result, "/SafeMode");
    if (bDebugVerbose) Append(result, "/DebugVerbose");
    if (bDebugNoisy) Append(result, "/DebugNoisy");
    if (bDebugResetLog) Append(result, "/DebugResetLog");
    if (bDebugMode) DebugMode = -1;
    if (DebugMode != 0) Append(result, fw::Format("/DebugMode:%i", DebugMode));
    return result;
}
