// The two procedures the Amyuni-based printer generations share: recognising
// such a printer by its driver file, and running one of their installer
// programs with the installer log it leaves.
#pragma once

#include <windows.h>

#include <string>

class InstallHost;
class OrvoComponent;

// True when the printer opens, its driver file has a version resource whose
// "CompanyName" contains "AMYUNI" (any case) and whose build (the fourth
// number of the file version) is at most buildLimit. productVersion receives
// the driver's "ProductVersion" once the company matched.
bool CheckAmyuniDriver(const std::string& printerName, unsigned buildLimit, std::string& productVersion);

// Removes a V2 printer, then runs the installer (a path relative to the
// launcher's folder, made absolute or UNC) with "-s", owned by the host's
// window. The installation counts as done only when no "Install.log" can be
// read afterwards; a log line with "Error Code:" becomes the component's
// message.
bool RunAmyuniInstaller(const std::string& installer, OrvoComponent& component, InstallHost& host);

// The installer's path as it is run: absolute, and the UNC form where one
// exists (a mapped drive, a shared folder).
std::string InstallerRunPath(const std::string& relativePath);

// RunInstaller for the printers' programs, which may be missing from an
// installation: a missing one is not started (the shell would say so in a
// box of its own) and gives 0.
DWORD RunPrinterProgram(HWND owner, const std::string& path, const std::string& arguments);

// Runs the V2 uninstaller when a V2 printer can be opened.
void RemoveVirtualPrinterV2(HWND owner);
