// The task dialog's look follows the system: the XP look on major version
// 5, the visual-style look on later systems only with an active visual
// style. Wine reports the Windows version an executable asks for in
// HKCU\Software\Wine\AppDefaults\<exe>\Version, read when a process starts,
// so the test driver is started under each setting and records its mode.
#include "framework/handles.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

const char kDriver[] = "drive_task_dialog.exe";
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\drive_task_dialog.exe";
const char kAppearance[] = "Control Panel\\Appearance";

bool SetText(const char* keyPath, const char* name, const char* value) {
    fw::RegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Out(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                          static_cast<DWORD>(lstrlenA(value) + 1)) == ERROR_SUCCESS;
}

// The Windows version the driver is told, removed again afterwards. (Wine
// itself makes the AppDefaults key at every process start.)
class DriverVersion {
public:
    explicit DriverVersion(const char* version) { ok = SetText(kAppDefaults, "Version", version); }
    ~DriverVersion() { RegDeleteKeyA(HKEY_CURRENT_USER, kAppDefaults); }
    bool ok;
};

// The appearance scheme, as the user's before the test when there was one.
class AppearanceScheme {
public:
    explicit AppearanceScheme(const char* scheme) {
        fw::RegKey key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppearance, 0, KEY_READ, key.Out()) == ERROR_SUCCESS) {
            existed_ = true;
            char value[256] = "";
            DWORD size = sizeof(value) - 1;
            if (RegQueryValueExA(key.Get(), "Current", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                ERROR_SUCCESS)
                previous_ = value;
        }
        ok = SetText(kAppearance, "Current", scheme);
    }
    ~AppearanceScheme() {
        if (existed_)
            SetText(kAppearance, "Current", previous_.c_str());
        else
            RegDeleteKeyA(HKEY_CURRENT_USER, kAppearance);
    }
    bool ok;

private:
    bool existed_ = false;
    std::string previous_;
};

// "visual=<n> version=<major>.<minor>" as the driver saw it.
std::string DriverSees() {
    TempFolder folder("orvo_visual");
    RecordFile record(folder);
    std::string command = "\"" + StandIn(kDriver) + "\" /visualmode";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return "not started";
    WaitForSingleObject(process.hProcess, 20000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::vector<RecordLine> lines = ReadRecord(record.Path());
    return lines.empty() ? "nothing recorded" : lines.back().what;
}

} // namespace

TEST(TaskDialogVisualModeOnTheSystem, XpLookOnXpAndTheVisualStyleOnlyWhereItIsActive) {
    {
        DriverVersion xp("winxp");
        ASSERT_TRUE(xp.ok);
        AppearanceScheme themed("Windows XP style");
        EXPECT_EQ(DriverSees(), "visual=0 version=5.1") << "XP keeps its look even with a visual style";
    }
    {
        DriverVersion vista("vista");
        ASSERT_TRUE(vista.ok);
        {
            AppearanceScheme classic("Windows Standard");
            EXPECT_EQ(DriverSees(), "visual=1 version=6.0");
        }
        {
            AppearanceScheme themed("Windows XP style");
            ASSERT_TRUE(themed.ok);
            EXPECT_EQ(DriverSees(), "visual=2 version=6.0");
        }
    }
}
