#include "launcher/parent_report.h"

namespace {
const UINT kReplyTimeoutMs = 10000;
}

bool ReportInstalledBitsToParent(HWND window, UINT message, unsigned bits, DWORD key) {
    if (!window || !IsWindow(window) || message < WM_USER) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, bits, static_cast<LPARAM>(key), SMTO_ABORTIFHUNG | SMTO_NORMAL, kReplyTimeoutMs, &result) != 0;
}
