#include "components/msi_message_handler.h"

#include "components/install_host.h"
#include "framework/prompter.h"

#include <msi.h>

namespace {

enum class Handling { Ignore, Log, LogAndAsk };

struct MessageRule {
    Handling handling;
    int result; // returned unless the user is asked
};

// The installer's message type is the top byte; the rest are box flags.
MessageRule RuleFor(UINT type) {
    switch (type) {
    case INSTALLMESSAGE_FATALEXIT >> 24:
    case INSTALLMESSAGE_ERROR >> 24:
    case INSTALLMESSAGE_WARNING >> 24:
    case INSTALLMESSAGE_USER >> 24:
    case INSTALLMESSAGE_SHOWDIALOG >> 24:
        return {Handling::LogAndAsk, 0};
    case INSTALLMESSAGE_INFO >> 24:
        return {Handling::Log, 1};
    case INSTALLMESSAGE_FILESINUSE >> 24:
    case INSTALLMESSAGE_RESOLVESOURCE >> 24:
    case INSTALLMESSAGE_OUTOFDISKSPACE >> 24:
        return {Handling::Log, 0};
    case INSTALLMESSAGE_ACTIONDATA >> 24:
    case INSTALLMESSAGE_PROGRESS >> 24:
    case INSTALLMESSAGE_COMMONDATA >> 24:
    case INSTALLMESSAGE_INITIALIZE >> 24:
    case INSTALLMESSAGE_TERMINATE >> 24:
        return {Handling::Ignore, 1};
    default: // action start and anything unknown
        return {Handling::Ignore, 0};
    }
}

void AppendToLog(HANDLE log, const char* message) {
    if (!log || log == INVALID_HANDLE_VALUE || !*message) return;
    SetFilePointer(log, 0, nullptr, FILE_END);
    std::string line = std::string(message) + "\n";
    DWORD written = 0;
    WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

} // namespace

fw::Handle OpenInstallerLog(const std::string& path) {
    return fw::Handle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr));
}

int WINAPI HandleInstallerMessage(void* context, UINT messageType, LPCSTR message) {
    auto* relay = static_cast<MsiMessageContext*>(context);
    if (!relay) return 0;
    // The installation blocks the window's thread and this handler is its
    // only way back in: the window repaints and takes a close here, under the
    // host's rules for a quit.
    if (relay->host) relay->host->PumpMessages();
    if (!message) return 0;
    MessageRule rule = RuleFor(messageType >> 24);
    if (rule.handling == Handling::Ignore) return rule.result;
    AppendToLog(relay->log.Get(), message);
    if (rule.handling == Handling::Log) return rule.result;

    UINT boxType = messageType & 0x00FFFFFF;
    if (relay->host) return relay->host->InstallMessageBox(message, boxType, IDOK);
    return AfxMessageBox(message, boxType);
}
