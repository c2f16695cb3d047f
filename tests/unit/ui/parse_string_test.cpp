// Field splitting: tabs by default, quoting, per-field delimiters (also on
// lines with more fields than delimiters) and keeping a single field.
#include "ui/parse_string.h"

#include <gtest/gtest.h>

using Fields = std::vector<std::string>;

namespace {

Fields Split(CParseString& parser, const std::string& line) {
    parser.Parse(line);
    return parser.Fields();
}

} // namespace

TEST(ParseStringTest, DefaultsSplitAtEveryTabKeepingEmptyAndTrailingPieces) {
    CParseString parser;
    EXPECT_EQ(Split(parser, "a\tb\tc"), (Fields{"a", "b", "c"}));
    EXPECT_EQ(Split(parser, "a\t\tb\t"), (Fields{"a", "", "b", ""}));
    EXPECT_EQ(Split(parser, "\t"), (Fields{"", ""}));
    EXPECT_EQ(Split(parser, "one field, with \"quotes\""), (Fields{"one field, with \"quotes\""}));
    EXPECT_EQ(Split(parser, ""), Fields{}) << "an empty line has no fields";
    parser.Parse("x\ty");
    parser.Parse("z");
    EXPECT_EQ(parser.GetSize(), 1u) << "every parse starts afresh";
    EXPECT_EQ(parser.GetAt(0), "z");
}

TEST(ParseStringTest, QuotedFieldsEndAtAQuoteBeforeTheDelimiter) {
    CParseString parser;
    parser.m_delimiter = ',';
    parser.m_quote = '"';
    EXPECT_EQ(Split(parser, "\"a,b\",c"), (Fields{"a,b", "c"}));
    EXPECT_EQ(Split(parser, "x,\"say \"hi\" now\",\"\""), (Fields{"x", "say \"hi\" now", ""}));
    EXPECT_EQ(Split(parser, "\"tail\","), (Fields{"tail", ""}));
    EXPECT_EQ(Split(parser, "\"unclosed,rest"), (Fields{"unclosed,rest"}));
    EXPECT_EQ(Split(parser, "mid\"quote,z"), (Fields{"mid\"quote", "z"})) << "only a leading quote quotes";
}

TEST(ParseStringTest, PerFieldDelimitersLeaveTheRestOfTheLineAsTheLastField) {
    CParseString parser;
    parser.m_delimiter = 0;
    parser.m_fieldDelimiters = "=;";
    EXPECT_EQ(Split(parser, "key=value;comment"), (Fields{"key", "value", "comment"}));
    EXPECT_EQ(Split(parser, "key=value;more;and=more"), (Fields{"key", "value", "more;and=more"}))
        << "more fields than delimiters";
    EXPECT_EQ(Split(parser, "key=value"), (Fields{"key", "value"}));
    EXPECT_EQ(Split(parser, "no delimiter"), (Fields{"no delimiter"}));
    EXPECT_EQ(Split(parser, "k;v=x"), (Fields{"k;v", "x"})) << "each field waits for its own delimiter";
    parser.m_fieldDelimiters.clear();
    EXPECT_EQ(Split(parser, "a\tb=c"), (Fields{"a\tb=c"}));
}

TEST(ParseStringTest, AFieldIndexKeepsOnlyThatField) {
    CParseString parser;
    parser.m_fieldIndex = 1;
    EXPECT_EQ(Split(parser, "a\tb\tc"), (Fields{"b"}));
    EXPECT_EQ(Split(parser, "a\t\tc"), (Fields{""}));
    EXPECT_EQ(Split(parser, "only"), Fields{});
    parser.m_delimiter = 0;
    parser.m_fieldDelimiters = ":";
    parser.m_fieldIndex = 1;
    EXPECT_EQ(Split(parser, "a:b:c"), (Fields{"b:c"}));
}
