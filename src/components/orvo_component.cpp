#include "components/orvo_component.h"

bool OrvoComponent::Uninstall(HWND) { return false; }

bool OrvoComponent::IsApplicable() { return true; }

bool OrvoComponent::IsInstallerPresent() { return true; }

void OrvoComponent::AddMessage(const std::string& text) {
    if (!message.empty() && !text.empty()) message += "<br/><br/>";
    message += text;
}
