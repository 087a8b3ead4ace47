#include "JsonOutput.h"

#include "JsonTextWriter.h"
#include "NumberText.h"

namespace pagaluz {

namespace {

template <typename Sink> void writeHeader(const PayslipHeader &header, Sink &sink)
{
    JsonObjectWriter object(sink);
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

template <typename Sink> void writeLine(const PayslipLine &line, Sink &sink)
{
    JsonObjectWriter object(sink);
    object.number("row", line.row);
    object.text("code", line.code);
    object.text("concept", line.conceptText);
    object.text("quantity", line.quantity);
    object.text("column", columnName(line.column));
    object.exactAmount("amount", line.amount);
    object.text("amountText", line.amountText);
    object.close();
}

template <typename Sink> void writeLines(const std::vector<PayslipLine> &lines, Sink &sink)
{
    sink.raw("[");
    for (std::size_t index = 0; index < lines.size(); ++index) {
        if (index != 0)
            sink.raw(",");
        writeLine(lines[index], sink);
    }
    sink.raw("]");
}

template <typename Sink> void writePayslip(const Payslip &payslip, Sink &sink)
{
    JsonObjectWriter object(sink);
    writeLines(payslip.lines(), object.member("lines"));
    object.exactAmount("totalEarnings", payslip.totalEarnings());
    object.exactAmount("totalDeductions", payslip.totalDeductions());
    object.exactAmount("netPay", payslip.netPay());
    object.text("totalEarningsText", payslip.totalEarningsText());
    object.text("totalDeductionsText", payslip.totalDeductionsText());
    object.text("netPayText", payslip.netPayText());
    writeHeader(payslip.header, object.member("header"));
    object.text("teacherName", payslip.teacherName);
    object.close();
}

template <typename Sink> void writeCalculationError(const CalculationError &error, Sink &sink)
{
    const bool validation = error.kind == CalculationError::Kind::Validation;
    JsonObjectWriter object(sink);
    object.text("error", error.message);
    object.text("kind", validation ? "validation" : "conversion");
    if (error.field)
        object.text("field", inputFieldKey(*error.field));
    object.close();
}

template <typename Sink> void writePosition(int row, const PositionRecord &position, Sink &sink)
{
    JsonObjectWriter object(sink);
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
    appendJsonText(out, [&](auto &sink) { writePayslip(payslip, sink); });
}

void appendCalculationErrorJson(const CalculationError &error, std::string &out)
{
    appendJsonText(out, [&](auto &sink) { writeCalculationError(error, sink); });
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
    appendJsonText(out, [&](auto &sink) {
        JsonObjectWriter object(sink);
        object.text("error", message);
        object.text("kind", "input");
        object.close();
    });
}

void appendPositionsJson(const PositionCatalogue &catalogue, std::string &out)
{
    appendJsonText(out, [&](auto &sink) {
        sink.raw("[");
        for (int row = 0; row < catalogue.size(); ++row) {
            if (row != 0)
                sink.raw(",");
            writePosition(row, catalogue.row(row), sink);
        }
        sink.raw("]");
    });
}

} // namespace pagaluz
