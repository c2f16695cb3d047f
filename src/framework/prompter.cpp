#include "framework/prompter.h"

#include "framework/replaceable.h"

namespace fw {

const char* const kApplicationTitle = "Pellmore Orvo";

namespace {

class MessageBoxPrompter : public Prompter {
public:
    int Ask(const std::string& text, UINT type) override { return AskWithCaption(text, type, kApplicationTitle); }
    int AskWithCaption(const std::string& text, UINT type, const std::string& caption) override {
        return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), type);
    }
    int AskOwned(HWND owner, const std::string& text, UINT type) override {
        return MessageBoxA(owner ? owner : GetActiveWindow(), text.c_str(), kApplicationTitle, type);
    }
};

Replaceable<Prompter, MessageBoxPrompter> g_prompter;

} // namespace

Prompter& GetPrompter() { return g_prompter.Get(); }

Prompter* SetPrompter(Prompter* prompter) { return g_prompter.Set(prompter); }

} // namespace fw

int AfxMessageBox(const std::string& text, UINT type, const char* caption) {
    return caption ? fw::GetPrompter().AskWithCaption(text, type, caption) : fw::GetPrompter().Ask(text, type);
}

int OwnedMessageBox(HWND owner, const std::string& text, UINT type) {
    return fw::GetPrompter().AskOwned(owner, text, type);
}
