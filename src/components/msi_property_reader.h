// Reads the Property table of a package file: every property name with its
// value, or a description of the first failure that names the package.
#pragma once

#include <map>
#include <string>

class MsiPropertyReader {
public:
    // True with properties filled; false with error set ("Error opening the
    // database. MSI Database: <title>." and the like).
    bool Read(const std::string& packagePath);

    int keyColumn = -1;   // 0-based index of "Property"
    int valueColumn = -1; // 0-based index of "Value"
    int columnCount = 0;
    std::map<std::string, std::string> properties;
    std::string error;
    std::string packagePath;

private:
    bool ReadAll();
    bool Fail(const char* text);
};
