#include "launcher/special_settings.h"

#include <windows.h>

#include <map>

#include "appstate/settings.h"
#include "framework/critical_section.h"
#include "framework/strings.h"

namespace {

// Spelled exactly as the files are named on the installations; 55 and 56 are
// one file under two numbers.
const char* const kMarkerNames[kSpecialSettingCount] = {
    "Pellmore.inc",
    "Pellmore.FileGroups.inc",
    "Pellmore.Zevarur.inc",
    "Pellmore.TSCitrix.inc",
    "Pellmore.NoDotNetSMTP.inc",
    "Pellmore.SplitCommPackages.inc",
    "Pellmore.ShowAttachedTime.inc",
    "Pellmore.IndexLog.inc",
    "Pellmore.EdocEdit.inc",
    "Pellmore.AL3Edit.inc",
    "Pellmore.AL3ShowUnused.inc",
    "Pellmore.ArrowheadDebug.inc",
    "Pellmore.AutoUpdateClientPath.inc",
    "Pellmore.ClientInfo.inc",
    "Pellmore.OrvoNY4172DDebug.inc",
    "Pellmore.Conversion.inc",
    "Pellmore.EnhancedReceiptCheckbox.inc",
    "Pellmore.EZLynxDebug.inc",
    "Pellmore.VendorDebugging.inc",
    "Pellmore.PLFileDebugging.inc",
    "Pellmore.ImportExportDebug.inc",
    "Pellmore.MergePatchTest.inc",
    "Pellmore.MulticoWebDebug.inc",
    "Pellmore.multipledvdbackup.inc",
    "Pellmore.NoBrowserVersion.inc",
    "Pellmore.NoOrvoDownloadExpirationDate.inc",
    "Pellmore.NoOrvoRegisterBridges.inc",
    "Pellmore.NoOrvoRegisterExtensions.inc",
    "Pellmore.NoOrvoSaveComputerInfo.inc",
    "Pellmore.NoOrvoUploadSysInfo.inc",
    "Pellmore.NoDDEServer.inc",
    "Pellmore.NoDownloadCovCodes.inc",
    "Pellmore.NoDownloadExpirationDate.inc",
    "Pellmore.NoDownloadVersionHistory.inc",
    "Pellmore.NoDVDWriter.inc",
    "Pellmore.NoRecoveryFiles.inc",
    "Pellmore.ErrorCheckOnSave.inc",
    "Pellmore.NoReplaceUserGuide.inc",
    "Pellmore.PrintDebug.inc",
    "Pellmore.Progressive.inc",
    "Pellmore.QuickBooksDirectLog.inc",
    "Pellmore.RaterDebug.inc",
    "Pellmore.receiptLog.inc",
    "Pellmore.ReportNew.inc",
    "Pellmore.SendToSupport.inc",
    "Pellmore.SumPremiums.inc",
    "Pellmore.TSQuote.inc",
    "Pellmore.UploadSysInfo.inc",
    "Pellmore.WordLetters.inc",
    "Pellmore.BackupIndexes.inc",
    "Pellmore.NoLocalInstall.inc",
    "IES.YES",
    "Pellmore.NoAgencyServicesOnLaunch.inc",
    "Pellmore.DumpWithFullMemory.inc",
    "Pellmore.DisableLiveDataWarning.inc",
    "Pellmore.PolicyHistoryView.inc",
    "Pellmore.PolicyHistoryView.inc",
    "Pellmore.SkipMultiFolderCheck.inc",
    "Pellmore.TestOptions.inc",
    "Pellmore.CloudSearch.inc",
    "Pellmore.RepairClientFile.inc",
    "Pellmore.DisableDataSync.inc",
};

// Any thread may test a switch; the lock covers the file-system query too, so
// a number is never looked up twice.
struct MarkerCache {
    CriticalSection lock;
    std::map<int, bool> present;
};

MarkerCache& Cache() {
    static MarkerCache cache;
    return cache;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

} // namespace

const char* GetSpecialSettingName(int number) {
    if (number < 0 || number >= kSpecialSettingCount) return nullptr;
    return kMarkerNames[number];
}

std::string GetMarkerPath(const std::string& name) {
    std::string folder;
    GetSettingString(kSettingInstallPath, folder);
    return folder + "\\" + fw::TrimLeft(name, "\\");
}

std::string GetSpecialSettingPath(int number) {
    const char* name = GetSpecialSettingName(number);
    return name ? GetMarkerPath(name) : std::string();
}

bool IsSpecialSettingSet(int number) {
    MarkerCache& cache = Cache();
    CSScopeLock guard(&cache.lock);
    auto found = cache.present.find(number);
    if (found != cache.present.end()) return found->second;
    std::string path = GetSpecialSettingPath(number);
    bool present = !path.empty() && PathExists(path);
    cache.present[number] = present;
    return present;
}

void ResetSpecialSettingCache() {
    MarkerCache& cache = Cache();
    CSScopeLock guard(&cache.lock);
    cache.present.clear();
}
