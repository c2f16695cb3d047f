#include "launcher/import_file.h"

#include "framework/strings.h"
#include "launcher/arguments.h"
#include "localinstall/file_tree.h"
#include "utils/temp_files.h"

#include <windows.h>

void PrepareImportFile(CArguments& args) {
    if (args.bRestarted) return;
    std::string named = args.GetFilename();
    if (named.empty() || args.nFilenameArg < 1 || !(args.bCopyImportFile || args.bFSC)) return;

    std::string folder;
    // Without the folder the copy would land in a drive root, perhaps the
    // share's, and the sender's file would go: keep everything as given.
    if (!GetProductTempFolder(folder) || folder.empty()) return;
    std::string source = fw::TrimLeft(fw::TrimRight(named, "\""), "\"");
    std::string copy;
    if (!CopyToUniqueName(source, folder, copy, args.bFSC ? "FSC" : nullptr)) return;
    // Unquoted: the relaunch string quotes a path with blanks itself.
    args.SetAt(args.nFilenameArg, copy);
    if (args.bDeleteImportFile) DeleteFileA(source.c_str());
}
