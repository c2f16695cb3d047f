#include "launcher/install_log.h"

#include "framework/handles.h"
#include "framework/strings.h"

#include <windows.h>

#include <ctime>

namespace {

// Two launchers of one silent deployment may log at the same moment.
const int kOpenAttempts = 100;
const DWORD kOpenRetryMs = 20;

fw::Handle OpenForAppending(const std::string& path) {
    for (int attempt = 0;; ++attempt) {
        fw::Handle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_SHARING_VIOLATION || attempt + 1 >= kOpenAttempts) return file;
        Sleep(kOpenRetryMs);
    }
}

} // namespace

std::string InstallLogPath(const std::string& fileArgument) {
    return fw::TrimLeft(fw::TrimRight(fileArgument, "\""), "\"");
}

bool AppendInstallLogLine(const std::string& path, const std::string& text) {
    if (path.empty()) return false;
    std::string line;
    for (char c : text)
        if (c != '\r' && c != '\n') line += c;
    line += "\r\n";
    fw::Handle file = OpenForAppending(path);
    if (!file) return false;
    if (SetFilePointer(file.Get(), 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER && GetLastError() != NO_ERROR)
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
           written == line.size();
}

std::string InstallLogTimestamp() {
    time_t now = time(nullptr);
    struct tm local = {};
    const struct tm* converted = localtime(&now);
    if (converted) local = *converted;
    char buffer[64] = "";
    strftime(buffer, sizeof(buffer), "%m-%d-%Y %I:%M:%S%p", &local);
    return buffer;
}
