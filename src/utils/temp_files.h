// The product's temporary folder ("PellmoreTemp" below the user's temporary
// folder): downloaded installers and installer logs live there, and old
// download files are cleared before a new one is made.
#pragma once

#include <string>

// Creates the user's temporary folder when it is missing (once at start).
void EnsureTempFolder();
// The user's temporary folder without its trailing backslash; empty when
// the system cannot tell.
std::string GetUserTempFolder();
// 1 when the product temporary folder exists or was just created, else 0;
// out receives its path either way (empty without a user temporary folder).
int GetProductTempFolder(std::string& out);
// 1 with the path of a new, empty, uniquely named "DWN*.TMP" file in the
// product temporary folder, after removing earlier download files; 0 (out
// untouched) when no name could be made.
int CreateDownloadTempFile(std::string& out);
// Deletes every file matching the wildcard pattern (read-only ones too) and
// removes matching folders; what is in use stays. Returns 1.
int DeleteMatchingFiles(const std::string& pattern);
// Removes the folder with everything below it; junctions and directory links
// are removed as links, never followed. Read-only files stay. Returns 1.
int RemoveFolderTree(const std::string& folder);
