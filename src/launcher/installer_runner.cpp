#include "launcher/installer_runner.h"

#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/strings.h"
#include "launcher/arguments.h"
#include "launcher/install_log.h"
#include "utils/system_error_text.h"

#include <shellapi.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

// Shared by the calling thread and the worker. Owned jointly: after a quit
// message the caller returns without waiting, and the worker may still be
// blocked in the shell call or about to write its result, so the record and
// its event must outlive whichever side finishes last.
struct InstallerRun {
    std::atomic<int> done{0};
    HWND owner = nullptr;
    std::string path;
    std::string parameters;
    int showCommand = SW_HIDE;
    int runAs = 1;
    int wait = 1;
    // Nobody answers the shell's error box in a silent run: the shell shows
    // none and the caller logs why the start failed.
    bool silent = false;
    std::atomic<DWORD> startError{0};
    fw::Handle cancel;
    std::atomic<DWORD> exitCode{0};
};

DWORD OsMajorVersion() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    if (!GetVersionExA(&info)) return 0;
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    return info.dwMajorVersion;
}

void SplitProgramPath(const std::string& path, std::string& fileName, std::string& folder) {
    size_t slash = path.find_last_of('\\');
    fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    char full[MAX_PATH + 1] = {};
    DWORD length = GetFullPathNameA(path.c_str(), sizeof(full), full, nullptr);
    std::string fullPath = length > 0 && length < sizeof(full) ? std::string(full, length) : path;
    slash = fullPath.find_last_of('\\');
    folder = slash == std::string::npos ? std::string() : fullPath.substr(0, slash);
}

// Why the shell could not start path, found out beforehand: for a missing
// file or one that is no program it shows a box of its own, and not every
// shell leaves it out for SEE_MASK_FLAG_NO_UI. 0 when it looks startable.
DWORD WhyItCannotStart(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return ERROR_FILE_NOT_FOUND;
    DWORD type = 0;
    return GetBinaryTypeA(path.c_str(), &type) ? 0 : ERROR_BAD_EXE_FORMAT;
}

void RunSetupProgram(std::shared_ptr<InstallerRun> run) {
    if (run->silent) run->startError = WhyItCannotStart(run->path);
    if (run->startError) {
        run->done = 1;
        return;
    }
    std::string fileName, folder;
    SplitProgramPath(run->path, fileName, folder);

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS | (run->silent ? SEE_MASK_FLAG_NO_UI : 0);
    info.hwnd = run->owner;
    info.lpVerb = OsMajorVersion() > 5 && run->runAs ? "Runas" : nullptr;
    info.lpFile = fileName.c_str();
    info.lpParameters = run->parameters.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = run->showCommand;
    if (!ShellExecuteExA(&info)) {
        DWORD error = GetLastError();
        run->startError = error ? error : ERROR_FILE_NOT_FOUND;
    }
    fw::Handle process(info.hProcess);

    if (run->wait && process) {
        HANDLE waitFor[2] = {process.Get(), run->cancel.Get()};
        WaitForMultipleObjects(run->cancel ? 2 : 1, waitFor, FALSE, INFINITE);
        DWORD code = 0;
        // A process still running after a cancel reports STILL_ACTIVE; the
        // caller has gone by then and never reads it.
        if (GetExitCodeProcess(process.Get(), &code)) run->exitCode = code;
    }
    run->done = 1;
}

void LogStartFailure(const std::string& path, DWORD error) {
    std::string log = InstallLogPath(GetArguments().GetFilename());
    if (log.empty()) return;
    AppendInstallLogLine(log, fw::Format("    Install Message: Unable to start %s: %s", path.c_str(),
                                         SystemErrorText(error).c_str()));
}

} // namespace

DWORD RunInstaller(HWND owner, const std::string& path, const std::string& parameters) {
    auto run = std::make_shared<InstallerRun>();
    run->owner = owner;
    run->path = path;
    run->parameters = parameters;
    run->silent = GetArguments().bSilent != 0;
    run->cancel.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));

    try {
        std::thread(RunSetupProgram, run).detach();
    } catch (...) {
        return 0;
    }

    while (!run->done) {
        if (!PumpWaitingMessages()) {
            SetEvent(run->cancel.Get());
            run->done = 1;
            break;
        }
        if (run->done) break;
        Sleep(200);
    }
    if (run->silent && run->startError) LogStartFailure(path, run->startError);
    return run->exitCode;
}
