// The error report shown after an installation run in which components
// failed.
#include "launcher/component_run.h"

#include "ui/dlg_errors.h"

INT_PTR ShowErrorReportDialog(HWND owner, OrvoComponents& components) {
    CDlgErrors dialog(owner);
    dialog.m_pComponents = &components;
    return dialog.DoModal();
}
