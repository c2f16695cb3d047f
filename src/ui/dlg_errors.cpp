#include "ui/dlg_errors.h"

#include "resource.h"
#include "ui/banner.h"
#include "ui/error_report_page.h"
#include "ui/error_report_rtf.h"
#include "ui/pl_image.h"
#include "ui/rich_text_view.h"

#include <mshtml.h>
#include <oleauto.h>

#include <vector>

namespace {

std::string ExecutablePath() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::wstring Widen(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

// document.write with one string argument, as a one-element variant array.
bool WriteDocument(IHTMLDocument2* document, const std::string& text) {
    SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, 1);
    if (!array) return false;
    VARIANT* element = nullptr;
    bool written = false;
    if (SUCCEEDED(SafeArrayAccessData(array, reinterpret_cast<void**>(&element)))) {
        std::wstring wide = Widen(text);
        element->vt = VT_BSTR;
        element->bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
        SafeArrayUnaccessData(array);
        written = element->bstrVal && SUCCEEDED(document->write(array));
    }
    SafeArrayDestroy(array); // frees the string with the element
    return written;
}

std::string FontFace(HFONT font) {
    LOGFONTA logFont = {};
    if (font && GetObjectA(font, sizeof(logFont), &logFont)) return logFont.lfFaceName;
    return "MS Shell Dlg";
}

} // namespace

CDlgErrors::CDlgErrors(HWND parent) : CDialog(IDD_ERRORS, parent) {}

void CDlgErrors::DoDataExchange(CDataExchange* dx) { DDX_Control(dx, IDC_ERRORS_REPORT, m_explorer); }

BOOL CDlgErrors::OnInitDialog() {
    CDialog::OnInitDialog();
    static const OrvoComponents kNoComponents;
    const OrvoComponents& components = m_pComponents ? *m_pComponents : kNoComponents;

    if (m_explorer.CreateControl() && WriteHtml(BuildErrorReportPage(components, ExecutablePath()))) {
        view_ = ReportView::kBrowser;
        RemoveBorder(m_explorer.GetSafeHwnd());
        RemoveBorder(m_explorer.GetControlWindow());
    } else {
        ShowRichTextReport(components);
    }
    // The answer has the focus, not the report: a focused rich-text view
    // would show its whole text selected.
    ::SetFocus(GetDlgItem(IDOK));
    return FALSE;
}

IDispatch* CDlgErrors::WaitForDocument() {
    DWORD start = GetTickCount();
    for (;;) {
        IDispatch* document = m_explorer.GetDocument();
        if (document) return document;
        if (GetTickCount() - start >= m_documentWaitMs) return nullptr;
        // A quit request ends the wait and stays queued for the outer loop.
        MSG quit;
        if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) return nullptr;
        int quitCode = 0;
        if (!PumpWaitingMessages(&quitCode)) {
            PostQuitMessage(quitCode);
            return nullptr;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

bool CDlgErrors::WriteHtml(const std::string& text) {
    std::string page = WrapAsHtmlDocument(text);
    if (!m_explorer.Navigate("about:blank")) return false;
    IDispatch* dispatch = WaitForDocument();
    if (!dispatch) return false;
    IHTMLDocument2* document = nullptr;
    HRESULT found = dispatch->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&document));
    dispatch->Release();
    if (FAILED(found) || !document) return false;
    bool written = WriteDocument(document, page);
    document->Release();
    return written;
}

void CDlgErrors::ShowRichTextReport(const OrvoComponents& components) {
    m_explorer.DestroyControl();
    HWND placeholder = m_explorer.GetSafeHwnd();
    if (!placeholder) return;
    RECT rect;
    GetWindowRect(placeholder, &rect);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));

    // The view takes the placeholder's place, id and tab position.
    HWND view = CreateRichTextView(m_hWnd, IDC_ERRORS_REPORT, rect, font);
    if (!view) return;
    SetWindowPos(view, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    m_explorer.m_hWnd = nullptr;

    CPLImage icon;
    std::string picture;
    if (icon.Load(GetModuleHandleA(nullptr), "ERROR.PNG"))
        picture = ui::RtfPicture(icon.GetWidth(), icon.GetHeight(), icon.GetBits(), GetSysColor(COLOR_WINDOW));
    SetRichText(view, ui::BuildErrorReportRtf(components, picture, FontFace(font), GetACP()));
    view_ = ReportView::kRichText;
}

void CDlgErrors::RemoveBorder(HWND window) {
    if (!window) return;
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if (!(style & WS_BORDER)) return;
    SetWindowLongPtrA(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CDlgErrors::OnOK() { EndDialog(1); }

bool CDlgErrors::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_ERASEBKGND:
        result = EraseWithHeaderBanner(m_hWnd, reinterpret_cast<HDC>(wParam), "Orvo") ? TRUE : FALSE;
        return true;
    case WM_DESTROY:
        m_explorer.DestroyControl();
        return false;
    default:
        return false;
    }
}
