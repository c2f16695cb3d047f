// Asking the user to release what holds a folder before it is replaced: the
// programs running from it, then the files open in it. Each check returns
// true when the user gave up while something was still in use.
#pragma once

#include "localinstall/in_use_resources.h"

#include <memory>
#include <string>

// An empty folder means the local program folder.
bool CheckProgramsInUse(const std::string& folder);
// Files of the two integration programs that keep theirs open get a question
// of their own first; then the generic dialog.
bool CheckFilesInUse(const std::string& folder);
// Shows "Pellmore Updater" while the manager reports something in use; false
// at once when nothing is. True when the dialog ended other than by OK.
bool RunInUseDialog(const std::shared_ptr<IInUseResourceManager>& manager);
