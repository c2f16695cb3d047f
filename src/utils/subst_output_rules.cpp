#include "utils/subst_output_rules.h"

#include "framework/strings.h"

namespace {

const char kSubstArrow[] = "=>";

} // namespace

SubstDrives ParseSubstOutput(const std::string& text) {
    SubstDrives drives;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        start = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t arrow = line.find(kSubstArrow);
        if (arrow == std::string::npos || line.size() < 2) continue;
        size_t value = arrow + sizeof(kSubstArrow) - 1 + 1; // the blank subst prints after the arrow
        drives[fw::ToLower(line.substr(0, 2))] = value < line.size() ? line.substr(value) : std::string();
    }
    return drives;
}

bool ResolveOnSubstDrive(const SubstDrives& drives, std::string& path) {
    if (path.size() < 2 || path[1] != ':') return false;
    auto found = drives.find(fw::ToLower(path.substr(0, 2)));
    if (found == drives.end()) return false;
    path = JoinWithOneBackslash(found->second, path.substr(2));
    return true;
}

std::string JoinWithOneBackslash(const std::string& folder, const std::string& rest) {
    std::string tail = fw::TrimLeft(rest, "\\");
    if (tail.empty()) return folder;
    return fw::TrimRight(folder, "\\") + "\\" + tail;
}
