// A component run against a real record in a throw-away data folder, with
// scripted components, a recording host, scripted answers and the restart,
// rights and error-report seams replaced.
#pragma once

#include "components/installed_record.h"
#include "launcher/arguments.h"
#include "launcher/component_run.h"
#include "launcher/system_restart.h"
#include "support/components.h"
#include "support/stand_ins.h"
#include "utils/elevation.h"

#include <gtest/gtest.h>

namespace runtest {

class CountingRestart : public SystemRestart {
public:
    bool Restart() override {
        ++calls;
        return succeeds;
    }
    int calls = 0;
    bool succeeds = true;
};

class FixedRights : public ElevationQueries {
public:
    bool UserAccountControlInForce() override { return uac; }
    bool ProcessElevated() override { return elevated; }
    bool uac = false;
    bool elevated = true;
};

struct ErrorReportScript {
    static INT_PTR answer;
    static int calls;
    static std::vector<std::string> failed; // names with a message when shown
    static INT_PTR Show(HWND, OrvoComponents& components) {
        ++calls;
        failed.clear();
        for (const auto& component : components)
            if (!component->message.empty()) failed.push_back(component->displayName);
        return answer;
    }
};

void SetLaunchBitValue(DWORD value);

class ComponentRunTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends a scripted component to the run's list.
    test_support::ScriptedComponent& Add(const char* name, unsigned bit, bool installed = false, bool succeeds = true);
    void WriteProgramVersion(const std::string& version);
    void RecordState(unsigned bits, const std::string& version);

    test_support::RecordFolders folders;
    OrvoComponents list;
    test_support::RecordingHost host;
    ComponentRun run{list, host};
    CountingRestart restart;
    FixedRights rights;
    CArguments savedArguments;
    std::string savedFolder;
};

} // namespace runtest
