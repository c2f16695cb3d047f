#include "framework/app.h"
#include "framework/handles.h"

#include <gtest/gtest.h>

namespace {

DWORD ReadDword(const char* keyPath, const char* name, DWORD missing) {
    fw::RegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return missing;
    DWORD value = 0, size = sizeof(value), type = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return missing;
    return value;
}

} // namespace

TEST(AppProfile, IntegersLiveUnderCompanyAndApplicationTitle) {
    CWinApp app("Pellmore Orvo Test");
    app.SetRegistryKey("Pellmore");
    EXPECT_EQ(app.GetAppRegistryKey(), "Software\\Pellmore\\Pellmore Orvo Test");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellmore\\Pellmore Orvo Test\\Launch");

    EXPECT_EQ(app.GetProfileInt("Launch", "LaunchBit", 7), 7u);
    ASSERT_TRUE(app.WriteProfileInt("Launch", "LaunchBit", 1));
    EXPECT_EQ(app.GetProfileInt("Launch", "LaunchBit", 7), 1u);
    // Other programs of the suite read the plain registry value.
    EXPECT_EQ(ReadDword("Software\\Pellmore\\Pellmore Orvo Test\\Launch", "LaunchBit", 99), 1u);

    ASSERT_TRUE(app.WriteProfileString("Launch", "Note", "x y"));
    EXPECT_EQ(app.GetProfileString("Launch", "Note"), "x y");
    EXPECT_EQ(app.GetProfileString("Launch", "Missing", "dflt"), "dflt");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellmore\\Pellmore Orvo Test\\Launch");
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Pellmore\\Pellmore Orvo Test");
    EXPECT_EQ(AfxGetApp(), &app);
}
