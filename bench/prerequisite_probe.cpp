// How long the component check of the Visual C++ runtime, the database
// engine and the vendor components takes with everything present, against
// the platform calls it rests on (the product's state and version from
// Windows Installer, one registry read, one ODBC driver listing), measured
// in the same run. Prints medians and their ratio; asserts nothing. The
// script bench/prerequisite_probe.sh prepares what must be present.
//   bench_prerequisite_probe <product code> [rounds]
#include "bench_clock.h"
#include "components/database_engine.h"
#include "components/odbc_installer.h"
#include "components/pellmore_components.h"
#include "components/visual_cpp_runtime.h"
#include "framework/handles.h"

#include <windows.h>
#include <msi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool PlatformCalls(const char* productCode) {
    bool ok = MsiQueryProductStateA(productCode) == INSTALLSTATE_DEFAULT;
    char version[80] = "";
    DWORD size = sizeof(version);
    ok = MsiGetProductInfoA(productCode, "VersionString", version, &size) == ERROR_SUCCESS && ok;

    fw::RegKey key;
    char text[MAX_PATH + 1] = "";
    DWORD length = MAX_PATH;
    ok = RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\WOW6432Node\\Microsoft\\VisualStudio\\14.0\\VC\\Runtimes\\x86", 0,
                       KEY_READ, key.Out()) == ERROR_SUCCESS &&
         RegQueryValueExA(key.Get(), "Version", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &length) ==
             ERROR_SUCCESS &&
         ok;

    OdbcInstaller& odbc = GetOdbcInstaller();
    std::vector<char> names(8192);
    ok = odbc.SetConfigMode(2) && odbc.GetProfileText("ODBC Drivers", nullptr, "", names.data(), 8192, "odbcinst.ini") > 0 &&
         ok;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_prerequisite_probe <product code> [rounds]\n");
        return 2;
    }
    const char* productCode = argv[1];
    int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;

    OrvoComponent_MFC runtime;
    runtime.requiredVersion = "14.13";
    OrvoComponent_ODBCDriver engine;
    OrvoComponent_PellmoreComponents vendor;
    // Loads the libraries and fills the caches both sides rely on.
    bool present = runtime.IsInstalled() && engine.IsInstalled() && vendor.IsInstalled();
    bool platform = PlatformCalls(productCode);
    if (!present || !platform) {
        std::fprintf(stderr, "not everything is present (components %d, platform calls %d)\n", present, platform);
        return 1;
    }

    std::vector<double> components, calls;
    for (int round = 0; round < rounds; ++round) {
        double start = bench::NowMs();
        runtime.IsInstalled();
        engine.IsInstalled();
        vendor.IsInstalled();
        double middle = bench::NowMs();
        PlatformCalls(productCode);
        double end = bench::NowMs();
        components.push_back(middle - start);
        calls.push_back(end - middle);
    }
    double c = bench::Median(components), p = bench::Median(calls);
    std::printf("prerequisite probe (%d rounds, medians): the three IsInstalled %.2f ms, their platform calls %.2f ms\n",
                rounds, c, p);
    std::printf("ratio components / platform calls: %.2f (the status line pauses 250 ms per step)\n", p > 0 ? c / p : 0);
    return 0;
}
