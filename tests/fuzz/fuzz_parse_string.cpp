// CParseString on any line and settings: without quoting, the fields joined
// again by their delimiters give the line back; quoting changes nothing on a
// line without the quote character; keeping one field keeps exactly that
// field of the full split.
#include "ui/parse_string.h"
#include "support/check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const CParseString& settings, const std::string& line, int fieldIndex, char quote) {
    CParseString parser = settings;
    parser.m_fieldIndex = fieldIndex;
    parser.m_quote = quote;
    parser.Parse(line);
    return parser.Fields();
}

std::string Joined(const CParseString& settings, const std::vector<std::string>& fields) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        line += fields[i];
        if (i + 1 == fields.size()) break;
        char delimiter = settings.m_delimiter;
        if (delimiter == 0) {
            FUZZ_CHECK(i < settings.m_fieldDelimiters.size());
            delimiter = settings.m_fieldDelimiters[i];
        }
        line += delimiter;
    }
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    CParseString settings;
    settings.m_delimiter = input.ConsumeBool() ? '\t' : input.ConsumeIntegral<char>();
    settings.m_fieldDelimiters = input.ConsumeRandomLengthString(8);
    const char quote = input.ConsumeBool() ? '"' : input.ConsumeIntegral<char>();
    const int index = input.ConsumeIntegralInRange(-1, 8);
    const std::string line = input.ConsumeRemainingBytesAsString();

    const std::vector<std::string> all = Split(settings, line, -1, 0);
    FUZZ_CHECK(all.empty() == line.empty());
    FUZZ_CHECK(Joined(settings, all) == line);

    const std::vector<std::string> quoted = Split(settings, line, -1, quote);
    if (quote == 0 || line.find(quote) == std::string::npos) FUZZ_CHECK(quoted == all);
    for (char q : {static_cast<char>(0), quote}) {
        const std::vector<std::string> full = q ? quoted : all;
        const std::vector<std::string> one = Split(settings, line, index, q);
        if (index < 0) FUZZ_CHECK(one == full);
        else if (static_cast<size_t>(index) < full.size()) FUZZ_CHECK(one == std::vector<std::string>{full[index]});
        else FUZZ_CHECK(one.empty());
    }
    return 0;
}
