#include "launcher/arguments.h"

#include <gtest/gtest.h>

namespace {

using Tokens = std::vector<std::string>;
const char kModule[] = "C:\\Program Files\\Pellmore\\Orvo.exe";

Tokens TokensOf(const std::string& commandLine) {
    CParseArgs args;
    args.Tokenize(commandLine, kModule);
    return args.Tokens();
}

} // namespace

TEST(Tokenize, BlanksSeparateAndQuotesGroup) {
    EXPECT_EQ(TokensOf("\"C:\\Program Files\\Pellmore\\orvo\" /Silent"), Tokens({kModule, "/Silent"}));
    EXPECT_EQ(TokensOf(""), Tokens({kModule}));
    EXPECT_EQ(TokensOf(" \t\r\n"), Tokens({kModule}));
    EXPECT_EQ(TokensOf("orvo a  b\t\r\nc   "), Tokens({kModule, "a", "b", "c"}));
    EXPECT_EQ(TokensOf("orvo a\"b c\"d \"\" e"), Tokens({kModule, "a\"b c\"d", "\"\"", "e"}));
    // An unclosed quote runs to the end; trailing blanks were cut before.
    EXPECT_EQ(TokensOf("orvo \"a b  "), Tokens({kModule, "\"a b"}));
}
