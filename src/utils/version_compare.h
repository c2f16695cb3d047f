// Dotted version texts of up to four numbers (major.minor.build.revision),
// compared numerically part by part; missing parts count as 0.
#pragma once

#include <array>
#include <string>

using VersionParts = std::array<unsigned, 4>;

// Runs of dots count as one separator, leading dots are skipped; each part
// is read by the atoi rule, so "1.2b" is 1.2.0.0.
VersionParts ParseVersion(const std::string& text);
bool VersionLess(const std::string& a, const std::string& b);
bool VersionEqual(const std::string& a, const std::string& b);
// a >= b
bool VersionAtLeast(const std::string& a, const std::string& b);
