#include "ui/parse_string.h"

#include <utility>

char CParseString::DelimiterFor(size_t index) const {
    if (m_delimiter != 0) return m_delimiter;
    return index < m_fieldDelimiters.size() ? m_fieldDelimiters[index] : 0;
}

void CParseString::Keep(size_t index, std::string field) {
    if (m_fieldIndex < 0 || static_cast<size_t>(m_fieldIndex) == index) fields_.push_back(std::move(field));
}

void CParseString::Parse(const std::string& line) {
    fields_.clear();
    if (line.empty()) return;
    size_t pos = 0;
    for (size_t index = 0;; ++index) {
        const char delimiter = DelimiterFor(index);
        if (m_quote != 0 && pos < line.size() && line[pos] == m_quote) {
            // A quoted field: up to a quote that ends the line or precedes
            // the delimiter; an unclosed quote runs to the line's end.
            size_t search = pos + 1;
            size_t close = std::string::npos;
            for (size_t at = line.find(m_quote, search); at != std::string::npos; at = line.find(m_quote, at + 1)) {
                if (at + 1 == line.size() || (delimiter != 0 && line[at + 1] == delimiter)) {
                    close = at;
                    break;
                }
            }
            if (close == std::string::npos) {
                Keep(index, line.substr(search));
                return;
            }
            Keep(index, line.substr(search, close - search));
            if (close + 1 == line.size()) return;
            pos = close + 2; // past the quote and the delimiter
            continue;
        }
        size_t end = delimiter != 0 ? line.find(delimiter, pos) : std::string::npos;
        if (end == std::string::npos) {
            Keep(index, line.substr(pos));
            return;
        }
        Keep(index, line.substr(pos, end - pos));
        pos = end + 1;
    }
}
