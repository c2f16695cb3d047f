#include "utils/leading_decimal.h"

#include <cctype>

namespace {

struct LeadingDecimal {
    std::string whole;    // without leading zeros
    std::string fraction; // without trailing zeros
};

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

LeadingDecimal Read(const std::string& text) {
    LeadingDecimal number;
    size_t i = 0;
    while (i < text.size() && IsDigit(text[i])) number.whole += text[i++];
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) number.fraction += text[i++];
    }
    number.whole.erase(0, number.whole.find_first_not_of('0')); // all zeros: empty
    size_t last = number.fraction.find_last_not_of('0');
    number.fraction.erase(last == std::string::npos ? 0 : last + 1);
    return number;
}

} // namespace

int CompareLeadingDecimal(const std::string& a, const std::string& b) {
    LeadingDecimal x = Read(a), y = Read(b);
    if (x.whole.size() != y.whole.size()) return x.whole.size() < y.whole.size() ? -1 : 1;
    if (int c = x.whole.compare(y.whole)) return c < 0 ? -1 : 1;
    // Fractions without trailing zeros compare as digit strings.
    int c = x.fraction.compare(y.fraction);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
