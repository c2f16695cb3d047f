// Daily usage counters shared by every workstation: a counter file on the
// shared data folder holds fixed-size records, one per counter name, each
// with a count per day of the month for the last 31 days it was used. Every
// update holds the file against other writers for its whole
// read-modify-write, so no count is lost when many start at once.
#pragma once

#include "launcher/usage_record_rules.h"

#include <windows.h>

#include <cstdint>
#include <string>

// A date as a day stamp: bits 0-15 year, 16-23 day of month, 24-31 month.
std::uint32_t UsageDayStamp(const SYSTEMTIME& date);

// "<shared data>\Stats\Generic\<file>.stat"; empty without a shared data
// folder (the file would land in a drive's root).
std::string UsageCounterFile(const std::string& sharedDataFolder, const std::string& fileName);

// Adds one to today's count of counter in the counter file fileName
// ("NoLocal") on the shared data folder. False when nothing was counted:
// no data folder, the file stayed held by other writers for about a second,
// or it is oversize (kMaxUsageRecords).
bool CountUsage(const std::string& fileName, const std::string& counter);
// The same on a given file and date; attempts (when given) receives how many
// opens it took.
bool CountUsageInFile(const std::string& path, const std::string& counter, const SYSTEMTIME& today,
                      int* attempts = nullptr);
