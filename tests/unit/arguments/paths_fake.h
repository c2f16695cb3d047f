// Test-only stand-in for the settings module's SetConfigurationFile: it only
// remembers the path it was handed, so the command-line tests can see it.
#pragma once

#include <string>

// The path of the last SetConfigurationFile call ("" before any).
std::string LastConfigurationFileSet();
