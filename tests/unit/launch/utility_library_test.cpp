// The utility library is loaded by name from the current folder, once per
// name, and every missing piece is simply null.
#include "launcher/utility_library.h"

#include "companions/companions.h"
#include "support/stand_ins.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

// The launcher folder is the current folder while the launcher runs.
class InFixturesFolder {
public:
    InFixturesFolder() {
        GetCurrentDirectoryA(sizeof(saved_), saved_);
        SetCurrentDirectoryA(FixturesFolder().c_str());
    }
    ~InFixturesFolder() { SetCurrentDirectoryA(saved_); }

private:
    char saved_[MAX_PATH + 1] = {};
};

} // namespace

TEST(UtilityLibrary, LoadsFromTheCurrentFolderAndCallsTheExports) {
    TempFolder scratch;
    RecordFile record(scratch);
    InFixturesFolder here;
    {
        CUtilityLibrary library;
        ASSERT_NE(library.GetModule(), nullptr);
        EXPECT_EQ(library.GetName(), companions::kUtilityLibrary);
        // The same name in another case is the same library, not a reload.
        EXPECT_EQ(library.Load("UTILITIES.DLL"), library.GetModule());

        auto record_info = library.GetFunction<companions::ExpRecordComputerInfoFn>(companions::kExpRecordComputerInfo);
        auto upload = library.GetFunction<companions::ExpUploadSysInfoFn>(companions::kExpUploadSysInfo);
        auto show = library.GetFunction<companions::ExpDlgSystemInfoFn>(companions::kExpDlgSystemInfo);
        ASSERT_NE(record_info, nullptr);
        ASSERT_NE(upload, nullptr);
        ASSERT_NE(show, nullptr);
        record_info();
        upload(0);
        show(nullptr);
        EXPECT_EQ(library.GetProc("expNoSuchExport"), nullptr);
    }
    // The destructor unloaded it.
    EXPECT_EQ(GetModuleHandleA(companions::kUtilityLibrary), nullptr);

    auto lines = ReadRecord(record.Path());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].what, "expRecordComputerInfo()");
    EXPECT_EQ(lines[1].what, "expUploadSysInfo(0)");
    EXPECT_EQ(lines[2].what, "expDlgSystemInfo(none)");
}

TEST(UtilityLibrary, AMissingLibraryGivesNullAndForgetsThePreviousOne) {
    InFixturesFolder here;
    CUtilityLibrary library;
    ASSERT_NE(library.GetModule(), nullptr);
    EXPECT_EQ(library.Load("NoSuchUtilities.dll"), nullptr);
    EXPECT_EQ(library.GetName(), "");
    EXPECT_EQ(library.GetProc(companions::kExpUploadSysInfo), nullptr);
    EXPECT_EQ(GetModuleHandleA(companions::kUtilityLibrary), nullptr);
}
