// The byte rules of the launcher's command line: splitting it into tokens,
// reading the options, and writing them back as the relaunch string. Plain
// C++; CArguments applies them to the process's own command line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Every option field the parser sets. "/CtrlWnd:" is kept as the number it
// names; CArguments turns it into the window handle.
struct ArgumentFields {
    int bDeleteImportFile = 0;
    int bCopyImportFile = 0;
    int bFSC = 0;
    int bNoConfirmation = 0;
    int bSilent = 0;
    int bRecheck = 0;
    int bRestarted = 0;
    bool bNoLocalInstall = false;
    bool bSkipLocalCheck = false;
    bool bNoLaunchIfRunning = false;
    int bCFG = 0;
    int bSafeMode = 0;
    int bDebugResetLog = 0;
    int bDebugVerbose = 0;
    int bDebugNoisy = 0;
    int DebugMode = 0;
    int bDebugMode = 0;
    int bInstallVPrinter = 0;
    std::intptr_t ctrlWindowValue = 0;
    std::uint32_t lCtrlMsg = 0;
    // Proof that a reply comes from the copy this launcher started ("/CtrlKey:").
    std::uint32_t lCtrlKey = 0;
    int nFilenameArg = -1;
};

// What the settings options ask of the rest of the launcher, in command-line order.
class ArgumentEffects {
public:
    virtual ~ArgumentEffects() = default;
    virtual void SetConfigurationFile(const std::string& path) = 0;
    // The "/THEME:" number read unsigned, so that a negative look is out of
    // range too; the receiver decides which looks exist.
    virtual void StoreAppLook(std::uint32_t look) = 0;
    virtual void SetUserInitials(const std::string& value) = 0;
};

// The tokens of a command line; token 0 is the program as written (always
// present, possibly empty), the rest exactly as written, quotes included.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// Reads tokens 1..size-1 into fields.
void ParseArgumentTokens(const std::vector<std::string>& tokens, ArgumentFields& fields, ArgumentEffects& effects);

// The relaunch string of tokens 1..size-1 and the debugging fields; sets
// DebugMode to -1 when bDebugMode is set.
std::string BuildRelaunchString(const std::vector<std::string>& tokens, ArgumentFields& fields);
