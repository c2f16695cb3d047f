// State and small helpers shared by the files that resolve the installation's
// folders. Not for use outside appstate/.
#pragma once

#include <optional>
#include <string>

namespace paths_detail {

// Longest path text kept in the fixed-size buffers of the path state.
constexpr size_t kMaxPathChars = 259;

// Folders derived from the configuration file: forgotten when another
// configuration file is named.
struct PathState {
    std::string configFile;
    std::optional<std::string> dataFolder;
    std::optional<std::string> wanDataFolder;
    std::optional<std::string> clientFolder;
};

// Folders of the workstation itself: computed once per process.
struct PathCache {
    std::optional<std::string> commonAppData;
    std::string localAppData;
    std::optional<std::string> programFolder;
};

PathState& State();
PathCache& Cache();
// Empty unless a test has pretended the launcher runs from another folder.
std::string& ModuleFolderOverride();

std::string StripTrailingBackslashes(const std::string& path);
// GetFullPathNameA into a string; the text itself when that fails.
std::string FullPath(const std::string& path);
bool IsExistingFile(const std::string& path);
bool IsExistingFolder(const std::string& path);
// Creates path and every missing parent; failures are left to the caller to notice.
void CreateFolderWithParents(const std::string& path);

} // namespace paths_detail
