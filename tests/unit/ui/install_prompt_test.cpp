// The install prompt run without a component list, as a caller that has
// none may: "&Skip Installation" ends it like any skip, with nothing to name.
#include "ui/dlg_install_prompt.h"

#include "resource.h"
#include "support/components.h"
#include "task_dialog/modal_run.h"

#include <gtest/gtest.h>

using namespace test_support;

TEST(InstallPrompt, SkipWithoutAComponentListEndsTheDialog) {
    ScriptedAnswers answers;
    CDlgInstallPrompt prompt(nullptr);
    bool ended = false;
    INT_PTR result = RunModal(
        "Orvo", [&prompt] { return prompt.DoModal(); },
        [&ended](HWND dialog) {
            PostMessageA(dialog, WM_COMMAND, IDC_PROMPT_SKIP, 0);
            ended = Ends(dialog);
        });
    EXPECT_TRUE(ended);
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(answers.asked.empty()) << "a warning naming no component";
}
