// How long preparing one pass of the printer manager takes (fresh
// components, the printer list, the current printer's installed test and
// the upgrade flag) against one Windows Installer read of the same OEM
// package, measured in the same run. Prints medians and their ratio;
// asserts nothing. Run from a launcher folder holding Installs\NovaPDF
// (bench/printer_manager_pass.sh prepares one).
//   bench_printer_manager_pass [rounds]
#include "bench_clock.h"
#include "components/msi_package.h"
#include "printers/novapdf_files.h"
#include "printers/printer_manager.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    MsiPackage probe;
    if (!probe.Load(novapdf::OemPackagePath())) {
        std::fprintf(stderr, "no package at %s: %s\n", novapdf::OemPackagePath().c_str(), probe.error.c_str());
        return 1;
    }
    std::vector<double> passes, loads;
    for (int round = 0; round < rounds; ++round) {
        double start = bench::NowMs();
        {
            printers::ManagerPass pass(nullptr);
            printers::ManagerFacts facts = pass.Examine();
            (void)printers::DecideManagerActions(facts);
        }
        double middle = bench::NowMs();
        MsiPackage package;
        package.Load(novapdf::OemPackagePath());
        double end = bench::NowMs();
        passes.push_back(middle - start);
        loads.push_back(end - middle);
    }
    double p = bench::Median(passes), l = bench::Median(loads);
    std::printf("printer manager pass (%d rounds, medians): one pass %.2f ms, one package load %.2f ms\n", rounds, p, l);
    std::printf("ratio pass / package load: %.2f\n", l > 0 ? p / l : 0);
    return 0;
}
