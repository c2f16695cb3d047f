// One start of a program of the suite: composes the command line in the form
// the product's programs understand (configuration, identity with pass key,
// what to open, agency, launch source) and hands it to the shell.
#pragma once

#include <string>

class LaunchRequest {
public:
    // Placeholders that stand for the current configuration file and user.
    static constexpr const char* kCurrentConfig = "***CurrentConfig***";
    static constexpr const char* kCurrentUser = "***CurrentUser***";

    // executable: a path, or a bare name that the shell finds.
    explicit LaunchRequest(const std::string& executable);

    // The arguments, each piece starting with a blank. Resolves the
    // placeholders and the agency into this request and appends the agency
    // option to extraArguments, so a request is composed once.
    std::string BuildCommandLine();
    // Starts the program through the shell without waiting for it; true when
    // the shell accepted the start.
    bool Launch(int showCommand);

    std::string executable;
    std::string workingFolder;             // empty: the current folder
    std::string configuration = kCurrentConfig; // empty: no "/CFG:"
    std::string user = kCurrentUser;       // empty: no "/USER:"
    std::string login;                     // replaces the user when set
    std::string password;
    long agencyNumber = 0;                 // < 1: the installation's agency
    std::string extraArguments;
    std::string document;
    long clientNumber = 0;                 // 0: none
    int loadPolicy = -1;                   // -1: none
    bool runAsAdministrator = false;       // shell verb "RunAs"
};

// The key that proves to the main program that the launcher composed this
// command line: the decimal digits of now (seconds since 1970, UTC) each
// exclusive-or the user's characters in turn, three decimal digits apiece.
// Empty for empty initials.
std::string MakePassKey(const std::string& user, long long now);

// The clock the pass key reads. Tests install a fixed one; null restores the
// system clock. Returns the previous clock.
using PassKeyClock = long long (*)();
PassKeyClock SetPassKeyClock(PassKeyClock clock);

// The installation's agency number, 0 when it has none.
long LookupAgencyNumber();
