// After an installation run started with a configuration file, the suite's
// utility library records this workstation's information and uploads it.
#pragma once

// Only with "/CFG:"; a missing library or export is skipped.
void ExportSystemInfo();
