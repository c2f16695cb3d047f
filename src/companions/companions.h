// What the launcher expects from the suite's other programs and libraries:
// their file names, the exports it calls, the options it passes and the few
// files and registry values they share with it. Nothing here is implemented by
// the launcher itself; these names are the contract.
#pragma once

#include <windows.h>

namespace companions {

// The main program's file: the spelling files are started, copied and looked for under.
constexpr const char kMainProgramExe[] = "PellmoreOrvo.EXE";
// The main program's name as process lists and file-name checks match it, ignoring case.
constexpr const char kMainProgramName[] = "PellmoreOrvo.exe";
// The context-help program.
constexpr const char kHelpProgramExe[] = "OrvoHelp.exe";
// The launcher's file: the spelling relaunches start and temporary copies are made under.
constexpr const char kLauncherExe[] = "Orvo.EXE";
// The launcher's name as the process list matches running launchers, ignoring case.
constexpr const char kLauncherName[] = "Orvo.exe";

// Version-resource string that marks an executable as a launcher build, and
// the value it must have. The main program never carries it.
constexpr const char kBuildNameKey[] = "OrvoBuildName";
constexpr const char kBuildNameValue[] = "Orvo.exe";

// The workstation-information library, loaded on demand from the launcher
// folder; every export may be missing.
constexpr const char kUtilityLibrary[] = "Utilities.dll";
constexpr const char kExpRecordComputerInfo[] = "expRecordComputerInfo";
constexpr const char kExpUploadSysInfo[] = "expUploadSysInfo";
constexpr const char kExpDlgSystemInfo[] = "expDlgSystemInfo";
// Results are ignored by every caller.
using ExpRecordComputerInfoFn = void(__cdecl*)();
using ExpUploadSysInfoFn = void(__cdecl*)(int); // always called with 0
using ExpDlgSystemInfoFn = void(__cdecl*)(HWND owner);

// Profile value under the application's registry key: set to 1 by the
// launcher before every start of the main program, reset to 0 by the main
// program once it runs properly.
constexpr const char kLaunchSection[] = "Launch";
constexpr const char kLaunchBitEntry[] = "LaunchBit";

// First line: the program version of a folder of program files.
constexpr const char kVersionFile[] = "Version.dat";
// Present in the installation folder while the main program updates it.
constexpr const char kUpdateInProgressMarker[] = "Pellmore.UpdateInProgress.inc";

// Registered window message broadcast to every top-level window, both
// parameters 0, when the launcher begins to replace the local program copy.
// What a receiver does with it is its own affair.
constexpr const char kLocalInstallMessage[] = "WM_PELLMORE_LOCAL_INSTALL";

// Options the launcher passes to its companions.
constexpr const char kInternetUpdateOption[] = "/InternetUpdate"; // main program: run the update again
constexpr const char kHelpContextFormat[] = "/CSHID:\"%s\"";      // help program: the context id

// The maker's resource library: icons the program does not carry itself.
// Loaded once, from the usual library search path; it and each export may
// be missing. Icons it returns belong to the caller.
constexpr const char kResourceLibrary[] = "OrvoResource.dll";
constexpr const char kExpOrvoLoadImage[] = "expOrvoLoadImage";
constexpr const char kExpOrvoLoadIconName[] = "expOrvoLoadIconName";
// Called as LoadImage without a module: (name, 1 = icon, width, height, 0).
using ExpOrvoLoadImageFn = HANDLE(__cdecl*)(LPCSTR name, UINT type, int width, int height, UINT flags);
using ExpOrvoLoadIconNameFn = HICON(__cdecl*)(LPCSTR name);

} // namespace companions
