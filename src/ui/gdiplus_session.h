// GDI+ is started once, on first use, and stays up for the life of the
// process: images load during painting, and shutting GDI+ down while a
// bitmap of it may still exist would be worse than keeping it.
#pragma once

namespace ui {

// False when GDI+ could not be started; image loading then fails.
bool EnsureGdiplus();

} // namespace ui
