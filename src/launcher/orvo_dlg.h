// The small "Loading" window users see before the main program comes up. It
// hosts the start-up steps: status line, progress bar, message pumping.
#pragma once

#include "framework/dialog.h"
#include "launcher/status_sink.h"

#include <string>

class COrvoDlg : public CDialog, public StatusSink {
public:
    // excludeOptional: 1 when opened from the compatibility checker.
    explicit COrvoDlg(int excludeOptional = 0, HWND parent = nullptr);

    // Shows the text in the status line, lets the window repaint and pauses
    // a quarter second so the user can read each step.
    void SetStatus(const std::string& text) override;
    void SetStatusF(const char* format, ...);
    // Dispatches every waiting message of the thread without waiting.
    void PumpMessages();
    // Runs the progress bar as a marquee (200 ms steps) or stops it.
    void SetMarquee(bool on);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PaintMinimizedIcon();

    int excludeOptional_;
    HICON icon_ = nullptr;
    CWnd progress_;
};
