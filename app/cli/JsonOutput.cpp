#include "JsonOutput.h"

#include "NumberText.h"

#include <array>
#include <cstdint>

namespace pagaluz {

namespace {

void appendEscaped(char c, std::string &out)
{
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20) {
        out += c;
        return;
    }
    out += "\\u00";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0x0F];
}

void appendString(std::string_view text, std::string &out)
{
    out += '"';
    for (const char c : text)
        appendEscaped(c, out);
    out += '"';
}

// Writes the members of one JSON object, in the order they are given.
class ObjectWriter {
public:
    explicit ObjectWriter(std::string &out) : m_out(out) { m_out += '{'; }

    // Writes the key; the caller appends the value.
    std::string &member(std::string_view key)
    {
        if (!m_empty)
            m_out += ',';
        m_empty = false;
        appendString(key, m_out);
        m_out += ':';
        return m_out;
    }
    void text(std::string_view key, std::string_view value) { appendString(value, member(key)); }
    void number(std::string_view key, long long value) { member(key) += std::to_string(value); }
    void flag(std::string_view key, bool value) { member(key) += value ? "true" : "false"; }
    void close() { m_out += '}'; }

private:
    std::string &m_out;
    bool m_empty = true;
};

void appendHeaderJson(const PayslipHeader &header, std::string &out)
{
    ObjectWriter object(out);
    object.text("title", header.title);
    object.text("number", header.number);
    object.text("points", header.points);
    object.text("name", header.name);
    object.flag("positionBoxes", header.positionBoxes);
    object.close();
}

std::string_view columnName(AmountColumn column)
{
    return column == AmountColumn::Earnings ? "earnings" : "deductions";
}

void appendLineJson(const PayslipLine &line, std::string &out)
{
    ObjectWriter object(out);
    object.number("row", line.row);
    object.text("code", line.code);
    object.text("concept", line.conceptText);
    object.text("quantity", line.quantity);
    object.text("column", columnName(line.column));
    object.text("amount", exactAmountText(line.amount));
    object.text("amountText", line.amountText);
    object.close();
}

void appendLinesJson(const std::vector<PayslipLine> &lines, std::string &out)
{
    out += '[';
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index != 0)
            out += ',';
        appendLineJson(lines[index], out);
    }
    out += ']';
}

void appendPositionJson(int row, const PositionRecord &position, std::string &out)
{
    ObjectWriter object(out);
    object.number("row", row);
    object.text("code", position.code);
    object.text("name", position.name);
    object.text("basicPoints", position.basicPoints);
    object.text("extendedDayPoints", position.extendedDayPoints);
    object.text("fullDayPoints", position.fullDayPoints);
    object.text("differentiatedTaskPoints", position.differentiatedTaskPoints);
    object.text("complementPoints", position.complementPoints);
    object.close();
}

} // namespace

std::string exactAmountText(Money amount)
{
    // The shortest plain form with a decimal point and no prefix.
    return formatAmount(amount, "", DecimalConventions::point());
}

void appendPayslipJson(const Payslip &payslip, std::string &out)
{
    ObjectWriter object(out);
    appendLinesJson(payslip.lines(), object.member("lines"));
    object.text("totalEarnings", exactAmountText(payslip.totalEarnings()));
    object.text("totalDeductions", exactAmountText(payslip.totalDeductions()));
    object.text("netPay", exactAmountText(payslip.netPay()));
    object.text("totalEarningsText", payslip.totalEarningsText());
    object.text("totalDeductionsText", payslip.totalDeductionsText());
    object.text("netPayText", payslip.netPayText());
    appendHeaderJson(payslip.header, object.member("header"));
    object.text("teacherName", payslip.teacherName);
    object.close();
}

void appendCalculationErrorJson(const CalculationError &error, std::string &out)
{
    const bool validation = error.kind == CalculationError::Kind::Validation;
    ObjectWriter object(out);
    object.text("error", error.message);
    object.text("kind", validation ? "validation" : "conversion");
    if (error.field)
        object.text("field", inputFieldKey(*error.field));
    object.close();
}

void appendResultJson(const CalculationResult &result, std::string &out)
{
    if (result.succeeded())
        appendPayslipJson(result.payslip(), out);
    else
        appendCalculationErrorJson(result.error(), out);
}

void appendInputErrorJson(std::string_view message, std::string &out)
{
    ObjectWriter object(out);
    object.text("error", message);
    object.text("kind", "input");
    object.close();
}

void appendPositionsJson(const PositionCatalogue &catalogue, std::string &out)
{
    out += '[';
    for (int row = 0; row < catalogue.size(); ++row) {
        if (row != 0)
            out += ',';
        appendPositionJson(row, catalogue.row(row), out);
    }
    out += ']';
}

} // namespace pagaluz
