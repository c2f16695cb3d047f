// The usage counter's cost: counting in a file of 1 and of 200 records
// against a write-through open, read, write and close of one 320-byte record
// in the same folder (the least any exclusive update costs), in one process.
// With "count <file> <n>" it counts n times and prints "<ms> <most attempts>
// <counted>", for bench/usage_counter.sh to run 8 such processes at once.
#include "bench_clock.h"
#include "launcher/usage_counter.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

SYSTEMTIME Today() {
    SYSTEMTIME today;
    GetLocalTime(&today);
    return today;
}

void PlainUpdate(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_FLAG_WRITE_THROUGH, nullptr);
    char record[320] = {};
    DWORD done = 0;
    ReadFile(file, record, sizeof(record), &done, nullptr);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    WriteFile(file, record, sizeof(record), &done, nullptr);
    CloseHandle(file);
}

double MsPerCall(int calls, void (*body)(const std::string&), const std::string& path) {
    double start = bench::NowMs();
    for (int i = 0; i < calls; ++i) body(path);
    return (bench::NowMs() - start) / calls;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::string(argv[1]) == "count") {
        int n = std::atoi(argv[3]), most = 0, counted = 0;
        double start = bench::NowMs();
        for (int i = 0; i < n; ++i) {
            int attempts = 0;
            if (CountUsageInFile(argv[2], "Launched", Today(), &attempts)) ++counted;
            if (attempts > most) most = attempts;
        }
        std::printf("%.1f %d %d\n", bench::NowMs() - start, most, counted);
        return 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_usage_counter <folder> | count <file> <n>\n");
        return 2;
    }
    std::string folder = argv[1], small = folder + "\\one.stat", large = folder + "\\many.stat",
                plain = folder + "\\plain.bin";
    for (int i = 0; i < 200; ++i) CountUsageInFile(large, "Counter" + std::to_string(i), Today());
    const int calls = 200;
    double baseline = MsPerCall(calls, &PlainUpdate, plain);
    double one = MsPerCall(calls, [](const std::string& p) { CountUsageInFile(p, "Launched", Today()); }, small);
    double many = MsPerCall(calls, [](const std::string& p) { CountUsageInFile(p, "Counter199", Today()); }, large);
    std::printf("one update of 320 bytes (write-through): %.3f ms\n", baseline);
    std::printf("count in a 1-record file: %.3f ms (ratio %.2f)\n", one, one / baseline);
    std::printf("count in a 200-record file: %.3f ms (ratio %.2f)\n", many, many / baseline);
    DeleteFileA(small.c_str());
    DeleteFileA(large.c_str());
    DeleteFileA(plain.c_str());
    return 0;
}
