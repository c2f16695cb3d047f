#include "utils/system_error_text.h"

#include "framework/strings.h"

std::string SystemErrorText(DWORD code) {
    char buffer[1024] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                  MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, sizeof(buffer), nullptr);
    std::string text = fw::Trim(std::string(buffer, length < sizeof(buffer) ? length : 0));
    return text.empty() ? fw::Format("error %lu", static_cast<unsigned long>(code)) : text;
}
