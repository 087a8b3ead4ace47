#pragma once

#include "Payslip.h"
#include "PositionSummary.h"
#include "PrintTarget.h"

#include <QWidget>

#include <memory>

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
    // enabled, in front. `referencePoints`: the position paid carries
    // reference points, which a note under the totals says, on the screen
    // and on paper.
    void showPayslip(const Payslip &payslip, const QString &date, bool referencePoints = false);
    // "Listo" on the selection screen: the header boxes take the position's
    // code and points.
    void setConfirmedPosition(const PositionSummary &summary);
    // Where "Imprimir" sends the image of the screen; tests print to a file.
    void setPrintTarget(std::unique_ptr<PrintTarget> target);

signals:
    void returnRequested(); // "Volver", after the screen hid itself
    void quitRequested();   // "Salir"

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
