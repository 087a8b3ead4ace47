#pragma once

#include "PayInputs.h"
#include "Payslip.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

// The comparison and the diagnosis are kept from moc, which cannot read all of C++20's headers.
namespace pagaluz {
class PositionCatalogue;
struct Diagnosis;
struct PayScale;
struct PayslipComparison;
struct SchoolPayslip;
} // namespace pagaluz

namespace pagaluz::ui {

// The window "Comparar con mi recibo": a table of our payslip's codes and totals where the
// teacher types the school's amounts as printed (and may add codes); "Comparar" colours each row
// by how it compares, then searches, off the screen's thread and with a progress and
// "Cancelar", for the inputs that would explain the differences, and lists them and the lines
// left unexplained with how we reached them. A finding chosen can be applied to the data entry
// screen, after a question. The window does not block the payslip screen.
class ComparisonWindow : public QWidget {
    Q_OBJECT

public:
    explicit ComparisonWindow(QWidget *parent);
    ~ComparisonWindow() override;

    // The payslip compared, the inputs it was calculated from, the position table they were
    // read with and the pay scale it was calculated with (null: the built-in ones), which the
    // search calculates with and the window names; the table is filled anew with its codes
    // when the payslip is another than before, and loses the rows added and left blank.
    void setSubject(const PayInputs &inputs, const Payslip &payslip,
                    std::shared_ptr<const PositionCatalogue> positions,
                    std::shared_ptr<const PayScale> scale = nullptr);

    // How applying a finding is confirmed; tests answer without a dialog.
    void setApplyQuestion(std::function<bool(QWidget &parent, const QString &question)> ask)
    {
        m_askToApply = std::move(ask);
    }
    // How long the search may take.
    void setSearchTime(double seconds) { m_searchSeconds = seconds; }
    bool searching() const;

signals:
    // "Aplicar a los datos", confirmed: the inputs of the chosen finding.
    void applyRequested(const pagaluz::PayInputs &inputs);
    // The search ended, by itself or cancelled, and its findings are listed.
    void searchEnded();

private slots:
    void compare();
    void addCode();
    void applyFinding();
    void cancelSearch();

private:
    void fillTable();
    void clearResults();
    bool readSchoolPayslip(SchoolPayslip &school, std::vector<int> &rowOfLine);
    void refuseRow(int row, int column, const QString &problem);
    bool isQuantity(int row, const QString &quantity) const;
    // Added rows with neither amount nor quantity are gone.
    void dropBlankAddedRows();
    // The result line, which also names the findings list under it.
    void setSummary(const QString &text);
    void showComparison(const PayslipComparison &comparison, const std::vector<int> &rowOfLine);
    int tableRowOf(int kind) const;
    void startSearch(const SchoolPayslip &school);
    void stopSearch();
    void showProgress();
    void searchFinished();
    void showDiagnosis();

    PayInputs m_inputs;
    Payslip m_payslip;
    std::shared_ptr<const PositionCatalogue> m_positions;
    std::shared_ptr<const PayScale> m_scale;
    std::unique_ptr<Diagnosis> m_diagnosis;
    QString m_comparisonText; // the summary of the comparison, before the findings
    double m_searchSeconds = 2.0;
    std::function<bool(QWidget &, const QString &)> m_askToApply;

    // The search running: its result, its cancel flag and its count of calculations.
    QFutureWatcher<Diagnosis> *m_search = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    std::shared_ptr<std::atomic<std::size_t>> m_calculations;
    bool m_searchWanted = false; // false once its results are no longer wanted
    QElapsedTimer m_searchClock;
    QTimer *m_progressTimer = nullptr;

    QLabel *m_scaleName = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_compare = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QLabel *m_summary = nullptr;
    QListWidget *m_findings = nullptr;
    QPushButton *m_apply = nullptr;
};

} // namespace pagaluz::ui
