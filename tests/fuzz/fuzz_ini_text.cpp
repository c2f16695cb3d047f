// INI text: any bytes. Every section and key the parser reports is found
// again by the cache's lookups with the first value the file gave it, in any
// letter case; nothing else is found (a reader then gets the default).
#include "appstate/ini_text_rules.h"
#include "support/check.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Reported : IniTextReader {
    std::string section;
    std::vector<std::string> sections;
    std::map<std::pair<std::string, std::string>, std::string> firstValues; // upper-cased names
    void OnSection(const std::string& name) override {
        section = name;
        sections.push_back(name);
    }
    void OnKey(const std::string& key, const std::string& value) override {
        // A lookup names the key as a C string: a NUL or a line break could never be asked for.
        FUZZ_CHECK(key.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
        FUZZ_CHECK(!key.empty());
        firstValues.emplace(std::make_pair(fw::ToUpper(section), fw::ToUpper(key)), value);
    }
};

std::string Flipped(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    Reported reported;
    ReadIniText(text, size, reported);
    IniSections sections;
    ParseIniText(text, size, sections);

    for (const std::string& name : reported.sections) FUZZ_CHECK(sections.GetMap(Flipped(name), false) != nullptr);
    for (const auto& entry : reported.firstValues) {
        const SectionMap* section = sections.GetMap(entry.first.first, false);
        FUZZ_CHECK(section != nullptr);
        const std::string* value = section->Find(Flipped(entry.first.second));
        FUZZ_CHECK(value != nullptr && *value == entry.second);
    }
    // Nothing else is found: as many sections and keys as were reported.
    std::set<std::string> names;
    std::map<std::string, std::size_t> keys;
    for (const std::string& name : reported.sections) names.insert(fw::ToUpper(name));
    for (const auto& entry : reported.firstValues) {
        names.insert(entry.first.first);
        ++keys[entry.first.first];
    }
    FUZZ_CHECK(sections.Count() == names.size());
    for (const std::string& name : names) FUZZ_CHECK(sections.GetMap(name, false)->Count() == keys[name]);
    return 0;
}
