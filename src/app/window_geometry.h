#pragma once
// Where windows go on the desktop.

#include "platform/dialog.h"

// A window's frame in screen coordinates (kWindowItem).
PixelRect GetWindowFrame(const Dialog& window);
void MoveWindowFrame(Dialog& window, const PixelRect& frame);

// The frame centred over another rectangle, then pushed back onto the screen:
// never past its right or bottom edge, never left of or above its origin.
PixelRect CenteredFrame(const PixelRect& frame, const PixelRect& over, const PixelRect& screen);
// Centres a window over another, or over the desktop's work area when there is none.
void CenterWindow(Dialog& window, const Dialog* over);

// The main window's size on a work area: as high as the work area less a margin
// (10 pixels on a low screen, else 50), and no wider than that either.
PixelRect MainWindowFrame(const PixelRect& frame, const PixelRect& workArea);
// The frame widened by up to `wanted` pixels, as far as the work area less the
// same margin allows; never narrower than it was.
PixelRect WidenedFrame(const PixelRect& frame, int wanted, const PixelRect& workArea);
