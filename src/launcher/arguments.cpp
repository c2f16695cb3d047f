#include "launcher/arguments.h"

#include "appstate/paths.h"
#include "launcher/visual_style.h"

namespace {

// The settings options take effect where the settings live.
class SettingsEffects : public ArgumentEffects {
public:
    void SetConfigurationFile(const std::string& path) override { ::SetConfigurationFile(path); }
    void StoreAppLook(std::uint32_t look) override {
        if (look <= kMaxAppLook) ::StoreAppLook(look);
    }
    void SetUserInitials(const std::string& value) override { ::SetUserInitials(value); }
};

} // namespace

CArguments::CArguments(const std::string& commandLine, const std::string& modulePath) {
    Tokenize(commandLine, modulePath);
    Parse();
}

void CArguments::Parse() {
    SettingsEffects effects;
    ParseArgumentTokens(Tokens(), *this, effects);
    hCtrlWnd = reinterpret_cast<HWND>(ctrlWindowValue);
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
