// The per-computer record of installed components on the shared data folder:
// "<shared data>\Session\ComputerSettings\<computer>.ini", section
// "Components": "Installed" (the installed-component bits) and "Version"
// (the program version they were last reset at). Several launchers may use
// one record at once (terminal-server sessions share a computer name), so
// additions merge into what the file holds instead of overwriting it.
#pragma once

#include <string>

// The record's path for a shared data folder and computer name; empty when
// there is no record to keep: no data folder (it would land in a drive's
// root) or no computer name of our own ("Unknown" would be shared).
std::string ComputerSettingsFileFor(const std::string& dataFolder, const std::string& computerName);
// This computer's record; creates its folder chain. Empty: no record.
std::string GetComputerSettingsFile();

// 0 without a record.
unsigned ReadInstalledComponents();
// Replaces the bits (a reset writes 0). Nothing without a record.
void WriteInstalledComponents(unsigned bits);
// Ors bits into what the record holds now, under a short system-wide lock,
// and returns the result (bits alone without a record).
unsigned AddInstalledComponents(unsigned bits);

std::string ReadComponentsVersion();
void WriteComponentsVersion(const std::string& version);
