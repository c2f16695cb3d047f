#include "appstate/ini_text_rules.h"

#include "framework/strings.h"

#include <cstring>
#include <string>

namespace {

bool IsLineBreakOrSpace(char c) { return c == ' ' || c == '\r' || c == '\n'; }

} // namespace

void ReadIniText(const char* text, std::size_t length, IniTextReader& reader) {
    std::size_t pos = 0;
    while (pos < length) {
        while (pos < length && IsLineBreakOrSpace(text[pos])) ++pos;
        if (pos >= length) break;
        std::size_t end = pos;
        while (end < length && text[end] != '\r' && text[end] != '\n') ++end;
        // A NUL inside the line ends it.
        std::string line = fw::Trim(std::string(text + pos, strnlen(text + pos, end - pos)));
        pos = end;
        if (line.empty()) continue;

        if (line[0] == '[') {
            // Nothing marks a comment, so text after the closing bracket stays in the name.
            reader.OnSection(fw::TrimRight(fw::TrimLeft(line, "[]"), "[]"));
            continue;
        }
        const std::size_t equals = line.find('=');
        // Keys of fewer than two characters are not cached.
        if (equals == std::string::npos || equals < 2) continue;
        reader.OnKey(fw::Trim(line.substr(0, equals)), fw::Trim(line.substr(equals + 1), "\" "));
    }
}

namespace {

class SectionFiller : public IniTextReader {
public:
    explicit SectionFiller(IniSections& sections) : sections_(sections) {}
    void OnSection(const std::string& name) override { current_ = sections_.GetMap(name, true); }
    void OnKey(const std::string& key, const std::string& value) override {
        if (!current_) current_ = sections_.GetMap(std::string(), true);
        current_->AddIfAbsent(key, value);
    }

private:
    IniSections& sections_;
    SectionMap* current_ = nullptr;
};

} // namespace

void ParseIniText(const char* text, std::size_t length, IniSections& sections) {
    SectionFiller filler(sections);
    ReadIniText(text, length, filler);
}
