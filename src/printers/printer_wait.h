// The fixed pauses the printer operations make while the spooler and the
// vendors' programs settle (half a second to fifteen seconds). They block the
// calling thread; tests replace the pause so their runs stay short.
#pragma once

#include <windows.h>

// Pauses for that many milliseconds (or what a test made of it).
void PrinterWait(DWORD milliseconds);

using PrinterWaitFn = void (*)(DWORD milliseconds);
// Installs a replacement (null restores Sleep); returns the previous one.
PrinterWaitFn SetPrinterWait(PrinterWaitFn wait);
