#include "components/visual_cpp_runtime.h"

#include "components/install_host.h"
#include "components/installer_fetch.h"
#include "components/msi_product_version.h"
#include "framework/handles.h"
#include "framework/registry.h"
#include "framework/strings.h"
#include "launcher/installer_runner.h"
#include "localinstall/file_tree.h"
#include "utils/leading_decimal.h"

const char kVisualCppDownloadUrl[] = "https://aka.ms/vs/17/release/vc_redist.x86.exe";

namespace {

const int kRuntimeMajor = 14;
const char kDependencyKey[] =
    "SOFTWARE\\Classes\\Installer\\Dependencies\\Microsoft.VS.VC_RuntimeMinimumVSU_x86,v%i\\Dependents";
const char kRuntimeKey32[] = "SOFTWARE\\WOW6432Node\\Microsoft\\VisualStudio\\%i.0\\VC\\Runtimes\\x86";
const char kRuntimeKey[] = "SOFTWARE\\Microsoft\\VisualStudio\\%i.0\\VC\\Runtimes\\x86";
// Product and upgrade codes the runtime's releases have used.
const char kCodeA[] = "{7e9fae12-5bbf-47fb-b944-09c49e75c061}";
const char kCodeB[] = "{ec9c2282-a836-48a6-9e41-c2f0bf8d678b}";
const char kCodeC[] = "{ce085a78-074e-4823-8dc1-8a721b94b76d}";
const char kCodeD[] = "{13A4EE12-23EA-3371-91EE-EFB36DDFFF3E}";
const char kCodeE[] = "{F8CFEB22-A2E7-3971-9EDA-4B11EDEFC185}";
const char kInstaller[] = "Installs\\MFC\\vcredist_x86_v14.exe";
const char kSwitches[] = "/quiet /norestart";

} // namespace

OrvoComponent_MFC::OrvoComponent_MFC(std::string downloadUrl) : downloadUrl_(std::move(downloadUrl)) {}

bool OrvoComponent_MFC::HasRuntimeVersion(int major, bool use32BitView) {
    std::string path = fw::Format(use32BitView ? kRuntimeKey32 : kRuntimeKey, major);
    std::string text;
    if (!fw::ReadStringValue(HKEY_LOCAL_MACHINE, path, "Version", text)) return false;
    installedVersion = fw::Trim(fw::ToUpper(text), "V");
    return CompareLeadingDecimal(installedVersion, requiredVersion) >= 0;
}

bool OrvoComponent_MFC::FoundByDependencyKey() {
    fw::RegKey key;
    std::string path = fw::Format(kDependencyKey, kRuntimeMajor);
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS) return false;
    char name[MAX_PATH + 1] = "";
    if (RegEnumKeyA(key.Get(), 0, name, sizeof(name)) != ERROR_SUCCESS) return false;
    std::string code = fw::Trim(name, " ");
    return !code.empty() && FoundAtLeast(code.c_str());
}

bool OrvoComponent_MFC::FoundAtLeast(const char* code) {
    std::string version;
    if (!GetProductVersion(code, version)) {
        installedVersion.clear();
        return false;
    }
    installedVersion = version;
    return CompareLeadingDecimal(installedVersion, requiredVersion) >= 0;
}

bool OrvoComponent_MFC::FoundEqual(const char* code) {
    std::string version;
    if (!GetProductVersion(code, version)) return false;
    installedVersion = version;
    return CompareLeadingDecimal(installedVersion, requiredVersion) == 0;
}

bool OrvoComponent_MFC::IsInstalled() {
    if (FoundByDependencyKey()) return true;
    if (FoundAtLeast(kCodeA) || FoundAtLeast(kCodeB)) return true;
    if (HasRuntimeVersion(kRuntimeMajor, true) || HasRuntimeVersion(kRuntimeMajor, false)) return true;
    // Older runtimes only tell the user what there is.
    for (int major : {12, 11, 10}) {
        if (installedVersion.empty()) HasRuntimeVersion(major, true);
        if (installedVersion.empty()) HasRuntimeVersion(major, false);
    }
    if (FoundEqual(kCodeC)) return true;
    bool d = FoundEqual(kCodeD);
    bool e = FoundEqual(kCodeE);
    return d && e;
}

bool OrvoComponent_MFC::Install(InstallHost& host) {
    if (!EnsureInstallerPresent(*this, host, kInstaller, downloadUrl_)) return false;
    DWORD exitCode = RunInstaller(host.GetOwnerWindow(), kInstaller, kSwitches);
    if (exitCode == ERROR_SUCCESS_REBOOT_REQUIRED) {
        restartRequired = true;
        return true;
    }
    if (IsInstalled()) return true;
    message = fw::Format("Unable to install %s. Reason unknown. Try installing this component manually by running "
                         "'%s\\%s'.",
                         displayName.c_str(), GetCurrentFolder().c_str(), kInstaller);
    return false;
}
