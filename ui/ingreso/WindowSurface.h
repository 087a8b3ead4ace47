#pragma once

class QWidget;

namespace pagaluz::ui {

// Makes the native window of the top-level `window` and its drawing surface
// now, at the window's size, and paints the surface in the window's
// background colour. Nothing here needs a font, so a screen can do it while
// the font configuration is still being read; when the screen is then shown
// its surface is ready (allocating and first touching the memory of a
// full-size surface is a noticeable part of a first showing). Does nothing
// for a widget that is not a window.
void prepareWindowSurface(QWidget &window);

} // namespace pagaluz::ui
