// Component lists for the error report tests: components that only carry
// a display name and a message.
#pragma once

#include "components/orvo_components.h"

#include <memory>
#include <string>

namespace test_support {

class ReportedComponent : public OrvoComponent {
public:
    ReportedComponent(const std::string& name, const std::string& text) {
        displayName = name;
        message = text;
    }
    bool IsInstalled() override { return false; }
    bool Install(InstallHost&) override { return false; }
};

inline void AddReported(OrvoComponents& list, const std::string& name, const std::string& message) {
    list.Add(std::make_unique<ReportedComponent>(name, message));
}

} // namespace test_support
