// Prerequisite installers the installation may lack are fetched from the
// vendor first, into the folder the installation would have them in.
#pragma once

#include <string>

class InstallHost;
class OrvoComponent;

// True when installer (relative to the launcher folder) is there or has
// been downloaded from url; otherwise the download's error is the
// component's message.
bool EnsureInstallerPresent(OrvoComponent& component, InstallHost& host, const char* installer,
                            const std::string& url);
