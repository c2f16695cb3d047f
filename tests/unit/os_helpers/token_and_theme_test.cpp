#include "framework/handles.h"
#include "utils/theme_api.h"
#include "utils/token_helpers.h"

#include <gtest/gtest.h>

TEST(TokenHelpers, AnElevatedProcessBelongsToAnAdministrator) {
    DWORD error = 12345;
    bool administrator = IsUserAdministrator(&error);
    EXPECT_EQ(error, 0u);
    EXPECT_TRUE(administrator) << "Wine's user is an administrator";
    if (IsProcessElevated()) {
        EXPECT_TRUE(administrator);
    }
}

namespace {

const char kAppearance[] = "Control Panel\\Appearance";

void SetScheme(const char* scheme) {
    fw::RegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kAppearance, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Out(), nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key.Get(), "Current", 0, REG_SZ, reinterpret_cast<const BYTE*>(scheme),
                   static_cast<DWORD>(lstrlenA(scheme) + 1));
}

} // namespace

// The test prefix has no appearance settings of its own; each case sets them.
TEST(ThemeApiBinding, OnlyANonClassicSchemeLoadsTheLibrary) {
    ThemeApi api;
    SetScheme("Windows Standard");
    api.Load();
    EXPECT_FALSE(api.enabled);
    EXPECT_EQ(api.library, nullptr);

    RegDeleteKeyA(HKEY_CURRENT_USER, kAppearance);
    api.Load();
    EXPECT_FALSE(api.enabled);

    SetScheme("Windows XP style");
    api.Load();
    RegDeleteKeyA(HKEY_CURRENT_USER, kAppearance);
    EXPECT_TRUE(api.enabled);
    ASSERT_NE(api.library, nullptr);
    for (void* function : {(void*)api.openThemeData, (void*)api.drawThemeBackground,
                           (void*)api.drawThemeParentBackground, (void*)api.closeThemeData, (void*)api.drawThemeEdge,
                           (void*)api.drawThemeIcon, (void*)api.drawThemeText,
                           (void*)api.getThemeBackgroundContentRect, (void*)api.isThemeActive})
        EXPECT_NE(function, nullptr);

    api.Unload();
    EXPECT_EQ(api.library, nullptr);
    EXPECT_EQ(api.isThemeActive, nullptr);
}
