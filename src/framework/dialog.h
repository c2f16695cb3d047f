// Modal dialogs from resource or in-memory templates: DialogBoxParamA with
// the messages dispatched to virtual handlers, pre-translation of the
// messages the modal loop and our pumps take for a dialog, and data exchange
// between members and controls (UpdateData / DoDataExchange) for the control
// kinds we use.
#pragma once

#include <windows.h>

#include <string>

// A window handle with the few operations the dialogs need.
class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
    virtual ~CWnd() = default;

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const std::string& text) const { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
};

// Direction and target of one data exchange.
class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_hDlg(dialog), m_bSaveAndValidate(saveAndValidate) {}
    HWND m_hDlg;
    bool m_bSaveAndValidate; // true: controls -> members
};

void DDX_Text(CDataExchange* dx, int id, std::string& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
// Binds a control wrapper to the dialog's child window id.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr);

    // Runs the dialog modally; returns the value given to EndDialog, or -1
    // when the template could not be created.
    virtual INT_PTR DoModal();
    // The same from a template in memory (see framework/dialog_template.h).
    INT_PTR DoModalIndirect(const DLGTEMPLATE* dialogTemplate);
    void EndDialog(int result);
    // false: controls -> members failed; direction as in the framework.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void CenterWindow();
    UINT GetTemplateId() const { return templateId_; }

    // A message for this dialog or one of its controls, before the dialog
    // manager translates and dispatches it; TRUE consumes it. Called from the
    // modal loop (a WH_MSGFILTER hook while DoModal runs) and from
    // PumpWaitingMessages. Default: not consumed.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // The dialog of ours that window is, or belongs to as a control; null
    // for any other window.
    static CDialog* FromHandle(HWND window);

protected:
    // Default: data exchange into the controls; TRUE lets Windows set the focus.
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    // WM_COMMAND. Default: IDOK -> OnOK, IDCANCEL -> OnCancel.
    virtual BOOL OnCommand(WORD id, WORD code, HWND control);
    virtual void OnOK();
    virtual void OnCancel();
    // Any other message; return true and set result when handled.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND parent_;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
    HWND ModalOwner() const;

    UINT templateId_;
};

// Centres a window on the screen's work area, without resizing or
// activating it.
void CentreInWorkArea(HWND window);

// Offers the message to the PreTranslateMessage of the dialog of ours it is
// meant for; true when that dialog consumed it.
bool PreTranslateDialogMessage(MSG* msg);

// Removes and dispatches every waiting message of the calling thread without
// waiting, with pre-translation and dialog keyboard handling. Returns false
// when WM_QUIT was among them (it is not dispatched and stops the pumping;
// its exit code goes to quitCode when given).
bool PumpWaitingMessages(int* quitCode = nullptr);
