#include "ui/list_compare.h"

#include "framework/strings.h"

#include <oleauto.h>

#include <cctype>
#include <cstdlib>

namespace {

// Half a second, in days: two dates closer than this are the same.
const double kSameMoment = 5.787037037037037e-6;

int Sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }
int Sign(long long d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

bool LooksNumeric(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (i >= text.size()) return false;
    if (isdigit(static_cast<unsigned char>(text[i]))) return true;
    return text[i] == '.' && i + 1 < text.size() && isdigit(static_cast<unsigned char>(text[i + 1]));
}

std::string FirstWord(const std::string& text) {
    size_t space = text.find(' ');
    return space == std::string::npos ? text : text.substr(0, space);
}

std::string WithoutSeparators(const std::string& text) {
    std::string kept;
    for (char c : text)
        if (c != ',' && !isspace(static_cast<unsigned char>(c))) kept += c;
    return kept;
}

int CompareNoCase(const std::string& a, const std::string& b) { return Sign(static_cast<long long>(lstrcmpiA(a.c_str(), b.c_str()))); }

int CompareNumbers(const std::string& a, const std::string& b) {
    std::string x = WithoutSeparators(a), y = WithoutSeparators(b);
    if (x.find('.') != std::string::npos || y.find('.') != std::string::npos)
        return Sign(std::strtod(x.c_str(), nullptr) - std::strtod(y.c_str(), nullptr));
    long long p = std::strtoll(x.c_str(), nullptr, 10), q = std::strtoll(y.c_str(), nullptr, 10);
    return p < q ? -1 : (p > q ? 1 : 0);
}

int CompareDates(double a, double b) {
    double difference = a - b;
    if (difference > -kSameMoment && difference < kSameMoment) return 0;
    return Sign(difference);
}

// Smart text before the direction is applied; *fixed is set when the result
// holds in both directions.
int CompareSmart(const std::string& a, const std::string& b, bool* fixed) {
    bool numericA = LooksNumeric(a), numericB = LooksNumeric(b);
    if (numericA && b.empty()) {
        *fixed = true;
        return -1;
    }
    if (numericB && a.empty()) {
        *fixed = true;
        return 1;
    }
    if (numericA && numericB) {
        double dateA = 0, dateB = 0;
        int result = ParseListDate(FirstWord(a), dateA) && ParseListDate(FirstWord(b), dateB) ? CompareDates(dateA, dateB)
                                                                                              : CompareNumbers(a, b);
        if (result != 0) return result;
    }
    return CompareNoCase(a, b);
}

int CompareNumberSuffix(const std::string& a, const std::string& b) {
    std::string x = WithoutSeparators(a), y = WithoutSeparators(b);
    long long p = std::strtoll(x.c_str(), nullptr, 10), q = std::strtoll(y.c_str(), nullptr, 10);
    if (p != q) return p < q ? -1 : 1;
    size_t dashA = x.find('-'), dashB = y.find('-');
    if (dashA == std::string::npos || dashB == std::string::npos) {
        if (dashA == dashB) return 0;
        return dashA == std::string::npos ? -1 : 1;
    }
    long long r = std::strtoll(x.c_str() + dashA + 1, nullptr, 10), s = std::strtoll(y.c_str() + dashB + 1, nullptr, 10);
    return r < s ? -1 : (r > s ? 1 : 0);
}

} // namespace

bool ParseListDate(const std::string& text, double& date) {
    std::string word = FirstWord(text);
    if (word.empty()) return false;
    wchar_t wide[128] = L"";
    if (!MultiByteToWideChar(CP_ACP, 0, word.c_str(), -1, wide, 127)) return false;
    DATE value = 0;
    if (FAILED(VarDateFromStr(wide, LOCALE_USER_DEFAULT, 0, &value))) return false;
    date = value;
    return true;
}

ListCompareType DefaultCompareType(const std::string& headerText) {
    std::string upper = fw::ToUpper(headerText);
    if (upper.find("DATE") != std::string::npos) return kCompareDate;
    if (upper == "#") return kCompareNumber;
    return kCompareSmartText;
}

int CompareListItemData(LPARAM a, LPARAM b, bool ascending) {
    int x = static_cast<int>(a), y = static_cast<int>(b);
    int result = x < y ? -1 : (x > y ? 1 : 0);
    return ascending ? result : -result;
}

int CompareListTexts(const std::string& a, const std::string& b, ListCompareType type, bool ascending) {
    int result = 0;
    switch (type) {
    case kCompareNumber:
        result = CompareNumbers(a, b);
        break;
    case kCompareDate: {
        double x = 0, y = 0;
        bool validA = ParseListDate(a, x), validB = ParseListDate(b, y);
        if (validA && validB) {
            result = CompareDates(x, y);
        } else if (validA != validB) {
            result = validA ? -1 : 1;
        } else {
            bool fixed = false;
            result = CompareSmart(a, b, &fixed);
            if (fixed) return result;
        }
        break;
    }
    case kCompareNumberSuffix:
        result = CompareNumberSuffix(a, b);
        break;
    case kComparePlainText:
        result = CompareNoCase(a, b);
        break;
    case kCompareItemData:
    case kCompareSmartText:
    default: {
        bool fixed = false;
        result = CompareSmart(a, b, &fixed);
        if (fixed) return result;
        break;
    }
    }
    return ascending ? result : -result;
}
