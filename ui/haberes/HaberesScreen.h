#pragma once

#include "Payslip.h"
#include "PositionSummary.h"
#include "PrintTarget.h"

#include <QWidget>

#include <memory>

// The explanations' header is kept from moc, which cannot read all of C++20's headers.
namespace pagaluz {
struct PayslipExplanation;
}

namespace pagaluz::ui {

// The payslip screen "Haberes": the sheet with the payslip's rows and
// totals, the header of the position or hours, a comment box, and the
// buttons to print, to go back to the data entry screen, or to leave.
class HaberesScreen : public QWidget {
    Q_OBJECT

public:
    explicit HaberesScreen(QWidget *parent = nullptr);
    ~HaberesScreen() override;

    // Rebuilds the sheet from a payslip (only its rows visible, the totals
    // block under the last line, name and date) and shows the screen,
    // enabled, in front. With an explanation each line tells, hovered or
    // clicked, how its amount was reached.
    void showPayslip(const Payslip &payslip, const QString &date,
                     std::shared_ptr<const PayslipExplanation> explanation = nullptr);
    // "Listo" on the selection screen: the header boxes take the position's
    // code and points.
    void setConfirmedPosition(const PositionSummary &summary);
    // Where "Imprimir" sends the image of the screen; tests print to a file.
    void setPrintTarget(std::unique_ptr<PrintTarget> target);
    // The comment typed beside the sheet (Text11), which a saved file keeps.
    QString comment() const;
    void setComment(const QString &comment);

signals:
    void returnRequested(); // "Volver", after the screen hid itself
    void quitRequested();   // "Salir"
    void commentEdited();

protected:
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void Haberes_movedor_Change(int value);
    void Haberes_Imprimir_Click();
    void Haberes_Volver_Click();
    void Haberes_Salir_Click();

private:
    void Haberes_Form_Resize();
    void buildNotesAndButtons();
    void buildScrollBar();
    void enterPrintLook();
    void leavePrintLook();
    void showPrintMessage(const QString &message);

    struct Controls;
    std::unique_ptr<Controls> m_controls;
    std::unique_ptr<PrintTarget> m_printTarget;
};

} // namespace pagaluz::ui
