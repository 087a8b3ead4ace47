#pragma once

#include <QColor>
#include <QFont>

class QWidget;

namespace pagaluz::ui {

// The colours and fonts of the payslip screen. The screen's fonts are the
// metric-compatible free fonts of the classic Windows ones.
inline const QColor kScreenColour{0, 128, 128};
inline const QColor kScreenColourAfterPrinting{0, 192, 192};
inline const QColor kSheetColour{192, 255, 192};
inline const QColor kPrintBackground{255, 255, 255};

// The screen's default font (8.25 pt).
QFont screenFont();
// The amounts, the header boxes and their headings (9.75 pt).
QFont largerFont(bool bold = false);
// The period title "Haberes Agosto 08" (12 pt bold).
QFont titleFont();

// Paints the widget's own background in `colour`.
void setBackground(QWidget &widget, const QColor &colour);
QColor backgroundOf(const QWidget &widget);
void setTextColour(QWidget &widget, const QColor &colour);

} // namespace pagaluz::ui
