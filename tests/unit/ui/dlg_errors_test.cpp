// The error report dialog run modally. Where the browser control yields no
// document (Wine), the report must appear as rich text within the bounded
// wait, with the names bold in #333399, bold message words, line breaks and
// one icon per failed component. The answer is the dialog's result.
#include "ui/dlg_errors.h"

#include "dib_canvas.h"
#include "report_components.h"
#include "resource.h"

#include <richedit.h>
#include <richole.h>

#include <gtest/gtest.h>

#include <functional>

using test_support::AddReported;

namespace {

constexpr UINT kProbe = WM_APP + 40;

// Runs probe on the dialog's own thread once initialisation is over.
class ProbedDlgErrors : public CDlgErrors {
public:
    std::function<void(HWND)> probe;
    DWORD initDoneTick = 0;

protected:
    BOOL OnInitDialog() override {
        BOOL result = CDlgErrors::OnInitDialog();
        initDoneTick = GetTickCount();
        PostMessageA(m_hWnd, kProbe, 0, 0);
        return result;
    }
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (msg == kProbe) {
            if (probe) probe(m_hWnd);
            return true;
        }
        return CDlgErrors::OnMessage(msg, wParam, lParam, result);
    }
};

void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::wstring ViewText(HWND view) {
    int length = GetWindowTextLengthW(view);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(view, &text[0], length + 1)));
    // One line end, whatever the control uses for a paragraph or line break.
    std::wstring lines;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
        lines += (text[i] == L'\r' || text[i] == L'\v') ? L'\n' : text[i];
    }
    return lines;
}

struct Format {
    bool found = false, bold = false, colourSet = false;
    COLORREF colour = 0;
};

// The character format shared by every character of the first occurrence.
Format FormatOf(HWND view, const wchar_t* text) {
    Format format;
    FINDTEXTEXW find = {};
    find.chrg.cpMin = 0;
    find.chrg.cpMax = -1;
    find.lpstrText = text;
    if (SendMessageW(view, EM_FINDTEXTEXW, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&find)) < 0)
        return format;
    format.found = true;
    SendMessageW(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&find.chrgText));
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof(cf);
    SendMessageW(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    format.bold = (cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD);
    format.colourSet = (cf.dwMask & CFM_COLOR) && !(cf.dwEffects & CFE_AUTOCOLOR);
    format.colour = cf.crTextColor;
    return format;
}

// Pictures in a rich-text view are embedded objects.
size_t EmbeddedObjects(HWND view) {
    IRichEditOle* ole = nullptr;
    SendMessageW(view, EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&ole));
    if (!ole) return 0;
    size_t count = static_cast<size_t>(ole->GetObjectCount());
    ole->Release();
    return count;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

class DlgErrorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        AddReported(list_, "Microsoft Visual C++ Redistributable 14.15",
                    "The setup program ended with code 1603.<br/>Please restart and try <b>again</b> later.");
        AddReported(list_, "Microsoft Access Database Engine", "");
        AddReported(list_, "Pellmore Components/PellLink", "Download failed.<br/><br/>No &amp; network.");
    }
    void TearDown() override { OleUninitialize(); }

    OrvoComponents list_;
};

} // namespace

TEST_F(DlgErrorsTest, ReportShowsAsRichTextWithinTheBoundedWait) {
    ProbedDlgErrors dialog;
    dialog.m_pComponents = &list_;
    struct Seen {
        std::string viewClass;
        std::wstring text;
        Format name, message, boldWord, secondName;
        size_t icons = 0;
        CDlgErrors::ReportView view = CDlgErrors::ReportView::kNone;
        LONG_PTR style = 0;
    } seen;
    dialog.probe = [&](HWND dlg) {
        HWND view = GetDlgItem(dlg, IDC_ERRORS_REPORT);
        seen.view = dialog.GetReportView();
        seen.viewClass = ClassOf(view);
        seen.style = GetWindowLongPtrA(view, GWL_STYLE);
        seen.text = ViewText(view);
        seen.name = FormatOf(view, L"Microsoft Visual C++ Redistributable 14.15");
        seen.secondName = FormatOf(view, L"Pellmore Components/PellLink");
        seen.message = FormatOf(view, L"Please restart and try");
        seen.boldWord = FormatOf(view, L"again");
        seen.icons = EmbeddedObjects(view);
        Press(dlg, IDOK);
    };
    DWORD start = GetTickCount();
    INT_PTR result = dialog.DoModal();

    EXPECT_EQ(result, 1);
    EXPECT_LT(dialog.initDoneTick - start, 4000u) << "the wait for a document is bounded";
    ASSERT_EQ(seen.view, CDlgErrors::ReportView::kRichText);
    EXPECT_TRUE(lstrcmpiA(seen.viewClass.c_str(), "RICHEDIT50W") == 0 || lstrcmpiA(seen.viewClass.c_str(), "RichEdit20A") == 0)
        << seen.viewClass;
    EXPECT_TRUE(seen.style & ES_READONLY);
    ASSERT_TRUE(seen.name.found);
    EXPECT_TRUE(seen.name.bold);
    EXPECT_TRUE(seen.name.colourSet);
    EXPECT_EQ(seen.name.colour, 0x993333u) << "#333399";
    EXPECT_TRUE(seen.secondName.bold);
    EXPECT_EQ(seen.secondName.colour, 0x993333u);
    ASSERT_TRUE(seen.message.found);
    EXPECT_FALSE(seen.message.bold);
    EXPECT_FALSE(seen.message.colourSet && seen.message.colour == 0x993333u);
    EXPECT_TRUE(seen.boldWord.bold) << "<b> in a message";

    const std::wstring& text = seen.text;
    EXPECT_NE(text.find(L"Microsoft Visual C++ Redistributable 14.15\nThe setup program ended with code 1603.\n"
                        L"Please restart and try again later."),
              std::wstring::npos);
    EXPECT_NE(text.find(L"Download failed.\n\nNo & network."), std::wstring::npos);
    EXPECT_EQ(text.find(L"Access Database"), std::wstring::npos) << "a component without a message";
    EXPECT_LT(text.find(L"Visual C++"), text.find(L"PellLink")) << "list order";
    EXPECT_EQ(seen.icons, 2u) << "one error icon per failed component";
}

TEST_F(DlgErrorsTest, NoEndsWithCancelAndTheBackgroundCarriesTheBanner) {
    ProbedDlgErrors dialog; // no component list: an empty report, the question still asked
    dialog.m_documentWaitMs = 200;
    COLORREF navy = 0, below = 0, grey = RGB(1, 2, 3);
    std::string noText;
    std::wstring report = L"unread";
    dialog.probe = [&](HWND dlg) {
        RECT client;
        GetClientRect(dlg, &client);
        test_support::DibCanvas canvas(client.right, 100, grey);
        SendMessageA(dlg, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc()), 0);
        navy = canvas.At(client.right / 2, 62);
        below = canvas.At(client.right / 2, 80);
        noText = CWnd(GetDlgItem(dlg, IDCANCEL)).GetWindowText();
        report = ViewText(GetDlgItem(dlg, IDC_ERRORS_REPORT));
        Press(dlg, IDCANCEL);
    };
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(navy, RGB(0, 0, 128));
    EXPECT_EQ(below, GetSysColor(COLOR_3DFACE)) << "default erase below the banner";
    EXPECT_EQ(noText, "&No");
    EXPECT_EQ(report.find_first_not_of(L"\n"), std::wstring::npos) << "an empty report";
}

TEST_F(DlgErrorsTest, AQuitRequestEndsTheWaitForTheDocumentAndStaysQueued) {
    CDlgErrors dialog;
    dialog.m_pComponents = &list_;
    PostQuitMessage(5);
    DWORD start = GetTickCount();
    dialog.DoModal(); // the modal loop itself ends on the quit
    EXPECT_LT(GetTickCount() - start, 1500u) << "no two-second wait";
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
    while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}
