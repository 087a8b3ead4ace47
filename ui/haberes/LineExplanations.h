#pragma once

#include "Payslip.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace pagaluz {
struct ExplanationNode;
struct PayslipExplanation;
} // namespace pagaluz

namespace pagaluz::ui {

class ExplanationWindow;
class HaberesSheet;

// Each line of the sheet, and each of its three totals, explains its amount: hovering it shows
// its sentence as a tool-tip, and a screen reader reads it as the part's description; clicking
// it, or Return or Space on the part the keyboard is on, opens "Cómo se calculó" with its tree
// and the payslip's notes, and while that window is open it follows the line or total chosen.
// Nothing on the sheet moves.
class LineExplanations : public QObject {
    Q_OBJECT

public:
    // `windowParent` owns the window, which opens on first use.
    LineExplanations(HaberesSheet &sheet, QWidget &windowParent);
    ~LineExplanations() override;

    // The lines now shown and how each was reached (null: the lines explain nothing). An open
    // window closes: it explained the payslip replaced.
    void setPayslip(const Payslip &payslip, std::shared_ptr<const PayslipExplanation> explanation);
    void closeWindow();
    // The window, once a line was clicked.
    ExplanationWindow *window() const { return m_window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The sheet's part at `pixels` (see HaberesSheet::focusedPart), or -1.
    int partAt(const QPoint &pixels) const;
    // How the amount of `part` was reached, or null.
    const ExplanationNode *nodeOf(int part) const;
    bool explains(int part) const { return nodeOf(part) != nullptr; }
    void showLine(int part);

    HaberesSheet &m_sheet;
    QWidget &m_windowParent;
    ExplanationWindow *m_window = nullptr;
    std::shared_ptr<const PayslipExplanation> m_explanation;
    std::vector<QString> m_names;    // "010 Antigüedad", by row
    std::vector<QString> m_headings; // "010 Antigüedad   $ 343,0209", by row
    std::string m_decimalSeparator;
};

} // namespace pagaluz::ui
