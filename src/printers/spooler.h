// What the printer components ask the print spooler: whether a printer of
// that name can be opened, which driver file an open printer uses, and
// whether the spooler service runs.
#pragma once

#include <windows.h>

#include <string>

// Opens the printer with default access and closes it again at once. An
// empty name is never a printer (the spooler would open the print server).
bool CanOpenPrinter(const std::string& name);

// The level-3 driver path of an open printer. False when the first query
// does not ask for a buffer or the second one fails: the spooler cannot
// tell which driver the printer uses.
bool GetPrinterDriverFile(HANDLE printer, std::string& path);

// The "Spooler" service reports that it is running; false when the service
// manager or the service cannot be opened.
bool IsPrintSpoolerRunning();
