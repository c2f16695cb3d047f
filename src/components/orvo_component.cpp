#include "components/orvo_component.h"

#include "framework/strings.h"

bool OrvoComponent::Uninstall(HWND) { return false; }

bool OrvoComponent::IsApplicable() { return true; }

bool OrvoComponent::IsInstallerPresent() { return true; }

void OrvoComponent::AddMessage(const std::string& text) {
    if (!message.empty() && !text.empty()) message += "<br/><br/>";
    message += text;
}

bool ReportInstallUnavailable(OrvoComponent& component) {
    component.AddMessage(fw::Format("Installing %s is not available in this build.", component.displayName.c_str()));
    return false;
}
