// The one place the launcher asks the user something with a message box.
// Modules that may ask call AfxMessageBox; tests install a scripted Prompter so
// that no modal box is ever left waiting.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows text with the MB_* flags in type; returns the IDxxx button pressed.
    virtual int Ask(const std::string& text, UINT type) = 0;
    // The same under a caption of its own instead of the application title.
    // Prompters that do not tell captions apart answer as Ask does.
    virtual int AskWithCaption(const std::string& text, UINT type, const std::string& caption) {
        (void)caption;
        return Ask(text, type);
    }
    // The same owned by a window of the caller's (null: the active window).
    // Prompters that do not tell owners apart answer as Ask does.
    virtual int AskOwned(HWND owner, const std::string& text, UINT type) {
        (void)owner;
        return Ask(text, type);
    }
};

// The prompter in force: the message-box one unless a test replaced it.
Prompter& GetPrompter();
// Installs a prompter (null restores the message-box one); returns the previous one.
Prompter* SetPrompter(Prompter* prompter);

// Caption used by every box: the application title.
extern const char* const kApplicationTitle; // "Pellmore Orvo"

} // namespace fw

// The framework's message box: caption = application title unless one is
// given, owner = the active window of the thread.
int AfxMessageBox(const std::string& text, UINT type = MB_OK, const char* caption = nullptr);
// A box that belongs to the window asking, whichever window is active: it
// stays above that window and disables it. A null owner asks as AfxMessageBox.
int OwnedMessageBox(HWND owner, const std::string& text, UINT type = MB_OK);
