// Reads of existing keys from a 300-key INI file: through the cache versus
// straight from the platform's profile reader, measured in one run.
// Usage: bench_ini_cache.exe [reads]   (default 20000 of each kind)
#include "appstate/ini_cache.h"
#include "framework/strings.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kKeys = 300;
const char kSection[] = "Settings";

double Seconds(const LARGE_INTEGER& start, const LARGE_INTEGER& end) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool WriteIniFile(const std::string& path, const std::vector<std::string>& keys) {
    std::string text = fw::Format("[%s]\r\n", kSection);
    for (size_t i = 0; i < keys.size(); ++i)
        text += fw::Format("%s=value number %u\r\n", keys[i].c_str(), unsigned(i));
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

// Reads every key in turn, reads times in all; returns the reads per second.
template <typename ReadFn>
double ReadsPerSecond(const std::vector<std::string>& keys, int reads, ReadFn read) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < reads; ++i)
        read(keys[static_cast<size_t>(i) % keys.size()].c_str());
    QueryPerformanceCounter(&end);
    const double seconds = Seconds(start, end);
    return seconds > 0 ? reads / seconds : 0;
}

} // namespace

int main(int argc, char** argv) {
    const int reads = argc > 1 && std::atoi(argv[1]) > 0 ? std::atoi(argv[1]) : 20000;

    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    const std::string path = fw::Format("%sorvo_bench_ini_%lu.ini", temp, GetCurrentProcessId());
    std::vector<std::string> keys;
    for (int i = 0; i < kKeys; ++i)
        keys.push_back(fw::Format("Key%03d", i));
    if (!WriteIniFile(path, keys)) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }

    // Both readers must return the same values before their speed means anything.
    char cached[256], platform[256];
    for (const std::string& key : keys) {
        CacheGetProfileString(kSection, key.c_str(), "", cached, sizeof(cached), path.c_str());
        GetPrivateProfileStringA(kSection, key.c_str(), "", platform, sizeof(platform), path.c_str());
        if (std::string(cached) != platform || !*cached) {
            std::fprintf(stderr, "readers disagree on %s: \"%s\" vs \"%s\"\n", key.c_str(), cached, platform);
            DeleteFileA(path.c_str());
            return 1;
        }
    }

    const double cachedRate = ReadsPerSecond(keys, reads, [&](const char* key) {
        CacheGetProfileString(kSection, key, "", cached, sizeof(cached), path.c_str());
    });
    const double platformRate = ReadsPerSecond(keys, reads, [&](const char* key) {
        GetPrivateProfileStringA(kSection, key, "", platform, sizeof(platform), path.c_str());
    });
    DeleteFileA(path.c_str());

    std::printf("INI reads: %d keys, %d reads of each kind\n", kKeys, reads);
    std::printf("  cached   (CacheGetProfileString):    %12.0f reads/s\n", cachedRate);
    std::printf("  platform (GetPrivateProfileStringA): %12.0f reads/s\n", platformRate);
    std::printf("  ratio cached / platform:             %12.2f\n",
                platformRate > 0 ? cachedRate / platformRate : 0.0);
    return 0;
}
