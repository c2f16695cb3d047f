// "Installation Path Invalid": asks for the network installation folder when
// the configured one has no readable program version. OK is allowed only
// while the path names a folder whose version file has a program version.
#pragma once

#include "framework/dialog.h"

#include <string>

class InstallPathDlg : public CDialog {
public:
    explicit InstallPathDlg(HWND parent = nullptr);

    // In: the folder that failed; out (on IDOK): the folder entered.
    std::string m_path;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void UpdateOkButton();
    void TakePathFromControl();
    void PutPathIntoControl();
    void OnBrowse();
    void PaintIcon();

    CWnd iconPlace_;
    HICON icon_ = nullptr;
};

// The shell's folder browser, opened on folder when it exists. On a choice
// with a file-system path: folder := that path (kept when the path is empty)
// and true. Cancelled or no file-system path: folder unchanged and false.
// The current directory is the same afterwards.
bool BrowseForFolder(HWND owner, std::string& folder);
