// How the extended list control orders two cells of a column: by the
// column's comparison type, then by the sort direction.
#pragma once

#include <windows.h>

#include <string>

enum ListCompareType : unsigned short {
    kCompareSmartText = 0, // numbers and dates by value, else text
    kCompareDate = 1,
    kCompareNumber = 2,
    kCompareItemData = 3, // the items' data values
    kComparePlainText = 4,
    kCompareNumberSuffix = 5, // "12-3": the number, then the number after "-"
};

// The type of a column without one of its own: "DATE" anywhere in the header
// (any case) is a date, "#" a number, anything else smart text.
ListCompareType DefaultCompareType(const std::string& headerText);

// Negative when a comes first. A numeric-looking text comes before an empty
// one in a smart-text column whichever the direction.
int CompareListTexts(const std::string& a, const std::string& b, ListCompareType type, bool ascending);
int CompareListItemData(LPARAM a, LPARAM b, bool ascending);

// The date a text's first word names in the user's locale; false when none.
bool ParseListDate(const std::string& text, double& date);
