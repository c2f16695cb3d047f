#include "launcher/arguments.h"

#include "appstate/paths.h"
#include "framework/handles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Fields = std::map<std::string, long long>;

CArguments Parsed(const std::string& options) {
    return CArguments("Orvo.exe " + options, "C:\\P\\Orvo.exe");
}

// Every field that is not zero, by name, so a test sees stray effects too.
Fields SetFields(const CArguments& a) {
    Fields all = {{"bDeleteImportFile", a.bDeleteImportFile},
                  {"bCopyImportFile", a.bCopyImportFile},
                  {"bFSC", a.bFSC},
                  {"bNoConfirmation", a.bNoConfirmation},
                  {"bSilent", a.bSilent},
                  {"bRecheck", a.bRecheck},
                  {"bRestarted", a.bRestarted},
                  {"bNoLocalInstall", a.bNoLocalInstall},
                  {"bSkipLocalCheck", a.bSkipLocalCheck},
                  {"bNoLaunchIfRunning", a.bNoLaunchIfRunning},
                  {"bCFG", a.bCFG},
                  {"bSafeMode", a.bSafeMode},
                  {"bDebugResetLog", a.bDebugResetLog},
                  {"bDebugVerbose", a.bDebugVerbose},
                  {"bDebugNoisy", a.bDebugNoisy},
                  {"DebugMode", a.DebugMode},
                  {"bDebugMode", a.bDebugMode},
                  {"bInstallVPrinter", a.bInstallVPrinter},
                  {"hCtrlWnd", reinterpret_cast<INT_PTR>(a.hCtrlWnd)},
                  {"lCtrlMsg", a.lCtrlMsg},
                  {"lCtrlKey", a.lCtrlKey},
                  {"nFilenameArg", a.nFilenameArg + 1}}; // -1 is "none"
    Fields set;
    for (const auto& field : all)
        if (field.second != 0) set.insert(field);
    return set;
}

// The "AppLook" the option left in the registry, or -1 when it wrote none.
long long AppLookAfter(const std::string& option) {
    const char* keyName = "Software\\Pellmore\\Visual Style";
    RegDeleteKeyA(HKEY_CURRENT_USER, keyName);
    Parsed(option);
    fw::RegKey key;
    DWORD type = 0, value = 0, size = sizeof(value);
    bool found = RegOpenKeyExA(HKEY_CURRENT_USER, keyName, 0, KEY_READ, key.Out()) == ERROR_SUCCESS &&
                 RegQueryValueExA(key.Get(), "AppLook", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                                  &size) == ERROR_SUCCESS &&
                 type == REG_DWORD;
    key.Reset();
    RegDeleteKeyA(HKEY_CURRENT_USER, keyName);
    return found ? static_cast<long long>(value) : -1;
}

} // namespace

TEST(ParseArguments, NothingGivenLeavesEveryFieldClear) {
    CArguments args("\"C:\\P\\Orvo.exe\"", "C:\\P\\Orvo.exe");
    EXPECT_EQ(args.GetSize(), 1);
    EXPECT_EQ(SetFields(args), Fields());
    EXPECT_EQ(args.nFilenameArg, -1);
    EXPECT_EQ(args.GetFilename(), "");
    EXPECT_EQ(args.BuildArgumentString(), "");
}

TEST(ParseArguments, OptionsMatchWholeTokensInAnyCase) {
    const std::pair<const char*, Fields> cases[] = {
        {"/silent", {{"bSilent", 1}, {"bRecheck", 1}}},
        {"/SILENT", {{"bSilent", 1}, {"bRecheck", 1}}},
        {"/Install", {{"bRecheck", 1}}},
        {"/nolocal", {{"bNoLocalInstall", 1}}},
        {"/NOLAUNCHIFRUNNING", {{"bNoLaunchIfRunning", 1}}},
        {"/installvprint", {{"bInstallVPrinter", 1}}},
        {"/ctrlwnd:-2 /CtrlMsg:2256", {{"hCtrlWnd", -2}, {"lCtrlMsg", 2256}}},
        {"/CtrlKey:4294967295", {{"lCtrlKey", 4294967295LL}}},
        {"/Silentx /Silen /NoLocalInstall /CHECKER /", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(SetFields(Parsed(c.first)), c.second) << c.first;
}

TEST(ParseArguments, DebugModeWithoutLevelMeansEveryLevel) {
    for (const char* option : {"/DebugMode", "/debugmode:"}) {
        CArguments args = Parsed(option);
        EXPECT_EQ(SetFields(args), Fields({{"DebugMode", -1}, {"bDebugMode", 1}})) << option;
        EXPECT_EQ(args.BuildArgumentString(), "/DebugMode:-1") << option;
    }
    for (const char* option : {"/DebugMode:3", "/DEBUGMODE3"}) {
        CArguments args = Parsed(option);
        EXPECT_EQ(SetFields(args), Fields({{"DebugMode", 3}})) << option;
        EXPECT_EQ(args.BuildArgumentString(), "/DebugMode:3") << option;
    }
    CArguments notANumber = Parsed("/DebugMode:high");
    EXPECT_EQ(SetFields(notANumber), Fields());
    EXPECT_EQ(notANumber.BuildArgumentString(), "");
}

TEST(ParseArguments, LastBareTokenIsTheFileName) {
    CArguments args = Parsed("first.imp /Silent second.log /NoConfirm");
    EXPECT_EQ(args.GetFilename(), "second.log");
    EXPECT_EQ(args.BuildArgumentString(), "first.imp /Silent second.log /NoConfirm");
}

TEST(ParseArguments, SettingsOptionsTakeEffectAndTravelOn) {
    CArguments cfg = Parsed("/CFG:\"C:\\a b\\x.ini\"");
    EXPECT_EQ(cfg.bCFG, 1);
    EXPECT_EQ(GetConfigurationFile(), "C:\\a b\\x.ini");
    ResetPathState();
    EXPECT_EQ(cfg.BuildArgumentString(), "/CFG:\"C:\\a b\\x.ini\"");

    EXPECT_EQ(Parsed("/USER:ABCDEFG").BuildArgumentString(), "/USER:ABCDEFG");
    EXPECT_EQ(GetUserInitials(), "ABC");
    Parsed("/user:JD");
    EXPECT_EQ(GetUserInitials(), "JD");
}

TEST(ParseArguments, ThemeStoresOnlyTheKnownLooks) {
    EXPECT_EQ(AppLookAfter("/THEME:4"), 4);
    EXPECT_EQ(AppLookAfter("/theme:"), 0);
    EXPECT_EQ(AppLookAfter("/THEME:5"), -1);
    EXPECT_EQ(AppLookAfter("/THEME:-1"), -1);
}
