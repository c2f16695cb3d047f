// The compatibility checker: the required components with a tick or a
// cross, one sentence on whether the workstation is ready, and "Install Now",
// which runs the launcher window to install what is missing. It never
// starts the main program.
#pragma once

#include "components/orvo_components.h"
#include "framework/dialog.h"

#include <commctrl.h>

class CDlgCompatibilityChecker : public CDialog {
public:
    // Fills its own list from the catalogue, optional components left out.
    explicit CDlgCompatibilityChecker(HWND parent = nullptr);
    ~CDlgCompatibilityChecker() override;

    static constexpr COLORREF kBackground = 0x00FFE1CA; // light blue
    static constexpr COLORREF kText = 0x00AB593D;       // dark blue

    OrvoComponents& GetComponents() { return components_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void FillList(bool afterAttempt);
    void InstallMissing();
    void SetUpListLook();

    HICON icon_ = nullptr;
    HBRUSH background_ = nullptr;
    CWnd list_;
    HFONT font_ = nullptr;
    HIMAGELIST images_ = nullptr;
    int installedImage_ = -1;
    int missingImage_ = -1;
    CWnd status_;
    CWnd heading_;
    OrvoComponents components_{1};
    CWnd installButton_;
};
