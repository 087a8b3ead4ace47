#include "HaberesStyle.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace pagaluz::ui {

namespace {

QFont sansSerif(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont screenFont()
{
    return sansSerif(8.25, false);
}

QFont largerFont(bool bold)
{
    return sansSerif(9.75, bold);
}

QFont titleFont()
{
    return sansSerif(12, true);
}

void setBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QColor backgroundOf(const QWidget &widget)
{
    return widget.palette().color(QPalette::Window);
}

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

} // namespace pagaluz::ui
