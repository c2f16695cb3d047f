#include "launcher/arguments.h"
#include "launcher/run_mode.h"

#include <gtest/gtest.h>

namespace {

CArguments Parsed(const std::string& commandLine) { return CArguments(commandLine, "C:\\Apps\\Orvo.exe"); }

} // namespace

TEST(RunMode, CheckerByFileNameOrWholeToken) {
    CArguments none = Parsed("Orvo.exe");
    EXPECT_TRUE(IsCheckerMode("C:\\Apps\\CompatibilityCheck.exe", none));
    EXPECT_TRUE(IsCheckerMode("C:\\Apps\\COMP.EXE", none));
    EXPECT_TRUE(IsCheckerMode("comp", none));
    EXPECT_FALSE(IsCheckerMode("C:\\Comp\\Orvo.exe", none)); // only the file name counts
    EXPECT_FALSE(IsCheckerMode("C:\\Apps\\Com.exe", none));

    EXPECT_TRUE(IsCheckerMode("C:\\Apps\\Orvo.exe", Parsed("Orvo.exe /checker")));
    EXPECT_FALSE(IsCheckerMode("C:\\Apps\\Orvo.exe", Parsed("Orvo.exe /CHECKERX")));
    // Token 0 is the program itself, never an option.
    EXPECT_FALSE(IsCheckerMode("C:\\Apps\\Orvo.exe", Parsed("/CHECKER")));
}

TEST(RunMode, CheckerWinsThenCtrlThenFirstStartSafeMode) {
    CArguments plain = Parsed("Orvo.exe");
    CArguments safe = Parsed("Orvo.exe /SafeMode");
    CArguments safeRestarted = Parsed("Orvo.exe /SafeMode /Restarted");
    CArguments restarted = Parsed("Orvo.exe /Restarted");

    EXPECT_EQ(ChooseRunMode(true, true, safe), RunMode::Checker);
    EXPECT_EQ(ChooseRunMode(false, true, restarted), RunMode::Diagnostics);
    EXPECT_EQ(ChooseRunMode(false, false, safe), RunMode::Diagnostics);
    EXPECT_EQ(ChooseRunMode(false, false, safeRestarted), RunMode::Launcher);
    EXPECT_EQ(ChooseRunMode(false, false, plain), RunMode::Launcher);
}
