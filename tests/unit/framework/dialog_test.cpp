// A handler that throws (an allocation failing on a mangled file, say) must
// not unwind through the system's dialog code: the dialog ends as cancelled.
#include "framework/dialog.h"
#include "framework/dialog_template.h"

#include <gtest/gtest.h>

#include <new>

namespace {

class ThrowingDialog : public CDialog {
public:
    ThrowingDialog() : CDialog(0) {}

protected:
    BOOL OnInitDialog() override { throw std::bad_alloc(); }
};

TEST(Dialog, AnExceptionInAHandlerEndsTheDialogAsCancelled) {
    ThrowingDialog dialog;
    std::vector<DWORD> words = fw::BuildDialogTemplate(WS_POPUP | WS_CAPTION, 0, 100, 40);
    EXPECT_EQ(dialog.DoModalIndirect(fw::AsDialogTemplate(words)), IDCANCEL);
}

} // namespace
