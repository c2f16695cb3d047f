// Where the installation and the workstation's folders are: the configuration
// file, data folders, installation folder, local program folder and per-user
// folders. Each is computed on first use, with its chain of fallbacks, and
// kept for the process.
#pragma once

#include <string>

// "/CFG:" of the command line: the configuration file to use from now on.
int SetConfigurationFile(const std::string& path);
// The configuration file in force; located (LocateUserConfigFile) when none is set.
std::string GetConfigurationFile();
// "/USER:" of the command line: keeps the first three characters.
void SetUserInitials(const std::string& text);
std::string GetUserInitials();

// The per-user "PELL.INI", seeded from the common folder when missing.
void LocateUserConfigFile(std::string& out);

std::string GetDataFolder();
std::string GetWANDataFolder();
std::string GetClientFolder();

enum class AppDataKind { Common, Local };
// The product's application-data folder of that kind (created when missing);
// with a file name, that file in it.
std::string GetAppDataFolder(AppDataKind kind, const char* fileName = nullptr);
std::string GetLocalAppDataFolder(const char* overrideBase = nullptr);
std::string GetSpecialFolderPath(int csidl);
std::string ExpandPath(const std::string& text);

std::string GetProgramFolder();
// The network installation folder (setting 7006) and its write rules.
std::string GetInstallPath();
void SetInstallPath(const std::string& value);
std::string GetInstallFilePath(const std::string& name);
// Resolves a configured "." or "\" relative path against the installation
// folder and makes it absolute into buffer (at most size characters).
void ResolveConfiguredPath(const char* path, char* buffer, int size);

std::string GetModuleFolder();
std::string GetTempFolder();
std::string GetNetworkIniPath();
std::string GetDebugLogPath();
bool IsLocalInstallEnabled();
int GetMultiAgencyType();

// Forgets every computed folder and the configuration file, as at process
// start (the user's initials are kept: SetUserInitials owns them). For tests,
// which exercise several configurations in one process.
void ResetPathState();
// Makes GetModuleFolder report folder instead of the executable's own folder
// (empty restores it), so tests can run "from" an installation, the local
// program folder or the temporary folder. For tests only.
void SetModuleFolderForTests(const std::string& folder);
