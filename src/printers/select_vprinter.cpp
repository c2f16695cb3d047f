#include "printers/select_vprinter.h"

#include "framework/prompter.h"
#include "framework/strings.h"
#include "printers/enum_printers.h"
#include "printers/preferred_printer.h"
#include "printers/printer_names.h"

namespace {

const char kRestartProgramMessage[] =
    "You must exit all instances of Pellmore Orvo on this workstation and restart Pellmore Orvo for this to take "
    "effect.";

// The combo box is a drop-down list: its text is its selection, matched whole.
void ExchangeComboText(CDataExchange* dx, int id, std::string& text) {
    HWND combo = ::GetDlgItem(dx->m_hDlg, id);
    if (dx->m_bSaveAndValidate) {
        text = CWnd(combo).GetWindowText();
        return;
    }
    LRESULT index = text.empty() ? CB_ERR : ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                            reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(combo, CB_SETCURSEL, index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index), 0);
}

} // namespace

bool IsPellmorePrinterName(const std::string& name) { return fw::ToUpper(name).find("PELLMORE") != std::string::npos; }

CSelectVPrinter::CSelectVPrinter(HWND parent) : CDialog(kTemplateId, parent) {
    CEnumPrinters printers;
    printers.Enumerate();
    for (int i = 0; i < printers.GetCount(); ++i)
        if (IsPellmorePrinterName(printers.GetName(i))) m_printerNames.push_back(printers.GetName(i));
}

void CSelectVPrinter::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, kPrinterCombo, m_printerCombo);
    ExchangeComboText(dx, kPrinterCombo, m_sPrinter);
}

BOOL CSelectVPrinter::OnInitDialog() {
    HWND combo = GetDlgItem(kPrinterCombo);
    // The list holds only Pellmore printers already.
    for (const std::string& name : m_printerNames)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    m_sPrinter = ResolveDefaultPrinter(false);
    m_sOpeningSelection = m_sPrinter;
    CDialog::OnInitDialog();
    CenterWindow();
    return TRUE;
}

BOOL CSelectVPrinter::OnCommand(WORD id, WORD code, HWND control) {
    if (id == kResetButton) {
        OnReset();
        return TRUE;
    }
    return CDialog::OnCommand(id, code, control);
}

void CSelectVPrinter::OnOK() {
    UpdateData(TRUE);
    WritePreferredPrinter(m_sPrinter);
    if (fw::EqualsNoCase(m_sPrinter, printers::kV1PrinterName) && m_sPrinter != m_sOpeningSelection)
        AfxMessageBox(kRestartProgramMessage, MB_ICONEXCLAMATION);
    EndDialog(IDOK);
}

void CSelectVPrinter::OnReset() {
    m_sPrinter = ResolveDefaultPrinter(true);
    UpdateData(FALSE);
}
