// Dotted versions and the leading-decimal rule on any three texts: each
// comparison is a consistent order (irreflexive, antisymmetric, transitive,
// equality agreeing with neither side being less), so sorting versions or
// picking the newest can never go round in circles.
#include "support/check.h"
#include "utils/leading_decimal.h"
#include "utils/version_compare.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

namespace {

void CheckOrder(const std::string (&v)[3], bool (*less)(const std::string&, const std::string&),
                bool (*equal)(const std::string&, const std::string&)) {
    for (const std::string& a : v) {
        FUZZ_CHECK(!less(a, a) && equal(a, a));
        for (const std::string& b : v) {
            FUZZ_CHECK(!(less(a, b) && less(b, a)));
            FUZZ_CHECK(equal(a, b) == (!less(a, b) && !less(b, a)));
            FUZZ_CHECK(equal(a, b) == equal(b, a));
            for (const std::string& c : v) {
                if (less(a, b) && less(b, c)) FUZZ_CHECK(less(a, c));
                if (equal(a, b) && equal(b, c)) FUZZ_CHECK(equal(a, c));
            }
        }
    }
}

bool DecimalLess(const std::string& a, const std::string& b) { return CompareLeadingDecimal(a, b) < 0; }
bool DecimalEqual(const std::string& a, const std::string& b) { return CompareLeadingDecimal(a, b) == 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::string v[3];
    for (std::string& text : v) text = input.ConsumeRandomLengthString(24);
    CheckOrder(v, VersionLess, VersionEqual);
    CheckOrder(v, DecimalLess, DecimalEqual);
    for (const std::string& a : v) {
        for (const std::string& b : v) {
            FUZZ_CHECK(VersionAtLeast(a, b) == !VersionLess(a, b));
            FUZZ_CHECK(CompareLeadingDecimal(a, b) == -CompareLeadingDecimal(b, a));
        }
    }
    return 0;
}
