// Our own Vista-style task dialog, so the same dialog works on Windows XP:
// an icon, a main instruction and a content text in a header panel, a column
// of command links, and a band of push buttons below; the modal run returns
// the id of the button chosen (IDCLOSE, 8, when the window is closed).
//
//     CTaskDialog dialog("Orvo Installer", "Orvo Update in Progress", content);
//     dialog.SetMainIcon(LoadIconA(nullptr, IDI_INFORMATION));
//     dialog.AddCommandLink("Continue Working in Orvo", "Launch the ...", 1026);
//     dialog.AddButton(IDCLOSE, "&Exit");
//     dialog.SetExStyle(WS_EX_TOPMOST);
//     INT_PTR chosen = dialog.DoModal();
#pragma once

#include "launcher/help_dialog.h"
#include "ui/task_dialog_button.h"
#include "utils/theme_api.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// One push button of the band.
struct tagCTASKDIALOG_BUTTON {
    UINT id = 0;
    std::string text;
    std::string windowClass; // empty: "BUTTON"
    DWORD style = 0;         // added to child, visible, tab stop
    HWND hWnd = nullptr;     // while the dialog runs
    int group = 0;           // 0: right-aligned group, 1: left-aligned group
};

class CTaskDialog : public CHelpDialog {
public:
    // Common buttons, added in the order Retry, Yes, No, OK, Cancel.
    static constexpr DWORD kOkButton = 0x01;     // "OK", id 1
    static constexpr DWORD kYesButton = 0x02;    // "&Yes", id 6
    static constexpr DWORD kNoButton = 0x04;     // "&No", id 7
    static constexpr DWORD kCancelButton = 0x08; // "Cancel", id 2
    static constexpr DWORD kRetryButton = 0x10;  // "&Retry", id 4

    static constexpr int kRightGroup = 0;
    static constexpr int kLeftGroup = 1;

    // Callback notifications.
    static constexpr int kNotifyClicked = 1;        // a command link or a push button of another class; non-zero keeps the dialog open
    static constexpr int kNotifyTimer = 2;          // id: the timer id
    static constexpr int kNotifyCheckToggled = 3;   // id: the check box
    using Callback = int (*)(int notification, UINT id, CTaskDialog* dialog, LONG_PTR data);

    // An empty title shows the application's name. Computes the visual mode.
    CTaskDialog(const std::string& windowTitle, const std::string& mainInstruction, const std::string& content);
    ~CTaskDialog() override;

    // Builds the template (no controls, 200 x 75 dialog units) and runs it
    // with the owner; the chosen id, 8 when closed, -1 when it could not run.
    INT_PTR DoModal() override;

    void SetOwner(HWND owner) { parent_ = owner; }
    // The icon stays the caller's (system icons need no release).
    void SetMainIcon(HICON icon) { m_hMainIcon = icon; }
    void SetCommonButtons(DWORD flags) { m_dwCommonButtons = flags; }
    void SetExStyle(DWORD exStyle) { m_dwExStyle = exStyle; }
    void SetCallback(Callback callback, LONG_PTR data) {
        m_pCallback = callback;
        m_lCallbackData = data;
    }
    // No timer when either is 0.
    void SetTimer(UINT id, UINT intervalMs) {
        m_nTimerId = id;
        m_nTimerInterval = intervalMs;
    }

    void AddButton(UINT id, const std::string& text, const std::string& windowClass = std::string(),
                   DWORD style = 0, int group = kRightGroup);
    // A link that outlives the dialog (or is deleted by it when it carries
    // kOwnedByDialog); shown in the order added.
    void AddCommandLink(CTaskDialogButton* link);
    // A link the dialog owns.
    CTaskDialogButton& AddCommandLink(std::unique_ptr<CTaskDialogButton> link);
    CTaskDialogButton& AddCommandLink(const std::string& mainText, const std::string& note, int id);
    CTaskDialogButton& AddCommandLink(const std::string& text, int id);

    int GetVisualMode() const { return m_nVisualMode; }
    // The recorded state of a check-box push button (0 until toggled).
    int GetCheck(UINT id) const;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void AddCommonButtons();
    int MeasureText(HDC dc, const std::string& text) const;
    void CreateHeader();
    void CreateCommandLinks();
    void PlaceEverything();
    void PaintBackground(HDC dc);
    bool IsThemed() const;
    tagCTASKDIALOG_BUTTON* FindButton(UINT id);
    CTaskDialogButton* FindCommandLink(UINT id);
    // Sends the command of a control of this dialog; false when it is none.
    bool SendCommandOf(HWND control);
    bool ChooseByMnemonic(char letter);
    bool AskCallback(int notification, UINT id);

    std::string m_sWindowTitle;
    HICON m_hMainIcon = nullptr;
    std::string m_sMainInstruction;
    std::string m_sContent;
    DWORD m_dwCommonButtons = 0;
    DWORD m_dwExStyle = 0;
    int m_nVisualMode = 1;
    Callback m_pCallback = nullptr;
    LONG_PTR m_lCallbackData = 0;
    UINT m_nTimerId = 0;
    UINT m_nTimerInterval = 0;
    std::vector<tagCTASKDIALOG_BUTTON> m_buttons;
    size_t m_nAddedButtons = 0; // the callers'; the common ones follow
    std::vector<CTaskDialogButton*> m_links;
    std::vector<std::unique_ptr<CTaskDialogButton>> m_ownedLinks;
    int m_nButtonBandTop = 0;
    int m_nClientWidth = 0;
    RECT m_rcButtonBand = {};
    CTaskDialogButton m_headerPanel;
    bool m_bHasHeader = false;
    std::map<UINT, int> m_checkStates;
    ThemeApi m_theme;
};
