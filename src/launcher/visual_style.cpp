#include "launcher/visual_style.h"

#include "framework/handles.h"

namespace {

const char kVisualStyleKey[] = "Software\\Pellmore\\Visual Style";
const char kAppLookValue[] = "AppLook";

} // namespace

bool StoreAppLook(DWORD look) {
    fw::RegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kVisualStyleKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, key.Out(), nullptr) != ERROR_SUCCESS)
        return false;
    bool stored = RegSetValueExA(key.Get(), kAppLookValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&look),
                                 sizeof(look)) == ERROR_SUCCESS;
    // Programs started right after the launcher read it at once.
    RegFlushKey(key.Get());
    return stored;
}
