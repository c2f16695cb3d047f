// Reading text values from the registry: the one place that knows the
// buffer size, the accepted types and the missing terminator.
#pragma once

#include "framework/handles.h"

#include <windows.h>

#include <string>

namespace fw {

// A REG_SZ or REG_EXPAND_SZ value (unexpanded) of an open key, at most
// limit bytes; null name: the key's default value. A value stored without
// its terminator ends where its bytes end.
bool QueryStringValue(HKEY key, const char* name, std::string& text, DWORD limit = MAX_PATH);

// The same from root\path, opened for reading; view adds KEY_WOW64_32KEY or
// KEY_WOW64_64KEY when the value must come from one view.
bool ReadStringValue(HKEY root, const std::string& path, const char* name, std::string& text, REGSAM view = 0);

} // namespace fw
