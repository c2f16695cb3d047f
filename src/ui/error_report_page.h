// The error report's HTML page: one panel per component whose last message
// is not empty, in list order, with the program's own images as res:// URLs.
// Names and messages are HTML already and go in unescaped.
#pragma once

#include "components/orvo_components.h"

#include <string>

// executablePath: the full path of the running program (res://<path>/PNG/...).
std::string BuildErrorReportPage(const OrvoComponents& components, const std::string& executablePath);

// The text as a whole document: unless it starts with "<html" (any case) it
// is put between "<html><body>" and "</body></html>".
std::string WrapAsHtmlDocument(const std::string& text);
