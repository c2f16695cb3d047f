// Icon loading order: the program's resources, the system's icons, then the
// resource library (its stand-in records each call), and nothing when the
// library or its exports are missing.
#include "ui/icons.h"

#include "resource.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

int IconWidth(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap = {};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

std::vector<std::string> Calls(const std::string& recordPath) {
    std::vector<std::string> calls;
    for (const RecordLine& line : ReadRecord(recordPath)) calls.push_back(line.what);
    return calls;
}

class IconsTest : public ::testing::Test {
protected:
    HMODULE self_ = GetModuleHandleA(nullptr);
    TempFolder scratch_{"orvo_icons"};
    RecordFile record_{scratch_};
    CResourceLibrary library_{StandIn("OrvoResource.dll")};
};

} // namespace

TEST_F(IconsTest, ProgramAndSystemIconsComeFirstInTheWantedSize) {
    HICON own16 = LoadOrvoIcon(MAKEINTRESOURCEA(IDR_MAINFRAME), 16, self_, library_);
    ASSERT_NE(own16, nullptr);
    EXPECT_EQ(IconWidth(own16), 16);
    HICON ownDefault = LoadOrvoIcon(MAKEINTRESOURCEA(IDR_MAINFRAME), 0, self_, library_);
    ASSERT_NE(ownDefault, nullptr);
    EXPECT_EQ(IconWidth(ownDefault), GetSystemMetrics(SM_CXICON));
    HICON system = LoadOrvoIcon(MAKEINTRESOURCEA(32515), 32, self_, library_); // IDI_WARNING
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(IconWidth(system), 32);
    EXPECT_TRUE(Calls(record_.Path()).empty()) << "the library is the last resort";
    DestroyIcon(own16);
    DestroyIcon(ownDefault);
    DestroyIcon(system);
}

TEST_F(IconsTest, TheLibraryIsAskedLastWithItsExportsArguments) {
    HICON sized = LoadOrvoIcon("StubIcon", 24, self_, library_);
    EXPECT_NE(sized, nullptr);
    HICON named = LoadOrvoIcon("StubNamed", 0, self_, library_);
    EXPECT_NE(named, nullptr);
    EXPECT_EQ(LoadOrvoIcon("Nothing", 20, self_, library_), nullptr);
    EXPECT_EQ(LoadOrvoIcon("Nothing", 0, self_, library_), nullptr);
    std::vector<std::string> expected = {
        "expOrvoLoadImage(StubIcon,1,24,24,0)",
        "expOrvoLoadIconName(StubNamed)",
        // A sized search that finds nothing goes on with the default size.
        "expOrvoLoadImage(Nothing,1,20,20,0)",
        "expOrvoLoadIconName(Nothing)",
        "expOrvoLoadIconName(Nothing)",
    };
    EXPECT_EQ(Calls(record_.Path()), expected);
    DestroyIcon(sized);
    DestroyIcon(named);
}

TEST_F(IconsTest, MissingLibraryOrExportsGiveNoIcon) {
    CResourceLibrary missing(scratch_ / "OrvoResource.dll");
    EXPECT_EQ(LoadOrvoIcon("StubIcon", 24, self_, missing), nullptr);
    EXPECT_EQ(LoadOrvoIcon("StubNamed", 0, self_, missing), nullptr);
    CResourceLibrary withoutExports(StandIn("Utilities.dll"));
    EXPECT_EQ(LoadOrvoIcon("StubIcon", 24, self_, withoutExports), nullptr);
    EXPECT_EQ(LoadOrvoIcon(nullptr, 16, self_, library_), nullptr);
    EXPECT_TRUE(Calls(record_.Path()).empty());
}
