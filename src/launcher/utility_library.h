// Loader of the suite's workstation-information library "Utilities.dll". The
// library is optional: a missing file or export yields null and the caller
// skips the call.
#pragma once

#include <windows.h>

#include <string>

class CUtilityLibrary {
public:
    // Loads "Utilities.dll" by name (the launcher folder is the current folder).
    CUtilityLibrary();
    // Loads nothing; Load does.
    explicit CUtilityLibrary(std::nullptr_t) {}
    ~CUtilityLibrary();
    CUtilityLibrary(const CUtilityLibrary&) = delete;
    CUtilityLibrary& operator=(const CUtilityLibrary&) = delete;

    // The loaded module when name is already loaded (compared without regard
    // to case); otherwise unloads what is loaded and loads name. Null when
    // the library cannot be loaded.
    HMODULE Load(const std::string& name);
    void Unload();

    HMODULE GetModule() const { return module_; }
    const std::string& GetName() const { return name_; }
    // The export's address, or null when nothing is loaded or it is missing.
    FARPROC GetProc(const char* exportName);
    // The export as the function type F (one of the companions' *Fn types).
    template <typename F>
    F GetFunction(const char* exportName) {
        // Through the generic function-pointer type, which converts to any other.
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProc(exportName)));
    }

private:
    std::string name_;
    FARPROC proc_ = nullptr;
    HMODULE module_ = nullptr;
};
