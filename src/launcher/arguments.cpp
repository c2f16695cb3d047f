#include "launcher/arguments.h"

#include "appstate/paths.h"
#include "framework/strings.h"
#include "launcher/visual_style.h"

#include <cstdlib>

namespace {

// The value of a prefix option: what follows the prefix (empty for the bare prefix).
std::string ValueAfter(const std::string& token, const std::string& prefix) {
    return token.size() > prefix.size() ? token.substr(prefix.size()) : std::string();
}

bool Is(const std::string& token, const char* option) {
    return fw::EqualsNoCase(token, option);
}

} // namespace

CArguments::CArguments(const std::string& commandLine, const std::string& modulePath) {
    Tokenize(commandLine, modulePath);
    Parse();
}

// The first matching test decides, so the order below is part of the meaning.
void CArguments::Parse() {
    for (int index = 1; index < GetSize(); ++index) {
        const std::string& token = GetAt(index);
        if (Is(token, "/NoConfirm")) {
            bNoConfirmation = 1;
        } else if (Is(token, "/Silent")) {
            bRecheck = 1;
            bSilent = 1;
        } else if (Is(token, "/Install")) {
            bRecheck = 1;
        } else if (Is(token, "/SafeMode")) {
            bSafeMode = 1;
        } else if (Is(token, "/DebugResetLog")) {
            bDebugResetLog = 1;
        } else if (Is(token, "/DebugVerbose")) {
            bDebugVerbose = 1;
        } else if (Is(token, "/DebugNoisy")) {
            bDebugNoisy = 1;
        } else if (fw::StartsWithNoCase(token, "/DebugMode")) {
            ParseDebugMode(ValueAfter(token, "/DebugMode"));
        } else if (Is(token, "/Restarted")) {
            bRestarted = 1;
        } else if (Is(token, "/DELETEIMPORTFILE")) {
            bDeleteImportFile = 1;
        } else if (Is(token, "/FSC")) {
            bFSC = 1;
        } else if (Is(token, "/COPYIMPORTFILE")) {
            bCopyImportFile = 1;
        } else if (Is(token, "/NoLocal")) {
            bNoLocalInstall = true;
        } else if (Is(token, "/SkipLocalCheck")) {
            bSkipLocalCheck = true;
        } else if (Is(token, "/NoLaunchIfRunning")) {
            bNoLaunchIfRunning = true;
        } else if (!token.empty() && token[0] != '/') {
            nFilenameArg = index;
        } else if (fw::StartsWithNoCase(token, "/CFG:")) {
            // The quotes only kept a path with blanks in one token.
            std::string path = fw::TrimLeft(fw::TrimRight(ValueAfter(token, "/CFG:"), "\""), "\"");
            SetConfigurationFile(path);
            bCFG = 1;
        } else if (fw::StartsWithNoCase(token, "/THEME:")) {
            // Unsigned, so that a negative look is out of range too.
            auto look = static_cast<DWORD>(fw::Atoi(ValueAfter(token, "/THEME:")));
            if (look <= kMaxAppLook) StoreAppLook(look);
        } else if (fw::StartsWithNoCase(token, "/USER:")) {
            SetUserInitials(ValueAfter(token, "/USER:"));
        } else if (Is(token, "/InstallVPrint")) {
            bInstallVPrinter = 1;
        } else if (fw::StartsWithNoCase(token, "/CtrlWnd:")) {
            // Handle values are 32-bit significant in either bitness; widen with sign as Windows does.
            hCtrlWnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(fw::Atoi(ValueAfter(token, "/CtrlWnd:"))));
        } else if (fw::StartsWithNoCase(token, "/CtrlMsg:")) {
            lCtrlMsg = static_cast<UINT>(fw::Atoi(ValueAfter(token, "/CtrlMsg:")));
        } else if (fw::StartsWithNoCase(token, "/CtrlKey:")) {
            // The whole unsigned 32-bit range: the key is a random number.
            lCtrlKey = static_cast<DWORD>(strtoul(ValueAfter(token, "/CtrlKey:").c_str(), nullptr, 10));
        }
        // Anything else is not ours; it stays in the list and travels on.
    }
}

// "/DebugMode" and "/DebugMode:" turn every level on; "/DebugMode:3" and
// "/DebugMode3" choose one.
void CArguments::ParseDebugMode(std::string value) {
    if (!value.empty() && value[0] == ':') value.erase(0, 1);
    if (value.empty()) {
        DebugMode = -1;
        bDebugMode = 1;
    } else {
        DebugMode = fw::Atoi(value);
    }
}

std::string CArguments::GetFilename() const {
    if (nFilenameArg < 0 || nFilenameArg >= GetSize()) return std::string();
    return GetAt(nFilenameArg);
}

namespace {

std::string ModulePath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : MAX_PATH);
}

} // namespace

CArguments& GetArguments() {
    // Function-local static: constructed once, thread-safely, destroyed at exit.
    static CArguments arguments(GetCommandLineA(), ModulePath());
    return arguments;
}

std::string GetFilename() {
    return GetArguments().GetFilename();
}

std::string BuildArgumentString() {
    return GetArguments().BuildArgumentString();
}
