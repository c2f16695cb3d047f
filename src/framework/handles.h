// Owners for the platform handles the launcher holds, so an early return can
// never leak one. Each closes its handle with the matching platform call.
#pragma once

#include <windows.h>
#include <winspool.h>

#include <utility>

namespace fw {

template <typename H, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    H Get() const { return handle_; }
    H* Out() {
        Reset();
        return &handle_;
    }
    bool Valid() const { return Traits::Valid(handle_); }
    explicit operator bool() const { return Valid(); }
    H Release() {
        H h = handle_;
        handle_ = Traits::Invalid();
        return h;
    }
    void Reset(H handle = Traits::Invalid()) {
        if (Traits::Valid(handle_)) Traits::Close(handle_);
        handle_ = handle;
    }

private:
    H handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// CreateFile returns INVALID_HANDLE_VALUE on failure, OpenProcess null: both count as empty.
using Handle = UniqueHandle<HANDLE, KernelHandleTraits>;

struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
using FindHandle = UniqueHandle<HANDLE, FindHandleTraits>;

struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static bool Valid(HKEY h) { return h != nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
using RegKey = UniqueHandle<HKEY, RegKeyTraits>;

struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static bool Valid(HMODULE h) { return h != nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
using Module = UniqueHandle<HMODULE, ModuleTraits>;

struct PrinterTraits {
    static HANDLE Invalid() { return nullptr; }
    static bool Valid(HANDLE h) { return h != nullptr; }
    static void Close(HANDLE h) { ClosePrinter(h); }
};
// A spooler handle from OpenPrinter.
using Printer = UniqueHandle<HANDLE, PrinterTraits>;

struct ServiceTraits {
    static SC_HANDLE Invalid() { return nullptr; }
    static bool Valid(SC_HANDLE h) { return h != nullptr; }
    static void Close(SC_HANDLE h) { CloseServiceHandle(h); }
};
// The service control manager and its services.
using Service = UniqueHandle<SC_HANDLE, ServiceTraits>;

} // namespace fw
