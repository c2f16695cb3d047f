// Switches that are the mere presence of a file in the installation folder:
// support staff drop an empty file with a fixed name there to turn a feature
// or a diagnostic on for the whole installation. One numbering for the whole
// product; each number is tested once per process and the answer kept.
#pragma once

#include <string>

enum SpecialSetting {
    kSpecialPellmore = 0,
    kSpecialFileGroups = 1,
    kSpecialZevarur = 2,
    kSpecialTSCitrix = 3,
    kSpecialNoDotNetSMTP = 4,
    kSpecialSplitCommPackages = 5,
    kSpecialShowAttachedTime = 6,
    kSpecialIndexLog = 7,
    kSpecialEdocEdit = 8,
    kSpecialAL3Edit = 9,
    kSpecialAL3ShowUnused = 10,
    kSpecialArrowheadDebug = 11,
    kSpecialAutoUpdateClientPath = 12,
    kSpecialClientInfo = 13,
    kSpecialOrvoNY4172DDebug = 14,
    kSpecialConversion = 15,
    kSpecialEnhancedReceiptCheckbox = 16,
    kSpecialEZLynxDebug = 17,
    kSpecialVendorDebugging = 18,
    kSpecialPLFileDebugging = 19,
    kSpecialImportExportDebug = 20,
    kSpecialMergePatchTest = 21,
    kSpecialMulticoWebDebug = 22,
    kSpecialMultipleDVDBackup = 23,
    kSpecialNoBrowserVersion = 24,
    kSpecialNoOrvoDownloadExpirationDate = 25,
    kSpecialNoOrvoRegisterBridges = 26,
    kSpecialNoOrvoRegisterExtensions = 27,
    kSpecialNoOrvoSaveComputerInfo = 28,
    kSpecialNoOrvoUploadSysInfo = 29,
    kSpecialNoDDEServer = 30,
    kSpecialNoDownloadCovCodes = 31,
    kSpecialNoDownloadExpirationDate = 32,
    kSpecialNoDownloadVersionHistory = 33,
    kSpecialNoDVDWriter = 34,
    kSpecialNoRecoveryFiles = 35,
    kSpecialErrorCheckOnSave = 36,
    kSpecialNoReplaceUserGuide = 37,
    kSpecialPrintDebug = 38,
    kSpecialProgressive = 39,
    kSpecialQuickBooksDirectLog = 40,
    kSpecialRaterDebug = 41,
    kSpecialReceiptLog = 42,
    kSpecialReportNew = 43,
    kSpecialSendToSupport = 44,
    kSpecialSumPremiums = 45,
    kSpecialTSQuote = 46,
    kSpecialUploadSysInfo = 47,
    kSpecialWordLetters = 48,
    kSpecialBackupIndexes = 49,
    kSpecialNoLocalInstall = 50,
    kSpecialIES = 51,
    kSpecialNoAgencyServicesOnLaunch = 52,
    kSpecialDumpWithFullMemory = 53,
    kSpecialDisableLiveDataWarning = 54,
    kSpecialPolicyHistoryView = 55,
    kSpecialPolicyHistoryViewAlias = 56, // the same file as 55, cached on its own
    kSpecialSkipMultiFolderCheck = 57,
    kSpecialTestOptions = 58,
    kSpecialCloudSearch = 59,
    kSpecialRepairClientFile = 60,
    kSpecialDisableDataSync = 61,
    kSpecialSettingCount = 62,
};

// Whether the marker file (or a folder of that name) of this number exists in
// the installation folder. Tested once per process; numbers without a marker
// are false.
bool IsSpecialSettingSet(int number);
// The marker file name of a number, or nullptr when it has none.
const char* GetSpecialSettingName(int number);
// Full path of the number's marker, or empty when it has none.
std::string GetSpecialSettingPath(int number);
// The installation folder, one backslash, and name without its leading
// backslashes. Not cached: the update-in-progress marker is tested this way.
std::string GetMarkerPath(const std::string& name);

// Forgets every tested answer, as at process start. For tests only.
void ResetSpecialSettingCache();
