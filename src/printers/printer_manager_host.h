// What the printer manager needs of the launcher window: its installation
// services (status line, marquee, silent flag, log, questions, owner) and
// the launcher's installation of one component, with status text and
// access check. The launcher window provides it; tests pass their own.
#pragma once

class InstallHost;
class OrvoComponent;

class PrinterManagerHost {
public:
    virtual ~PrinterManagerHost() = default;
    virtual InstallHost& Installation() = 0;
    virtual void InstallComponent(OrvoComponent& component) = 0;
};
