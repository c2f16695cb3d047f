#include "launcher/usage_record_rules.h"

#include "framework/strings.h"

#include <cstring>

namespace {

const std::size_t kMaxName = sizeof(UsageRecord::name) - 1;

// The name field holds this name: compared within its 32 bytes, so a field
// without its NUL matches nothing.
bool HoldsName(const UsageRecord& record, const std::string& name) {
    return std::memcmp(record.name, name.data(), name.size()) == 0 && record.name[name.size()] == '\0';
}

void AddToday(UsageRecord& record, std::uint32_t stamp, int day, std::int32_t amount) {
    std::size_t slot = static_cast<std::size_t>(day - 1);
    if (record.stamps[slot] == stamp) {
        // Wraps like the 32-bit counter it is, never undefined.
        record.counts[slot] = static_cast<std::int32_t>(static_cast<std::uint32_t>(record.counts[slot]) +
                                                        static_cast<std::uint32_t>(amount));
    } else {
        record.stamps[slot] = stamp;
        record.counts[slot] = amount;
    }
}

} // namespace

std::uint32_t PackDayStamp(unsigned year, unsigned month, unsigned day) {
    return (year & 0xFFFFu) | ((day & 0xFFu) << 16) | ((month & 0xFFu) << 24);
}

bool UsageRecordsToRead(std::uint64_t fileLength, std::size_t& records) {
    std::uint64_t whole = fileLength / sizeof(UsageRecord);
    if (whole > kMaxUsageRecords) return false;
    records = static_cast<std::size_t>(whole);
    return true;
}

bool PlanUsageCount(const std::vector<UsageRecord>& records, const std::string& counter, std::uint32_t stamp,
                    int day, UsageRecordWrite& write) {
    if (day < 1 || day > 31) return false;
    // The stored name is cut to its field, so the lookup must be too.
    std::string name = fw::Truncate(counter, kMaxName);
    for (std::size_t index = 0; index < records.size(); ++index) {
        if (!HoldsName(records[index], name)) continue;
        write.offset = static_cast<std::uint64_t>(index) * sizeof(UsageRecord);
        write.record = records[index];
        AddToday(write.record, stamp, day, 1);
        return true;
    }
    write.offset = static_cast<std::uint64_t>(records.size()) * sizeof(UsageRecord);
    write.record = UsageRecord();
    std::memcpy(write.record.name, name.data(), name.size());
    AddToday(write.record, stamp, day, 1);
    return true;
}
