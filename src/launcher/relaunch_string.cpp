#include "launcher/arguments.h"

std::string CArguments::BuildArgumentString() { return BuildRelaunchString(Tokens(), *this); }
