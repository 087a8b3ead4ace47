#include "SheetRule.h"

#include "HaberesStyle.h"
#include "Twips.h"

namespace pagaluz::ui {

SheetRule::SheetRule(const QString &name, int thickness, QWidget *parent)
    : QWidget(parent), m_thickness(thickness)
{
    setObjectName(name);
    setBackground(*this, Qt::black);
}

void SheetRule::setTwipsLine(const QLine &line)
{
    m_twipsLine = line;
    setGeometry(pixelRect());
}

void SheetRule::moveToY(int y)
{
    setTwipsLine(QLine(m_twipsLine.x1(), y, m_twipsLine.x2(), y));
}

void SheetRule::setLowerEnd(int y)
{
    setTwipsLine(QLine(m_twipsLine.x1(), m_twipsLine.y1(), m_twipsLine.x2(), y));
}

// The ends are included, so that rules meeting at a corner touch.
QRect SheetRule::pixelRect() const
{
    const int left = twipsToPixels(m_twipsLine.x1());
    const int top = twipsToPixels(m_twipsLine.y1());
    const int right = twipsToPixels(m_twipsLine.x2());
    const int bottom = twipsToPixels(m_twipsLine.y2());
    const int offset = (m_thickness - 1) / 2;
    if (top == bottom)
        return {left, top - offset, right - left + 1, m_thickness};
    return {left - offset, top, m_thickness, bottom - top + 1};
}

} // namespace pagaluz::ui
