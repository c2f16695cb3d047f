// Runs a setup program: started through the shell (elevated where the system
// has elevation), waited for on a worker thread while the calling thread keeps
// its windows alive by pumping messages every 200 ms.
#pragma once

#include <windows.h>

#include <string>

// Returns the setup program's exit code; 0 when it could not be started or
// its exit code could not be read. A WM_QUIT arriving meanwhile ends the wait
// at once (the setup program keeps running) and is not passed on. In a
// silent run ("/Silent") a start that fails shows no box: the reason goes to
// the installation log.
DWORD RunInstaller(HWND owner, const std::string& path, const std::string& parameters);
