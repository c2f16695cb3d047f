#include "launcher/command_line_rules.h"

#include "framework/strings.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool IsWhiteSpace(char c) { return c != '\0' && std::string(fw::kWhiteSpace).find(c) != std::string::npos; }

// The value of a prefix option: what follows the prefix (empty for the bare prefix).
std::string ValueAfter(const std::string& token, const std::string& prefix) {
    return token.size() > prefix.size() ? token.substr(prefix.size()) : std::string();
}

bool Is(const std::string& token, const char* option) { return fw::EqualsNoCase(token, option); }

// "/DebugMode" and "/DebugMode:" turn every level on; "/DebugMode:3" and
// "/DebugMode3" choose one.
void ParseDebugMode(std::string value, ArgumentFields& fields) {
    if (!value.empty() && value[0] == ':') value.erase(0, 1);
    if (value.empty()) {
        fields.DebugMode = -1;
        fields.bDebugMode = 1;
    } else {
        fields.DebugMode = fw::Atoi(value);
    }
}

// The debugging switches are written from the fields, which the diagnostics
// dialog may have changed, so the tokens that gave them are left out.
bool IsDebugSwitch(const std::string& token) {
    return Is(token, "/SafeMode") || Is(token, "/DebugVerbose") || Is(token, "/DebugNoisy") ||
           Is(token, "/DebugResetLog") || fw::StartsWithNoCase(token, "/DebugMode");
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

// A quote left open runs to the end of the command line (only the last
// token can hold one), so it must stay last or it would swallow what follows.
bool LeavesQuoteOpen(const std::string& token) { return std::count(token.begin(), token.end(), '"') % 2 != 0; }

} // namespace

// Quotes only group: they stay in the token so that every token can be handed
// on exactly as written. Walking byte by byte is safe for the double-byte code
// pages, whose trail bytes are never a quote or white space.
std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> tokens;
    std::string text = fw::TrimRight(commandLine);
    std::string current;
    bool inQuotes = false;
    for (char c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            current += c;
        } else if (!inQuotes && IsWhiteSpace(c)) {
            if (!current.empty()) {
                tokens.push_back(current);
                current.clear();
            }
        } else {
            current += c;
        }
    }
    // Always added, so even an empty command line has its program token.
    tokens.push_back(current);
    return tokens;
}

// The first matching test decides, so the order below is part of the meaning.
void ParseArgumentTokens(const std::vector<std::string>& tokens, ArgumentFields& fields, ArgumentEffects& effects) {
    for (size_t index = 1; index < tokens.size(); ++index) {
        const std::string& token = tokens[index];
        if (Is(token, "/NoConfirm")) {
            fields.bNoConfirmation = 1;
        } else if (Is(token, "/Silent")) {
            fields.bRecheck = 1;
            fields.bSilent = 1;
        } else if (Is(token, "/Install")) {
            fields.bRecheck = 1;
        } else if (Is(token, "/SafeMode")) {
            fields.bSafeMode = 1;
        } else if (Is(token, "/DebugResetLog")) {
            fields.bDebugResetLog = 1;
        } else if (Is(token, "/DebugVerbose")) {
            fields.bDebugVerbose = 1;
        } else if (Is(token, "/DebugNoisy")) {
            fields.bDebugNoisy = 1;
        } else if (fw::StartsWithNoCase(token, "/DebugMode")) {
            ParseDebugMode(ValueAfter(token, "/DebugMode"), fields);
        } else if (Is(token, "/Restarted")) {
            fields.bRestarted = 1;
        } else if (Is(token, "/DELETEIMPORTFILE")) {
            fields.bDeleteImportFile = 1;
        } else if (Is(token, "/FSC")) {
            fields.bFSC = 1;
        } else if (Is(token, "/COPYIMPORTFILE")) {
            fields.bCopyImportFile = 1;
        } else if (Is(token, "/NoLocal")) {
            fields.bNoLocalInstall = true;
        } else if (Is(token, "/SkipLocalCheck")) {
            fields.bSkipLocalCheck = true;
        } else if (Is(token, "/NoLaunchIfRunning")) {
            fields.bNoLaunchIfRunning = true;
        } else if (!token.empty() && token[0] != '/') {
            fields.nFilenameArg = static_cast<int>(index);
        } else if (fw::StartsWithNoCase(token, "/CFG:")) {
            // The quotes only kept a path with blanks in one token.
            effects.SetConfigurationFile(fw::TrimLeft(fw::TrimRight(ValueAfter(token, "/CFG:"), "\""), "\""));
            fields.bCFG = 1;
        } else if (fw::StartsWithNoCase(token, "/THEME:")) {
            effects.StoreAppLook(static_cast<std::uint32_t>(fw::Atoi(ValueAfter(token, "/THEME:"))));
        } else if (fw::StartsWithNoCase(token, "/USER:")) {
            effects.SetUserInitials(ValueAfter(token, "/USER:"));
        } else if (Is(token, "/InstallVPrint")) {
            fields.bInstallVPrinter = 1;
        } else if (fw::StartsWithNoCase(token, "/CtrlWnd:")) {
            // Handle values are 32-bit significant in either bitness; widen with sign as Windows does.
            fields.ctrlWindowValue = static_cast<std::intptr_t>(fw::Atoi(ValueAfter(token, "/CtrlWnd:")));
        } else if (fw::StartsWithNoCase(token, "/CtrlMsg:")) {
            fields.lCtrlMsg = static_cast<std::uint32_t>(fw::Atoi(ValueAfter(token, "/CtrlMsg:")));
        } else if (fw::StartsWithNoCase(token, "/CtrlKey:")) {
            // The whole unsigned 32-bit range: the key is a random number.
            fields.lCtrlKey =
                static_cast<std::uint32_t>(std::strtoul(ValueAfter(token, "/CtrlKey:").c_str(), nullptr, 10));
        }
        // Anything else is not ours; it stays in the list and travels on.
    }
}

std::string BuildRelaunchString(const std::vector<std::string>& tokens, ArgumentFields& fields) {
    std::string result, openLast;
    for (size_t index = 1; index < tokens.size(); ++index) {
        if (IsDebugSwitch(tokens[index])) continue;
        if (index + 1 == tokens.size() && LeavesQuoteOpen(tokens[index]))
            openLast = tokens[index];
        else
            Append(result, QuotedWhereNeeded(tokens[index]));
    }
    if (fields.bSafeMode) Append(result, "/SafeMode");
    if (fields.bDebugVerbose) Append(result, "/DebugVerbose");
    if (fields.bDebugNoisy) Append(result, "/DebugNoisy");
    if (fields.bDebugResetLog) Append(result, "/DebugResetLog");
    if (fields.bDebugMode) fields.DebugMode = -1;
    if (fields.DebugMode != 0) Append(result, fw::Format("/DebugMode:%i", fields.DebugMode));
    if (!openLast.empty()) Append(result, openLast);
    return result;
}
