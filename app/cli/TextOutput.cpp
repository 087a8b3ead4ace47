#include "TextOutput.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pagaluz {

namespace {

constexpr std::size_t kColumnCount = 5;
using TableRow = std::array<std::string, kColumnCount>;
using ColumnWidths = std::array<std::size_t, kColumnCount>;

constexpr std::string_view kColumnGap = "  ";

TableRow tableRowOf(const PayslipLine &line)
{
    const bool earnings = line.column == AmountColumn::Earnings;
    return {line.code, line.quantity, line.conceptText, earnings ? line.amountText : "",
            earnings ? "" : line.amountText};
}

ColumnWidths widthsOf(const std::vector<TableRow> &rows)
{
    ColumnWidths widths{};
    for (const TableRow &row : rows) {
        for (std::size_t column = 0; column < kColumnCount; ++column)
            widths[column] = std::max(widths[column], displayWidth(row[column]));
    }
    return widths;
}

// The cells of a row, each padded to its column's width, without trailing blanks.
std::string paddedRow(const TableRow &row, const ColumnWidths &widths)
{
    std::string text;
    for (std::size_t column = 0; column < kColumnCount; ++column) {
        if (column != 0)
            text += kColumnGap;
        text += row[column];
        text.append(widths[column] - displayWidth(row[column]), ' ');
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

void writeHeader(const PayslipHeader &header, std::ostream &out)
{
    out << header.title << ": " << header.number << '\n'
        << "Puntaje: " << header.points << '\n'
        << header.name << "\n\n";
}

// With an explanation, each line's sentence stands under it, from the concept's column on.
void writeLines(const std::vector<PayslipLine> &lines, const PayslipExplanation *explanation,
                std::ostream &out)
{
    std::vector<TableRow> rows{{"Código", "Cantidad", "Concepto", "Haberes", "Descuentos"}};
    for (const PayslipLine &line : lines)
        rows.push_back(tableRowOf(line));
    const ColumnWidths widths = widthsOf(rows);
    const std::string indent(widths[0] + widths[1] + 2 * kColumnGap.size(), ' ');
    for (std::size_t index = 0; index < rows.size(); ++index) {
        out << paddedRow(rows[index], widths) << '\n';
        if (explanation && index > 0)
            out << indent << explanation->lines[index - 1]->text << '\n';
    }
}

void writeTotals(const Payslip &payslip, const PayslipExplanation *explanation, std::ostream &out)
{
    const std::array<std::pair<std::string, const ExplanationPtr *>, 3> totals{{
        {"Total Haberes      " + payslip.totalEarningsText(),
         explanation ? &explanation->totalEarnings : nullptr},
        {"Total descuentos   " + payslip.totalDeductionsText(),
         explanation ? &explanation->totalDeductions : nullptr},
        {"Liquido a pagar    " + payslip.netPayText(),
         explanation ? &explanation->netPay : nullptr},
    }};
    out << '\n';
    for (const auto &[total, explained] : totals) {
        out << total << '\n';
        if (explained)
            out << "    " << (*explained)->text << '\n';
    }
    out << '\n';
    if (!explanation || explanation->notes.empty())
        return;
    out << "Notas:\n";
    for (const std::string &note : explanation->notes)
        out << "- " << note << '\n';
    out << '\n';
}

// Quotes also keep the blanks at either end from readers that trim unquoted fields.
bool needsQuotes(std::string_view text)
{
    const bool blankAtAnEnd = !text.empty() && (text.front() == ' ' || text.back() == ' ');
    return blankAtAnEnd || text.find_first_of(",\"\r\n") != std::string_view::npos;
}

void writeCsvLine(const std::array<std::string_view, 8> &fields, std::ostream &out)
{
    for (std::size_t index = 0; index < fields.size(); ++index)
        out << (index == 0 ? "" : ",") << csvField(fields[index]);
    out << '\n';
}

} // namespace

std::size_t displayWidth(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void writePayslipTable(const Payslip &payslip, std::string_view dateText, std::ostream &out,
                       const PayslipExplanation *explanation)
{
    writeHeader(payslip.header, out);
    writeLines(payslip.lines(), explanation, out);
    writeTotals(payslip, explanation, out);
    out << "Recibo de sueldos de: " << payslip.teacherName << '\n' << "Fecha: " << dateText << '\n';
}

std::string csvField(std::string_view text)
{
    if (!needsQuotes(text))
        return std::string(text);
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + '"';
}

void writePositionsCsv(const PositionCatalogue &catalogue, std::ostream &out)
{
    writeCsvLine({"code", "name", "basicPoints", "extendedDayPoints", "fullDayPoints",
                  "differentiatedTaskPoints", "complementPoints", "verified"},
                 out);
    for (const PositionRecord &p : catalogue.rows())
        writeCsvLine({p.code, p.name, p.basicPoints, p.extendedDayPoints, p.fullDayPoints,
                      p.differentiatedTaskPoints, p.complementPoints,
                      p.verified ? "true" : "false"},
                     out);
}

} // namespace pagaluz
