// The task dialog's command link: our own window class "OrvoTaskDialogButton"
// (the object lives in the window's user data) that draws an icon, a large
// main text and a note (the window text) as a push-button face, a hyperlink
// or a plain panel, and sends WM_COMMAND with its id to its parent when
// clicked. Answers BCM_GETIDEALSIZE.
#pragma once

#include "framework/dialog.h"
#include "ui/gdi_handles.h"

#include <string>

struct ThemeApi;

class CTaskDialogButton : public CWnd {
public:
    // Style flags.
    static constexpr DWORD kStatusNote = 0x0001;     // the note may carry a status after "^"
    static constexpr DWORD kCommandLink = 0x0002;    // drawn as a push-button face
    static constexpr DWORD kHyperlink = 0x0004;      // text only, hand cursor, underlined note
    static constexpr DWORD kFaceWhenHot = 0x1000;    // face (link: underline) only when hot or focused
    static constexpr DWORD kSmallMainText = 0x2000;  // 10-point main text
    static constexpr DWORD kOwnedByDialog = 0x10000; // the dialog deletes it
    static constexpr const char* kClassName = "OrvoTaskDialogButton";

    // A command link with the green arrow, its face shown when hot or focused.
    CTaskDialogButton(const std::string& mainText, const std::string& note, int id);
    // The same with the text as main text and note.
    CTaskDialogButton(const std::string& text, int id);
    // A plain command link "Test" without icon (the dialog's header panel
    // starts from this form).
    CTaskDialogButton();
    ~CTaskDialogButton() override;
    CTaskDialogButton(const CTaskDialogButton&) = delete;
    CTaskDialogButton& operator=(const CTaskDialogButton&) = delete;

    // A child of parent with the control id; the visual mode and the theme
    // binding (may be null: classic drawing) come from the dialog.
    bool Create(HWND parent, const RECT& rect, DWORD windowStyle, int visualMode, const ThemeApi* theme);

    // Texts are measured for a column this wide at most, so a long note
    // wraps instead of widening the dialog beyond the screen.
    static constexpr int kMaxMeasuredTextWidth = 400;
    // Measures the texts in the font the window has (WM_SETFONT), wrapped
    // at the given column width, and keeps the result in the measured width
    // and height.
    SIZE Measure(int maxTextWidth = kMaxMeasuredTextWidth);
    // The column width that makes the whole button this wide.
    int TextWidthFor(int buttonWidth) const;

    // An icon given here stays the caller's.
    void SetIcon(HICON icon);
    void SetMainText(const std::string& text);
    void SetNote(const std::string& note);

    HICON m_hIcon = nullptr;
    std::string m_sMainText;
    std::string m_sNote; // also the window text
    DWORD m_dwStyle = kCommandLink;
    int m_nID = 0;
    int m_nVisualMode = 1;
    HCURSOR m_hHandCursor = nullptr;
    bool m_bHot = false;
    bool m_bPressed = false;
    int m_nMeasuredWidth = 0;
    int m_nMeasuredHeight = 0;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
    bool IsInteractive() const { return (m_dwStyle & (kCommandLink | kHyperlink)) != 0; }
    bool IsThemed() const;
    void Paint();
    void DrawFace(HDC dc, const RECT& client, bool focused);
    void DrawTexts(HDC dc, const RECT& client);
    // Text areas for a width, as drawn.
    void LayoutTexts(HDC dc, int width, RECT& main, RECT& note) const;
    HFONT MainFont(HDC dc);
    HFONT NoteFont();
    HFONT StatusFont(HDC dc);
    void ResetFonts();
    void OnMouseMove(POINT point);
    void OnButtonUp(POINT point);

    const ThemeApi* theme_ = nullptr;
    ui::Icon ownIcon_;      // the arrow loaded by the constructor
    HFONT font_ = nullptr;  // the dialog's, not owned
    ui::Font mainFont_, underlinedFont_, statusFont_;
    bool tracking_ = false;
};
