// The prompt shown when prerequisites are missing: installs at once when it
// can, or waits for "&Install", which starts a second (possibly elevated)
// launcher that installs and reports the installed bits back; or lets the
// user skip with a warning.
#pragma once

#include "components/orvo_components.h"
#include "framework/dialog.h"
#include "ui/install_prompt_rules.h"

class CDlgInstallPrompt : public CDialog {
public:
    // The private message the installing copy replies with.
    static constexpr UINT kReplyMessage = 2256;

    // Reads the installed bits from the record.
    explicit CDlgInstallPrompt(HWND parent = nullptr);

    unsigned m_installedBits;
    OrvoComponents* m_pComponents = nullptr; // not owned; set before DoModal
    bool m_bStartAtOnce = false;

    const InstallPromptDecision& GetDecision() const { return decision_; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnInstall();
    void OnSkip();
    // "&Details": the diagnostics dialog, whose result ends the prompt.
    void OnDetails();

    InstallPromptDecision decision_;
    InstallingCopyReply reply_;
};
