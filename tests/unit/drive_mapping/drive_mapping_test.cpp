// Drive letters translated for installers and other computers: subst drives
// through the folder subst.exe names (a stand-in in the current folder, as
// the command interpreter looks there first), mapped drives through their
// connection (the prefix's n: and m:, see tests/wine/start.sh) and local
// folders through this computer's shares (a scripted enumeration: Wine lists
// none).
#include "support/stand_ins.h"
#include "support/temp_folder.h"
#include "utils/subst_drive_map.h"
#include "utils/unc_path.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace test_support;

namespace {

class SubstTest : public ::testing::Test {
protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, saved);
        char temp[MAX_PATH] = "";
        GetEnvironmentVariableA("TMP", temp, MAX_PATH);
        savedTmp = temp;
        ASSERT_TRUE(CopyFileA(StandIn("stub_subst.exe").c_str(), (folder / "subst.exe").c_str(), FALSE));
        SetCurrentDirectoryA(folder.Path().c_str());
        // A temporary folder with a blank: the output file's path must stay whole.
        tempWithBlank = folder.Subfolder("tmp dir");
        SetEnvironmentVariableA("TMP", tempWithBlank.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("TMP", savedTmp.empty() ? nullptr : savedTmp.c_str());
        SetCurrentDirectoryA(saved);
    }
    void Prints(const std::string& text) { WriteFile(folder / "subst.stub", text); }
    size_t Runs() { return ReadRecord(record.Path()).size(); }
    bool FolderIsEmpty(const std::string& path) {
        WIN32_FIND_DATAA entry;
        HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
        bool empty = true;
        if (find == INVALID_HANDLE_VALUE) return true;
        do {
            std::string name = entry.cFileName;
            if (name != "." && name != "..") empty = false;
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        return empty;
    }

    TempFolder folder{"orvo subst"};
    RecordFile record{folder};
    std::string tempWithBlank, savedTmp;
    char saved[MAX_PATH] = "";
};

TEST_F(SubstTest, RefreshReadsSubstsOutputThroughATemporaryFolderWithBlanks) {
    Prints("X:\\: => C:\\Data\r\nq:\\: => \\\\srv\\share\\deep\\\r\nnot a drive line\r\n");
    CSubstDriveMap map;
    EXPECT_EQ(map.Refresh(), 1);
    EXPECT_EQ(Runs(), 1u);
    std::map<std::string, std::string> expected = {{"x:", "C:\\Data"}, {"q:", "\\\\srv\\share\\deep\\"}};
    EXPECT_EQ(map.Drives(), expected);
    EXPECT_TRUE(FolderIsEmpty(tempWithBlank)) << "the output file is removed";
    EXPECT_FALSE(Exists(folder / "tmp")) << "no stray file named after the folder's first word";
}

TEST_F(SubstTest, ResolveRewritesOnlyPathsOnSubstDrives) {
    Prints("X:\\: => C:\\Data\r\nQ:\\: => \\\\srv\\share\\deep\\\r\nR:\\: => D:\\\r\n");
    CSubstDriveMap map;
    std::string path = "X:\\Orvo\\Setup.msi";
    EXPECT_TRUE(map.Resolve(path));
    EXPECT_EQ(path, "C:\\Data\\Orvo\\Setup.msi");
    path = "x:\\\\Orvo";
    EXPECT_TRUE(map.Resolve(path));
    EXPECT_EQ(path, "C:\\Data\\Orvo") << "the drive letter in any case; one backslash at the join";
    path = "Q:\\Setup.msi";
    EXPECT_TRUE(map.Resolve(path));
    EXPECT_EQ(path, "\\\\srv\\share\\deep\\Setup.msi") << "a UNC folder keeps its leading backslashes";
    path = "R:\\Setup.msi";
    EXPECT_TRUE(map.Resolve(path));
    EXPECT_EQ(path, "D:\\Setup.msi");
    path = "C:\\Orvo\\Setup.msi";
    EXPECT_FALSE(map.Resolve(path));
    EXPECT_EQ(path, "C:\\Orvo\\Setup.msi");
    EXPECT_EQ(Runs(), 1u) << "a filled map asks subst.exe once";
}

TEST_F(SubstTest, WithoutSubstDrivesEveryDrivePathAsksAgain) {
    Prints("");
    CSubstDriveMap map;
    std::string path = "C:\\Orvo";
    EXPECT_FALSE(map.Resolve(path));
    EXPECT_FALSE(map.Resolve(path));
    path = "\\\\srv\\share\\Orvo";
    EXPECT_FALSE(map.Resolve(path));
    EXPECT_EQ(Runs(), 2u) << "an empty map is refreshed for every drive path, never for a UNC path";
}

// A scripted network: containers by remote name, each with its entries.
class ScriptedNetwork : public NetworkEnumeration {
public:
    struct Entry {
        std::string remote;
        DWORD type;
        DWORD usage;
    };
    ScriptedNetwork() { previous_ = SetNetworkEnumeration(this); }
    ~ScriptedNetwork() override { SetNetworkEnumeration(previous_); }

    DWORD OpenEnum(DWORD, DWORD, DWORD, NETRESOURCEA* container, HANDLE* enumeration) override {
        std::string name = container && container->lpRemoteName ? container->lpRemoteName : "";
        opened.push_back(name);
        if (opened.size() > 20) return ERROR_NO_NETWORK; // a search that never ends
        auto found = containers.find(name);
        if (found == containers.end()) return ERROR_NO_NETWORK;
        states_.push_back(std::make_unique<State>(State{&found->second, false}));
        *enumeration = reinterpret_cast<HANDLE>(states_.back().get());
        ++open;
        return NO_ERROR;
    }
    DWORD EnumResource(HANDLE enumeration, DWORD* count, void* buffer, DWORD* bufferSize) override {
        auto* state = reinterpret_cast<State*>(enumeration);
        if (state->done || state->entries->empty()) return ERROR_NO_MORE_ITEMS;
        state->done = true;
        auto* out = static_cast<NETRESOURCEA*>(buffer);
        size_t fits = *bufferSize / sizeof(NETRESOURCEA);
        DWORD n = 0;
        for (auto& entry : *state->entries) {
            if (n >= fits) break;
            NETRESOURCEA resource = {};
            resource.dwScope = RESOURCE_GLOBALNET;
            resource.dwType = entry.type;
            resource.dwUsage = entry.usage;
            resource.lpRemoteName = &entry.remote[0];
            out[n++] = resource;
        }
        *count = n;
        return NO_ERROR;
    }
    DWORD CloseEnum(HANDLE) override {
        --open;
        return NO_ERROR;
    }

    std::map<std::string, std::vector<Entry>> containers;
    std::vector<std::string> opened;
    int open = 0;

private:
    struct State {
        std::vector<Entry>* entries;
        bool done;
    };
    std::vector<std::unique_ptr<State>> states_;
    NetworkEnumeration* previous_ = nullptr;
};

std::string ComputerContainer() {
    char name[127] = "";
    DWORD size = sizeof(name);
    GetComputerNameA(name, &size);
    return std::string("\\\\") + name;
}

TEST(UncPath, UncAndMappedDrivesAreTranslatedWithoutSearchingShares) {
    ScriptedNetwork network;
    std::string out;
    EXPECT_TRUE(GetUNCPath(out, "\\\\srv\\share\\Apps"));
    EXPECT_EQ(out, "\\\\srv\\share\\Apps");
    EXPECT_TRUE(GetUNCPath(out, "N:\\Apps"));
    EXPECT_EQ(out, "\\\\orvosrv\\pub\\Apps");
    EXPECT_TRUE(GetUNCPath(out, "N:"));
    EXPECT_EQ(out, "\\\\orvosrv\\pub");
    EXPECT_TRUE(network.opened.empty());
}

TEST(UncPath, ARemoteDriveWithoutConnectionHasNoUncForm) {
    std::string out = "stale";
    EXPECT_FALSE(GetUNCPath(out, "M:\\Apps"));
    EXPECT_EQ(out, "M:\\Apps");
}

TEST(UncPath, ALocalFolderNoShareExposesStaysAsItWas) {
    TempFolder folder("orvo_unshared");
    std::string out = "stale";
    // The system's enumeration: Wine has no network provider.
    EXPECT_FALSE(GetUNCPath(out, folder.Path()));
    EXPECT_EQ(out, folder.Path());
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder / "TST*").c_str(), &entry);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE) << "the test file is removed";
    if (find != INVALID_HANDLE_VALUE) FindClose(find);

    out = "stale";
    EXPECT_FALSE(GetUNCPath(out, folder / "missing"));
    EXPECT_EQ(out, "stale") << "no test file could be made: nothing changes";
}

TEST(UncPath, ALocalFolderIsFoundBelowAShareOfItsDriveInsideAContainer) {
    TempFolder folder("orvo_shared");
    std::string below = folder.Path().substr(3); // the path below the drive root
    ScriptedNetwork network;
    std::string computer = ComputerContainer();
    network.containers[computer] = {
        {"\\\\orvolocal", RESOURCETYPE_DISK, RESOURCEUSAGE_CONTAINER},
        {"\\\\orvolocal\\printer", RESOURCETYPE_PRINT, RESOURCEUSAGE_CONNECTABLE},
    };
    network.containers["\\\\orvolocal"] = {
        // A share of the folder itself does not match: the path below the
        // root is appended to every share.
        {"\\\\orvolocal\\c\\" + below, RESOURCETYPE_DISK, RESOURCEUSAGE_CONNECTABLE},
        {"\\\\orvolocal\\c", RESOURCETYPE_DISK, RESOURCEUSAGE_CONNECTABLE},
    };
    std::string out;
    ASSERT_EQ(folder.Path().substr(0, 3), "C:\\");
    EXPECT_TRUE(GetUNCPath(out, folder.Path()));
    EXPECT_EQ(out, "\\\\orvolocal\\c\\" + below);
    EXPECT_EQ(network.opened, (std::vector<std::string>{computer, "\\\\orvolocal"}))
        << "the container entry is searched, not the same container again";
    EXPECT_EQ(network.open, 0) << "every enumeration is closed";
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder / "TST*").c_str(), &entry);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE) << "the test file is removed";
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

} // namespace
