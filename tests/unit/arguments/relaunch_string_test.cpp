#include "launcher/arguments.h"

#include <gtest/gtest.h>

namespace {

CArguments Parsed(const std::string& options) {
    return CArguments("Orvo.exe " + options, "C:\\P\\Orvo.exe");
}

} // namespace

TEST(RelaunchString, DebugSwitchesComeFromTheFieldsAfterTheTokens) {
    EXPECT_EQ(Parsed("/SafeMode /DebugNoisy file").BuildArgumentString(), "file /SafeMode /DebugNoisy");
    EXPECT_EQ(Parsed("/debugresetlog /DEBUGVERBOSE /DebugMode:7 /Restarted /x").BuildArgumentString(),
              "/Restarted /x /DebugVerbose /DebugResetLog /DebugMode:7");
    // The diagnostics dialog changes the fields; the tokens no longer count.
    CArguments changed = Parsed("/SafeMode /DebugMode:2 x");
    changed.bSafeMode = 0;
    changed.bDebugMode = 1;
    EXPECT_EQ(changed.BuildArgumentString(), "x /DebugMode:-1");
    EXPECT_EQ(changed.DebugMode, -1);
    // A quote left open runs to the end of the line: the options written
    // after it would travel inside the file name, lost to the next copy.
    CArguments open = Parsed("/SafeMode /DebugMode \"C:\\My Files\\a.imp");
    EXPECT_EQ(open.BuildArgumentString(), "/SafeMode /DebugMode:-1 \"C:\\My Files\\a.imp");
    EXPECT_EQ(CArguments("Orvo.exe " + open.BuildArgumentString(), "Orvo.exe").bSafeMode, 1);
}

TEST(RelaunchString, OnlyAnUnquotedTokenWithABlankGetsQuotes) {
    CArguments args = Parsed("/COPYIMPORTFILE data.imp \"C:\\x y\\a.log\"");
    args.SetAt(2, "C:\\Import Copies\\data.imp");
    EXPECT_EQ(args.BuildArgumentString(),
              "/COPYIMPORTFILE \"C:\\Import Copies\\data.imp\" \"C:\\x y\\a.log\"");
}
