// HTML fragments to rich text (the error report's fallback view). Any bytes:
// the output opens no group it does not close and carries no raw control or
// non-ASCII byte. Markup built from "<b>", "</b>", "<br/>" and plain words:
// read back as RTF, the text, its bold runs and its line breaks are those a
// browser shows for the fragment.
#include "ui/html_fragment_rtf.h"
#include "support/check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdint>
#include <string>

namespace {

// What a reader shows: each character with a bold mark ('*' before a bold
// one), "|" for a line break.
std::string Shown(const std::string& rtf) {
    std::string shown;
    bool bold = false;
    auto put = [&](char c) {
        if (bold) shown += '*';
        shown += c;
    };
    for (size_t i = 0; i < rtf.size();) {
        char c = rtf[i];
        if (c != '\\') {
            put(c);
            ++i;
            continue;
        }
        FUZZ_CHECK(i + 1 < rtf.size()); // a backslash never ends the text
        char next = rtf[i + 1];
        if (!std::isalpha(static_cast<unsigned char>(next))) {
            if (next == '\'') {
                FUZZ_CHECK(i + 3 < rtf.size() + 0 && std::isxdigit(static_cast<unsigned char>(rtf[i + 2])) &&
                           std::isxdigit(static_cast<unsigned char>(rtf[i + 3])));
                put('#');
                i += 4;
            } else {
                put(next == '~' ? ' ' : next);
                i += 2;
            }
            continue;
        }
        size_t end = i + 1;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end]))) ++end;
        std::string word = rtf.substr(i + 1, end - i - 1);
        size_t digits = end;
        if (digits < rtf.size() && rtf[digits] == '-') ++digits;
        while (digits < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[digits]))) ++digits;
        std::string number = rtf.substr(end, digits - end);
        i = digits;
        if (i < rtf.size() && rtf[i] == ' ') ++i; // the delimiter belongs to the word
        if (word == "b") bold = number != "0";
        else if (word == "par") shown += '|';
        else if (word == "u") {
            put('#');
            if (i < rtf.size()) ++i; // the stand-in character
        }
    }
    return shown;
}

void CheckBytes(const std::string& rtf) {
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(rtf[i]);
        FUZZ_CHECK(c >= 0x20 && c < 0x7F);
        if (c == '\\') {
            ++i;
            continue;
        }
        if (c == '{') ++depth;
        if (c == '}') FUZZ_CHECK(--depth >= 0);
    }
    FUZZ_CHECK(depth == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        const std::string html = input.ConsumeRemainingBytesAsString();
        const std::string rtf = ui::HtmlFragmentToRtf(html);
        CheckBytes(rtf);
        Shown(rtf);
        return 0;
    }
    std::string html, expected;
    bool bold = false;
    while (input.remaining_bytes() > 0) {
        switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0:
            html += "<b>";
            bold = true;
            break;
        case 1:
            html += "</b>";
            bold = false;
            break;
        case 2:
            html += input.ConsumeBool() ? "<br/>" : "<BR>";
            expected += '|';
            break;
        default: {
            // Words of letters, digits and blanks: nothing a browser reads as markup.
            for (char c : input.ConsumeRandomLengthString(12)) {
                if (!std::isalnum(static_cast<unsigned char>(c)) && c != ' ') continue;
                html += c;
                if (bold) expected += '*';
                expected += c;
            }
        }
        }
    }
    const std::string rtf = ui::HtmlFragmentToRtf(html);
    CheckBytes(rtf);
    FUZZ_CHECK(Shown(rtf) == expected);
    return 0;
}
