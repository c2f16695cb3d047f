// Where the current printer's pieces are: its two Windows Installer packages
// in the installation (chosen by the width of Windows), the maker's
// components folder that receives the relay program, the vendor's set-up
// tool and the legacy uninstallers, and the names passed to them.
#pragma once

#include <string>

namespace novapdf {

// The vendor's identifier for this product's printer, passed to the set-up tool.
constexpr const char kOemIdentifier[] = "PLM-ORVO-VP8-5KQ2";
constexpr const char kRelayProgram[] = "OrvoPrinterRelay.exe";
constexpr const char kMinimumDriverVersion[] = "7.7";
constexpr int kRestartExitCode = 46;

// 64-bit Windows: this is a 64-bit process, or a 32-bit one under WOW64
// (IsWow64Process, looked up at run time; missing means no).
bool IsSixtyFourBitWindows();

// "<current folder>\Installs\NovaPDF\<package>" for the width of Windows.
std::string DriverPackagePath();
std::string OemPackagePath();
// "<current folder>\Installs\NovaPDF\OrvoPrinterRelay.exe".
std::string RelaySourcePath();

// Environment references expanded as the printer parts do (258 characters
// at most); the text unchanged when it cannot be expanded.
std::string ExpandEnvironment(const std::string& text);
// "%ProgramW6432%" when that is a folder, else "%ProgramFiles%".
std::string ProgramFilesRoot();
// <root>\Pellmore\Pellmore Components\PDF Printer
std::string ComponentsFolder();
// <root>\Softland\novaPDF 8\Driver\printerutils.exe
std::string PrinterSetupTool();
// "/op=2 /dn=novaPDF 8 /oem=<id> /sp=8501 /pn=Pellmore Virtual Printer /po=novaPDF8 /dp=No"
std::string PrinterSetupArguments();

// The legacy uninstallers in the order they are tried, expanded.
std::string LegacyUninstaller(int index);
constexpr int kLegacyUninstallerCount = 2;
// The printer profile files the legacy removal deletes, expanded.
constexpr int kPrinterProfileCount = 3;
std::string PrinterProfileFile(int index);

} // namespace novapdf
