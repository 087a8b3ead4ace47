#include "SheetPlacement.h"

#include "Twips.h"

#include <QFont>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace pagaluz::ui {

void placeInTwips(QWidget &widget, const QRect &twips)
{
    widget.setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    widget.setProperty(kTwipsGeometryProperty, twips);
}

QRect twipsGeometry(const QWidget &widget)
{
    return widget.property(kTwipsGeometryProperty).toRect();
}

void placeByRightEdge(QLabel &label, int right, int top, int height)
{
    const int width = pixelsToTwips(label.sizeHint().width());
    placeInTwips(label, QRect(right - width, top, width, height));
}

void fitFont(QLabel &label, const QFont &font, int room)
{
    constexpr qreal kStep = 0.25;
    QFont fitted = font;
    label.setFont(fitted);
    const int width = pixelsToTwips(label.sizeHint().width());
    if (width > room) {
        // Widths grow about as the size: start from the proportional size, then step down.
        const qreal guess = std::floor(font.pointSizeF() * room / width / kStep) * kStep;
        fitted.setPointSizeF(std::max(guess, kSmallestAmountPointSize));
        label.setFont(fitted);
        while (pixelsToTwips(label.sizeHint().width()) > room &&
               fitted.pointSizeF() - kStep >= kSmallestAmountPointSize) {
            fitted.setPointSizeF(fitted.pointSizeF() - kStep);
            label.setFont(fitted);
        }
    }
}

void placeAmount(QLabel &label, const QFont &font, int left, int right, int top, int height)
{
    fitFont(label, font, right - left);
    placeByRightEdge(label, right, top, height);
}

} // namespace pagaluz::ui
