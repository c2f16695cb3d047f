// Windows Installer's interface level and external message handler are
// process-wide. A scope sets them for one installation and puts back what
// was in force before on every way out, so a later installation never
// reaches a handler whose context has gone.
#pragma once

#include <windows.h>
#include <msi.h>

// No interface but the elevation prompt.
const UINT kUiLevelNoneWithElevation = INSTALLUILEVEL_NONE | 0x200; // INSTALLUILEVEL_UACONLY

class MsiUiScope {
public:
    MsiUiScope() = default;
    ~MsiUiScope();
    MsiUiScope(const MsiUiScope&) = delete;
    MsiUiScope& operator=(const MsiUiScope&) = delete;

    // Sets the level; an installer that refuses it (it answers "no change",
    // as Wine and older installers do for the elevation flag) gets
    // INSTALLUILEVEL_NONE. Returns the level in force.
    UINT SetLevel(UINT level);
    void SetHandler(INSTALLUI_HANDLERA handler, DWORD filter, void* context);

private:
    bool levelSet_ = false;
    INSTALLUILEVEL previousLevel_ = INSTALLUILEVEL_NOCHANGE;
    bool handlerSet_ = false;
    INSTALLUI_HANDLERA previousHandler_ = nullptr;
    DWORD previousFilter_ = 0;
    void* previousContext_ = nullptr;
};
