// The launcher's installer download of one file from the loopback test
// server: prints the bytes and the rate. bench/download.sh compares it with
// curl fetching the same file in the same run.
// Usage: bench_download.exe <url> <target file>
#include "launcher/download.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// What a window would show; the benchmark only counts.
class CountingProgress : public DownloadProgress {
public:
    void SetStatus(const std::string&) override {}
    void ShowProgressText(const std::string&) override { ++refreshes; }
    void SetBarPosition(int) override {}
    void ShowBar(bool) override {}
    void SetMarquee(bool) override {}
    int refreshes = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_download <url> <target>\n");
        return 2;
    }
    DeleteFileA(argv[2]);
    CountingProgress progress;
    std::string error;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    bool ok = DownloadToFile(progress, "benchmark", argv[1], argv[2], error);
    QueryPerformanceCounter(&end);
    if (!ok) {
        std::fprintf(stderr, "download failed: %s\n", error.c_str());
        return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    GetFileAttributesExA(argv[2], GetFileExInfoStandard, &data);
    double bytes = static_cast<double>(data.nFileSizeLow) + static_cast<double>(data.nFileSizeHigh) * 4294967296.0;
    double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
    std::printf("%.0f %.3f %d\n", bytes, seconds, progress.refreshes);
    DeleteFileA(argv[2]);
    return 0;
}
