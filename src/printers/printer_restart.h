// The restart question of the printer's installation and removal: a window
// whose silent flag is set only logs it; otherwise "Yes" restarts Windows,
// and a restart that cannot be made is said so.
#pragma once

class InstallHost;

// host may be null (no window).
void AskPrinterRestart(InstallHost* host);
