// The error report as rich text, for where no HTML engine gives the browser
// control a document: the same panels, with the error icon as a picture, the
// name in bold dark blue (#333399) and the message's light markup kept.
#pragma once

#include "components/orvo_components.h"
#include "ui/html_fragment_rtf.h"

#include <cstdint>
#include <string>

namespace ui {

// A 32-bit DIB picture group (\pict\dibitmap0) of top-down premultiplied
// BGRA pixels, flattened onto the background colour (rich-text views draw
// the colour bytes and ignore alpha), one background pixel wider.
std::string RtfPicture(int width, int height, const uint32_t* premultipliedPixels, COLORREF background);

// The whole document: fontFace at 8 points, then per component with a
// message: picture (may be empty), bold #333399 name, the message below it,
// and an empty line between panels.
std::string BuildErrorReportRtf(const OrvoComponents& components, const std::string& picture,
                                const std::string& fontFace, unsigned codePage);

} // namespace ui
