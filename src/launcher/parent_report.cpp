#include "launcher/parent_report.h"

namespace {
const UINT kReplyTimeoutMs = 10000;
}

bool ReportInstalledBitsToParent(HWND window, UINT message, unsigned bits) {
    if (!window || !IsWindow(window) || message < WM_USER) return false;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, bits, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, kReplyTimeoutMs, &result) != 0;
}
