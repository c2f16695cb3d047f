#include "printers/printer_wait.h"

namespace {

PrinterWaitFn g_wait = nullptr;

} // namespace

void PrinterWait(DWORD milliseconds) {
    if (g_wait)
        g_wait(milliseconds);
    else
        Sleep(milliseconds);
}

PrinterWaitFn SetPrinterWait(PrinterWaitFn wait) {
    PrinterWaitFn previous = g_wait;
    g_wait = wait;
    return previous;
}
