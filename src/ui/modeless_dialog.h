// The modeless wait window: a small framed pop-up with a message, and
// optionally a progress bar and a Cancel button, shown while the caller
// works on the user-interface thread. The caller keeps it painted with
// PumpMessages, which lets nothing else through: clicks and keys meant for
// the program's other windows are dropped, Escape and Cancel set the
// cancelled flag, and a quit request is kept for the caller's own loop.
#pragma once

#include "framework/dialog.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

class CModelessDialog;

// The child window that shows the wait window's text, centred both ways in
// the dialog's font.
class CModelessMessageWnd : public CWnd {
public:
    // Posted to this window (from any thread) to make the wait window show
    // itself again with its stored text.
    static constexpr UINT kRefreshMessage = 2023;

    bool Create(CModelessDialog* owner, HWND parent, const RECT& rect, HFONT font);

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Paint();

    CModelessDialog* owner_ = nullptr;
    HFONT font_ = nullptr;
};

class CModelessDialog : public CWnd {
public:
    enum StyleFlags : unsigned {
        kProgressBar = 1,
        kCaption = 2,
        kCancelButton = 4,
    };

    explicit CModelessDialog(HWND parent = nullptr);
    // Closes the window.
    ~CModelessDialog() override;
    CModelessDialog(const CModelessDialog&) = delete;
    CModelessDialog& operator=(const CModelessDialog&) = delete;

    // rect: the client area's size in pixels (the window is centred on the
    // screen); null: 200 x 50 dialog units, 63 high with a cancel button.
    // False when the window could not be created.
    bool Show(const std::string& text, const RECT* rect = nullptr, unsigned flags = 0);
    // Waits while the busy flag is set, then destroys the window. Call on the
    // thread that showed it.
    void Close();

    // Handles every waiting message of the thread as described above. False
    // when a quit request was met: it is posted again and pumping stops.
    bool PumpMessages();

    // Any thread: the new text appears at the next pump.
    void SetMessageText(const std::string& text);
    std::string GetMessageText() const;
    // While set (by a worker that still updates the window), Close waits.
    void SetBusy(bool busy) { busy_ = busy; }
    // Messages with this number are dispatched by PumpMessages as well.
    void AddPassThrough(UINT message) { passThrough_.push_back(message); }

    bool IsCancelled() const { return cancelled_; }
    bool IsShown() const { return shown_; }
    HWND GetProgressBar() const { return progress_.m_hWnd; }
    HWND GetCancelButton() const { return cancelButton_.m_hWnd; }
    HWND GetMessageWindow() const { return messageWnd_.m_hWnd; }

private:
    friend class CModelessMessageWnd;
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool ShouldDispatch(const MSG& msg);
    void Layout(int clientWidth, int clientHeight);
    // Shows the stored text again and brings the window up (message 2023).
    void Refresh();

    HWND parent_;
    CWnd progress_;
    CWnd cancelButton_;
    std::string cancelText_ = "Cancel";
    unsigned flags_ = 0;
    DWORD shownTick_ = 0;
    bool cancelled_ = false;
    DWORD pollInterval_ = 100;
    bool closing_ = false;
    bool shown_ = false;
    std::atomic<bool> busy_{false};
    mutable std::mutex textLock_;
    std::string text_;
    bool hasRect_ = false;
    RECT rect_ = {};
    CModelessMessageWnd messageWnd_;
    std::vector<UINT> passThrough_;
};
