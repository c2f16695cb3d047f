// The light markup of a component's message as rich text: the byte rules of
// the error report's fallback view, plain C++ so that any fragment can be
// tried on them.
#pragma once

#include <string>

namespace ui {

// An HTML fragment of a component message as RTF body text: "<br>" and
// "<br/>" break the line, "<b>...</b>" is bold, every other tag is dropped,
// &amp; &lt; &gt; &nbsp; &quot; and numeric entities are decoded, line ends
// count as spaces, and RTF's own characters, control bytes and non-ASCII
// bytes (ANSI code page) are escaped.
std::string HtmlFragmentToRtf(const std::string& html);

// One byte of text as RTF: RTF's own characters, control bytes and
// non-ASCII bytes (ANSI code page) escaped.
void AppendRtfEscaped(std::string& out, unsigned char c);

} // namespace ui
