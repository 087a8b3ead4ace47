#include "CompareReport.h"

#include "CalcCommand.h"
#include "ComparisonJson.h"
#include "NumberText.h"
#include "TextOutput.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace pagaluz {

namespace {

constexpr std::size_t kColumnCount = 5;
using TableRow = std::array<std::string, kColumnCount>;

std::string amountText(const std::optional<Money> &amount, int decimals,
                       const DecimalConventions &conventions)
{
    if (!amount)
        return {};
    if (decimals < PrintedAmount::kExactDecimals)
        return printedAmountText(*amount, decimals, conventions.decimalSeparator);
    return formatAmount(*amount, "", conventions);
}

TableRow tableRowOf(const ComparisonRow &row, const DecimalConventions &conventions)
{
    std::string ours = amountText(row.ours, PrintedAmount::kExactDecimals, conventions);
    if (row.oursRounded)
        ours += " (" + amountText(row.oursRounded, row.theirDecimals, conventions) + ")";
    return {row.code, ours, amountText(row.theirs, row.theirDecimals, conventions),
            formatAmount(row.difference(), "", conventions), statusWithNote(row)};
}

void writeTable(const std::vector<TableRow> &rows, std::ostream &out)
{
    std::array<std::size_t, kColumnCount> widths{};
    for (const TableRow &row : rows)
        for (std::size_t column = 0; column < kColumnCount; ++column)
            widths[column] = std::max(widths[column], displayWidth(row[column]));
    for (const TableRow &row : rows) {
        std::string line;
        for (std::size_t column = 0; column < kColumnCount; ++column) {
            if (column != 0)
                line += "  ";
            line += row[column];
            line.append(widths[column] - displayWidth(row[column]), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

} // namespace

void writeComparisonTable(const PayslipComparison &comparison, const Diagnosis &diagnosis,
                          const DecimalConventions &conventions, std::ostream &out)
{
    std::vector<TableRow> rows{
        {"Código", "Nuestro", "Del establecimiento", "Diferencia", "Estado"}};
    for (const ComparisonRow &row : comparison.rows)
        rows.push_back(tableRowOf(row, conventions));
    writeTable(rows, out);
    out << '\n' << comparisonSummary(comparison) << '\n';
    if (const std::string sentence = notCalculatedSentence(comparison); !sentence.empty())
        out << sentence << '\n';
    if (!diagnosis.findings.empty()) {
        out << "\nDatos que lo explicarían:\n";
        for (const DiagnosisFinding &finding : diagnosis.findings)
            out << "- " << finding.text << '\n';
    }
    if (!diagnosis.unexplained.empty()) {
        out << '\n'
            << (diagnosis.findings.empty()
                    ? "Ningún cambio cercano lo explica. Líneas sin explicar:\n"
                    : "Ningún cambio cercano lo explica del todo. Líneas sin explicar:\n");
        for (const UnexplainedLine &line : diagnosis.unexplained)
            out << "- " << line.code << ": " << line.explanation << '\n';
    }
    if (!comparison.equal() && !diagnosis.finished)
        out << "\nLa búsqueda terminó por tiempo, tras " << diagnosis.calculations
            << " cálculos.\n";
}

int reportComparison(const PayInputs &inputs, const Payslip &ours, const SchoolPayslip &school,
                     const PositionCatalogue &positions, const CompareSettings &settings,
                     std::ostream &out)
{
    const PayslipComparison comparison = comparePayslips(ours, school);
    const PayCalculator calculator(ours.conventions());
    Diagnosis diagnosis;
    if (!comparison.equal()) {
        DiagnosisLimits limits;
        limits.maxTime = std::max(
            std::chrono::duration<double>(0),
            std::chrono::duration<double>(settings.deadline - std::chrono::steady_clock::now()));
        diagnosis = diagnose(inputs, school, calculator, limits, positions);
    }
    if (settings.json) {
        std::string json;
        appendComparisonReportJson(comparison, diagnosis, json);
        out << json << '\n';
    } else {
        writeComparisonTable(comparison, diagnosis, ours.conventions(), out);
    }
    return comparison.equal() ? kExitSuccess : kExitPayslipsDiffer;
}

} // namespace pagaluz
