#include "framework/prompter.h"

namespace fw {

const char* const kApplicationTitle = "Pellmore Orvo";

namespace {

class MessageBoxPrompter : public Prompter {
public:
    int Ask(const std::string& text, UINT type) override {
        return MessageBoxA(GetActiveWindow(), text.c_str(), kApplicationTitle, type);
    }
    int AskWithCaption(const std::string& text, UINT type, const std::string& caption) override {
        return MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), type);
    }
};

MessageBoxPrompter& DefaultPrompter() {
    static MessageBoxPrompter instance;
    return instance;
}

Prompter* g_current = nullptr;

} // namespace

Prompter& GetPrompter() { return g_current ? *g_current : DefaultPrompter(); }

Prompter* SetPrompter(Prompter* prompter) {
    Prompter* previous = g_current;
    g_current = prompter;
    return previous;
}

} // namespace fw

int AfxMessageBox(const std::string& text, UINT type, const char* caption) {
    return caption ? fw::GetPrompter().AskWithCaption(text, type, caption) : fw::GetPrompter().Ask(text, type);
}
