#include "launcher/utility_library.h"

#include "companions/companions.h"
#include "framework/strings.h"

CUtilityLibrary::CUtilityLibrary() { Load(companions::kUtilityLibrary); }

CUtilityLibrary::~CUtilityLibrary() { Unload(); }

HMODULE CUtilityLibrary::Load(const std::string& name) {
    if (module_ && fw::EqualsNoCase(name_, name)) return module_;
    Unload();
    module_ = LoadLibraryA(name.c_str());
    if (module_) name_ = name;
    return module_;
}

void CUtilityLibrary::Unload() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    name_.clear();
    proc_ = nullptr;
}

FARPROC CUtilityLibrary::GetProc(const char* exportName) {
    proc_ = module_ && exportName ? GetProcAddress(module_, exportName) : nullptr;
    return proc_;
}
