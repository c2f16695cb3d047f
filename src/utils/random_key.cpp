#include "utils/random_key.h"

#include <wincrypt.h>

namespace {

// RtlGenRandom: exported by ADVAPI32 as SystemFunction036 since Windows XP.
using GenRandomFn = BOOLEAN(WINAPI*)(PVOID, ULONG);

bool FromRtlGenRandom(DWORD& value) {
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    if (!advapi) advapi = LoadLibraryA("advapi32.dll");
    if (!advapi) return false;
    auto generate =
        reinterpret_cast<GenRandomFn>(reinterpret_cast<void (*)()>(GetProcAddress(advapi, "SystemFunction036")));
    return generate && generate(&value, sizeof(value));
}

bool FromCryptoProvider(DWORD& value) {
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT | CRYPT_SILENT))
        return false;
    bool ok = CryptGenRandom(provider, sizeof(value), reinterpret_cast<BYTE*>(&value)) != FALSE;
    CryptReleaseContext(provider, 0);
    return ok;
}

} // namespace

DWORD MakeRandomKey() {
    for (;;) {
        DWORD value = 0;
        if (!FromRtlGenRandom(value) && !FromCryptoProvider(value)) {
            // No random source at all: still never a fixed, guessable value.
            LARGE_INTEGER now;
            QueryPerformanceCounter(&now);
            value = static_cast<DWORD>(now.QuadPart * 2654435761u) ^ GetCurrentProcessId() ^ GetTickCount();
        }
        if (value != 0) return value;
    }
}
