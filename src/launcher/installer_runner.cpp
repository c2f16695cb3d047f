#include "launcher/installer_runner.h"

#include "framework/dialog.h"
#include "framework/handles.h"

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

void RunSetupProgram(std::shared_ptr<InstallerRun> run) {
    std::string fileName, folder;
    SplitProgramPath(run->path, fileName, folder);

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = run->owner;
    info.lpVerb = OsMajorVersion() > 5 && run->runAs ? "Runas" : nullptr;
    info.lpFile = fileName.c_str();
    info.lpParameters = run->parameters.c_str();
    info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
    info.nShow = run->showCommand;
    ShellExecuteExA(&info);
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

} // namespace

DWORD RunInstaller(HWND owner, const std::string& path, const std::string& parameters) {
    auto run = std::make_shared<InstallerRun>();
    run->owner = owner;
    run->path = path;
    run->parameters = parameters;
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
    return run->exitCode;
}
