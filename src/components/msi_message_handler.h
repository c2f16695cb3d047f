// Relays Windows Installer's messages during an installation: questions and
// errors to the user through the host (answered by themselves in silent
// runs), diagnostics into the installation's log file.
#pragma once

#include "framework/handles.h"

#include <windows.h>

#include <string>

class InstallHost;

// The log file "<title>.log" and what the handler reports to.
struct MsiMessageContext {
    InstallHost* host = nullptr; // null: plain message boxes
    fw::Handle log;
};

// Creates (or empties) the log file, shared with everyone, written through.
// An empty handle when it cannot be opened: nothing is logged then.
fw::Handle OpenInstallerLog(const std::string& path);

// The external handler for every message type (filter 0xFFFFFFFF).
int WINAPI HandleInstallerMessage(void* context, UINT messageType, LPCSTR message);
