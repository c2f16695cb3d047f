// A read-only rich-text view (the platform's RichEdit) that shows an RTF
// document: the error report's stand-in where the browser control yields no
// document.
#pragma once

#include <windows.h>

#include <string>

// The control at rect (parent's client coordinates) with that id, in font
// (set before any text: without it RichEdit shows everything bold). Null
// when no RichEdit library is available.
HWND CreateRichTextView(HWND parent, int id, const RECT& rect, HFONT font);
// Replaces the view's content with the RTF document.
bool SetRichText(HWND view, const std::string& rtf);
