// Command lines: any text. The relaunch string rebuilt from the parsed
// arguments parses back to the same fields, settings and file name, with the
// same pass-through tokens in the same order, and writes every debugging
// option once: what a relaunched launcher and the main program rely on.
#include "launcher/command_line_rules.h"
#include "support/check.h"

#include "framework/strings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct Recorded : ArgumentEffects {
    std::vector<std::string> effects;
    void SetConfigurationFile(const std::string& path) override { effects.push_back("cfg " + path); }
    void StoreAppLook(std::uint32_t look) override { effects.push_back("look " + std::to_string(look)); }
    void SetUserInitials(const std::string& value) override { effects.push_back("user " + value); }
};

struct Parsed {
    std::vector<std::string> tokens;
    ArgumentFields fields;
    Recorded settings;
};

void Parse(const std::string& commandLine, Parsed& parsed) {
    parsed.tokens = SplitCommandLine(commandLine);
    ParseArgumentTokens(parsed.tokens, parsed.fields, parsed.settings);
}

bool IsDebugOption(const std::string& token) {
    return fw::EqualsNoCase(token, "/SafeMode") || fw::EqualsNoCase(token, "/DebugVerbose") ||
           fw::EqualsNoCase(token, "/DebugNoisy") || fw::EqualsNoCase(token, "/DebugResetLog") ||
           fw::StartsWithNoCase(token, "/DebugMode");
}

std::vector<std::string> PassThrough(const std::vector<std::string>& tokens) {
    std::vector<std::string> kept;
    for (size_t i = 1; i < tokens.size(); ++i)
        if (!IsDebugOption(tokens[i])) kept.push_back(tokens[i]);
    return kept;
}

std::string FileName(const Parsed& parsed) {
    int index = parsed.fields.nFilenameArg;
    return index < 0 ? std::string() : parsed.tokens[static_cast<size_t>(index)];
}

// How often an option is written; "/DebugMode" is a prefix, the others whole tokens.
size_t Count(const std::vector<std::string>& tokens, const std::string& option) {
    size_t count = 0;
    for (const std::string& token : tokens)
        if (option == "/DebugMode" ? fw::StartsWithNoCase(token, option) : fw::EqualsNoCase(token, option)) ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A command line is a C string.
    std::string commandLine(reinterpret_cast<const char*>(data), size);
    commandLine = commandLine.substr(0, commandLine.find('\0'));

    Parsed first;
    Parse(commandLine, first);
    ArgumentFields written = first.fields;
    const std::string relaunch = BuildRelaunchString(first.tokens, written);
    Parsed again;
    Parse("Orvo.exe " + relaunch, again);

    const ArgumentFields& a = written;
    const ArgumentFields& b = again.fields;
    FUZZ_CHECK(PassThrough(first.tokens) == PassThrough(again.tokens));
    FUZZ_CHECK(first.settings.effects == again.settings.effects);
    FUZZ_CHECK(FileName(first) == FileName(again));
    FUZZ_CHECK(a.bDeleteImportFile == b.bDeleteImportFile && a.bCopyImportFile == b.bCopyImportFile &&
               a.bFSC == b.bFSC && a.bNoConfirmation == b.bNoConfirmation && a.bSilent == b.bSilent &&
               a.bRecheck == b.bRecheck && a.bRestarted == b.bRestarted && a.bNoLocalInstall == b.bNoLocalInstall &&
               a.bSkipLocalCheck == b.bSkipLocalCheck && a.bNoLaunchIfRunning == b.bNoLaunchIfRunning &&
               a.bCFG == b.bCFG && a.bInstallVPrinter == b.bInstallVPrinter &&
               a.ctrlWindowValue == b.ctrlWindowValue && a.lCtrlMsg == b.lCtrlMsg && a.lCtrlKey == b.lCtrlKey);
    // The debugging options travel as the fields say (the all-levels switch
    // as the level -1 it stands for), each written once.
    FUZZ_CHECK(a.bSafeMode == b.bSafeMode && a.bDebugVerbose == b.bDebugVerbose && a.bDebugNoisy == b.bDebugNoisy &&
               a.bDebugResetLog == b.bDebugResetLog && a.DebugMode == b.DebugMode);
    const std::vector<std::string> rebuilt = SplitCommandLine("Orvo.exe " + relaunch);
    FUZZ_CHECK(Count(rebuilt, "/SafeMode") == (a.bSafeMode ? 1u : 0u));
    FUZZ_CHECK(Count(rebuilt, "/DebugVerbose") == (a.bDebugVerbose ? 1u : 0u));
    FUZZ_CHECK(Count(rebuilt, "/DebugNoisy") == (a.bDebugNoisy ? 1u : 0u));
    FUZZ_CHECK(Count(rebuilt, "/DebugResetLog") == (a.bDebugResetLog ? 1u : 0u));
    FUZZ_CHECK(Count(rebuilt, "/DebugMode") == (a.DebugMode != 0 ? 1u : 0u));
    return 0;
}
