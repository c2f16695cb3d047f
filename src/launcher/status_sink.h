// What a long step of the start-up tells the user while it runs. The launcher
// window implements it; silent runs and tests pass their own.
#pragma once

#include <string>

class StatusSink {
public:
    virtual ~StatusSink() = default;
    // Shows text as the current step and lets the window repaint.
    virtual void SetStatus(const std::string& text) = 0;
};
