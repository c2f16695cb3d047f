// The user's choice of the default virtual printer: "PreferredVPrinter"
// under "Software\Pellmore", machine-wide where the user may write there,
// else per user; and which printer counts as the default.
#pragma once

#include <string>

// The machine-wide value, else the per-user one; empty when neither is set.
std::string ReadPreferredPrinter();

// "Pellmore Virtual Printer" (any case) and the empty name clear both
// values: that printer is the default without a stored choice. Another name
// goes machine-wide (the per-user value is then removed), or per user when
// the machine key cannot be written; the per-user key is made when missing.
void WritePreferredPrinter(const std::string& name);

// The printer shown as the default: the stored choice when it opens (not
// with reset), else "Pellmore Virtual Printer", else "Pellmore Orvo Virtual
// Printer" when they open; otherwise empty, or with reset the stored choice.
std::string ResolveDefaultPrinter(bool reset);
