// What the diagnostics dialog shows of the command line, what clearing its
// debug box leaves for the main program, and how it offers the installation.
#include "launcher/arguments.h"
#include "ui/diagnostics_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

CArguments Parsed(const std::string& line) { return CArguments(line, "C:\\Pellmore\\Orvo.exe"); }

std::vector<std::string> Names(const std::vector<ParameterRow>& rows) {
    std::vector<std::string> names;
    for (const ParameterRow& row : rows) names.push_back(row.first);
    return names;
}

TEST(DiagnosticsRules, ParameterRowsInTheirOrder) {
    CArguments args = Parsed("Orvo.exe /SafeMode a.txt");
    std::vector<ParameterRow> rows = ParameterRows(args);
    EXPECT_EQ(rows[0], ParameterRow("Param: 0", "C:\\Pellmore\\Orvo.exe"));
    EXPECT_EQ(rows[2], ParameterRow("Param: 2", "a.txt"));
    EXPECT_EQ(rows[3], ParameterRow("----------", ""));
    EXPECT_EQ(Names(rows), (std::vector<std::string>{
                               "Param: 0", "Param: 1", "Param: 2", "----------", "bCFG", "bDeleteImportFile",
                               "bCopyImportFile", "bFSC", "bNoConfirmation", "bSilent", "bRecheck", "bRestarted",
                               "bNoLocalInstall", "bSkipLocalCheck", "bCFG", "bSafeMode", "bDebugResetLog",
                               "bDebugVerbose", "bDebugNoisy", "bInstallVPrinter", "hCtrlWnd", "lCtrlMsg", "sFilename"}));
    EXPECT_EQ(rows[15].second, "TRUE");
    EXPECT_EQ(rows.back(), ParameterRow("sFilename", "a.txt"));

    // The level follows safe mode, only when there is one.
    std::vector<ParameterRow> all = ParameterRows(Parsed("Orvo.exe /DebugMode /CtrlWnd:12 /CtrlMsg:2256"));
    auto safeMode = std::find(all.begin(), all.end(), ParameterRow("bSafeMode", "FALSE"));
    ASSERT_NE(safeMode, all.end());
    EXPECT_EQ(*(safeMode + 1), ParameterRow("DebugMode", "ffffffff"));
    EXPECT_EQ(all[all.size() - 3], ParameterRow("hCtrlWnd", "12"));
    std::vector<ParameterRow> level = ParameterRows(Parsed("Orvo.exe /DebugMode:26"));
    EXPECT_NE(std::find(level.begin(), level.end(), ParameterRow("DebugMode", "1a")), level.end());
}

TEST(DiagnosticsRules, ClearingDebugModeLeavesNoLevelOfTheBareOption) {
    CArguments bare = Parsed("Orvo.exe /DebugMode");
    ApplyDebugModeChoice(bare, false);
    EXPECT_EQ(bare.BuildArgumentString(), "");
    CArguments explicitLevel = Parsed("Orvo.exe /DebugMode:3");
    ApplyDebugModeChoice(explicitLevel, false);
    EXPECT_EQ(explicitLevel.BuildArgumentString(), "/DebugMode:3");
    CArguments none = Parsed("Orvo.exe");
    ApplyDebugModeChoice(none, true);
    EXPECT_EQ(none.BuildArgumentString(), "/DebugMode:-1");
}

TEST(DiagnosticsRules, InstallButtonFromFourAnswers) {
    struct Case {
        bool needsAdmin, uac, admin, elevated, enabled, shield;
    } cases[] = {
        {false, true, false, false, true, false}, // nothing missing needs rights
        {true, false, false, false, false, false}, // no UAC, no administrator
        {true, false, true, false, true, false},
        {true, true, false, false, true, true}, // UAC, not elevated: the shield
        {true, true, false, true, true, false},
    };
    for (const Case& c : cases) {
        DiagnosticsInstallButton button = DecideDiagnosticsInstallButton(c.needsAdmin, c.uac, c.admin, c.elevated);
        EXPECT_EQ(button.enabled, c.enabled) << c.needsAdmin << c.uac << c.admin << c.elevated;
        EXPECT_EQ(button.shield, c.shield) << c.needsAdmin << c.uac << c.admin << c.elevated;
    }
}

} // namespace
