#include "SheetPlacement.h"

#include "Twips.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

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

} // namespace pagaluz::ui
