// Control wrappers that see their window's messages (the system's subclass
// chain) and the notifications their window sends to its parent, which the
// parent dialog offers back to them first.
#pragma once

#include "framework/dialog.h"

#include <commctrl.h>

class CSubclassedWnd : public CWnd {
public:
    CSubclassedWnd() = default;
    ~CSubclassedWnd() override;
    CSubclassedWnd(const CSubclassedWnd&) = delete;
    CSubclassedWnd& operator=(const CSubclassedWnd&) = delete;

    // Attaches to an existing control window; false when it is already
    // attached elsewhere or the system refuses.
    bool SubclassWindow(HWND window);
    void UnsubclassWindow();
    // The wrapper attached to a window, or null.
    static CSubclassedWnd* FromHandle(HWND window);

    // A notification this control sent its parent; true when handled here,
    // with the parent's answer in result.
    virtual bool OnReflectedNotify(NMHDR* header, LRESULT& result);

protected:
    // A message to the control; true when handled (result set), false for the
    // control's own handling.
    virtual bool OnWindowMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The control's own handling of a message.
    LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called once the window is attached.
    virtual void OnSubclassed() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
};

// For a parent's WM_NOTIFY: gives the sending control's wrapper the first say.
bool ReflectNotifyToControl(LPARAM lParam, LRESULT& result);
