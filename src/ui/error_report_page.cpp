#include "ui/error_report_page.h"

#include "framework/strings.h"

std::string BuildErrorReportPage(const OrvoComponents& components, const std::string& executablePath) {
    std::string page = "<html><body style=\"font-family: Microsoft Sans Serif; font-size: 8pt; margin: 0px 0px 0px 0px; "
                       "padding: 0px 0px 0px 0px; \">";
    const char* path = executablePath.c_str();
    for (const auto& component : components) {
        if (component->message.empty()) continue;
        page += fw::Format("<div style=\"background-image: URL(res://%s/PNG/top.png); background-repeat: repeat-x; "
                           "background-size: 100%%; padding: 5px 5px 5px 5px; \">",
                           path);
        page += fw::Format("<div style=\"font-weight: bold; color: #333399;\"><img src=\"res://%s/PNG/Error.png\" "
                           "style=\"margin-right: 5px;\" />",
                           path);
        page += component->displayName;
        page += "</div><div>";
        page += component->message;
        page += "</div></div>";
    }
    page += "</body></html>";
    return page;
}

std::string WrapAsHtmlDocument(const std::string& text) {
    if (fw::StartsWithNoCase(text, "<html")) return text;
    return "<html><body>" + text + "</body></html>";
}
