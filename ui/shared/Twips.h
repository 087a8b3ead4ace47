#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace pagaluz::ui {

// Screen layouts are laid out in twips (1/1440 inch); at 96 dpi a pixel is
// 15 twips. Every conversion goes through here.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Round half away from zero so that negative positions mirror positive ones.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

} // namespace pagaluz::ui
