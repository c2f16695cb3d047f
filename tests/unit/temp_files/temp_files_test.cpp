// The product temporary folder: download files are replaced, other files
// there (import copies) survive, and tree removal never leaves its folder.
#include "utils/temp_files.h"
#include "support/links.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

std::string ProductTemp() {
    std::string folder;
    EXPECT_EQ(GetProductTempFolder(folder), 1);
    return folder;
}

TEST(TempFiles, DownloadFilesReplaceEarlierOnesOnly) {
    std::string folder = ProductTemp();
    EXPECT_EQ(folder, GetUserTempFolder() + "\\PellmoreTemp");
    // An import copy may well be called x.tmp: it belongs to the main program.
    std::string imported = folder + "\\imported x.tmp";
    ASSERT_TRUE(WriteFile(imported, "import"));

    std::string first, second;
    ASSERT_EQ(CreateDownloadTempFile(first), 1);
    EXPECT_EQ(first.rfind(folder + "\\DWN", 0), 0u) << first;
    EXPECT_TRUE(Exists(first));
    SetFileAttributesA(first.c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_EQ(CreateDownloadTempFile(second), 1);
    EXPECT_FALSE(Exists(first)) << "a read-only leftover is removed too";
    EXPECT_TRUE(Exists(second));
    EXPECT_TRUE(Exists(imported));

    // A download still held open by an installer stays; a new name is made.
    HANDLE held = CreateFileA(second.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string third;
    EXPECT_EQ(CreateDownloadTempFile(third), 1);
    EXPECT_NE(third, second);
    EXPECT_TRUE(Exists(second));
    CloseHandle(held);
    DeleteFileA(second.c_str());
    DeleteFileA(third.c_str());
    DeleteFileA(imported.c_str());
}

TEST(TempFiles, RemovingATreeRemovesALinkNotWhatItPointsTo) {
    TempFolder scratch("orvo_tree");
    std::string outside = scratch.Subfolder("outside");
    ASSERT_TRUE(WriteFile(outside + "\\keep.txt", "keep"));
    std::string tree = scratch.Subfolder("tree");
    ASSERT_TRUE(WriteFile(tree + "\\a.txt", "a"));
    std::string sub = tree + "\\sub";
    CreateDirectoryA(sub.c_str(), nullptr);
    ASSERT_TRUE(WriteFile(sub + "\\b.txt", "b"));
    std::string link = tree + "\\link";
    ASSERT_TRUE(MakeDirectoryLink(link, outside));

    EXPECT_EQ(RemoveFolderTree(tree), 1);
    EXPECT_TRUE(Exists(outside + "\\keep.txt")) << "the link was followed";
    // (Wine cannot remove a Unix link with RemoveDirectory, so the tree's
    // own folder may stay behind here; what was in it is gone.)
    EXPECT_FALSE(Exists(tree + "\\a.txt"));
    EXPECT_FALSE(Exists(sub));
}

TEST(TempFiles, MatchingFoldersAreRemovedWithTheirContents) {
    TempFolder scratch("orvo_match");
    std::string folder = scratch.Subfolder("DWN1.TMP");
    ASSERT_TRUE(WriteFile(folder + "\\inside.txt", "x"));
    ASSERT_TRUE(WriteFile(scratch / "DWN2.TMP", "y"));
    ASSERT_TRUE(WriteFile(scratch / "other.TMP", "z"));
    EXPECT_EQ(DeleteMatchingFiles(scratch / "DWN*.TMP"), 1);
    EXPECT_FALSE(Exists(folder));
    EXPECT_FALSE(Exists(scratch / "DWN2.TMP"));
    EXPECT_TRUE(Exists(scratch / "other.TMP"));
}

} // namespace
