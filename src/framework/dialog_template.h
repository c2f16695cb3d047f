// In-memory dialog templates for dialogs that create their controls
// themselves: a header without controls, in the font of our resource
// templates ("MS Shell Dlg" 8, DS_SETFONT).
#pragma once

#include <windows.h>

#include <vector>

namespace fw {

// DWORD storage keeps the template aligned as the dialog manager requires;
// pass data() as the DLGTEMPLATE. DS_SETFONT is always added to style.
std::vector<DWORD> BuildDialogTemplate(DWORD style, DWORD exStyle, short cx, short cy);

inline const DLGTEMPLATE* AsDialogTemplate(const std::vector<DWORD>& words) {
    return reinterpret_cast<const DLGTEMPLATE*>(words.data());
}

} // namespace fw
