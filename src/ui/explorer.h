// The report area's web browser: the platform's WebBrowser control
// ({8856F961-340A-11D0-A96B-00C04FD705A2}) hosted in place inside a
// placeholder child window of a dialog, on a minimal OLE site of our own,
// and driven late-bound through its dispatch interface. The thread must
// have called OleInitialize.
#pragma once

#include "framework/dialog.h"

#include <ole2.h>

#include <string>

class BrowserSite;

class CExplorer1 : public CWnd {
public:
    CExplorer1();
    ~CExplorer1() override;
    CExplorer1(const CExplorer1&) = delete;
    CExplorer1& operator=(const CExplorer1&) = delete;

    // Creates the control over the whole client area of the window this
    // wrapper is bound to (m_hWnd) and activates it in place. False when the
    // control cannot be created or activated; nothing is left behind then.
    bool CreateControl();
    // Deactivates and releases the control; the bound window stays.
    void DestroyControl();
    // The control's own window, or null.
    HWND GetControlWindow() const;

    // Dispatch id 104, "Navigate", with the URL and four empty optional
    // arguments. False when the call fails.
    bool Navigate(const std::string& url);
    // Dispatch id 203, "Document": the document's dispatch interface (the
    // caller releases it), or null while there is none.
    IDispatch* GetDocument();

private:
    bool Invoke(DISPID id, WORD kind, DISPPARAMS* params, VARIANT* result);

    BrowserSite* site_ = nullptr;
    IOleObject* object_ = nullptr;
    IDispatch* dispatch_ = nullptr;
};
