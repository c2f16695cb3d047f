// The last step of an ordinary start: mark the launch in the profile and start
// the main program with the launcher's own arguments passed on.
#pragma once

#include "launcher/status_sink.h"

// Sets "LaunchBit" = 1 in section "Launch" of the application's registry key
// (HKCU\Software\Pellmore\Pellmore Orvo when no application object exists).
// The main program resets it once it runs properly.
bool SetLaunchBit();
// The value as the last start left it (0 when never set).
int GetLaunchBit();

// Starts "PellmoreOrvo.EXE" from the main program's folder with the relaunch
// string of the process-wide arguments and then extra (may be null). The
// shell's answer is not examined: the launcher ends either way.
void LaunchMainProgram(StatusSink* status, const char* extra = nullptr);
