#include "framework/strings.h"
#include "launcher/arguments.h"

namespace {

bool IsWhiteSpace(char c) {
    return c != '\0' && std::string(fw::kWhiteSpace).find(c) != std::string::npos;
}

} // namespace

// Quotes only group: they stay in the token so that every token can be handed
// on exactly as written. Walking byte by byte is safe for the double-byte code
// pages, whose trail bytes are never a quote or white space.
void CParseArgs::Tokenize(const std::string& commandLine, const std::string& modulePath) {
    tokens_.clear();
    std::string text = fw::TrimRight(commandLine);
    std::string current;
    bool inQuotes = false;
    for (char c : text) {
        if (c == '"') {
            inQuotes = !inQuotes;
            current += c;
        } else if (!inQuotes && IsWhiteSpace(c)) {
            if (!current.empty()) {
                tokens_.push_back(current);
                current.clear();
            }
        } else {
            current += c;
        }
    }
    // Always added, so even an empty command line has its program token.
    tokens_.push_back(current);
    // The caller may have written the program relative or without extension.
    tokens_[0] = modulePath;
}
