// Daily usage counters shared by every workstation: a counter file on the
// shared data folder holds fixed-size records, one per counter name, each
// with a count per day of the month for the last 31 days it was used. Every
// update holds the file against other writers for its whole
// read-modify-write, so no count is lost when many start at once.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

// One counter as stored: 320 bytes, little-endian.
struct UsageRecord {
    char name[32];           // NUL-terminated, at most 31 characters
    std::uint32_t stamps[31]; // day d (1-31) at index d-1: the date it was last written
    std::int32_t counts[31];  // day d's count, for the date of its stamp
    std::uint8_t reserved[40];
};
static_assert(sizeof(UsageRecord) == 320, "a counter record is 320 bytes");
static_assert(offsetof(UsageRecord, stamps) == 32, "day stamps follow the name");
static_assert(offsetof(UsageRecord, counts) == 156, "day counts follow the stamps");
static_assert(offsetof(UsageRecord, reserved) == 280, "the reserved bytes end the record");

// A date as a day stamp: bits 0-15 year, 16-23 day of month, 24-31 month.
std::uint32_t UsageDayStamp(const SYSTEMTIME& date);

// "<shared data>\Stats\Generic\<file>.stat"; empty without a shared data
// folder (the file would land in a drive's root).
std::string UsageCounterFile(const std::string& sharedDataFolder, const std::string& fileName);

// Adds one to today's count of counter in the counter file fileName
// ("NoLocal") on the shared data folder. False when nothing was counted:
// no data folder, or the file stayed held by other writers for about a second.
bool CountUsage(const std::string& fileName, const std::string& counter);
// The same on a given file and date; attempts (when given) receives how many
// opens it took.
bool CountUsageInFile(const std::string& path, const std::string& counter, const SYSTEMTIME& today,
                      int* attempts = nullptr);
