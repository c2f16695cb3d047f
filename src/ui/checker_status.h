// The compatibility checker's verdict on the listed components.
#pragma once

#include <string>

struct CheckerStatus {
    std::string text;
    bool installEnabled = false;
};

// rows and installedRows: what the list shows; afterAttempt: "Install Now" has
// just run. administrator: the user's membership, asked only when needed;
// membershipKnown false when the system could not tell (no suffix then).
CheckerStatus ChooseCheckerStatus(int rows, int installedRows, bool afterAttempt, bool administrator,
                                  bool membershipKnown);

// The shield goes on "Install Now" from Vista on when the process is not elevated.
bool CheckerNeedsShield(unsigned osMajorVersion, bool processElevated);
