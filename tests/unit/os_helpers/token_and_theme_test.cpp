#include "framework/handles.h"
#include "utils/theme_api.h"
#include "utils/token_helpers.h"

#include <gtest/gtest.h>

#include <string>

TEST(TokenHelpers, AnElevatedProcessBelongsToAnAdministrator) {
    DWORD error = 12345;
    bool administrator = IsUserAdministrator(&error);
    EXPECT_EQ(error, 0u);
    // The test prefix's user is an administrator, as Wine sets it up.
    EXPECT_TRUE(administrator);
    if (IsProcessElevated()) {
        EXPECT_TRUE(administrator);
    }
    EXPECT_EQ(IsUserAdministrator(), administrator);
}

namespace {

const char kAppearance[] = "Control Panel\\Appearance";

// Sets (or removes) the user's appearance scheme for one test and puts the
// previous state back afterwards.
class AppearanceScheme {
public:
    AppearanceScheme() {
        fw::RegKey key;
        existed_ = RegOpenKeyExA(HKEY_CURRENT_USER, kAppearance, 0, KEY_READ, key.Out()) == ERROR_SUCCESS;
        char value[256] = "";
        DWORD size = sizeof(value) - 1;
        hadValue_ = existed_ && RegQueryValueExA(key.Get(), "Current", nullptr, nullptr,
                                                 reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
        if (hadValue_) previous_.assign(value, size && value[size - 1] == '\0' ? size - 1 : size);
    }
    ~AppearanceScheme() {
        if (!existed_) {
            RegDeleteKeyA(HKEY_CURRENT_USER, kAppearance);
        } else if (hadValue_) {
            Set(previous_.c_str());
        } else {
            fw::RegKey key;
            if (RegOpenKeyExA(HKEY_CURRENT_USER, kAppearance, 0, KEY_SET_VALUE, key.Out()) == ERROR_SUCCESS)
                RegDeleteValueA(key.Get(), "Current");
        }
    }
    static void Set(const char* scheme) {
        fw::RegKey key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kAppearance, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Out(),
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key.Get(), "Current", 0, REG_SZ, reinterpret_cast<const BYTE*>(scheme),
                       static_cast<DWORD>(strlen(scheme) + 1));
    }
    static void RemoveKey() { RegDeleteKeyA(HKEY_CURRENT_USER, kAppearance); }

private:
    bool existed_ = false;
    bool hadValue_ = false;
    std::string previous_;
};

} // namespace

TEST(ThemeApiBinding, ClassicSchemeOrNoSettingsMeanNoThemedDrawing) {
    AppearanceScheme restore;
    ThemeApi api;
    EXPECT_FALSE(api.enabled);
    EXPECT_EQ(api.library, nullptr);

    AppearanceScheme::Set("Windows Standard");
    api.Load();
    EXPECT_FALSE(api.enabled);
    EXPECT_EQ(api.library, nullptr);
    EXPECT_EQ(api.openThemeData, nullptr);

    AppearanceScheme::RemoveKey();
    api.Load();
    EXPECT_FALSE(api.enabled);
    EXPECT_EQ(api.library, nullptr);
}

TEST(ThemeApiBinding, OtherSchemeLoadsAllNineFunctions) {
    AppearanceScheme restore;
    AppearanceScheme::Set("Windows XP style");
    ThemeApi api;
    api.Load();
    EXPECT_TRUE(api.enabled);
    ASSERT_NE(api.library, nullptr);
    EXPECT_NE(api.openThemeData, nullptr);
    EXPECT_NE(api.drawThemeBackground, nullptr);
    EXPECT_NE(api.drawThemeParentBackground, nullptr);
    EXPECT_NE(api.closeThemeData, nullptr);
    EXPECT_NE(api.drawThemeEdge, nullptr);
    EXPECT_NE(api.drawThemeIcon, nullptr);
    EXPECT_NE(api.drawThemeText, nullptr);
    EXPECT_NE(api.getThemeBackgroundContentRect, nullptr);
    ASSERT_NE(api.isThemeActive, nullptr);
    api.isThemeActive();

    api.Unload();
    EXPECT_EQ(api.library, nullptr);
    EXPECT_EQ(api.isThemeActive, nullptr);
    EXPECT_EQ(api.theme, nullptr);
}
