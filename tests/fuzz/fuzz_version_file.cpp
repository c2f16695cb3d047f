// "Version.dat" with a fake folder listing: the version is the first line;
// no entry of the copy list leaves the program folder (absolute, a drive or
// stream, ".." or a part Windows shortens to it); the version file
// and then the main program come last when present, and nowhere else; no
// file is listed twice, whatever the letter case or separator.
#include "localinstall/version_file_rules.h"
#include "support/check.h"

#include "framework/strings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

// What Windows opens for a name inside a folder: separators as backslashes,
// trailing dots and blanks of every part dropped, letter case ignored.
std::string WindowsName(const std::string& entry) {
    std::string name, part;
    auto flush = [&]() {
        size_t keep = part.find_last_not_of(". ");
        part = keep == std::string::npos ? (part.empty() ? part : std::string("..")) : part.substr(0, keep + 1);
        name += part;
        part.clear();
    };
    for (char c : entry) {
        if (c == '\\' || c == '/') {
            flush();
            name += '\\';
        } else {
            part += c;
        }
    }
    flush();
    return fw::ToLower(name);
}

bool ClimbsOrIsAbsolute(const std::string& entry) {
    if (entry.empty() || entry.find(':') != std::string::npos || entry.find('\0') != std::string::npos) return true;
    std::string name = "\\" + WindowsName(entry) + "\\";
    return name.find("\\..\\") != std::string::npos || name.find("\\\\") != std::string::npos;
}

// A name a folder listing can give: no separator, no reserved character.
bool IsListingName(const std::string& name) {
    if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
    for (unsigned char c : name)
        if (c < 32 || std::string("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string::npos) return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::string> listing;
    for (int count = input.ConsumeIntegralInRange(0, 6); count > 0; --count) {
        std::string name = input.ConsumeRandomLengthString(40);
        if (IsListingName(name)) listing.push_back(name);
    }
    const std::string text = input.ConsumeRemainingBytesAsString();

    std::vector<std::string> lines = VersionFileLines(text);
    FUZZ_CHECK(ProgramVersionOf(text) == (lines.empty() ? std::string() : lines.front()));
    FUZZ_CHECK(ProgramVersionOf(text).find('\n') == std::string::npos);

    VersionCopyList list;
    for (const std::string& name : listing) list.AddFoundFile(name);
    list.AddListedFiles(text);
    list.Close();
    const std::vector<std::string>& files = list.Files();

    std::set<std::string> seen;
    for (size_t i = 0; i < files.size(); ++i) {
        const std::string& name = files[i];
        FUZZ_CHECK(!ClimbsOrIsAbsolute(name));
        FUZZ_CHECK(seen.insert(WindowsName(name)).second);
        bool last = i + 1 == files.size();
        bool beforeLast = i + 2 == files.size();
        if (WindowsName(name) == "pellmoreorvo.exe") FUZZ_CHECK(last);
        if (WindowsName(name) == "version.dat")
            FUZZ_CHECK(last ? list.MainProgramName().empty() : beforeLast && !list.MainProgramName().empty());
    }
    if (!list.MainProgramName().empty()) FUZZ_CHECK(files.back() == list.MainProgramName());
    return 0;
}
