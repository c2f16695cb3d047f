// The launcher's command line: split into tokens once, parsed into one
// process-wide argument set, and turned back into the relaunch string that
// every started copy of the launcher and the main program receive.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The token list. Element 0 is the launcher's full executable path; the rest
// are the command line's tokens exactly as written, quotes included.
class CParseArgs {
public:
    CParseArgs() = default;
    virtual ~CParseArgs() = default;

    // Splits commandLine; token 0 is replaced by modulePath.
    void Tokenize(const std::string& commandLine, const std::string& modulePath);

    int GetSize() const { return static_cast<int>(tokens_.size()); }
    const std::string& GetAt(int index) const { return tokens_[static_cast<size_t>(index)]; }
    void SetAt(int index, const std::string& token) { tokens_[static_cast<size_t>(index)] = token; }
    const std::vector<std::string>& Tokens() const { return tokens_; }

private:
    std::vector<std::string> tokens_;
};

class CArguments : public CParseArgs {
public:
    CArguments() = default;
    // Tokenizes and parses any command-line text (tests use this directly).
    CArguments(const std::string& commandLine, const std::string& modulePath);

    // Parses tokens 1..count-1 into the fields below; "/CFG:", "/USER:" and
    // "/THEME:" take effect on the settings module and the registry.
    void Parse();

    std::string GetFilename() const;
    // The relaunch string; sets DebugMode to -1 when bDebugMode is set.
    std::string BuildArgumentString();

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
    HWND hCtrlWnd = nullptr;
    UINT lCtrlMsg = 0;
    // Proof that a reply comes from the copy this launcher started ("/CtrlKey:").
    DWORD lCtrlKey = 0;
    int nFilenameArg = -1;

private:
    void ParseDebugMode(std::string value);
};

// The process-wide argument set, built on first call from GetCommandLineA.
CArguments& GetArguments();
std::string GetFilename();
std::string BuildArgumentString();
