#include "launcher/unattended_questions.h"

#include "launcher/arguments.h"
#include "launcher/install_log.h"

int UnattendedAnswer(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
    case MB_CANCELTRYCONTINUE:
        return IDCANCEL;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    case MB_YESNO:
        return IDNO;
    default:
        return IDOK;
    }
}

UnattendedQuestions::UnattendedQuestions(bool active) : active_(active) {
    if (active_) previous_ = fw::SetPrompter(this);
}

UnattendedQuestions::~UnattendedQuestions() {
    if (active_) fw::SetPrompter(previous_);
}

int UnattendedQuestions::Ask(const std::string& text, UINT type) {
    std::string log = InstallLogPath(GetArguments().GetFilename());
    if (!log.empty()) AppendInstallLogLine(log, "    Install Message: " + text);
    return UnattendedAnswer(type);
}
