// The copy of an installation folder into a local program folder, on
// temporary folders, with a recording host whose message pump plays the
// user and the network at a chosen entry: holding a destination, taking the
// installation folder away, closing the window.
#include "localinstall/local_copy.h"

#include "framework/strings.h"
#include "localinstall/file_tree.h"
#include "support/components.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>

using namespace test_support;

namespace {

const char kCopyQuestionStart[] = "It appears as though Pellmore may still be running";
const UINT kRetryCancel = MB_RETRYCANCEL | MB_ICONEXCLAMATION;

std::string ReadBytes(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

// Relative paths of every file below folder, lower-cased.
void ListFiles(const std::string& folder, const std::string& prefix, std::set<std::string>& files) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ListFiles(folder + "\\" + name, prefix + name + "\\", files);
        else
            files.insert(fw::ToLower(prefix + name));
    } while (FindNextFileA(find, &entry));
    FindClose(find);
}

std::set<std::string> FilesIn(const std::string& folder) {
    std::set<std::string> files;
    ListFiles(folder, "", files);
    return files;
}

// Keeps a file open with no sharing, as a running program holds its own.
class HeldFile {
public:
    explicit HeldFile(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr)) {}
    ~HeldFile() { Release(); }
    void Release() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class LocalCopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        share_ = root_.Subfolder("share");
        install_ = share_ + "\\Pellmore";
        CreateDirectoryA(install_.c_str(), nullptr);
        local_ = root_.Subfolder("Local");
        program_ = local_ + "\\Program";
        MakeInstallation("2.0");
    }

    // Copy list: Orvo.EXE, Utility.dll (enumeration order), Reports\a.rpt,
    // Reports\b.rpt, Version.dat, PellmoreOrvo.EXE.
    void MakeInstallation(const std::string& version) {
        CreateDirectoryA((install_ + "\\Reports").c_str(), nullptr);
        WriteFile(install_ + "\\Orvo.EXE", "launcher " + version);
        WriteFile(install_ + "\\Utility.dll", "library " + version);
        WriteFile(install_ + "\\Reports\\a.rpt", "report a");
        WriteFile(install_ + "\\Reports\\b.rpt", "report b");
        WriteFile(install_ + "\\PellmoreOrvo.EXE", std::string(100000, 'm') + version);
        WriteFile(install_ + "\\Notes.txt", "not listed, not a binary");
        WriteFile(install_ + "\\Version.dat", version +
                                                  "\r\nUtility.dll\r\nReports\\a.rpt\t123\r\nReports\\b.rpt\r\n"
                                                  "PellmoreOrvo.EXE\r\nVersion.dat\r\n");
    }
    std::set<std::string> ExpectedFiles() const {
        return {"orvo.exe", "utility.dll", "reports\\a.rpt", "reports\\b.rpt", "version.dat", "pellmoreorvo.exe"};
    }
    void ExpectCompleteCopy() {
        EXPECT_EQ(FilesIn(program_), ExpectedFiles());
        for (const std::string& name : ExpectedFiles())
            EXPECT_EQ(ReadBytes(program_ + "\\" + name), ReadBytes(install_ + "\\" + name)) << name;
    }

    bool RunCopy() {
        LocalCopy copy(host_, install_, program_);
        copy.onProgramFolderReady = [this] { ++readyCalls_; };
        bool result = copy.Run();
        lastQuestion_ = copy.LastQuestion();
        requiredVersion_ = copy.RequiredVersion();
        return result;
    }
    bool VersionFileInProgram() const { return Exists(program_ + "\\Version.dat"); }

    TempFolder root_{"orvo_copy"};
    std::string share_, install_, local_, program_;
    RecordingHost host_;
    int readyCalls_ = 0;
    std::string lastQuestion_, requiredVersion_;
};

} // namespace

TEST_F(LocalCopyTest, ReplacesTheOldCopyByExactlyTheListWithTheVersionFileLast) {
    CreateDirectoryA(program_.c_str(), nullptr);
    CreateDirectoryA((program_ + "\\Reports").c_str(), nullptr);
    WriteFile(program_ + "\\Version.dat", "1.0\r\n");
    WriteFile(program_ + "\\Stale.dll", "old");
    WriteFile(program_ + "\\Reports\\old.rpt", "old");
    std::string backup = local_ + "\\OldProgram";
    CreateDirectoryA(backup.c_str(), nullptr);
    WriteFile(backup + "\\left over.txt", "from an earlier run");
    SetFileAttributesA((program_ + "\\Stale.dll").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((install_ + "\\Utility.dll").c_str(), FILE_ATTRIBUTE_READONLY);

    struct Seen {
        bool versionFile, marquee;
        int position;
    };
    std::vector<Seen> seen;
    host_.marquee = true;
    host_.onPump = [&](int) { seen.push_back({VersionFileInProgram(), host_.marquee, host_.position}); };
    ASSERT_TRUE(RunCopy());

    ExpectCompleteCopy();
    EXPECT_FALSE(Exists(backup));
    EXPECT_EQ(readyCalls_, 1);
    EXPECT_EQ(requiredVersion_, "2.0");
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(host_.statuses, std::vector<std::string>{"Installing Local Files..."});
    EXPECT_TRUE(host_.marquee) << "the marquee runs again afterwards";
    EXPECT_EQ(host_.rangeLow, 0);
    EXPECT_EQ(host_.rangeHigh, 6);
    ASSERT_EQ(seen.size(), 6u) << "one pump per entry";
    for (size_t k = 0; k < seen.size(); ++k) {
        EXPECT_FALSE(seen[k].versionFile) << "P reads as the new version before entry " << k + 1 << " is copied";
        EXPECT_FALSE(seen[k].marquee);
        EXPECT_LE(seen[k].position, static_cast<int>(k) + 1);
        EXPECT_EQ(seen[k].position == 6, k == 5) << "the bar is full exactly at the last entry";
    }
    host_.onPump = nullptr;
    ASSERT_TRUE(RunCopy()) << "the next update replaces read-only copies too";
    ExpectCompleteCopy();
}

TEST_F(LocalCopyTest, CancelledCopyLeavesTheFilesBeforeItAndNoVersionFile) {
    // Entry 3 is Reports\a.rpt, entry 6 the main program.
    for (int held : {3, 6}) {
        SCOPED_TRACE(held);
        std::string name = held == 3 ? "Reports\\a.rpt" : "PellmoreOrvo.EXE";
        RecordingHost host;
        host.answers = {IDRETRY, IDCANCEL};
        std::unique_ptr<HeldFile> holder;
        host.onPump = [&](int pump) {
            if (pump != held) return;
            CreateDirectoryA((program_ + "\\Reports").c_str(), nullptr);
            holder.reset(new HeldFile(program_ + "\\" + name));
        };
        LocalCopy copy(host, install_, program_);
        EXPECT_FALSE(copy.Run());
        ASSERT_TRUE(holder && holder->Held());
        holder.reset();

        EXPECT_FALSE(VersionFileInProgram());
        std::string question = std::string(kCopyQuestionStart) +
                               " or we do not have write permissions to the following file.\n\n- " + program_ + "\\" +
                               name;
        EXPECT_EQ(host.boxes, (std::vector<std::string>{question, question})) << "Retry asks again";
        EXPECT_EQ(host.boxTypes.front(), kRetryCancel);
        EXPECT_EQ(copy.LastQuestion(), question);
        if (held == 3) {
            EXPECT_EQ(FilesIn(program_), (std::set<std::string>{"orvo.exe", "utility.dll", "reports\\a.rpt"}));
        }
    }
    // The next start finds the copy out of date and repairs it.
    ASSERT_TRUE(RunCopy());
    ExpectCompleteCopy();
}

TEST_F(LocalCopyTest, InstallationFolderGoneIsAskedAboutNotSkipped) {
    std::string away = share_ + "\\away";
    auto takeAway = [&] { ASSERT_TRUE(MoveFileA(install_.c_str(), away.c_str())); };
    auto bringBack = [&](const std::string&) { MoveFileA(away.c_str(), install_.c_str()); };
    std::string question = "The Pellmore Orvo installation folder cannot be reached.\n\n- " + install_ +
                           "\n\nPlease make sure the network connection to it is available, then click retry.";

    // Gone in the middle of the copy, back before Retry.
    host_.onPump = [&](int pump) {
        if (pump == 3) takeAway();
    };
    host_.onBox = bringBack;
    host_.answers = {IDRETRY};
    ASSERT_TRUE(RunCopy());
    ExpectCompleteCopy();
    EXPECT_EQ(host_.boxes, std::vector<std::string>{question});
    EXPECT_EQ(host_.boxTypes, std::vector<UINT>{kRetryCancel});

    // Gone, and the user cancels: nothing passes for a current copy.
    RecordingHost cancelled;
    cancelled.onPump = [&](int pump) {
        if (pump == 4) takeAway();
    };
    cancelled.answers = {IDCANCEL};
    LocalCopy copy(cancelled, install_, program_);
    EXPECT_FALSE(copy.Run());
    bringBack("");
    EXPECT_FALSE(VersionFileInProgram());
    EXPECT_EQ(copy.LastQuestion(), question);

    // Gone before the copy began: its list is read again once it is back.
    takeAway();
    RecordingHost early;
    early.onBox = bringBack;
    early.answers = {IDRETRY};
    LocalCopy again(early, install_, program_);
    ASSERT_TRUE(again.Run());
    EXPECT_EQ(early.boxes, std::vector<std::string>{question});
    EXPECT_EQ(early.rangeHigh, 6);
    ExpectCompleteCopy();
}

TEST_F(LocalCopyTest, FileMissingFromAReachableInstallationIsSkipped) {
    DeleteFileA((install_ + "\\Reports\\b.rpt").c_str());
    int lastPosition = -1;
    host_.onPump = [&](int pump) {
        if (pump == 6) lastPosition = host_.position;
    };
    ASSERT_TRUE(RunCopy());
    EXPECT_TRUE(host_.boxes.empty());
    EXPECT_EQ(lastPosition, 6) << "the bar counts missing sources too";
    std::set<std::string> expected = ExpectedFiles();
    expected.erase("reports\\b.rpt");
    EXPECT_EQ(FilesIn(program_), expected);
}

TEST_F(LocalCopyTest, PathsAtTheLimitCopyAndOneCharacterMoreLeavesTheOldCopy) {
    // P\N at 256 characters: the old copy's move aside makes it 259 there.
    std::string name(60, 'L');
    name += ".dll";
    size_t programLength = 256 - 1 - name.size();
    std::string padding(programLength - local_.size() - 1 - std::string("\\Program").size(), 'p');
    std::string deep = local_ + "\\" + padding;
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    program_ = deep + "\\Program";
    ASSERT_EQ(program_.size(), programLength);
    WriteFile(install_ + "\\" + name, "long");

    ASSERT_TRUE(RunCopy());
    EXPECT_TRUE(Exists(program_ + "\\" + name));
    ASSERT_TRUE(RunCopy()) << "the next update removes the old copy";
    EXPECT_FALSE(Exists(deep + "\\OldProgram"));
    EXPECT_TRUE(host_.boxes.empty());

    // One character more: said, and P stays as it is.
    std::set<std::string> before = FilesIn(program_);
    std::string longer = name.substr(0, name.size() - 4) + "X.dll";
    ASSERT_TRUE(MoveFileA((install_ + "\\" + name).c_str(), (install_ + "\\" + longer).c_str()));
    EXPECT_FALSE(RunCopy());
    EXPECT_EQ(FilesIn(program_), before);
    EXPECT_FALSE(Exists(deep + "\\OldProgram"));
    ASSERT_EQ(host_.boxes.size(), 1u);
    EXPECT_EQ(host_.boxes[0], "The local copy of Pellmore Orvo cannot be updated: the path of the following file "
                              "would be too long.\n\n- " +
                                  program_ + "\\" + longer);
    EXPECT_EQ(lastQuestion_, host_.boxes[0]);
}

TEST_F(LocalCopyTest, ClosedWindowOrMissingFoldersEndTheCopyWithoutAVersionFile) {
    host_.onPump = [&](int pump) {
        if (pump == 2) host_.closing = true;
    };
    EXPECT_FALSE(RunCopy());
    EXPECT_EQ(FilesIn(program_), std::set<std::string>{"orvo.exe"});
    EXPECT_TRUE(host_.marquee);

    RecordingHost host;
    LocalCopy noProgramFolder(host, install_, "");
    EXPECT_FALSE(noProgramFolder.Run());
    LocalCopy noInstallation(host, "", program_);
    EXPECT_FALSE(noInstallation.Run());
    EXPECT_TRUE(Exists(program_ + "\\Orvo.EXE")) << "the old copy stays when there is nothing to copy from";
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.marquee);
}
