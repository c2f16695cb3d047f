// "Choose Default Pellmore Virtual Printer": the user picks which of the
// workstation's Pellmore printers is the default one; "Reset" shows the
// default without the stored choice.
#pragma once

#include "framework/dialog.h"
#include "resource.h"

#include <string>
#include <vector>

class CSelectVPrinter : public CDialog {
public:
    static constexpr UINT kTemplateId = IDD_SELECT_VPRINTER;
    static constexpr int kPrinterCombo = IDC_VPRINTER_COMBO;
    static constexpr int kResetButton = IDC_VPRINTER_RESET;

    // Lists the printers whose names contain "PELLMORE" (any case).
    explicit CSelectVPrinter(HWND parent = nullptr);

    int GetPrinterCount() const { return static_cast<int>(m_printerNames.size()); }
    const std::vector<std::string>& GetPrinterNames() const { return m_printerNames; }

    std::string m_sOpeningSelection; // the default shown when the dialog opened
    std::vector<std::string> m_printerNames;
    CWnd m_printerCombo;
    std::string m_sPrinter; // the combo box's text

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnCommand(WORD id, WORD code, HWND control) override;
    // Stores the choice; a change to the first generation's printer needs a
    // restart of the program.
    void OnOK() override;

private:
    void OnReset();
};

// "PELLMORE" in the name, in any case.
bool IsPellmorePrinterName(const std::string& name);
