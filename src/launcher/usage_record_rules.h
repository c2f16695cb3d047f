// The byte rules of a usage counter file (".stat"): fixed 320-byte records,
// one per counter name, each with a count per day of the month. Plain C++;
// usage_counter.cpp opens, locks, reads and writes the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One counter as stored: 320 bytes, little-endian.
struct UsageRecord {
    char name[32];            // NUL-terminated, at most 31 characters
    std::uint32_t stamps[31]; // day d (1-31) at index d-1: the date it was last written
    std::int32_t counts[31];  // day d's count, for the date of its stamp
    std::uint8_t reserved[40];
};
static_assert(sizeof(UsageRecord) == 320, "a counter record is 320 bytes");
static_assert(offsetof(UsageRecord, stamps) == 32, "day stamps follow the name");
static_assert(offsetof(UsageRecord, counts) == 156, "day counts follow the stamps");
static_assert(offsetof(UsageRecord, reserved) == 280, "the reserved bytes end the record");

// Every workstation reads a counter file on the share at every start. The
// product writes one record per counter name and uses a handful of names, so
// a file of more than 4096 records (1.25 MiB) is damaged or not a counter
// file: it is counted into nothing and left as it is, rather than read into
// memory whatever its size, grown further or rewritten.
const std::size_t kMaxUsageRecords = 4096;

// A date as a day stamp: bits 0-15 year, 16-23 day of month, 24-31 month.
std::uint32_t PackDayStamp(unsigned year, unsigned month, unsigned day);

// How many records of a file of this many bytes are read: the whole records
// (a torn tail shorter than one is not one); false when the file is oversize.
bool UsageRecordsToRead(std::uint64_t fileLength, std::size_t& records);

// The one record a count writes, and where: over the counter's own record,
// or, for a counter the file does not hold, on the 320-byte grid just after
// the last whole record (over a torn tail).
struct UsageRecordWrite {
    std::uint64_t offset = 0;
    UsageRecord record = {};
};

// Adds one to today's count (day d of the month, stamp) of counter (cut to
// its 31 characters, names compared with case) in records, the whole records
// from the start of the file. False for a day outside 1-31.
bool PlanUsageCount(const std::vector<UsageRecord>& records, const std::string& counter, std::uint32_t stamp,
                    int day, UsageRecordWrite& write);
