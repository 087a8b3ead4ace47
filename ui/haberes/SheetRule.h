#pragma once

#include <QLine>
#include <QWidget>

namespace pagaluz::ui {

// A horizontal or vertical rule of the payslip sheet, given by its two ends
// in twips and drawn `thickness` pixels wide.
class SheetRule : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QLine twipsLine READ twipsLine)

public:
    SheetRule(const QString &name, int thickness, QWidget *parent);

    void setTwipsLine(const QLine &line);
    QLine twipsLine() const { return m_twipsLine; }

    // A horizontal rule: moves both ends to height `y`.
    void moveToY(int y);
    // A vertical rule: keeps its top end and puts its lower end at `y`.
    void setLowerEnd(int y);

private:
    QRect pixelRect() const;

    QLine m_twipsLine;
    int m_thickness;
};

} // namespace pagaluz::ui
