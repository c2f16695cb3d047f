#include "framework/registry.h"

#include <vector>

namespace fw {

bool QueryStringValue(HKEY key, const char* name, std::string& text, DWORD limit) {
    std::vector<char> buffer(limit + 1, '\0');
    DWORD size = limit;
    DWORD type = 0;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    buffer[size < limit ? size : limit] = '\0';
    text = buffer.data();
    return true;
}

bool ReadStringValue(HKEY root, const std::string& path, const char* name, std::string& text, REGSAM view) {
    RegKey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, key.Out()) != ERROR_SUCCESS) return false;
    return QueryStringValue(key.Get(), name, text);
}

} // namespace fw
