#include "launcher/system_info_export.h"

#include "companions/companions.h"
#include "launcher/arguments.h"
#include "launcher/utility_library.h"

void ExportSystemInfo() {
    if (!GetArguments().bCFG) return;
    try {
        CUtilityLibrary library;
        if (!library.GetModule()) return;
        if (auto record = library.GetFunction<companions::ExpRecordComputerInfoFn>(companions::kExpRecordComputerInfo))
            record();
        if (auto upload = library.GetFunction<companions::ExpUploadSysInfoFn>(companions::kExpUploadSysInfo))
            upload(0);
    } catch (...) {
        // The library's troubles must not keep the launcher from ending.
    }
}
