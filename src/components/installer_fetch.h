// Prerequisite installers the installation may lack are fetched from the
// vendor first, into the folder the installation would have them in.
#pragma once

#include <string>

class InstallHost;
class OrvoComponent;

// True when installer (relative to the launcher folder) is there or has
// been downloaded from url; an empty file counts as missing. False, with the
// download's error as the component's message, when it could not be had,
// and false once the host is closing: then nothing may be started.
bool EnsureInstallerPresent(OrvoComponent& component, InstallHost& host, const char* installer,
                            const std::string& url);
