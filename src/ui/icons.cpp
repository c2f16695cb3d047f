#include "ui/icons.h"

#include "companions/companions.h"

#include <utility>

CResourceLibrary::CResourceLibrary(std::string path) : path_(std::move(path)) {}

FARPROC CResourceLibrary::Export(const char* exportName) {
    if (!tried_) {
        tried_ = true;
        module_.Reset(LoadLibraryA(path_.c_str()));
    }
    return module_ ? GetProcAddress(module_.Get(), exportName) : nullptr;
}

HICON CResourceLibrary::LoadImageIcon(const char* name, int size) {
    auto fn = reinterpret_cast<companions::ExpOrvoLoadImageFn>(
        reinterpret_cast<void (*)()>(Export(companions::kExpOrvoLoadImage)));
    return fn ? static_cast<HICON>(fn(name, IMAGE_ICON, size, size, 0)) : nullptr;
}

HICON CResourceLibrary::LoadIconName(const char* name) {
    auto fn = reinterpret_cast<companions::ExpOrvoLoadIconNameFn>(
        reinterpret_cast<void (*)()>(Export(companions::kExpOrvoLoadIconName)));
    return fn ? fn(name) : nullptr;
}

CResourceLibrary& OrvoResourceLibrary() {
    static CResourceLibrary library(companions::kResourceLibrary);
    return library;
}

namespace {

// A null module asks for the system's icons (IDI_* numbers).
HICON LoadSized(HMODULE module, const char* name, int size) {
    return static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, size, size, 0));
}

HICON LoadDefaultSize(HMODULE module, const char* name) {
    return static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

} // namespace

HICON LoadOrvoIcon(const char* name, int size, HMODULE program, CResourceLibrary& library) {
    if (!name) return nullptr;
    HICON icon = nullptr;
    if (size > 0) {
        icon = LoadSized(program, name, size);
        if (!icon) icon = LoadSized(nullptr, name, size);
        if (!icon) icon = library.LoadImageIcon(name, size);
        if (icon) return icon;
    }
    icon = LoadDefaultSize(program, name);
    if (!icon) icon = LoadDefaultSize(nullptr, name);
    if (!icon) icon = library.LoadIconName(name);
    return icon;
}

HICON LoadOrvoIcon(const char* name, int size) {
    return LoadOrvoIcon(name, size, GetModuleHandleA(nullptr), OrvoResourceLibrary());
}
