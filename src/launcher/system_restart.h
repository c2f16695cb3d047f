// Restarting Windows when an installation asks for it. Tests replace the
// restart: it must never happen for real on a test machine.
#pragma once

class SystemRestart {
public:
    virtual ~SystemRestart() = default;
    // Enables the shutdown privilege and asks Windows to restart (reason:
    // application installation); false when either step fails.
    virtual bool Restart();
};

SystemRestart& GetSystemRestart();
// Installs a replacement (null restores the real one); returns the previous one.
SystemRestart* SetSystemRestart(SystemRestart* restart);
