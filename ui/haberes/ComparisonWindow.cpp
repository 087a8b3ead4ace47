#include "ComparisonWindow.h"

#include "NumberText.h"
#include "PayslipComparison.h"
#include "PayslipDiagnosis.h"
#include "PositionCatalogue.h"
#include "PrintedQuantity.h"
#include "TypedTable.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace pagaluz::ui {

namespace {

// The school's quantity ("30 %") may be typed too: a line is then equal only when it is the same.
enum Column {
    CodeColumn,
    OursColumn,
    TheirsColumn,
    QuantityColumn,
    DifferenceColumn,
    StatusColumn,
    ColumnCount
};

// What a table row stands for, kept in its code cell: one of our lines (its index), a code the
// teacher added, or a total.
constexpr int kRowKindRole = Qt::UserRole + 1;
constexpr int kAddedRow = -1;
constexpr std::array kTotals{PayslipTotal::Earnings, PayslipTotal::Deductions,
                             PayslipTotal::NetPay};

int totalKind(PayslipTotal total)
{
    return -2 - static_cast<int>(total);
}

std::optional<PayslipTotal> totalOfKind(int kind)
{
    for (const PayslipTotal total : kTotals)
        if (kind == totalKind(total))
            return total;
    return std::nullopt;
}

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor statusColour(LineStatus status)
{
    switch (status) {
    case LineStatus::Equal:
        return QColor(200, 240, 200);
    case LineStatus::Different:
        return QColor(250, 200, 200);
    case LineStatus::OnlyOurs:
    case LineStatus::OnlyTheirs:
        return QColor(250, 235, 180);
    case LineStatus::NotCalculated:
        break;
    }
    return QColor(225, 225, 225);
}

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

bool askWithMessageBox(QWidget &parent, const QString &question)
{
    return QMessageBox::question(&parent, QStringLiteral("Comparar con mi recibo"), question) ==
           QMessageBox::Yes;
}

} // namespace

ComparisonWindow::ComparisonWindow(QWidget *parent)
    : QWidget(parent, Qt::Window),
      m_positions(std::shared_ptr<const PositionCatalogue>(), &PositionCatalogue::builtIn()),
      m_askToApply(askWithMessageBox)
{
    setObjectName(QStringLiteral("compararRecibo"));
    setWindowTitle(QStringLiteral("Comparar con mi recibo"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Escribí los importes de tu recibo del "
                                                "establecimiento como están impresos (con sus "
                                                "centavos); podés agregar códigos."),
                                 this));
    m_scaleName = new QLabel(this);
    m_scaleName->setObjectName(QStringLiteral("escala"));
    m_scaleName->setTextFormat(Qt::PlainText);
    layout->addWidget(m_scaleName);

    m_table = new TypedTable(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("lineas"));
    m_table->setAccessibleName(QStringLiteral("Comparación con el recibo del establecimiento"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Código"), QStringLiteral("Nuestro"), QStringLiteral("Del establecimiento"),
         QStringLiteral("Cantidad"), QStringLiteral("Diferencia"), QStringLiteral("Estado")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 3);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(QStringLiteral("Agregar código"), this);
    add->setObjectName(QStringLiteral("agregarCodigo"));
    m_compare = new QPushButton(QStringLiteral("Comparar"), this);
    m_compare->setObjectName(QStringLiteral("comparar"));
    m_compare->setDefault(true);
    buttons->addWidget(add);
    buttons->addStretch();
    buttons->addWidget(m_compare);
    layout->addLayout(buttons);

    auto *searchRow = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progreso"));
    m_progress->setRange(0, 1000);
    m_cancelButton = new QPushButton(QStringLiteral("Cancelar"), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelar"));
    searchRow->addWidget(m_progress, 1);
    searchRow->addWidget(m_cancelButton);
    layout->addLayout(searchRow);
    m_progress->hide();
    m_cancelButton->hide();

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("resumen"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_findings = new QListWidget(this);
    m_findings->setObjectName(QStringLiteral("hallazgos"));
    m_findings->setWordWrap(true);
    layout->addWidget(m_findings, 2);
    m_apply = new QPushButton(QStringLiteral("Aplicar a los datos"), this);
    m_apply->setObjectName(QStringLiteral("aplicar"));
    m_apply->setEnabled(false);
    layout->addWidget(m_apply, 0, Qt::AlignRight);

    m_search = new QFutureWatcher<Diagnosis>(this);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(50);

    connect(add, &QPushButton::clicked, this, &ComparisonWindow::addCode);
    connect(m_compare, &QPushButton::clicked, this, &ComparisonWindow::compare);
    connect(m_apply, &QPushButton::clicked, this, &ComparisonWindow::applyFinding);
    connect(m_cancelButton, &QPushButton::clicked, this, &ComparisonWindow::cancelSearch);
    connect(m_search, &QFutureWatcher<Diagnosis>::finished, this,
            &ComparisonWindow::searchFinished);
    connect(m_progressTimer, &QTimer::timeout, this, &ComparisonWindow::showProgress);
    connect(m_findings, &QListWidget::currentRowChanged, this, [this](int row) {
        m_apply->setEnabled(m_diagnosis && row >= 0 &&
                            row < static_cast<int>(m_diagnosis->findings.size()));
    });
    resize(660, 680);
}

ComparisonWindow::~ComparisonWindow()
{
    stopSearch();
}

bool ComparisonWindow::searching() const
{
    return m_search->isRunning();
}

void ComparisonWindow::setSubject(const PayInputs &inputs, const Payslip &payslip,
                                  std::shared_ptr<const PositionCatalogue> positions,
                                  std::shared_ptr<const PayScale> scale)
{
    const bool another = !(payslip == m_payslip) || m_table->rowCount() == 0;
    m_inputs = inputs;
    m_payslip = payslip;
    m_positions =
        positions ? std::move(positions)
                  : std::shared_ptr<const PositionCatalogue>(
                        std::shared_ptr<const PositionCatalogue>(), &PositionCatalogue::builtIn());
    m_scale = scale ? std::move(scale)
                    : std::shared_ptr<const PayScale>(std::shared_ptr<const PayScale>(),
                                                      &PayScale::builtIn());
    m_scaleName->setText(QStringLiteral("Nuestro recibo se calculó con la escala «%1».")
                             .arg(QString::fromStdString(m_scale->period.title)));
    if (another)
        fillTable();
    else
        dropBlankAddedRows();
}

// Our codes and totals, with the school's amounts left for the teacher to type. What was typed
// for the payslip before stays with its code: the school's payslip is the same whatever inputs
// ours is calculated from.
void ComparisonWindow::fillTable()
{
    struct Typed {
        QString code;
        int kind = kAddedRow;
        QString amount;
        QString quantity;
        bool taken = false;

        bool blank() const { return amount.trimmed().isEmpty() && quantity.trimmed().isEmpty(); }
    };
    std::vector<Typed> typed;
    for (int row = 0; row < m_table->rowCount(); ++row)
        typed.push_back({m_table->item(row, CodeColumn)->text().trimmed(),
                         m_table->item(row, CodeColumn)->data(kRowKindRole).toInt(),
                         m_table->item(row, TheirsColumn)->text(),
                         m_table->item(row, QuantityColumn)->text()});
    const auto takeTyped = [&typed](const QString &code, bool total) {
        for (Typed &row : typed)
            if (!row.taken && !row.code.isEmpty() && row.code == code &&
                totalOfKind(row.kind).has_value() == total) {
                row.taken = true;
                return row;
            }
        return Typed{};
    };
    const auto addRow = [&](const QString &code, int kind, std::optional<Money> ours,
                            const Typed &kept) {
        const int row = m_table->rowCount();
        const bool total = totalOfKind(kind).has_value();
        m_table->insertRow(row);
        auto *codeItem = new QTableWidgetItem(code);
        codeItem->setData(kRowKindRole, kind);
        if (ours)
            codeItem->setFlags(codeItem->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, CodeColumn, codeItem);
        m_table->setItem(row, OursColumn,
                         fixedItem(ours ? QString::fromStdString(
                                              formatAmount(*ours, "", m_payslip.conventions()))
                                        : QString()));
        m_table->setItem(row, TheirsColumn, new QTableWidgetItem(kept.amount));
        m_table->setItem(row, QuantityColumn,
                         total ? fixedItem({}) : new QTableWidgetItem(kept.quantity));
        m_table->setItem(row, DifferenceColumn, fixedItem({}));
        m_table->setItem(row, StatusColumn, fixedItem({}));
    };
    m_table->setRowCount(0);
    for (std::size_t index = 0; index < m_payslip.lines().size(); ++index) {
        const QString code = QString::fromStdString(m_payslip.lines()[index].code);
        addRow(code, static_cast<int>(index), m_payslip.lines()[index].amount,
               takeTyped(code, false));
    }
    // What was typed for a code the payslip no longer has stays, as a line of the school's only.
    for (const Typed &row : typed)
        if (!row.taken && !totalOfKind(row.kind) && !row.blank())
            addRow(row.code, kAddedRow, std::nullopt, row);
    const std::array<Money, 3> totals{m_payslip.totalEarnings(), m_payslip.totalDeductions(),
                                      m_payslip.netPay()};
    for (const PayslipTotal total : kTotals) {
        const QString name = text(payslipTotalName(total));
        addRow(name, totalKind(total), totals[static_cast<std::size_t>(total)],
               takeTyped(name, true));
    }
    clearResults();
}

void ComparisonWindow::dropBlankAddedRows()
{
    for (int row = m_table->rowCount() - 1; row >= 0; --row)
        if (m_table->item(row, CodeColumn)->data(kRowKindRole).toInt() == kAddedRow &&
            m_table->item(row, TheirsColumn)->text().trimmed().isEmpty() &&
            m_table->item(row, QuantityColumn)->text().trimmed().isEmpty())
            m_table->removeRow(row);
}

void ComparisonWindow::setSummary(const QString &text)
{
    m_summary->setText(text);
    m_findings->setAccessibleName(text.isEmpty() ? QStringLiteral("Hallazgos") : text);
}

void ComparisonWindow::addCode()
{
    const int row = m_table->rowCount() - static_cast<int>(kTotals.size());
    m_table->insertRow(row);
    auto *codeItem = new QTableWidgetItem;
    codeItem->setData(kRowKindRole, kAddedRow);
    m_table->setItem(row, CodeColumn, codeItem);
    m_table->setItem(row, OursColumn, fixedItem({}));
    m_table->setItem(row, TheirsColumn, new QTableWidgetItem);
    m_table->setItem(row, QuantityColumn, new QTableWidgetItem);
    m_table->setItem(row, DifferenceColumn, fixedItem({}));
    m_table->setItem(row, StatusColumn, fixedItem({}));
    m_table->setCurrentCell(row, CodeColumn);
    m_table->editItem(m_table->item(row, CodeColumn));
}

// The results of an earlier comparison, and its search, are gone.
void ComparisonWindow::clearResults()
{
    stopSearch();
    for (int row = 0; row < m_table->rowCount(); ++row)
        for (int column = CodeColumn; column < ColumnCount; ++column) {
            if (column == DifferenceColumn || column == StatusColumn)
                m_table->item(row, column)->setText({});
            m_table->item(row, column)->setBackground(QBrush());
        }
    m_diagnosis.reset();
    m_comparisonText.clear();
    setSummary({});
    m_findings->clear();
    m_apply->setEnabled(false);
}

void ComparisonWindow::refuseRow(int row, int column, const QString &problem)
{
    clearResults();
    setSummary(QStringLiteral("Fila %1 (%2): %3.")
                   .arg(row + 1)
                   .arg(m_table->item(row, CodeColumn)->text().trimmed().isEmpty()
                            ? QStringLiteral("sin código")
                            : QStringLiteral("código %1")
                                  .arg(m_table->item(row, CodeColumn)->text().trimmed()),
                        problem));
    m_table->setCurrentCell(row, column);
}

// The school's payslip as typed, read strictly: a line for each code with an amount, the
// totals given; `rowOfLine` the table row of each line. On a fault, says which row holds it,
// clears the earlier results and returns false.
bool ComparisonWindow::readSchoolPayslip(SchoolPayslip &school, std::vector<int> &rowOfLine)
{
    const std::string separator = m_payslip.conventions().decimalSeparator;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString code = m_table->item(row, CodeColumn)->text().trimmed();
        const QString typed = m_table->item(row, TheirsColumn)->text();
        if (typed.trimmed().isEmpty())
            continue;
        if (code.isEmpty()) {
            refuseRow(row, CodeColumn, QStringLiteral("falta el código del importe"));
            return false;
        }
        const auto amount = readPrintedAmount(typed.toStdString(), separator);
        if (const auto *fault = std::get_if<PrintedAmountFault>(&amount)) {
            refuseRow(row, TheirsColumn,
                      QString::fromStdString(printedAmountFaultText(*fault, typed.toStdString())));
            return false;
        }
        const PrintedAmount read = std::get<PrintedAmount>(amount);
        const int kind = m_table->item(row, CodeColumn)->data(kRowKindRole).toInt();
        if (const std::optional<PayslipTotal> total = totalOfKind(kind)) {
            (*total == PayslipTotal::Earnings     ? school.totalEarnings
             : *total == PayslipTotal::Deductions ? school.totalDeductions
                                                  : school.netPay) = read;
            continue;
        }
        const QString quantity = m_table->item(row, QuantityColumn)->text().trimmed();
        if (!quantity.isEmpty() && !isQuantity(row, quantity)) {
            refuseRow(row, QuantityColumn,
                      QString::fromStdString(quantityFaultText(quantity.toStdString())));
            return false;
        }
        school.lines.push_back(
            {code.toStdString(),
             read,
             quantity.isEmpty() ? std::nullopt : std::optional(quantity.toStdString()),
             {}});
        rowOfLine.push_back(row);
    }
    if (school.lines.size() > kMostSchoolLines) {
        refuseRow(rowOfLine[kMostSchoolLines], TheirsColumn,
                  QStringLiteral("un recibo tiene a lo sumo %1 líneas").arg(kMostSchoolLines));
        return false;
    }
    if (const std::optional<RepeatedCode> repeated = findRepeatedCode(school.lines)) {
        refuseRow(rowOfLine[repeated->line], CodeColumn,
                  QStringLiteral("el código ya figura en la fila %1")
                      .arg(rowOfLine[repeated->earlier] + 1));
        return false;
    }
    return true;
}

// A number in the teacher's conventions, with "%" or without, or the quantity our line shows,
// as it shows it ("7.0" under a decimal comma).
bool ComparisonWindow::isQuantity(int row, const QString &quantity) const
{
    const std::string typed = quantity.toStdString();
    const int kind = m_table->item(row, CodeColumn)->data(kRowKindRole).toInt();
    if (kind >= 0 && static_cast<std::size_t>(kind) < m_payslip.lines().size() &&
        m_payslip.lines()[static_cast<std::size_t>(kind)].quantity == typed)
        return true;
    return readPrintedQuantity(typed, m_payslip.conventions()).has_value();
}

void ComparisonWindow::compare()
{
    dropBlankAddedRows();
    SchoolPayslip school;
    std::vector<int> rowOfLine;
    if (!readSchoolPayslip(school, rowOfLine))
        return;
    clearResults();
    const PayslipComparison comparison = comparePayslips(m_payslip, school);
    showComparison(comparison, rowOfLine);
    m_comparisonText = QString::fromStdString(comparisonSummary(comparison));
    if (const std::string sentence = notCalculatedSentence(comparison); !sentence.empty())
        m_comparisonText += QLatin1Char(' ') + QString::fromStdString(sentence);
    m_diagnosis = std::make_unique<Diagnosis>();
    if (comparison.equal()) {
        setSummary(m_comparisonText);
        return;
    }
    startSearch(school);
}

// The table row of a comparison row's kind: one of our lines, or a total.
int ComparisonWindow::tableRowOf(int kind) const
{
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->item(row, CodeColumn)->data(kRowKindRole).toInt() == kind)
            return row;
    return -1;
}

void ComparisonWindow::showComparison(const PayslipComparison &comparison,
                                      const std::vector<int> &rowOfLine)
{
    const DecimalConventions &conventions = m_payslip.conventions();
    for (const ComparisonRow &compared : comparison.rows) {
        const int row = compared.total ? tableRowOf(totalKind(*compared.total))
                        : compared.theirLine >= 0
                            ? rowOfLine[static_cast<std::size_t>(compared.theirLine)]
                            : tableRowOf(compared.ourLine);
        if (row < 0)
            continue;
        m_table->item(row, DifferenceColumn)
            ->setText(QString::fromStdString(formatAmount(compared.difference(), "", conventions)));
        QString status = QString::fromStdString(statusWithNote(compared));
        if (compared.oursRounded)
            status += QStringLiteral(" (%1)").arg(QString::fromStdString(printedAmountText(
                *compared.oursRounded, *compared.roundedTo, conventions.decimalSeparator)));
        m_table->item(row, StatusColumn)->setText(status);
        for (int column = CodeColumn; column < ColumnCount; ++column)
            m_table->item(row, column)->setBackground(statusColour(compared.status));
    }
}

void ComparisonWindow::startSearch(const SchoolPayslip &school)
{
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_calculations = std::make_shared<std::atomic<std::size_t>>(0);
    DiagnosisLimits limits;
    limits.maxTime = std::chrono::duration<double>(m_searchSeconds);
    limits.cancel = m_cancel.get();
    limits.progress = m_calculations.get();
    // The search has its own copies: the window may change, or close, while it runs.
    m_search->setFuture(QtConcurrent::run([inputs = m_inputs, school,
                                           conventions = m_payslip.conventions(), limits,
                                           positions = m_positions, scale = m_scale,
                                           cancel = m_cancel, calculations = m_calculations] {
        return diagnose(inputs, school, PayCalculator(conventions, Explanations::Omitted, *scale),
                        limits, *positions);
    }));
    m_searchWanted = true;
    m_searchClock.start();
    m_progress->setValue(0);
    m_progress->setFormat(QStringLiteral("Buscando qué datos lo explicarían…"));
    m_progress->show();
    m_cancelButton->show();
    m_progressTimer->start();
    setSummary(m_comparisonText);
}

void ComparisonWindow::showProgress()
{
    const double share = m_searchClock.elapsed() / (10.0 * std::max(m_searchSeconds, 0.001));
    m_progress->setValue(std::min(1000, static_cast<int>(share)));
    m_progress->setFormat(QStringLiteral("Buscando qué datos lo explicarían… %1 cálculos")
                              .arg(static_cast<qulonglong>(m_calculations->load())));
}

void ComparisonWindow::cancelSearch()
{
    if (m_cancel)
        m_cancel->store(true);
}

// Stops a search whose results are no longer wanted, and waits for it: it takes at most the
// few calculations between two looks at its cancel flag.
void ComparisonWindow::stopSearch()
{
    if (!m_search->isRunning())
        return;
    m_searchWanted = false;
    cancelSearch();
    m_search->waitForFinished();
    m_progressTimer->stop();
    m_progress->hide();
    m_cancelButton->hide();
}

void ComparisonWindow::searchFinished()
{
    m_progressTimer->stop();
    m_progress->hide();
    m_cancelButton->hide();
    if (!m_searchWanted || !m_diagnosis || m_search->future().resultCount() == 0)
        return;
    m_searchWanted = false;
    *m_diagnosis = m_search->result();
    QString summary = m_comparisonText;
    if (m_diagnosis->cancelled)
        summary += QStringLiteral(" Búsqueda cancelada.");
    if (!m_diagnosis->findings.empty())
        summary += QStringLiteral(" Datos que lo explicarían:");
    setSummary(summary);
    showDiagnosis();
    emit searchEnded();
}

void ComparisonWindow::showDiagnosis()
{
    m_findings->clear();
    m_apply->setEnabled(false);
    for (const DiagnosisFinding &finding : m_diagnosis->findings) {
        auto *item = new QListWidgetItem(QString::fromStdString(finding.text), m_findings);
        if (finding.match.allEqual)
            item->setBackground(statusColour(LineStatus::Equal));
    }
    if (m_diagnosis->unexplained.empty())
        return;
    auto *heading = new QListWidgetItem(
        m_diagnosis->findings.empty()
            ? QStringLiteral("Ningún cambio cercano lo explica. Líneas sin explicar:")
            : QStringLiteral("Ningún cambio cercano lo explica del todo. Líneas sin explicar:"),
        m_findings);
    heading->setFlags(Qt::ItemIsEnabled);
    for (const UnexplainedLine &line : m_diagnosis->unexplained) {
        auto *item = new QListWidgetItem(
            QString::fromStdString(line.code + ": " + line.explanation), m_findings);
        item->setFlags(Qt::ItemIsEnabled);
    }
}

void ComparisonWindow::applyFinding()
{
    const int row = m_findings->currentRow();
    if (!m_diagnosis || row < 0 || row >= static_cast<int>(m_diagnosis->findings.size()))
        return;
    const DiagnosisFinding &finding = m_diagnosis->findings[static_cast<std::size_t>(row)];
    const QString question =
        QStringLiteral("¿Cambiar los datos ingresados por los de este hallazgo?\n\n%1")
            .arg(QString::fromStdString(finding.text));
    if (m_askToApply(*this, question))
        emit applyRequested(finding.inputs);
}

} // namespace pagaluz::ui
