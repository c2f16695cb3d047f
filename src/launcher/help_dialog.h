// Base of the dialogs that have a help topic: with a context id set, the
// caption shows the "?" button, and F1 or a click on that button opens the
// help program "OrvoHelp.exe" on the topic.
#pragma once

#include "framework/dialog.h"

#include <string>

class CHelpDialog : public CDialog {
public:
    explicit CHelpDialog(UINT templateId, HWND parent = nullptr);

    virtual std::string GetHelpContextId() const { return m_sHelpContextId; }
    // 0 means no topic; any other number is kept in its decimal form.
    virtual void SetHelpContextId(long id);
    // Empty means no topic. Shows or hides the caption's button at once
    // when the window exists.
    virtual void SetHelpContextId(const std::string& id);

    // Starts the help program on the current topic; false when there is none.
    // The shell's answer is not examined.
    bool ShowHelp();

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // WS_EX_CONTEXTHELP exactly while a topic is set; the caption is redrawn
    // when that changes.
    void UpdateHelpButton();

    BYTE m_bHelpButtonPressed = 0; // the last press went down on the "?" button
    std::string m_sHelpContextId;
};
