// Checks the shipped Orvo.exe (the 32-bit product build named by
// ORVO_PRODUCT_EXE) for what other programs and Windows read from it: the PE
// header, the version strings that mark a launcher build, and the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string ProductExe() {
    char buffer[MAX_PATH * 2] = {};
    DWORD length = GetEnvironmentVariableA("ORVO_PRODUCT_EXE", buffer, sizeof(buffer));
    if (length == 0 || length >= sizeof(buffer)) return std::string();
    std::string path = buffer;
    // ctest hands a Unix path; Wine reaches the root file system through Z:.
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/') c = '\\';
        path = "Z:" + path;
    }
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES ? std::string() : path;
}

std::string VersionString(const std::vector<BYTE>& block, const char* name) {
    std::string query = std::string("\\StringFileInfo\\040904b0\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return "<missing>";
    return value;
}

} // namespace

TEST(ProductIdentity, IsA32BitWindowsGuiProgram) {
    std::string exe = ProductExe();
    if (exe.empty()) GTEST_SKIP() << "ORVO_PRODUCT_EXE not built";
    FILE* file = std::fopen(exe.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::vector<unsigned char> head(4096);
    size_t got = std::fread(head.data(), 1, head.size(), file);
    std::fclose(file);
    ASSERT_GT(got, 0x200u);
    LONG peOffset = reinterpret_cast<IMAGE_DOS_HEADER*>(head.data())->e_lfanew;
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS32*>(head.data() + peOffset);
    EXPECT_EQ(nt->Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
    // Started from a share that goes away while it copies, the image must
    // already be in the paging file.
    EXPECT_TRUE(nt->FileHeader.Characteristics & IMAGE_FILE_NET_RUN_FROM_SWAP);

    // The mark is set after linking; the header checksum must still match.
    using CheckSumFn = DWORD(WINAPI*)(PCSTR, PDWORD, PDWORD);
    HMODULE imagehlp = LoadLibraryA("imagehlp.dll");
    ASSERT_NE(imagehlp, nullptr);
    auto mapAndCheckSum =
        reinterpret_cast<CheckSumFn>(reinterpret_cast<void (*)()>(GetProcAddress(imagehlp, "MapFileAndCheckSumA")));
    ASSERT_NE(mapAndCheckSum, nullptr);
    DWORD inHeader = 0, computed = 0;
    EXPECT_EQ(mapAndCheckSum(exe.c_str(), &inHeader, &computed), 0u);
    EXPECT_EQ(inHeader, nt->OptionalHeader.CheckSum);
    if (inHeader != 0) {
        EXPECT_EQ(inHeader, computed);
    }
    FreeLibrary(imagehlp);
}

TEST(ProductIdentity, VersionResourceMarksALauncherBuild) {
    std::string exe = ProductExe();
    if (exe.empty()) GTEST_SKIP() << "ORVO_PRODUCT_EXE not built";
    DWORD size = GetFileVersionInfoSizeA(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 5));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(90, 3));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 5));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(90, 3));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(VersionString(block, "CompanyName"), "Pellmore, Inc.");
    EXPECT_EQ(VersionString(block, "FileDescription"), "Orvo");
    EXPECT_EQ(VersionString(block, "FileVersion"), "5.00.03.90");
    EXPECT_EQ(VersionString(block, "InternalName"), "Orvo.exe");
    EXPECT_EQ(VersionString(block, "OriginalFilename"), "Orvo.exe");
    EXPECT_EQ(VersionString(block, "ProductName"), "Pellmore Orvo");
    EXPECT_EQ(VersionString(block, "ProductVersion"), "5.00.03.90");
    EXPECT_EQ(VersionString(block, "OrvoBuildName"), "Orvo.exe");
}

TEST(ProductIdentity, ManifestAsksForNoElevationAndCommonControls6) {
    std::string exe = ProductExe();
    if (exe.empty()) GTEST_SKIP() << "ORVO_PRODUCT_EXE not built";
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(image, found)));
    std::string manifest(data, SizeofResource(image, found));
    HRSRC icon = FindResourceA(image, MAKEINTRESOURCEA(1033), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    HRSRC launcherWindow = FindResourceA(image, MAKEINTRESOURCEA(102), MAKEINTRESOURCEA(5));
    FreeLibrary(image);

    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
    size_t controls = manifest.find("Microsoft.Windows.Common-Controls");
    ASSERT_NE(controls, std::string::npos);
    std::string controlsIdentity = manifest.substr(controls, manifest.find("/>", controls) - controls);
    EXPECT_NE(controlsIdentity.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(controlsIdentity.find("processorArchitecture=\"x86\""), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    EXPECT_EQ(manifest.find("supportedOS"), std::string::npos);
    EXPECT_NE(icon, nullptr);
    EXPECT_NE(launcherWindow, nullptr);
}
