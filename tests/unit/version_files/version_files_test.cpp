#include "localinstall/version_files.h"
#include "appstate/paths.h"
#include "framework/strings.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

using test_support::TempFolder;
using test_support::WriteFile;

TEST(VersionFile, FirstLineIsTheVersionTheRestListsFiles) {
    TempFolder temp;
    ASSERT_TRUE(WriteFile(temp / "Version.dat", "1.2.3\r\nReports\\a.rpt\t123\r\n\r\n\t\t\r\nbin\\x.dll\n"));
    std::string version = "old";
    EXPECT_TRUE(ReadProgramVersion(version, temp.Path()));
    EXPECT_EQ(version, "1.2.3");

    std::vector<std::string> list{"kept"};
    EXPECT_TRUE(ReadVersionFileList(list, temp.Path()));
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "Reports\\a.rpt", "bin\\x.dll"}));
}

TEST(VersionFile, MissingFileLeavesTheVersionAloneEmptyFileEmptiesIt) {
    TempFolder temp;
    std::string version = "unchanged";
    EXPECT_FALSE(ReadProgramVersion(version, temp.Path()));
    EXPECT_EQ(version, "unchanged");
    std::vector<std::string> list;
    EXPECT_FALSE(ReadVersionFileList(list, temp.Path()));

    ASSERT_TRUE(WriteFile(temp / "Version.dat", ""));
    EXPECT_TRUE(ReadProgramVersion(version, temp.Path()));
    EXPECT_EQ(version, "");

    // Letter case is part of the version.
    ASSERT_TRUE(WriteFile(temp / "Version.dat", "5.0a\r\n"));
    EXPECT_TRUE(ReadProgramVersion(version, temp.Path()));
    EXPECT_EQ(version, "5.0a");
    EXPECT_NE(version, "5.0A");
}

// A version file on the share costs no more memory than its first line or a
// list of sane size, however large it is; an oversize list reads as none.
TEST(VersionFile, OversizeFileGivesItsVersionButNoList) {
    TempFolder temp;
    const std::string path = temp / "Version.dat";
    ASSERT_TRUE(WriteFile(path, "5.0.3.91\r\nReports\\a.rpt\r\n"));
    ASSERT_TRUE(test_support::ResizeFile(path, 3LL << 30));
    std::string version;
    EXPECT_TRUE(ReadProgramVersion(version, temp.Path()));
    EXPECT_EQ(version, "5.0.3.91");
    std::vector<std::string> list;
    EXPECT_FALSE(ReadVersionFileList(list, temp.Path()));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(COrvoInstallVersionFiles(temp.Path()).VersionFileName(), "");

    ASSERT_TRUE(WriteFile(path, std::string(kMaxVersionLineBytes + 10, '7') + "\r\nx.dll\r\n"));
    EXPECT_TRUE(ReadProgramVersion(version, temp.Path()));
    EXPECT_EQ(version, std::string(kMaxVersionLineBytes, '7'));
    EXPECT_TRUE(ReadVersionFileList(list, temp.Path()));
    EXPECT_EQ(list, std::vector<std::string>{"x.dll"});
}

TEST(VersionFile, ReadableWhileAnotherProgramWritesIt) {
    TempFolder temp;
    ASSERT_TRUE(WriteFile(temp / "Version.dat", "7.1\r\n"));
    HANDLE writer = CreateFileA(GetVersionFilePath(temp.Path()).c_str(), GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    std::string version;
    EXPECT_TRUE(ReadProgramVersion(version, temp.Path()));
    EXPECT_EQ(version, "7.1");
    CloseHandle(writer);
}

TEST(VersionFile, WithoutFolderTheInstallationsWhenRunningFromTemp) {
    EXPECT_EQ(GetVersionFilePath("C:\\Prog"), "C:\\Prog\\Version.dat");
    SetModuleFolderForTests("C:\\Orvo");
    EXPECT_EQ(GetVersionFilePath(""), "Version.dat");
    // A temporary copy of the launcher reads the installation's version file,
    // whatever the letter case of the folder names.
    SetModuleFolderForTests(fw::ToLower(GetTempFolder()));
    EXPECT_EQ(GetVersionFilePath(""), GetInstallFilePath("Version.dat"));
    EXPECT_NE(GetVersionFilePath(""), "Version.dat");
    SetModuleFolderForTests("");
    ResetPathState();
}

TEST(CopyList, BinariesThenListedFilesThenVersionFileThenMainProgram) {
    TempFolder temp;
    for (const char* name : {"PellmoreOrvo.exe", "Abc.DLL", "helper.exe", "notes.txt", "PellmoreManagement.xml",
                             "Version.dat", "readme.dll.txt"})
        ASSERT_TRUE(WriteFile(temp / name, "x"));
    CreateDirectoryA((temp / "plugins.dll").c_str(), nullptr);
    ASSERT_TRUE(WriteFile(temp / "Version.dat", "2.0\r\n"
                                                "abc.dll\t1\r\n"
                                                "FORMS\\x.frm\r\n"
                                                "formsx.dll\r\n"
                                                "covcodes\\c.txt\r\n"
                                                "CovCodesList.txt\r\n"
                                                "Reports\\a.rpt\t123\r\n"
                                                "Version.dat\r\n"
                                                "..\\outside.dll\r\n"
                                                "C:\\absolute.dll\r\n"
                                                // Names Windows reads as the version file, a
                                                // climb out, a device: never copied.
                                                "Version.dat.\r\n"
                                                ".. \\up.dll\r\n"
                                                "Reports\\aux.txt\r\n"
                                                "Reports/A.RPT\r\n"
                                                "Reports\\A.RPT\r\n"));

    COrvoInstallVersionFiles files(temp.Path() + "\\");
    std::vector<std::string> list = files.Files();
    ASSERT_EQ(list.size(), 8u) << ::testing::PrintToString(list);

    // The binaries come first, in the order the folder lists them.
    std::vector<std::string> binaries(list.begin(), list.begin() + 3);
    std::sort(binaries.begin(), binaries.end());
    EXPECT_EQ(binaries, (std::vector<std::string>{"Abc.DLL", "PellmoreManagement.xml", "helper.exe"}));
    EXPECT_EQ(std::vector<std::string>(list.begin() + 3, list.end()),
              (std::vector<std::string>{"formsx.dll", "CovCodesList.txt", "Reports\\a.rpt", "Version.dat",
                                        "PellmoreOrvo.exe"}));
    EXPECT_EQ(files.VersionFileName(), "Version.dat");
    EXPECT_EQ(files.MainProgramName(), "PellmoreOrvo.exe");
}

TEST(CopyList, WithoutVersionFileOnlyTheBinaries) {
    TempFolder temp;
    ASSERT_TRUE(WriteFile(temp / "pellmoreorvo.EXE", "x"));
    ASSERT_TRUE(WriteFile(temp / "util.dll", "x"));
    COrvoInstallVersionFiles files(temp.Path());
    EXPECT_EQ(files.Files(), (std::vector<std::string>{"util.dll", "pellmoreorvo.EXE"}));
    EXPECT_EQ(files.VersionFileName(), "");

    // The default list is that of the installation folder; none gives nothing
    // (not the drive root).
    // Run "from" the folder: it is then the installation folder.
    SetModuleFolderForTests(temp.Path());
    EXPECT_EQ(COrvoInstallVersionFiles().Files(), files.Files());
    SetModuleFolderForTests("");
    ResetPathState();
    EXPECT_TRUE(COrvoInstallVersionFiles("").empty());
}
