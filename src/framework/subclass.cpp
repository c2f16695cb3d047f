#include "framework/subclass.h"

namespace {
const char kWrapperProperty[] = "OrvoControlWrapper";
const UINT_PTR kSubclassId = 1;
} // namespace

CSubclassedWnd::~CSubclassedWnd() { UnsubclassWindow(); }

bool CSubclassedWnd::SubclassWindow(HWND window) {
    if (!window || m_hWnd || GetPropA(window, kWrapperProperty)) return false;
    if (!SetWindowSubclass(window, &CSubclassedWnd::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    SetPropA(window, kWrapperProperty, this);
    m_hWnd = window;
    OnSubclassed();
    return true;
}

void CSubclassedWnd::UnsubclassWindow() {
    if (!m_hWnd) return;
    RemoveWindowSubclass(m_hWnd, &CSubclassedWnd::SubclassProc, kSubclassId);
    RemovePropA(m_hWnd, kWrapperProperty);
    m_hWnd = nullptr;
}

CSubclassedWnd* CSubclassedWnd::FromHandle(HWND window) {
    return window ? static_cast<CSubclassedWnd*>(GetPropA(window, kWrapperProperty)) : nullptr;
}

bool CSubclassedWnd::OnReflectedNotify(NMHDR*, LRESULT&) { return false; }

bool CSubclassedWnd::OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CSubclassedWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CSubclassedWnd::SubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR data) {
    auto* self = reinterpret_cast<CSubclassedWnd*>(data);
    LRESULT result = 0;
    if (self && self->m_hWnd == window && self->OnWindowMessage(msg, wParam, lParam, result)) return result;
    if (msg == WM_NCDESTROY && self && self->m_hWnd == window) {
        LRESULT done = DefSubclassProc(window, msg, wParam, lParam);
        self->UnsubclassWindow();
        return done;
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

bool ReflectNotifyToControl(LPARAM lParam, LRESULT& result) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header) return false;
    CSubclassedWnd* control = CSubclassedWnd::FromHandle(header->hwndFrom);
    return control && control->OnReflectedNotify(header, result);
}
