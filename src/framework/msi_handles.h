// Owner for Windows Installer handles (databases, views, records), closed
// with MsiCloseHandle, in the manner of the owners in handles.h.
#pragma once

#include "framework/handles.h"

#include <msi.h>
#include <msiquery.h>

namespace fw {

struct MsiHandleTraits {
    static MSIHANDLE Invalid() { return 0; }
    static bool Valid(MSIHANDLE h) { return h != 0; }
    static void Close(MSIHANDLE h) { MsiCloseHandle(h); }
};
using MsiHandle = UniqueHandle<MSIHANDLE, MsiHandleTraits>;

} // namespace fw
