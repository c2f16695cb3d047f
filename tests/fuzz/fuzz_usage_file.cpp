// A ".stat" file plus a counter name and a date: the one write lands on the
// 320-byte grid from offset 0, over the first record that holds the name or
// just after the whole records (over a torn tail); that record's slot for
// today holds one more than before (or today's stamp and 1); every other
// byte of the file stays as it was; an oversize file is not touched.
#include "launcher/usage_record_rules.h"
#include "support/check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The name field of a record as a C string (at most its 32 bytes).
std::string NameIn(const UsageRecord& record) { return std::string(record.name, strnlen(record.name, 32)); }

UsageRecord RecordAt(const std::string& file, std::uint64_t offset) {
    UsageRecord record;
    std::memcpy(&record, file.data() + offset, sizeof(record));
    return record;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string counter = input.ConsumeRandomLengthString(40);
    const int day = input.ConsumeIntegralInRange(0, 32);
    const std::uint32_t stamp = input.ConsumeBool() ? PackDayStamp(2026, 5, static_cast<unsigned>(day))
                                                    : input.ConsumeIntegral<std::uint32_t>();
    // Now and then a length beyond the cap, as a share may report it.
    const std::uint64_t claimed = input.ConsumeBool() ? input.ConsumeIntegral<std::uint64_t>() : 0;
    const std::string file = input.ConsumeRemainingBytesAsString();

    size_t count = 0;
    if (claimed > file.size()) {
        bool readable = UsageRecordsToRead(claimed, count);
        FUZZ_CHECK(readable == (claimed / sizeof(UsageRecord) <= kMaxUsageRecords));
        return 0;
    }
    if (!UsageRecordsToRead(file.size(), count)) {
        FUZZ_CHECK(file.size() / sizeof(UsageRecord) > kMaxUsageRecords);
        return 0;
    }
    FUZZ_CHECK(count == file.size() / sizeof(UsageRecord));
    std::vector<UsageRecord> records(count);
    if (count) std::memcpy(records.data(), file.data(), count * sizeof(UsageRecord));

    UsageRecordWrite write;
    if (!PlanUsageCount(records, counter, stamp, day, write)) {
        FUZZ_CHECK(day < 1 || day > 31);
        return 0;
    }
    FUZZ_CHECK(day >= 1 && day <= 31);
    FUZZ_CHECK(write.offset % sizeof(UsageRecord) == 0 && write.offset <= count * sizeof(UsageRecord));

    std::string after = file;
    if (after.size() < write.offset + sizeof(UsageRecord)) after.resize(write.offset + sizeof(UsageRecord));
    std::memcpy(&after[write.offset], &write.record, sizeof(UsageRecord));
    FUZZ_CHECK(after.compare(0, write.offset, file, 0, write.offset) == 0);
    const size_t end = write.offset + sizeof(UsageRecord);
    FUZZ_CHECK(file.size() <= end || after.compare(end, std::string::npos, file, end, std::string::npos) == 0);
    FUZZ_CHECK(after.size() % sizeof(UsageRecord) == 0 || after.size() == file.size());

    const std::string name = counter.substr(0, 31);
    const size_t index = write.offset / sizeof(UsageRecord);
    for (size_t i = 0; i < index; ++i) FUZZ_CHECK(NameIn(records[i]) != name);
    const UsageRecord& now = write.record;
    FUZZ_CHECK(std::memcmp(now.name, name.data(), name.size()) == 0 && now.name[name.size()] == '\0');
    const size_t slot = static_cast<size_t>(day - 1);
    UsageRecord before = {};
    if (index < count) before = records[index];
    else std::memcpy(before.name, now.name, sizeof(now.name));
    if (before.stamps[slot] == stamp)
        FUZZ_CHECK(static_cast<std::uint32_t>(now.counts[slot]) == static_cast<std::uint32_t>(before.counts[slot]) + 1u);
    else
        FUZZ_CHECK(now.stamps[slot] == stamp && now.counts[slot] == 1);
    // Nothing else in the record changes.
    before.stamps[slot] = now.stamps[slot];
    before.counts[slot] = now.counts[slot];
    FUZZ_CHECK(std::memcmp(&before, &now, sizeof(now)) == 0);
    FUZZ_CHECK(RecordAt(after, write.offset).counts[slot] == now.counts[slot]);
    return 0;
}
