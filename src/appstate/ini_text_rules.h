// How the text of an INI file becomes cached sections: the cache's parser,
// free of any file access, so that it can be exercised on any bytes.
#pragma once

#include "appstate/ini_section_map.h"
#include "appstate/owning_string_map.h"

#include <cstddef>
#include <string>

using IniSections = CMapStringToMapT<SectionMap>;

// What the parser finds, in file order.
class IniTextReader {
public:
    virtual ~IniTextReader() = default;
    virtual void OnSection(const std::string& name) = 0;
    // A key of the latest section; before any section header, of the section "".
    virtual void OnKey(const std::string& key, const std::string& value) = 0;
};

// Reads text (length bytes, not NUL-terminated) line by line.
void ReadIniText(const char* text, std::size_t length, IniTextReader& reader);

// Adds the sections and keys of text to sections; the first value of a key wins.
void ParseIniText(const char* text, std::size_t length, IniSections& sections);
