#pragma once

#include "PayInputs.h"
#include "Payslip.h"
#include "PdfFileQuestion.h"
#include "PositionSummary.h"
#include "PrintTarget.h"

#include <QWidget>

#include <memory>

// The explanations' header is kept from moc, which cannot read all of C++20's headers.
namespace pagaluz {
class PositionCatalogue;
struct PayScale;
struct PayslipExplanation;
} // namespace pagaluz

namespace pagaluz::ui {

class ComparisonWindow;

// The payslip screen "Haberes": the sheet with the payslip's rows and
// totals, the header of the position or hours, a comment box, and the
// buttons to print, to save the payslip as PDF, to go back to the data entry
// screen, or to leave.
class HaberesScreen : public QWidget {
    Q_OBJECT

public:
    explicit HaberesScreen(QWidget *parent = nullptr);
    ~HaberesScreen() override;

    // Rebuilds the sheet from a payslip (only its rows visible, the totals
    // block under the last line, name and date) and shows the screen,
    // enabled, in front. With an explanation each line tells, hovered or
    // clicked, how its amount was reached. `referencePoints`: the position
    // paid carries reference points, which a note under the totals says, on
    // the screen and on paper.
    void showPayslip(const Payslip &payslip, const QString &date,
                     std::shared_ptr<const PayslipExplanation> explanation = nullptr,
                     bool referencePoints = false);
    // The same sheet, the screen left as it is (hidden when it was).
    void setPayslip(const Payslip &payslip, const QString &date,
                    std::shared_ptr<const PayslipExplanation> explanation = nullptr,
                    bool referencePoints = false);
    // The inputs the payslip shown was calculated from, which "Comparar con mi recibo" searches
    // around, and the position table they were read with (null: the built-in one).
    void setEnteredInputs(const PayInputs &inputs,
                          std::shared_ptr<const PositionCatalogue> positions)
    {
        m_enteredInputs = inputs;
        m_positions = std::move(positions);
    }
    // The pay scale the payslip shown was calculated with (null: the built-in one): its name
    // heads the sheet and the PDF's title, and the comparison calculates with it.
    void setScale(std::shared_ptr<const PayScale> scale);
    // The window "Comparar con mi recibo", created when first opened (nullptr before).
    ComparisonWindow *comparisonWindow() const { return m_comparison; }
    // "Listo" on the selection screen: the header boxes take the position's
    // code and points.
    void setConfirmedPosition(const PositionSummary &summary);
    // Where "Imprimir" sends the page; tests print to a file.
    void setPrintTarget(std::unique_ptr<PrintTarget> target);
    // The comment typed beside the sheet (Text11), which a saved file keeps.
    QString comment() const;
    void setComment(const QString &comment);

    // How "Guardar PDF" asks for the file; tests answer without a dialog.
    void setPdfPathQuestion(PdfPathQuestion question);

    // The printed page, written to a PDF file at `path`. Returns an empty text on success,
    // otherwise a message for the user.
    QString writePdf(const QString &path);
    // The printed page as a PDF document, or nothing when it cannot be drawn.
    QByteArray pdf() const;

signals:
    void returnRequested(); // "Volver", after the screen hid itself
    void quitRequested();   // "Salir"
    void commentEdited();
    // A finding of "Comparar con mi recibo" whose inputs the teacher chose to apply.
    void inputsToApply(const pagaluz::PayInputs &inputs);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Escape is "Volver".
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Hidden ("Volver", a finding applied, the frame's ✕), the screen closes "Cómo se calculó":
    // it explains a payslip no longer shown.
    void hideEvent(QHideEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private slots:
    void Haberes_movedor_Change(int value);
    void Haberes_Imprimir_Click();
    void Haberes_GuardarPdf_Click();
    void Haberes_CompararRecibo_Click();
    void Haberes_Volver_Click();
    void Haberes_Salir_Click();

private:
    class Page;
    struct ScreenBeforePrinting;

    void Haberes_Form_Resize();
    void buildNotesAndButtons();
    void buildScrollBar();
    void paintPage(QPainter &painter);
    ScreenBeforePrinting enterPrintLook();
    void leavePrintLook(const ScreenBeforePrinting &before);
    void renderPage(QPainter &painter);
    void showPrintMessage(const QString &title, const QString &message);

    struct Controls;
    std::unique_ptr<Controls> m_controls;
    std::unique_ptr<Page> m_page;
    std::unique_ptr<PrintTarget> m_printTarget;
    QString m_commentAsSet;      // the comment last set, which stands until the box is edited
    QString m_commentShownAsSet; // how the box showed it
    PdfPathQuestion m_askPdfPath;
    QString m_teacherName;
    Payslip m_payslip;
    PayInputs m_enteredInputs;
    std::shared_ptr<const PositionCatalogue> m_positions;
    std::shared_ptr<const PayScale> m_scale;
    ComparisonWindow *m_comparison = nullptr; // a window of its own, owned by the screen
    int m_wheelAngle = 0; // the part of a notch a fine-grained wheel has turned so far
};

} // namespace pagaluz::ui
