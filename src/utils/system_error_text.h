// The system's own explanation of an error code, as users read it in the
// component messages.
#pragma once

#include <windows.h>

#include <string>

// FormatMessageA from the system table in the default language, without the
// line ends the system appends; "error <code>" when the system has no text.
std::string SystemErrorText(DWORD code);
