#include "ComparisonWindow.h"

#include "NumberText.h"
#include "PayslipComparison.h"
#include "PayslipDiagnosis.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <optional>
#include <utility>
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

const std::array<const char *, 3> kTotals{"Total Haberes", "Total descuentos", "Liquido a pagar"};

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
    }
    return {};
}

QTableWidgetItem *fixedItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

bool isTotal(const QString &code)
{
    for (const char *total : kTotals)
        if (code == QLatin1String(total))
            return true;
    return false;
}

bool askWithMessageBox(QWidget &parent, const QString &question)
{
    return QMessageBox::question(&parent, QStringLiteral("Comparar con mi recibo"), question) ==
           QMessageBox::Yes;
}

} // namespace

ComparisonWindow::ComparisonWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_askToApply(askWithMessageBox)
{
    setObjectName(QStringLiteral("compararRecibo"));
    setWindowTitle(QStringLiteral("Comparar con mi recibo"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral(
            "Escribí los importes de tu recibo del establecimiento; podés agregar códigos."),
        this));

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("lineas"));
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
    auto *compareButton = new QPushButton(QStringLiteral("Comparar"), this);
    compareButton->setObjectName(QStringLiteral("comparar"));
    compareButton->setDefault(true);
    buttons->addWidget(add);
    buttons->addStretch();
    buttons->addWidget(compareButton);
    layout->addLayout(buttons);

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

    connect(add, &QPushButton::clicked, this, &ComparisonWindow::addCode);
    connect(compareButton, &QPushButton::clicked, this, &ComparisonWindow::compare);
    connect(m_apply, &QPushButton::clicked, this, &ComparisonWindow::applyFinding);
    connect(m_findings, &QListWidget::currentRowChanged, this, [this](int row) {
        m_apply->setEnabled(m_diagnosis && row >= 0 &&
                            row < static_cast<int>(m_diagnosis->findings.size()));
    });
    resize(620, 640);
}

ComparisonWindow::~ComparisonWindow() = default;

void ComparisonWindow::setSubject(const PayInputs &inputs, const Payslip &payslip)
{
    const bool another = !(payslip == m_payslip) || m_table->rowCount() == 0;
    m_inputs = inputs;
    m_payslip = payslip;
    if (another) {
        m_diagnosis.reset();
        fillTable();
    }
}

// Our codes and totals, with the school's amounts left for the teacher to type. What was typed
// for the payslip before stays with its code: the school's payslip is the same whatever inputs
// ours is calculated from.
void ComparisonWindow::fillTable()
{
    struct Typed {
        QString code;
        QString amount;
        QString quantity;
    };
    std::vector<Typed> typed;
    for (int row = 0; row < m_table->rowCount(); ++row)
        typed.push_back({m_table->item(row, CodeColumn)->text().trimmed(),
                         m_table->item(row, TheirsColumn)->text(),
                         m_table->item(row, QuantityColumn)->text()});
    const auto takeTyped = [&typed](const QString &code) {
        for (Typed &row : typed)
            if (row.code == code && !code.isEmpty()) {
                row.code.clear();
                return row;
            }
        return Typed{};
    };
    const auto addRow = [&](const QString &code, std::optional<Money> ours) {
        const int row = m_table->rowCount();
        m_table->insertRow(row);
        auto *codeItem = new QTableWidgetItem(code);
        if (ours)
            codeItem->setFlags(codeItem->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, CodeColumn, codeItem);
        m_table->setItem(row, OursColumn,
                         fixedItem(ours ? QString::fromStdString(
                                              formatAmount(*ours, "", m_payslip.conventions()))
                                        : QString()));
        const Typed kept = takeTyped(code);
        m_table->setItem(row, TheirsColumn, new QTableWidgetItem(kept.amount));
        m_table->setItem(row, QuantityColumn,
                         isTotal(code) ? fixedItem({}) : new QTableWidgetItem(kept.quantity));
        m_table->setItem(row, DifferenceColumn, fixedItem({}));
        m_table->setItem(row, StatusColumn, fixedItem({}));
    };
    m_table->setRowCount(0);
    for (const PayslipLine &line : m_payslip.lines())
        addRow(QString::fromStdString(line.code), line.amount);
    for (const Typed &row : std::vector<Typed>(typed))
        if (!row.code.isEmpty() && !isTotal(row.code) && !row.amount.trimmed().isEmpty())
            addRow(row.code, std::nullopt);
    addRow(QLatin1String(kTotals[0]), m_payslip.totalEarnings());
    addRow(QLatin1String(kTotals[1]), m_payslip.totalDeductions());
    addRow(QLatin1String(kTotals[2]), m_payslip.netPay());
    m_summary->clear();
    m_findings->clear();
    m_apply->setEnabled(false);
}

void ComparisonWindow::addCode()
{
    const int row = m_table->rowCount() - static_cast<int>(kTotals.size());
    m_table->insertRow(row);
    m_table->setItem(row, CodeColumn, new QTableWidgetItem);
    m_table->setItem(row, OursColumn, fixedItem({}));
    m_table->setItem(row, TheirsColumn, new QTableWidgetItem);
    m_table->setItem(row, QuantityColumn, new QTableWidgetItem);
    m_table->setItem(row, DifferenceColumn, fixedItem({}));
    m_table->setItem(row, StatusColumn, fixedItem({}));
    m_table->setCurrentCell(row, CodeColumn);
    m_table->editItem(m_table->item(row, CodeColumn));
}

// The school's payslip as typed: a line for each code with an amount, the totals given.
void ComparisonWindow::compare()
{
    const DecimalConventions &conventions = m_payslip.conventions();
    SchoolPayslip school;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString code = m_table->item(row, CodeColumn)->text().trimmed();
        const QString typed = m_table->item(row, TheirsColumn)->text().trimmed();
        if (code.isEmpty() || typed.isEmpty())
            continue;
        const NumberRead<Money> amount = parseMoney(typed.toStdString(), conventions);
        if (!std::holds_alternative<Money>(amount)) {
            m_summary->setText(
                QStringLiteral("«%1» no es un importe (código %2).").arg(typed, code));
            m_table->setCurrentCell(row, TheirsColumn);
            return;
        }
        const Money read = std::get<Money>(amount);
        if (code == QLatin1String(kTotals[0]))
            school.totalEarnings = read;
        else if (code == QLatin1String(kTotals[1]))
            school.totalDeductions = read;
        else if (code == QLatin1String(kTotals[2]))
            school.netPay = read;
        else {
            const QString quantity = m_table->item(row, QuantityColumn)->text().trimmed();
            school.lines.push_back(
                {code.toStdString(), read,
                 quantity.isEmpty() ? std::nullopt : std::optional(quantity.toStdString())});
        }
    }

    const PayslipComparison comparison = comparePayslips(m_payslip, school);
    // Each table row takes the first comparison row of its code not yet taken.
    std::vector<char> taken(comparison.rows.size(), 0);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString code = m_table->item(row, CodeColumn)->text().trimmed();
        const ComparisonRow *found = nullptr;
        for (std::size_t index = 0; index < comparison.rows.size() && !found; ++index)
            if (!taken[index] && QString::fromStdString(comparison.rows[index].code) == code) {
                taken[index] = 1;
                found = &comparison.rows[index];
            }
        const bool shown = found && (found->theirs || !isTotal(code));
        m_table->item(row, DifferenceColumn)
            ->setText(
                shown ? QString::fromStdString(formatAmount(found->difference(), "", conventions))
                      : QString());
        m_table->item(row, StatusColumn)
            ->setText(shown ? QString::fromUtf8(
                                  lineStatusText(found->status).data(),
                                  static_cast<qsizetype>(lineStatusText(found->status).size()))
                            : QString());
        for (int column = CodeColumn; column <= StatusColumn; ++column)
            m_table->item(row, column)
                ->setBackground(shown ? QBrush(statusColour(found->status)) : QBrush());
    }

    m_diagnosis = std::make_unique<Diagnosis>();
    if (!comparison.equal()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        DiagnosisLimits limits;
        limits.maxTime = std::chrono::duration<double>(m_searchSeconds);
        *m_diagnosis = diagnose(m_inputs, school, PayCalculator(conventions), limits);
        QApplication::restoreOverrideCursor();
    }
    const int differing = comparison.lineCount() - comparison.matchingLines();
    m_summary->setText(comparison.equal()
                           ? QStringLiteral("Los dos recibos son iguales.")
                           : QStringLiteral("%1 de %2 líneas difieren. Datos que lo explicarían:")
                                 .arg(differing)
                                 .arg(comparison.lineCount()));
    showDiagnosis();
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
