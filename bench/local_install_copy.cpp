// The local copy of an installation against Wine's xcopy of the same folder,
// alternating, in one run. The local copy runs in the real launcher window
// (its progress bar on the display, its message pump, its status pause) on
// about 2,000 files and 300 MB: 40 binaries of 5 MB in the installation's
// root, the rest 1 to 400 KB in sub-folders, all listed in Version.dat. The
// installation is made on first use in the folder given (scripts/bench puts
// it behind a drive letter). Prints files/s and MB/s of both per round, the
// medians and the median of the speed ratios. Nothing is asserted.
// Usage: bench_local_install_copy.exe <installation folder> [rounds]
#include "bench_clock.h"
#include "framework/app.h"
#include "framework/strings.h"
#include "launcher/orvo_dlg.h"
#include "localinstall/file_tree.h"
#include "localinstall/local_copy.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int kBinaries = 40;
const DWORD kBinaryBytes = 5 * 1024 * 1024;
const int kFolders = 20;
const int kFilesPerFolder = 98;
const char kMarker[] = "bench installation 1";

struct Volume {
    int files = 0;
    double megabytes = 0;
};

double NowSeconds() { return bench::NowMs() / 1000.0; }

bool WriteBytes(const std::string& path, DWORD size, unsigned& seed) {
    std::vector<unsigned> words(size / sizeof(unsigned) + 1);
    for (unsigned& word : words) word = seed = seed * 1664525u + 1013904223u;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, words.data(), size, &written, nullptr);
    CloseHandle(file);
    return ok && written == size;
}

// Small files of 1 to 400 KB, most of them small.
DWORD SmallFileBytes(unsigned& seed) {
    seed = seed * 1664525u + 1013904223u;
    double r = static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
    return static_cast<DWORD>(1024 + r * r * r * r * r * r * 399.0 * 1024);
}

bool MakeInstallation(const std::string& folder) {
    std::string versionFile = folder + "\\Version.dat";
    std::string firstLine;
    if (ReadProgramVersion(firstLine, folder) && firstLine == kMarker) return true;
    std::printf("making the installation in %s (once)...\n", folder.c_str());
    std::string path = folder;
    CreateFolderTree(path);
    unsigned seed = 12345;
    for (int i = 0; i < kBinaries; ++i)
        if (!WriteBytes(fw::Format("%s\\Library%02d.dll", folder.c_str(), i), kBinaryBytes, seed)) return false;
    std::string list = std::string(kMarker) + "\r\n";
    for (int f = 0; f < kFolders; ++f) {
        std::string sub = fw::Format("Data%02d", f);
        CreateDirectoryA((folder + "\\" + sub).c_str(), nullptr);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            std::string name = fw::Format("%s\\item%03d.bin", sub.c_str(), i);
            if (!WriteBytes(folder + "\\" + name, SmallFileBytes(seed), seed)) return false;
            list += name + "\t" + std::to_string(i) + "\r\n";
        }
    }
    list += "Version.dat\r\n";
    HANDLE file = CreateFileA(versionFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    WriteFile(file, list.data(), static_cast<DWORD>(list.size()), &written, nullptr);
    CloseHandle(file);
    return written == list.size();
}

Volume MeasureVolume(const std::string& folder) {
    Volume volume;
    COrvoInstallVersionFiles files(folder);
    for (const std::string& name : files) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!GetFileAttributesExA((folder + "\\" + name).c_str(), GetFileExInfoStandard, &data)) continue;
        ++volume.files;
        volume.megabytes += static_cast<double>(data.nFileSizeLow) / (1024.0 * 1024.0);
    }
    return volume;
}

double RunXcopy(const std::string& source, const std::string& destination) {
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    std::string commandLine =
        fw::Format("\"%s\\xcopy.exe\" /E /I /Q /Y \"%s\" \"%s\"", system, source.c_str(), destination.c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    double start = NowSeconds();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    double seconds = NowSeconds() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

// The launcher window without its start-up sequence: it shows itself and
// runs the local copy with itself as the host, as step 13 does.
class CopyWindow : public COrvoDlg {
public:
    CopyWindow(std::string installFolder, std::string programFolder)
        : installFolder_(std::move(installFolder)), programFolder_(std::move(programFolder)) {}
    double seconds = -1;
    bool copied = false;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CenterWindow();
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
        UpdateWindow(m_hWnd);
        double start = NowSeconds();
        LocalCopy copy(*this, installFolder_, programFolder_);
        copied = copy.Run();
        seconds = NowSeconds() - start;
        EndDialog(IDOK);
        return FALSE;
    }

private:
    std::string installFolder_, programFolder_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: %s <installation folder> [rounds]\n", argv[0]);
        return 2;
    }
    CWinApp app("Pellmore Orvo");
    app.m_hInstance = GetModuleHandleA(nullptr);
    std::string install = fw::TrimRight(argv[1], "\\");
    int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    if (!MakeInstallation(install)) {
        std::printf("could not make the installation in %s\n", install.c_str());
        return 1;
    }
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    std::string work = fw::TrimRight(temp, "\\") + "\\orvo_bench_copy";
    std::string program = work + "\\Local\\Program", xcopyTarget = work + "\\xcopy";
    std::string path = work + "\\Local";
    CreateFolderTree(path);
    Volume volume = MeasureVolume(install);
    std::printf("local copy against xcopy: %d files, %.1f MB from %s, %d rounds\n", volume.files, volume.megabytes,
                install.c_str(), rounds);

    std::vector<double> xcopyRates, copyRates, xcopyFiles, copyFiles, ratios;
    for (int round = 1; round <= rounds; ++round) {
        DeleteTree(xcopyTarget);
        double xcopySeconds = RunXcopy(install, xcopyTarget);
        // Both copy into a folder that does not exist yet.
        DeleteTree(program);
        CopyWindow window(install, program);
        window.DoModal();
        if (xcopySeconds <= 0 || !window.copied || window.seconds <= 0) {
            std::printf("round %d failed (xcopy %.2f s, local copy %s)\n", round, xcopySeconds,
                        window.copied ? "done" : "failed");
            return 1;
        }
        xcopyRates.push_back(volume.megabytes / xcopySeconds);
        copyRates.push_back(volume.megabytes / window.seconds);
        xcopyFiles.push_back(volume.files / xcopySeconds);
        copyFiles.push_back(volume.files / window.seconds);
        ratios.push_back(xcopySeconds / window.seconds);
        std::printf("round %d: xcopy %.2f s (%.1f MB/s, %.0f files/s), local copy %.2f s (%.1f MB/s, %.0f "
                    "files/s), ratio %.2f\n",
                    round, xcopySeconds, xcopyRates.back(), xcopyFiles.back(), window.seconds, copyRates.back(),
                    copyFiles.back(), ratios.back());
    }
    std::printf("medians: xcopy %.1f MB/s, %.0f files/s; local copy %.1f MB/s, %.0f files/s\n", bench::Median(xcopyRates),
                bench::Median(xcopyFiles), bench::Median(copyRates), bench::Median(copyFiles));
    std::printf("local copy speed / xcopy speed (median of rounds): %.2f (the local copy includes the launcher "
                "window's 250 ms status pause)\n",
                bench::Median(ratios));
    DeleteTree(xcopyTarget);
    DeleteTree(program);
    return 0;
}
