#pragma once

#include <QRect>

class QFont;
class QLabel;
class QWidget;

namespace pagaluz::ui {

// The payslip screen is laid out in twips. Each placed widget keeps its twips
// rectangle (property "twipsGeometry"), since pixels cannot hold every twips
// position exactly.
inline constexpr char kTwipsGeometryProperty[] = "twipsGeometry";

void placeInTwips(QWidget &widget, const QRect &twips);
QRect twipsGeometry(const QWidget &widget);

// Makes the label as wide as its text and places it with its right edge at
// `right` twips.
void placeByRightEdge(QLabel &label, int right, int top, int height);

// The smallest size an amount is written in (points).
inline constexpr qreal kSmallestAmountPointSize = 4;

// Writes the label in `font` when its text fits `room` twips (its frame and margins included),
// otherwise in the largest smaller size that fits, down to kSmallestAmountPointSize.
void fitFont(QLabel &label, const QFont &font, int room);

// Places an amount's label as placeByRightEdge does, in `font` when its text fits between
// `left` and `right` twips, otherwise in the largest smaller size that fits: every amount the
// currency holds fits a column of the sheet at the smallest size. A text wider still would keep
// that size and reach past `left`, whole.
void placeAmount(QLabel &label, const QFont &font, int left, int right, int top, int height);

} // namespace pagaluz::ui
