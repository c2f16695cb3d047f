#include "components/database_engine.h"

#include "components/install_host.h"
#include "components/installer_fetch.h"
#include "components/odbc_drivers.h"
#include "framework/strings.h"
#include "launcher/installer_runner.h"
#include "localinstall/file_tree.h"

const char kDatabaseEngineDownloadUrl[] =
    "https://download.microsoft.com/download/3/5/C/35C84C36-661A-44E6-9324-8786B8DBE231/AccessDatabaseEngine.exe";

namespace {

const char kDriverName[] = "Microsoft Access Driver";
const char kDriverExtension[] = "accdb";
const char kInstaller[] = "Installs\\WindowsInstaller\\AccessDatabaseEngine.exe";
const char kSwitches[] = "/quiet /passive";

} // namespace

OrvoComponent_ODBCDriver::OrvoComponent_ODBCDriver(std::string downloadUrl) : downloadUrl_(std::move(downloadUrl)) {}

bool OrvoComponent_ODBCDriver::IsInstalled() {
    requiredVersion = "12.0.0";
    ODBCDriverInfo driver;
    if (FindODBCDriver(kDriverName, kDriverExtension, driver)) {
        installedVersion = fw::Format("%d.%d.%d", driver.major, driver.minor, driver.build);
        if (driver.major > 11) return true;
    }
    WriteODBCDriverLog();
    return false;
}

bool OrvoComponent_ODBCDriver::Install(InstallHost& host) {
    if (!EnsureInstallerPresent(*this, host, kInstaller, downloadUrl_)) return false;
    // The driver list decides; the engine's "restart required" still
    // brings the restart offer at the end of the run.
    if (RunInstaller(host.GetOwnerWindow(), kInstaller, kSwitches) == ERROR_SUCCESS_REBOOT_REQUIRED)
        restartRequired = true;
    if (IsInstalled()) return true;
    message = fw::Format("Unable to install %s. You might not have sufficient permissions. You might also need to close "
                         "this program and run it a second time. If rerunning this program a second time doesn't "
                         "work, try installing this component manually by running '%s\\%s'. This component can also "
                         "be downloaded from Microsoft's website.",
                         displayName.c_str(), GetCurrentFolder().c_str(), kInstaller);
    return false;
}
