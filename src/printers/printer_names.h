// The names the printer generations are known by: printers, their installer
// programs and arguments, relative to the launcher's folder (the current
// folder).
#pragma once

namespace printers {

constexpr const char kV1PrinterName[] = "Pellmore Orvo Virtual Printer";
constexpr const char kV1Installer[] = "Installs\\VPrinterV1\\InstallPrinter.exe";
constexpr const char kV1InstallArguments[] = "-s";
constexpr const char kV1UninstallArguments[] = "-u -s";
constexpr unsigned kV1BuildLimit = 3000;

constexpr const char kV2PrinterName[] = "Pellmore Orvo VPrinter V2";
constexpr const char kV2Installer[] = "Installs\\VPrinterV2\\InstallPrinterV2.exe";
constexpr const char kV2UninstallArguments[] = "uninstall";

constexpr const char kV3Installer[] = "Installs\\VPrinterV3\\Install.exe";
constexpr const char kV3DriverLibrary[] = "Installs\\VPrinterV3\\acfpdfu.dll";
constexpr const char kV3UninstallArguments[] = "-u -s";
constexpr unsigned kV3BuildLimit = 4510;

// The current printer (novaPDF-based) is the default printer's fallback.
constexpr const char kNovaPdfPrinterName[] = "Pellmore Virtual Printer";

constexpr const char kVirtualPrinterDescription[] = "Virtual Printer";

} // namespace printers
