#pragma once

#include <QRect>

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

} // namespace pagaluz::ui
