// Where the program files are: the network installation folder (asked for
// when unreachable), the local copy the workstation may run from, copies of
// the launcher already running, and starting the launcher again from the
// right folder.
#pragma once

#include <string>

// Local copies allowed for this run ("/NoLocal" not given and the
// installation's rules permit them).
bool IsLocalCopyInUse();
// The launcher runs from the local program folder.
bool IsRunningFromLocalCopy();
// The folder the launcher runs from.
std::string LauncherFolder();
// The installation folder as the settings name it ("sDir_InstallPath").
std::string InstallFolderSetting();
// This copy of the launcher carries the main program's file name.
bool IsRunningUnderMainProgramName();

// The installation folder for this run; may hand over to a launcher already
// running from the local copy under the main program's name (handedOver
// says whether it did: the start must then end).
std::string DetermineInstallFolder();
std::string DetermineInstallFolder(bool& handedOver);
// Loops until the installation folder has a program version, asking the user
// for it; false when the user cancelled or another launcher took this start
// over (it then does nothing more).
bool EnsureInstallFolder();
// Whether a folder holds program files: its version file has a first line.
bool HasProgramVersion(const std::string& folder);

// The executable's version resource marks it as a launcher build, whatever
// the file is called.
bool IsLauncherBuild(const std::string& executablePath);
// Another process running fileName (from folder, when given) that is a
// launcher build: its first visible window is brought to the foreground.
bool ActivateRunningLauncher(const std::string& fileName, const std::string& folder);
bool IsAnotherLauncherRunning();
// True when another launcher takes over this start (this one should end).
bool HandOverToRunningCopy();

// Starts "Orvo.EXE" from folder (empty: the launcher folder) with this run's
// arguments, " /Restarted" once, and extra. The caller ends its run next.
void Relaunch(const std::string& folder, const std::string& extra);
// Copies the installation's "Orvo.EXE" into the temporary folder and
// relaunches from there, so the launcher may update the folder it came from.
void RelaunchFromTempCopy(const std::string& extra);

// The folder to start the main program from: the local copy when it holds a
// real main program, otherwise the installation folder.
std::string GetMainProgramFolder();

// The question asked when the installation folder is unreachable: path holds
// the folder that failed and receives the one entered; false on cancel.
// Tests replace it; null restores the dialog. Returns the previous one.
using InstallPathQuestion = bool (*)(std::string& path);
InstallPathQuestion SetInstallPathQuestion(InstallPathQuestion question);
