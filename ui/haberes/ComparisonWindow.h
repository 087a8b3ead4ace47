#pragma once

#include "PayInputs.h"
#include "Payslip.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// The diagnosis is kept from moc, which cannot read all of C++20's headers.
namespace pagaluz {
struct Diagnosis;
}

namespace pagaluz::ui {

// The window "Comparar con mi recibo": a table of our payslip's codes and totals where the
// teacher types the school's amounts (and may add codes); "Comparar" colours each row by how
// it compares, lists the inputs that would explain the differences, and the lines left
// unexplained with how we reached them. A finding chosen can be applied to the data entry
// screen, after a question. The window does not block the payslip screen.
class ComparisonWindow : public QWidget {
    Q_OBJECT

public:
    explicit ComparisonWindow(QWidget *parent);
    ~ComparisonWindow() override;

    // The payslip compared and the inputs it was calculated from; the table is filled anew with
    // its codes when the payslip is another than before.
    void setSubject(const PayInputs &inputs, const Payslip &payslip);

    // How applying a finding is confirmed; tests answer without a dialog.
    void setApplyQuestion(std::function<bool(QWidget &parent, const QString &question)> ask)
    {
        m_askToApply = std::move(ask);
    }
    // How long the search may take.
    void setSearchTime(double seconds) { m_searchSeconds = seconds; }

signals:
    // "Aplicar a los datos", confirmed: the inputs of the chosen finding.
    void applyRequested(const pagaluz::PayInputs &inputs);

private slots:
    void compare();
    void addCode();
    void applyFinding();

private:
    void fillTable();
    void showDiagnosis();

    PayInputs m_inputs;
    Payslip m_payslip;
    std::unique_ptr<Diagnosis> m_diagnosis;
    double m_searchSeconds = 2.0;
    std::function<bool(QWidget &, const QString &)> m_askToApply;

    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QListWidget *m_findings = nullptr;
    QPushButton *m_apply = nullptr;
};

} // namespace pagaluz::ui
