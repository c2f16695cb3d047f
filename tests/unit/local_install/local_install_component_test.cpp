// The local copy as a component, as the launcher window asks it at each
// start: current exactly when the local program folder's version file
// starts with the installation's program version, compared as text.
#include "localinstall/local_install.h"

#include "appstate/paths.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace test_support;

namespace {

TEST(LocalInstallComponent, CurrentOnlyWithTheInstallationsVersion) {
    TempFolder scratch;
    std::string install = scratch.Subfolder("Pellmore");
    ASSERT_TRUE(WriteFile(install + "\\Version.dat", "5.0.3.91\r\nVersion.dat\r\n"));
    SetModuleFolderForTests(install);
    ResetPathState();
    std::string program = GetProgramFolder();
    ASSERT_FALSE(program.empty());
    CreateDirectoryA(program.c_str(), nullptr);
    std::string copyVersion = program + "\\Version.dat";
    DeleteFileA(copyVersion.c_str());

    OrvoComponent_LocalInstall local;
    EXPECT_FALSE(local.IsInstalled()) << "no local copy yet";
    EXPECT_EQ(local.requiredVersion, "5.0.3.91");
    EXPECT_EQ(local.installedVersion, "");

    ASSERT_TRUE(WriteFile(copyVersion, "5.0.3.9\r\n"));
    EXPECT_FALSE(local.IsInstalled()) << "an older copy";
    ASSERT_TRUE(WriteFile(copyVersion, "5.0.3.91 \r\n"));
    EXPECT_FALSE(local.IsInstalled()) << "versions are compared as exact text";
    ASSERT_TRUE(WriteFile(copyVersion, "5.0.3.91\r\nother list\r\n"));
    EXPECT_TRUE(local.IsInstalled());
    EXPECT_EQ(local.installedVersion, "5.0.3.91");

    DeleteFileA(copyVersion.c_str());
    SetModuleFolderForTests("");
    ResetPathState();
}

} // namespace
