// What a component's installation may use of the window that runs it: the
// status line, the progress bar, the message pump, the installation log and
// message boxes that silent runs answer by themselves. The launcher window
// implements it; tests pass a recording host.
#pragma once

#include "launcher/status_sink.h"

#include <windows.h>

#include <string>

class InstallHost : public StatusSink {
public:
    // Owner of message boxes and child installers; may be null.
    virtual HWND GetOwnerWindow() = 0;
    // Dispatches every waiting message of the thread without waiting.
    virtual void PumpMessages() = 0;
    // Appends one line to the installation log of a silent run (nothing otherwise).
    virtual void LogLine(const std::string& text) = 0;
    virtual void SetMarquee(bool on) = 0;
    // The stepped progress bar.
    virtual void SetProgressRange(int low, int high) = 0;
    virtual void SetProgressStep(int step) = 0;
    virtual void SetProgressPos(int position) = 0;
    virtual void StepProgress() = 0;
    // "/Silent": no questions, answers go to the log. Refreshes the window's
    // silent flag from the option.
    virtual bool IsSilent() = 0;
    // The window's silent flag as it stands, which InstallMessageBox obeys:
    // the printer manager sets it so that the questions of its removal steps
    // go to the log; IsSilent and the log set it back to the option.
    virtual bool GetSilentFlag() = 0;
    virtual void SetSilentFlag(bool silent) = 0;
    // A message box owned by the host, or while the silent flag is set the
    // log line "    Install Message: <text>" and silentResult.
    virtual int InstallMessageBox(const std::string& text, UINT type, int silentResult) = 0;
    // The user closed the window: long operations stop at the next chance.
    virtual bool IsClosing() = 0;
    // Fetches an installer from the vendor's server with progress in the
    // host; false with a user-readable error (see launcher/download.h).
    virtual bool DownloadFile(const std::string& displayName, const std::string& url, const std::string& target,
                              std::string& error) = 0;

    void SetStatusF(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    void LogLineF(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
};
