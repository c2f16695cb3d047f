#include "framework/dialog_template.h"

#include <cstring>

namespace fw {

namespace {

const char kTemplateFace[] = "MS Shell Dlg";
const WORD kTemplatePointSize = 8;

} // namespace

std::vector<DWORD> BuildDialogTemplate(DWORD style, DWORD exStyle, short cx, short cy) {
    std::vector<WORD> words;
    DLGTEMPLATE header = {};
    header.style = style | DS_SETFONT;
    header.dwExtendedStyle = exStyle;
    header.cx = cx;
    header.cy = cy;
    words.resize(sizeof(header) / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof(header));
    words.push_back(0); // no menu
    words.push_back(0); // the standard dialog class
    words.push_back(0); // no title
    words.push_back(kTemplatePointSize);
    for (const char* c = kTemplateFace; *c; ++c) words.push_back(static_cast<WORD>(*c));
    words.push_back(0);
    std::vector<DWORD> aligned((words.size() + 1) / 2);
    std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    return aligned;
}

} // namespace fw
