#pragma once

#include "Payslip.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QKeyEvent;

namespace pagaluz::ui {

class SheetRule;

// The sheet "Recibo de haberes" (the frame `sosten`): the teacher's name, the
// grid of payslip rows with its rules, and the totals block under the last
// line. Positions inside it are in twips from the frame's top-left corner.
class HaberesSheet : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kRows = Payslip::kGridRows;
    // The parts a keyboard moves between: the rows of the grid (0 to kRows - 1), then the three
    // totals (kFirstTotalPart plus the total's index).
    static constexpr int kFirstTotalPart = kRows;
    static constexpr int kParts = kRows + 3;

    explicit HaberesSheet(QWidget *parent);

    // Hides every cell and rule of the grid; hidden cells keep their texts.
    void clearGrid();
    // Writes the line into its row and shows the row with its one amount cell.
    void showLine(const PayslipLine &line);
    // Puts the totals block under the last of `lineCount` lines and closes
    // the column rules at its last rule.
    void placeTotalsBlock(int lineCount);
    void showTotals(const Payslip &payslip);
    void setTeacherName(const QString &name);
    // The row of the line shown at `pixels` (in the sheet's coordinates), from its top to its
    // rule and across the grid; -1 where no line is shown.
    int lineAt(const QPoint &pixels) const;
    // The total whose caption or amount is at `pixels` (0 "Total Haberes", 1 "Total
    // Descuentos", 2 "Neto a Cobrar"); -1 elsewhere.
    int totalAt(const QPoint &pixels) const;
    // The caption and amount of the total at `index`: "Total Haberes   $ 2635,5707".
    QString totalHeading(int index) const;
    // The note under the totals block that the position's points are
    // reference values, shown or hidden.
    void showReferencePointsNote(bool shown);

    // The part the keyboard is on (a line shown or a total), -1 before any; while the sheet has
    // the focus it is marked on the screen, never on paper.
    int focusedPart() const { return m_focusedPart; }
    void setFocusedPart(int part);
    // The sentence that says how a part's amount was reached, which a screen reader reads as
    // the part's description; empty where none.
    QString partDescription(int part) const;
    void setPartDescriptions(std::array<QString, kParts> descriptions);

signals:
    // Return or Space on the focused part.
    void partActivated(int part);

protected:
    // An etched border with the caption on it, over the sheet's own colour:
    // the style's group box would tint the sheet.
    void paintEvent(QPaintEvent *event) override;
    // Up and Down move between the lines shown and the totals; Return and Space activate.
    void keyPressEvent(QKeyEvent *event) override;
    // Space reaches keyPressEvent: a group box would take it for its check box, which the
    // sheet does not have.
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void buildNameLine();
    void buildGrid();
    void buildRow(int row);
    void buildGridRules();
    void buildTotalsBlock();
    void buildNote();
    QLabel *addLabel(const QString &name, const QRect &twips, Qt::Alignment alignment);
    QLabel *addAmountLabel(const QString &name, bool bold);
    SheetRule *addHorizontalRule(const QString &name, int y, int thickness = 1);
    bool partShown(int part) const;
    // The next part shown after `part` in `step`'s direction, or `part` at either end.
    int nextPart(int part, int step) const;
    QRect partRect(int part) const;
    void tellFocusedPart();

    QLabel *m_teacherName = nullptr; // docente

    // The grid, indexed by row: cod, Label10, Label19, Label1 (earnings in
    // elements 0 to 26, deductions in 27 to 53) and the rules Line8.
    std::array<QLabel *, kRows> m_codeCells{};
    std::array<QLabel *, kRows> m_quantityCells{};
    std::array<QLabel *, kRows> m_conceptCells{};
    std::array<QLabel *, 2 * kRows> m_amountCells{};
    std::array<SheetRule *, kRows> m_rowRules{};
    // Line3(1), Line7, Line5, Line2, Line1, Line3(0), from left to right.
    std::array<SheetRule *, 6> m_columnRules{};

    // The totals block: Line6, the three captions and amounts, Line15 to Line17.
    SheetRule *m_thickRule = nullptr;
    std::array<QLabel *, 3> m_totalCaptions{};
    std::array<QLabel *, 3> m_totalAmounts{};
    std::array<SheetRule *, 3> m_totalRules{};

    QLabel *m_referencePointsNote = nullptr; // notapuntaje, under Line17

    int m_focusedPart = -1;
    std::array<QString, kParts> m_descriptions;
};

} // namespace pagaluz::ui
