// The ODBC drivers registered on the computer (system drivers first, then
// the user's), the search for one by name, and the driver log support staff
// read when the database engine is missing.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ODBCDriverInfo {
    std::string name;
    std::string driverFile; // its "Driver" entry
    WORD major = 0, minor = 0, build = 0; // of the driver file; 0.0.0 when missing or unversioned
    BYTE installed = 0; // its "ODBC Drivers" entry reads "Installed"
};

using ODBCDriverList = std::vector<ODBCDriverInfo>;

// Fills the list; error stays empty unless the ODBC installer reported one,
// which ends the enumeration with what was found so far.
void EnumerateODBCDrivers(ODBCDriverList& drivers, std::string& error, bool installedOnly);
// The first installed driver whose name contains namePart and "." followed
// by extensionPart (both without regard to case).
bool FindODBCDriver(const std::string& namePart, const std::string& extensionPart, ODBCDriverInfo& driver);
// Writes every driver, installed or not, and any installer error to
// "ODBCDriver.log" in the product's temporary folder; failures are silent.
void WriteODBCDriverLog();
// Where WriteODBCDriverLog writes.
std::string ODBCDriverLogPath();
