#include "launcher/arguments.h"

void CParseArgs::Tokenize(const std::string& commandLine, const std::string& modulePath) {
    tokens_ = SplitCommandLine(commandLine);
    // The caller may have written the program relative or without extension.
    tokens_[0] = modulePath;
}
