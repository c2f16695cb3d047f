// The error report after an installation run: one panel per component that
// failed, and the question whether to try again at the next start. "&Yes"
// ends the dialog with 1, anything else with another value; the caller
// decides what to record.
#pragma once

#include "components/orvo_components.h"
#include "framework/dialog.h"
#include "ui/explorer.h"

#include <string>

class CDlgErrors : public CDialog {
public:
    explicit CDlgErrors(HWND parent = nullptr);

    CExplorer1 m_explorer;
    OrvoComponents* m_pComponents = nullptr; // not owned; set before DoModal
    // How long the browser control may take to offer its document before the
    // report is shown as rich text instead.
    DWORD m_documentWaitMs = 2000;

    enum class ReportView { kNone, kBrowser, kRichText };
    // What shows the report once the dialog is initialised.
    ReportView GetReportView() const { return view_; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The page into the browser control; false when no document came in
    // time or it offers no IHTMLDocument2.
    bool WriteHtml(const std::string& text);
    IDispatch* WaitForDocument();
    void ShowRichTextReport(const OrvoComponents& components);
    void RemoveBorder(HWND window);

    ReportView view_ = ReportView::kNone;
};
