// Splits a line into fields: at one delimiter character (tab by default), or
// at a different character for each field, with optional quoting, keeping
// all fields or only one.
#pragma once

#include <string>
#include <vector>

class CParseString {
public:
    // Empties the array and fills it with the fields of line. An empty line
    // has no fields; otherwise every piece counts, empty ones included, and
    // the text after the last delimiter is the last field.
    void Parse(const std::string& line);

    size_t GetSize() const { return fields_.size(); }
    size_t size() const { return fields_.size(); }
    bool empty() const { return fields_.empty(); }
    const std::string& GetAt(size_t index) const { return fields_.at(index); }
    const std::string& operator[](size_t index) const { return fields_.at(index); }
    const std::vector<std::string>& Fields() const { return fields_; }
    std::vector<std::string>::const_iterator begin() const { return fields_.begin(); }
    std::vector<std::string>::const_iterator end() const { return fields_.end(); }

    // Splits at this character; 0: the n-th field ends at the n-th character
    // of m_fieldDelimiters, and the rest of the line after the last of them
    // is the last field.
    char m_delimiter = '\t';
    // 0: no quoting. Otherwise a field that starts with it ends at the next
    // quote followed by the delimiter (or the line's end); the quotes are
    // not part of the field.
    char m_quote = 0;
    std::string m_fieldDelimiters;
    // -1: keep every field; otherwise only the field with this index.
    int m_fieldIndex = -1;

private:
    // The delimiter that ends field number index; 0 when none does.
    char DelimiterFor(size_t index) const;
    void Keep(size_t index, std::string field);

    std::vector<std::string> fields_;
};
