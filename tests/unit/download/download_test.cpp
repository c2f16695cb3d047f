// Downloads against the loopback test server: what the user sees while it
// runs, one clear error per kind of failure, and never a partial file under
// the target's name or a download file left behind.
#include "launcher/download.h"
#include "support/http_server.h"
#include "support/temp_folder.h"
#include "utils/temp_files.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

class RecordingProgress : public DownloadProgress {
public:
    void SetStatus(const std::string& text) override { statuses.push_back(text); }
    void ShowProgressText(const std::string& text) override { refreshes.push_back(text); }
    void SetBarPosition(int percent) override { positions.push_back(percent); }
    void ShowBar(bool visible) override { barShown.push_back(visible); }
    void SetMarquee(bool on) override { marquee.push_back(on); }
    bool Stopped() override { return stopAfter >= 0 && static_cast<int>(refreshes.size()) >= stopAfter; }
    int stopAfter = -1; // refreshes until the window "closes"
    std::vector<std::string> statuses, refreshes;
    std::vector<int> positions;
    std::vector<bool> barShown, marquee;
};

int DownloadFilesLeft() {
    std::string folder;
    GetProductTempFolder(folder);
    int count = 0;
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\DWN*.TMP").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do ++count;
    while (FindNextFileA(find, &entry));
    FindClose(find);
    return count;
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        base = HttpBase();
        ASSERT_FALSE(base.empty()) << "the test download server is not running";
        target = scratch / "setup.exe";
    }
    bool Get(const std::string& path, std::string* errorOut = nullptr) {
        error.clear();
        bool ok = DownloadToFile(progress, "Widget", base + path, target, error);
        if (errorOut) *errorOut = error;
        return ok;
    }
    void ExpectNothingStored() {
        EXPECT_FALSE(Exists(target));
        EXPECT_FALSE(Exists(target + ".download"));
        EXPECT_EQ(DownloadFilesLeft(), 0);
    }

    TempFolder scratch{"orvo_download"};
    std::string base, target, error;
    RecordingProgress progress;
};

TEST_F(DownloadTest, WholeInstallerArrivesWithProgress) {
    ASSERT_TRUE(Get("/size/300000")) << error;
    EXPECT_EQ(ReadTextFile(target), ServedPattern(300000));
    EXPECT_EQ(progress.statuses, (std::vector<std::string>{"Downloading Widget...",
                                                           "Installing Widget... (This may take a few minutes.)"}));
    ASSERT_FALSE(progress.refreshes.empty());
    EXPECT_EQ(progress.refreshes.back(), "Downloading Widget\n292 KB of 292 KB (100%)");
    EXPECT_EQ(progress.positions.back(), 100);
    EXPECT_EQ(progress.marquee, (std::vector<bool>{false, true}));
    EXPECT_EQ(DownloadFilesLeft(), 0);
}

TEST_F(DownloadTest, TheSmallestSizesAndRedirects) {
    EXPECT_FALSE(Get("/size/19999"));
    EXPECT_EQ(error.rfind("Unable to locate update on server.\n", 0), 0u) << error;
    EXPECT_NE(error.find(kSupportPhone), std::string::npos);
    ExpectNothingStored();

    ASSERT_TRUE(Get("/redirect/size/20000")) << error;
    EXPECT_EQ(ReadTextFile(target), ServedPattern(20000));

    // What arrived counts, whatever the headers said: "Content-Length: 0"
    // is a length, and a body without one is measured when it ends.
    DeleteFileA(target.c_str());
    for (const char* path : {"/size/0", "/nolength/19999", "/nolength/0"}) {
        EXPECT_FALSE(Get(path)) << path;
        EXPECT_EQ(error.rfind("Unable to locate update on server.\n", 0), 0u) << path << ": " << error;
        ExpectNothingStored();
    }
}

TEST_F(DownloadTest, WithoutALengthTheBarIsHiddenAndKilobytesCounted) {
    ASSERT_TRUE(Get("/nolength/50000")) << error;
    EXPECT_EQ(ReadTextFile(target), ServedPattern(50000));
    ASSERT_FALSE(progress.barShown.empty());
    EXPECT_FALSE(progress.barShown.front());
    EXPECT_TRUE(progress.barShown.back()) << "the bar is back for the installation";
    EXPECT_EQ(progress.refreshes.back(), "Downloading Widget: 48 KB");
    EXPECT_TRUE(progress.positions.empty());
}

TEST_F(DownloadTest, ErrorPagesAndCutBodiesAreNeverStored) {
    for (const char* path : {"/status/404", "/status/500"}) {
        EXPECT_FALSE(Get(path)) << path;
        EXPECT_EQ(error.rfind("Unable to locate update on server", 0), 0u) << error;
        EXPECT_NE(error.find(path + 8), std::string::npos) << "the status is named: " << error;
        ExpectNothingStored();
    }
    EXPECT_FALSE(Get("/drop/400000"));
    EXPECT_EQ(error, "Error downloading file.");
    ExpectNothingStored();
}

TEST_F(DownloadTest, UnreachableServerAndBadAddress) {
    std::string refused;
    EXPECT_FALSE(DownloadToFile(progress, "Widget", "http://127.0.0.1:1/size/30000", target, refused));
    EXPECT_EQ(refused.rfind("Unable to connect to server.\nYou must have an Internet Connection", 0), 0u) << refused;
    ExpectNothingStored();

    RecordingProgress quiet;
    std::string invalid;
    EXPECT_FALSE(DownloadToFile(quiet, "Widget", "nowhere", target, invalid));
    EXPECT_EQ(invalid, "Invalid URL");
    EXPECT_TRUE(quiet.refreshes.empty());
}

TEST_F(DownloadTest, AnExistingTargetStays) {
    ASSERT_TRUE(WriteFile(target, "the installer we had"));
    ASSERT_TRUE(Get("/size/30000")) << error;
    EXPECT_EQ(ReadTextFile(target), "the installer we had");
    EXPECT_FALSE(Exists(target + ".download"));
    EXPECT_EQ(DownloadFilesLeft(), 0);
}

TEST_F(DownloadTest, AClosedWindowStopsTheDownloadAtTheNextBlock) {
    progress.stopAfter = 1;
    DWORD start = GetTickCount();
    EXPECT_FALSE(Get("/slow/3000000"));
    EXPECT_LT(GetTickCount() - start, 1500u) << "the download went on";
    EXPECT_EQ(error, "The download was stopped: Pellmore Orvo was closed.");
    ExpectNothingStored();
}

TEST_F(DownloadTest, ProgressRefreshesByTimeWithoutPausing) {
    // 3 MB in 64 KB pieces 50 ms apart: about 2.4 s.
    DWORD start = GetTickCount();
    ASSERT_TRUE(Get("/slow/3000000")) << error;
    DWORD elapsed = GetTickCount() - start;
    EXPECT_EQ(progress.statuses.size(), 2u) << "no pausing status per block";
    EXPECT_GE(progress.refreshes.size(), 3u);
    EXPECT_LE(progress.refreshes.size(), elapsed / 250 + 2) << "refreshed more often than every 250 ms";
    EXPECT_EQ(ReadTextFile(target), ServedPattern(3000000));
}

} // namespace
