// Test-only stand-in for the folder queries of the paths module, so the
// version-file tests choose where the launcher "runs" and where the
// installation is, without any configuration files.
#pragma once

#include <string>

void SetFakeFolders(const std::string& moduleFolder, const std::string& tempFolder, const std::string& installFolder);
