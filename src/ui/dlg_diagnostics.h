// The diagnostics dialog support staff open with Ctrl held at start or
// "/SafeMode": each component's recorded and observed state, the parsed
// command line, the debugging options (which reach the main program), and
// from here the installation of missing components or the launcher itself.
#pragma once

#include "components/orvo_components.h"
#include "framework/dialog.h"
#include "ui/list_ctrl_ex.h"

class CDlgDiagnostics : public CDialog {
public:
    explicit CDlgDiagnostics(HWND parent = nullptr);

    static constexpr int kLaunched = 6;

    OrvoComponents& GetComponents() { return components_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;

private:
    void FillParameters();
    void RefreshComponents();
    void InstallComponents();
    void ShowSystemInfo();
    void Launch();

    CListCtrlEx componentList_;
    OrvoComponents components_;
    CListCtrlEx parameterList_;
    unsigned observedBits_ = 0;
    int reinstallLocalFiles_ = 0;
};
