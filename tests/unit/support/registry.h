// Registry fixtures for unit tests: values written for one test, and the
// keys made for them removed again afterwards (never a key that was there
// before the test).
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

inline bool KeyExists(HKEY root, const std::string& path, REGSAM view = 0) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Removes the key and everything below it.
inline void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view = 0) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
        RegDeleteTreeA(key, nullptr);
        RegCloseKey(key);
    }
    size_t slash = path.rfind('\\');
    HKEY parent = root;
    std::string leaf = path;
    if (slash != std::string::npos) {
        if (RegOpenKeyExA(root, path.substr(0, slash).c_str(), 0, KEY_ALL_ACCESS | view, &parent) != ERROR_SUCCESS)
            return;
        leaf = path.substr(slash + 1);
    }
    RegDeleteKeyExA(parent, leaf.c_str(), view, 0);
    if (parent != root) RegCloseKey(parent);
}

// Remembers the outermost key of path that does not exist yet and removes
// it (with everything a test or a stand-in put below it) at the end.
class KeyTreeGuard {
public:
    KeyTreeGuard(HKEY root, const std::string& path, REGSAM view = 0) : root_(root), view_(view) {
        std::string probe = path;
        while (!probe.empty() && !KeyExists(root, probe, view)) {
            missing_ = probe;
            size_t slash = probe.rfind('\\');
            probe = slash == std::string::npos ? std::string() : probe.substr(0, slash);
        }
    }
    ~KeyTreeGuard() {
        if (!missing_.empty()) DeleteKeyTree(root_, missing_, view_);
    }
    KeyTreeGuard(const KeyTreeGuard&) = delete;
    KeyTreeGuard& operator=(const KeyTreeGuard&) = delete;

private:
    HKEY root_;
    REGSAM view_;
    std::string missing_;
};

inline bool WriteRegistryString(HKEY root, const std::string& path, const char* name, const std::string& value,
                                REGSAM view = 0) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE | view, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                 static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

// A string value (name null: the default value) in a key made for it.
class RegistryFixture {
public:
    RegistryFixture(HKEY root, const std::string& path, const char* name, const std::string& value, REGSAM view = 0)
        : guard_(root, path, view) {
        WriteRegistryString(root, path, name, value, view);
    }

private:
    KeyTreeGuard guard_;
};

} // namespace test_support
