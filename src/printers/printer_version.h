// Driver and package versions of the printers are dotted integers compared
// by their first two numbers: "8.10" is above "8.9". Later numbers do not
// count, so "8.10.0.812" equals "8.10".
#pragma once

#include <string>

// Negative, zero or positive as a is below, equal to or above b.
int CompareMajorMinor(const std::string& a, const std::string& b);
