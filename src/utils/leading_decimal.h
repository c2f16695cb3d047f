// Version texts read as one decimal number: the longest run of digits with at
// most one decimal point at the start of the text ("14.16.27012.00" is
// 14.16, "v14" is 0). Both sides of a comparison go through the same reading,
// so equal texts always compare equal; the comparison is exact (no floating
// point), so "14.10" equals "14.1" and "14.2" is above "14.13".
#pragma once

#include <string>

// Negative, zero or positive as a is below, equal to or above b.
int CompareLeadingDecimal(const std::string& a, const std::string& b);
