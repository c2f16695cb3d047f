#include "ui/rich_text_view.h"

#include <richedit.h>

#include <cstring>

namespace {

// msftedit.dll (RichEdit 4.1+) where it exists, else riched20.dll. The
// library stays loaded: its window class must outlive every view.
const char* RichEditClass() {
    static const char* className = [] {
        if (LoadLibraryA("msftedit.dll")) return "RICHEDIT50W";
        if (LoadLibraryA("riched20.dll")) return "RichEdit20A";
        return static_cast<const char*>(nullptr);
    }();
    return className;
}

struct StreamSource {
    const std::string* text;
    size_t offset;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    size_t left = source->text->size() - source->offset;
    size_t count = left < static_cast<size_t>(wanted) ? left : static_cast<size_t>(wanted);
    memcpy(buffer, source->text->data() + source->offset, count);
    source->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

} // namespace

HWND CreateRichTextView(HWND parent, int id, const RECT& rect, HFONT font) {
    const char* className = RichEditClass();
    if (!className) return nullptr;
    HWND view = CreateWindowExA(WS_EX_CLIENTEDGE, className, "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY |
                                    ES_AUTOVSCROLL,
                                rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!view) return nullptr;
    if (font) SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return view;
}

bool SetRichText(HWND view, const std::string& rtf) {
    if (!view) return false;
    StreamSource source = {&rtf, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadStream;
    SendMessageA(view, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0;
}
