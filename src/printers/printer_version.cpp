#include "printers/printer_version.h"

#include "utils/version_compare.h"

int CompareMajorMinor(const std::string& a, const std::string& b) {
    VersionParts x = ParseVersion(a), y = ParseVersion(b);
    for (size_t i = 0; i < 2; ++i)
        if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
    return 0;
}
