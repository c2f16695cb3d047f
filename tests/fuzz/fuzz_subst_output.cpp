// The subst output reader: any bytes give a map of two-byte lower-case
// drives without a line break in a folder; the output subst prints for a set
// of drives reads back as that set; a path on a listed drive resolves into
// its folder with one backslash, any other path is left alone.
#include "utils/subst_output_rules.h"
#include "support/check.h"

#include "framework/strings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        const SubstDrives drives = ParseSubstOutput(input.ConsumeRemainingBytesAsString());
        for (const auto& drive : drives) {
            FUZZ_CHECK(drive.first.size() == 2 && drive.first == fw::ToLower(drive.first));
            FUZZ_CHECK(drive.second.find('\n') == std::string::npos);
        }
        return 0;
    }
    SubstDrives printed;
    std::string output;
    for (int count = input.ConsumeIntegralInRange(0, 4); count > 0; --count) {
        char letter = static_cast<char>('A' + input.ConsumeIntegralInRange(0, 25));
        std::string folder = input.ConsumeRandomLengthString(30);
        if (folder.find_first_of("\r\n") != std::string::npos || folder.empty()) continue;
        output += std::string(1, letter) + ":\\: => " + folder + "\r\n";
        printed[fw::ToLower(std::string(1, letter) + ":")] = folder;
    }
    const SubstDrives drives = ParseSubstOutput(output);
    FUZZ_CHECK(drives == printed);

    std::string path = input.ConsumeRemainingBytesAsString();
    const std::string original = path;
    const bool resolved = ResolveOnSubstDrive(drives, path);
    const bool listed = original.size() >= 2 && original[1] == ':' && drives.count(fw::ToLower(original.substr(0, 2)));
    FUZZ_CHECK(resolved == listed);
    if (!resolved) {
        FUZZ_CHECK(path == original);
        return 0;
    }
    const std::string& folder = drives.at(fw::ToLower(original.substr(0, 2)));
    const std::string rest = fw::TrimLeft(original.substr(2), "\\");
    if (rest.empty()) {
        FUZZ_CHECK(path == folder);
    } else {
        FUZZ_CHECK(path.size() >= rest.size() + 1 && path.compare(path.size() - rest.size(), rest.size(), rest) == 0);
        FUZZ_CHECK(path.substr(0, path.size() - rest.size()) == fw::TrimRight(folder, "\\") + "\\");
    }
    return 0;
}
