#include "components/msi_ui_scope.h"

namespace {

// The handler this process set last, with what the installer does not hand
// back: its filter and context.
struct HandlerInForce {
    INSTALLUI_HANDLERA handler = nullptr;
    DWORD filter = 0;
    void* context = nullptr;
};
HandlerInForce g_inForce;

} // namespace

UINT MsiUiScope::SetLevel(UINT level) {
    INSTALLUILEVEL previous = MsiSetInternalUI(static_cast<INSTALLUILEVEL>(level), nullptr);
    UINT inForce = level;
    if (previous == INSTALLUILEVEL_NOCHANGE) {
        previous = MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
        inForce = INSTALLUILEVEL_NONE;
    }
    if (previous == INSTALLUILEVEL_NOCHANGE) return 0; // nothing changed, nothing to restore
    if (!levelSet_) {
        previousLevel_ = previous;
        levelSet_ = true;
    }
    return inForce;
}

void MsiUiScope::SetHandler(INSTALLUI_HANDLERA handler, DWORD filter, void* context) {
    HandlerInForce before = g_inForce;
    INSTALLUI_HANDLERA previous = MsiSetExternalUIA(handler, filter, context);
    if (!handlerSet_) {
        previousHandler_ = previous;
        // A handler set by someone else comes back without messages: its
        // context is unknown here.
        bool ours = previous == before.handler;
        previousFilter_ = ours ? before.filter : 0;
        previousContext_ = ours ? before.context : nullptr;
        handlerSet_ = true;
    }
    g_inForce = {handler, filter, context};
}

MsiUiScope::~MsiUiScope() {
    if (handlerSet_) {
        MsiSetExternalUIA(previousHandler_, previousFilter_, previousContext_);
        g_inForce = {previousHandler_, previousFilter_, previousContext_};
    }
    if (levelSet_) MsiSetInternalUI(previousLevel_, nullptr);
}
