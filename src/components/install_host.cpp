#include "components/install_host.h"

#include "framework/strings.h"

#include <cstdarg>

void InstallHost::SetStatusF(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = fw::FormatV(format, args);
    va_end(args);
    SetStatus(text);
}

void InstallHost::LogLineF(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = fw::FormatV(format, args);
    va_end(args);
    LogLine(text);
}
