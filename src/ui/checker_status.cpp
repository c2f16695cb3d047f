#include "ui/checker_status.h"

namespace {
const char kVendorSite[] = "www.microsoft.com";
}

CheckerStatus ChooseCheckerStatus(int rows, int installedRows, bool afterAttempt, bool administrator,
                                  bool membershipKnown) {
    CheckerStatus status;
    if (installedRows >= rows) {
        status.text = "Congratulations!\nThis workstation is ready to run the newest version of Pellmore Orvo!";
    } else if (afterAttempt) {
        status.text = std::string("Unable to install all components! They will need to be installed via a Windows "
                                  "Update or from ") +
                      kVendorSite + ".";
    } else {
        status.installEnabled = true;
        status.text = "The components above need to be installed prior to running the newest version of Pellmore Orvo!";
        if (membershipKnown && !administrator) status.text += "\r\nRequires logging in as an Administrator.";
    }
    return status;
}

bool CheckerNeedsShield(unsigned osMajorVersion, bool processElevated) { return osMajorVersion >= 6 && !processElevated; }
