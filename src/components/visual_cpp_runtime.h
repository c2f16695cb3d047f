// The Visual C++ runtime 14 for x86 programs (14.13 or later): found through
// the places the runtime's releases register themselves in, installed with
// "Installs\MFC\vcredist_x86_v14.exe", which is downloaded from the vendor
// first when the installation lacks it.
#pragma once

#include "components/orvo_component.h"

#include <string>

extern const char kVisualCppDownloadUrl[];

class OrvoComponent_MFC : public OrvoComponent {
public:
    explicit OrvoComponent_MFC(std::string downloadUrl = kVisualCppDownloadUrl);
    bool IsInstalled() override;
    bool Install(InstallHost& host) override;

    // The runtime key of that Visual Studio major version, in its WOW6432Node
    // form when use32BitView: installedVersion := its "Version" without the
    // "v"; true when that is at least the required version. A missing key or
    // value gives false and leaves installedVersion alone.
    bool HasRuntimeVersion(int major, bool use32BitView);

private:
    bool FoundByDependencyKey();
    // installedVersion := the product's version (emptied when none); true
    // when it is at least the required version.
    bool FoundAtLeast(const char* code);
    // installedVersion := the product's version when there is one; true when
    // it equals the required version.
    bool FoundEqual(const char* code);

    std::string downloadUrl_;
};
