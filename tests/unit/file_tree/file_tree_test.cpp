#include "localinstall/file_tree.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <shlobj.h>

using test_support::Exists;
using test_support::TempFolder;
using test_support::WriteFile;

TEST(PathParts, SplitAtLastBackslashAndDot) {
    EXPECT_EQ(FolderPart("C:\\a\\b.txt"), "C:\\a\\");
    EXPECT_EQ(FolderPart("b.txt"), "b.txt");
    EXPECT_EQ(FileNamePart("C:\\a\\b.txt"), "b.txt");
    EXPECT_EQ(FileTitle("C:\\a\\b.tar.gz"), "b.tar");
    EXPECT_EQ(FileExtension("C:\\a\\b.tar.gz"), "gz");
    EXPECT_EQ(FileExtension("C:\\a\\b"), "");
    EXPECT_EQ(FileExtension("C:\\dir.old\\file"), "old\\file");
    EXPECT_EQ(ParentFolder("C:\\a\\b"), "C:\\a");
    EXPECT_EQ(ParentFolder("b"), "");

    std::string folder = "C:\\a\\\\";
    AppendPath(folder, "\\\\b.txt");
    EXPECT_EQ(folder, "C:\\a\\b.txt");
}

TEST(FolderCreation, TreeCreatesEveryMissingLevelAndTrimsTheText) {
    TempFolder temp;
    std::string path = temp / "A\\B\\";
    EXPECT_TRUE(CreateFolderTree(path));
    EXPECT_EQ(path, temp / "A\\B");
    EXPECT_TRUE(DirectoryExists(temp / "A"));
    EXPECT_TRUE(DirectoryExists(temp / "A\\B"));

    EXPECT_TRUE(CreateFolderChain(temp / "C\\D\\"));
    EXPECT_TRUE(DirectoryExists(temp / "C\\D"));
    EXPECT_TRUE(CreateFolderChain(temp / "C\\D")) << "an existing folder counts as made";
}

TEST(FolderCreation, ExistingFileBlocksTheFolder) {
    TempFolder temp;
    ASSERT_TRUE(WriteFile(temp / "taken", "x"));
    std::string path = temp / "taken";
    SetLastError(0);
    EXPECT_FALSE(CreateFolderTree(path));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_FALSE(DirectoryExists(path));
    EXPECT_TRUE(FileExists(path));

    SetLastError(0);
    EXPECT_FALSE(CreateFolderChain(path + "\\"));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    // Below a file nothing can be made; the tree walk still answers true, the chain reports it.
    std::string below = temp / "taken\\sub";
    EXPECT_TRUE(CreateFolderTree(below));
    EXPECT_FALSE(CreateFolderChain(temp / "taken\\sub2"));
    EXPECT_FALSE(DirectoryExists(below));

    std::string empty = "\\\\";
    EXPECT_FALSE(CreateFolderTree(empty));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_DRIVE));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(DirectoryExists(""));
}

TEST(TreeDeletion, ReadOnlyFilesAreDeleted) {
    TempFolder temp;
    std::string root = temp / "tree";
    std::string sub = root + "\\sub\\deeper";
    ASSERT_TRUE(CreateFolderChain(sub));
    ASSERT_TRUE(WriteFile(root + "\\top.txt", "1"));
    ASSERT_TRUE(WriteFile(sub + "\\locked.txt", "2"));
    SetFileAttributesA((root + "\\top.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((sub + "\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_TRUE(DeleteTree(root));
    EXPECT_FALSE(Exists(root));
    EXPECT_FALSE(DeleteTree(root)) << "a missing folder is not deleted";
    EXPECT_FALSE(DeleteFolderContents(root));
}

TEST(TreeDeletion, FileHeldOpenKeepsItsFolder) {
    TempFolder temp;
    std::string root = temp / "busy";
    ASSERT_TRUE(CreateFolderChain(root + "\\sub"));
    ASSERT_TRUE(WriteFile(root + "\\sub\\open.dat", "held"));
    ASSERT_TRUE(WriteFile(root + "\\free.dat", "free"));
    HANDLE held = CreateFileA((root + "\\sub\\open.dat").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    EXPECT_FALSE(DeleteTree(root));
    EXPECT_TRUE(FileExists(root + "\\sub\\open.dat"));
    EXPECT_TRUE(DirectoryExists(root + "\\sub"));

    CloseHandle(held);
    EXPECT_TRUE(DeleteTree(root));
}

TEST(UniqueCopy, NumbersFromTwoPastTakenNames) {
    TempFolder temp;
    std::string dest = temp / "dest";
    ASSERT_TRUE(CreateFolderChain(dest));
    ASSERT_TRUE(WriteFile(temp / "x.txt", "new content"));
    ASSERT_TRUE(WriteFile(dest + "\\x.txt", "old"));
    ASSERT_TRUE(WriteFile(dest + "\\x (2).txt", "old"));

    std::string out;
    EXPECT_TRUE(CopyToUniqueName(temp / "x.txt", dest, out));
    EXPECT_EQ(out, dest + "\\x (3).txt");
    EXPECT_TRUE(FileExists(out));
}

TEST(UniqueCopy, MarkerStaysBehindTheExtensionAndFolderDotsAreIgnored) {
    TempFolder temp;
    ASSERT_TRUE(WriteFile(temp / "a.pdf.PLCpt", "%PDF"));
    std::string out;
    EXPECT_TRUE(CopyToUniqueName(temp / "a.pdf.PLCpt", temp.Path(), out, "FSC"));
    EXPECT_EQ(out, temp / "a.FSC.PLCpt");
    EXPECT_TRUE(CopyToUniqueName(temp / "a.pdf.PLCpt", temp.Path(), out));
    EXPECT_EQ(out, temp / "a (2).pdf.PLCpt");

    ASSERT_TRUE(CreateFolderChain(temp / "dir.old"));
    ASSERT_TRUE(WriteFile(temp / "dir.old\\file", "x"));
    EXPECT_TRUE(CopyToUniqueName(temp / "dir.old\\file", temp.Path(), out));
    EXPECT_TRUE(FileExists(temp / "file"));
}

TEST(SpecialFolderFile, DeletesOnlyWhatIsThere) {
    char appData[MAX_PATH] = "";
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, appData, CSIDL_LOCAL_APPDATA, TRUE));
    std::string name = "orvo_special_" + std::to_string(GetCurrentProcessId()) + ".tmp";
    std::string path = std::string(appData) + "\\" + name;
    ASSERT_TRUE(WriteFile(path, "x"));
    EXPECT_EQ(DeleteSpecialFolderFile(CSIDL_LOCAL_APPDATA, "\\%s", name.c_str()), 1);
    EXPECT_FALSE(Exists(path));
    EXPECT_EQ(DeleteSpecialFolderFile(CSIDL_LOCAL_APPDATA, "%s", name.c_str()), -1);

    // An unknown folder id must not leave the name to resolve against the drive root.
    TempFolder temp;
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(temp.Path().c_str()));
    std::string atRoot = temp.Path().substr(0, 3) + name;
    ASSERT_TRUE(WriteFile(atRoot, "x"));
    EXPECT_EQ(DeleteSpecialFolderFile(0x7F, "%s", name.c_str()), -1);
    EXPECT_TRUE(Exists(atRoot));
    DeleteFileA(atRoot.c_str());
    SetCurrentDirectoryA(previous);
}
