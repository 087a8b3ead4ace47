#pragma once

#include "Payslip.h"
#include "PositionSummary.h"

#include <QRect>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace pagaluz::ui {

// The header panel to the right of the sheet: the period title, the position
// or the hours with their points. Its widgets are children of the payslip
// screen, placed in the screen's twips.
class HaberesHeader {
public:
    explicit HaberesHeader(QWidget &screen);

    // The header of a calculation: title, number, points and name, and the
    // position-only point boxes shown for a position, hidden for hours.
    void showHeader(const PayslipHeader &header);
    // "Listo" on the selection screen: the confirmed position's code and points.
    void showConfirmedPosition(const PositionSummary &summary);
    // The name of the pay scale the payslip was calculated with, as the period title; a name
    // wider than its box is written smaller, on two lines if need be.
    void showScaleName(const QString &name);

private:
    void place(QWidget &widget, const QRect &twips);
    QLabel *addLabel(const char *name, const QRect &twips, Qt::Alignment alignment);
    QLabel *addHeading(const char *name, const char *text, const QRect &twips);
    QLineEdit *addValueBox(const char *name, const QRect &twips);
    void buildTitleAndName();
    void buildPointBoxes();
    void setName(const QString &name);

    QWidget &m_screen;
    QLabel *m_period = nullptr;                  // Label3
    QLabel *m_name = nullptr;                    // carsel
    QLabel *m_numberTitle = nullptr;             // Label11
    QLineEdit *m_number = nullptr;               // numcargo
    QLineEdit *m_basicPoints = nullptr;          // punbasicos
    QLineEdit *m_complementPoints = nullptr;     // compbas
    QLineEdit *m_extendedDayPoints = nullptr;    // proljor
    QLineEdit *m_fullDayPoints = nullptr;        // jorcom
    QLineEdit *m_differentiatedPoints = nullptr; // tardif
    // Label14, Label20, Label21, Label2, proljor, jorcom, tardif, compbas.
    std::array<QWidget *, 8> m_positionOnly{};
    // The headings and boxes under the name, each with its place for a name of one line.
    std::vector<std::pair<QWidget *, QRect>> m_belowName;
};

} // namespace pagaluz::ui
