// The small "Loading" window users see before the main program comes up. Its
// initialisation runs the whole start-up sequence and ends the dialog from
// inside; meanwhile it hosts the components' installations: status line,
// progress bar, message pumping, the silent run's log and its questions.
#pragma once

#include "components/install_host.h"
#include "components/orvo_components.h"
#include "framework/dialog.h"
#include "launcher/component_run.h"

#include <string>

class COrvoDlg : public CDialog, public InstallHost {
public:
    // excludeOptional: 1 when opened from the compatibility checker. The
    // component list is filled here.
    explicit COrvoDlg(int excludeOptional = 0, HWND parent = nullptr);

    // InstallHost: the status line pauses a quarter second after each change
    // so the user can read each step.
    void SetStatus(const std::string& text) override;
    HWND GetOwnerWindow() override { return m_hWnd; }
    // Dispatches every waiting message. A quit message is put back for the
    // modal loop (and a waiting installer) to see, and ends the run.
    void PumpMessages() override;
    void LogLine(const std::string& text) override;
    void SetMarquee(bool on) override;
    void SetProgressRange(int low, int high) override;
    void SetProgressStep(int step) override;
    void SetProgressPos(int position) override;
    void StepProgress() override;
    bool IsSilent() override;
    bool GetSilentFlag() override { return silent_ != 0; }
    void SetSilentFlag(bool silent) override { silent_ = silent ? 1 : 0; }
    int InstallMessageBox(const std::string& text, UINT type, int silentResult) override;
    bool IsClosing() override { return closing_; }
    bool DownloadFile(const std::string& displayName, const std::string& url, const std::string& target,
                      std::string& error) override;

    OrvoComponents& GetComponents() { return components_; }
    unsigned GetInstalledBits() const { return run_.installedBits; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The start-up sequence; returns the result the dialog ends with.
    int RunStartupSequence();
    int RunSilentInstallation();
    // 0: go on with the component check; otherwise the result to end with.
    int CheckLocalCopy();
    int CheckAndInstallComponents();
    void WriteLogHeader();
    void PaintMinimizedIcon();

    int silent_ = 0;
    HICON icon_ = nullptr;
    OrvoComponents components_;
    ComponentRun run_;
    CWnd progress_;
    bool closing_ = false;
};
