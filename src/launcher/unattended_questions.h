// A silent installation run has nobody to answer a message box: while it
// lasts, every question the process asks goes to the installation log and
// takes the cautious default answer instead of waiting for ever.
#pragma once

#include "framework/prompter.h"

#include <windows.h>

// The answer nobody gave to a box of this MB_* type: No, Cancel or Abort
// where the box offers one, otherwise OK.
int UnattendedAnswer(UINT type);

// Answers for the process while it exists, when active; the prompter before
// it is back afterwards.
class UnattendedQuestions : public fw::Prompter {
public:
    explicit UnattendedQuestions(bool active);
    ~UnattendedQuestions() override;
    UnattendedQuestions(const UnattendedQuestions&) = delete;
    UnattendedQuestions& operator=(const UnattendedQuestions&) = delete;

    // Logs "    Install Message: <text>" as the installation's own questions are.
    int Ask(const std::string& text, UINT type) override;

private:
    bool active_;
    fw::Prompter* previous_ = nullptr;
};
