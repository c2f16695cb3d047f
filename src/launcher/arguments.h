// The launcher's command line: split into tokens once, parsed into one
// process-wide argument set, and turned back into the relaunch string that
// every started copy of the launcher and the main program receive.
#pragma once

#include "launcher/command_line_rules.h"

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

class CArguments : public CParseArgs, public ArgumentFields {
public:
    CArguments() = default;
    // Tokenizes and parses any command-line text (tests use this directly).
    CArguments(const std::string& commandLine, const std::string& modulePath);

    // Parses tokens 1..count-1 into the fields; "/CFG:", "/USER:" and
    // "/THEME:" take effect on the settings module and the registry.
    void Parse();

    std::string GetFilename() const;
    // The relaunch string; sets DebugMode to -1 when bDebugMode is set.
    std::string BuildArgumentString();

    // The window "/CtrlWnd:" names (ctrlWindowValue as a handle).
    HWND hCtrlWnd = nullptr;
};

// The process-wide argument set, built on first call from GetCommandLineA.
CArguments& GetArguments();
std::string GetFilename();
std::string BuildArgumentString();
