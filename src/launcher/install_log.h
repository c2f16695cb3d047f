// The installation log of silent runs: a text file named on the command line,
// one line appended per event by opening, writing and closing it again, so
// that the relaunched copy of a run appends to the same file.
#pragma once

#include <string>

// The file the command line names: its token without surrounding quotes
// (a path with blanks arrives quoted). Empty when no file was named.
std::string InstallLogPath(const std::string& fileArgument);
// Appends text with every CR and LF removed and a CR LF at the end. Others
// may read the file meanwhile but not write it; while another writer holds
// it, the open is retried for a while. False when the line could not be written.
bool AppendInstallLogLine(const std::string& path, const std::string& text);
// "Start Time: " and "End Time: " lines: local time as 12-31-2026 11:59:59PM.
std::string InstallLogTimestamp();
