#include "JsonOutput.h"

#include "JsonWriter.h"
#include "NumberText.h"

namespace pagaluz {

namespace {

void writeHeader(const PayslipHeader &header, JsonWriter &json)
{
    json.beginObject();
    json.key("title").string(header.title);
    json.key("number").string(header.number);
    json.key("points").string(header.points);
    json.key("name").string(header.name);
    json.key("positionBoxes").flag(header.positionBoxes);
    json.endObject();
}

std::string_view columnName(AmountColumn column)
{
    return column == AmountColumn::Earnings ? "earnings" : "deductions";
}

void writeLine(const PayslipLine &line, JsonWriter &json)
{
    json.beginObject();
    json.key("row").number(line.row);
    json.key("code").string(line.code);
    json.key("concept").string(line.conceptText);
    json.key("quantity").string(line.quantity);
    json.key("column").string(columnName(line.column));
    json.key("amount").exactAmount(line.amount);
    json.key("amountText").string(line.amountText);
    json.endObject();
}

void writePayslip(const Payslip &payslip, JsonWriter &json)
{
    json.beginObject();
    json.key("lines").beginArray();
    for (const PayslipLine &line : payslip.lines())
        writeLine(line, json.element());
    json.endArray();
    json.key("totalEarnings").exactAmount(payslip.totalEarnings());
    json.key("totalDeductions").exactAmount(payslip.totalDeductions());
    json.key("netPay").exactAmount(payslip.netPay());
    json.key("totalEarningsText").string(payslip.totalEarningsText());
    json.key("totalDeductionsText").string(payslip.totalDeductionsText());
    json.key("netPayText").string(payslip.netPayText());
    writeHeader(payslip.header, json.key("header"));
    json.key("teacherName").string(payslip.teacherName);
    json.endObject();
}

void writePosition(int row, const PositionRecord &position, JsonWriter &json)
{
    json.beginObject();
    json.key("row").number(row);
    json.key("code").string(position.code);
    json.key("name").string(position.name);
    json.key("basicPoints").string(position.basicPoints);
    json.key("extendedDayPoints").string(position.extendedDayPoints);
    json.key("fullDayPoints").string(position.fullDayPoints);
    json.key("differentiatedTaskPoints").string(position.differentiatedTaskPoints);
    json.key("complementPoints").string(position.complementPoints);
    json.key("verified").flag(position.verified);
    json.endObject();
}

void writeCalculationError(const CalculationError &error, JsonWriter &json)
{
    const bool validation = error.kind == CalculationError::Kind::Validation;
    json.beginObject();
    json.key("error").string(error.message);
    json.key("kind").string(validation ? "validation" : "conversion");
    if (error.field)
        json.key("field").string(inputFieldKey(*error.field));
    json.endObject();
}

} // namespace

std::string exactAmountText(Money amount)
{
    // The shortest plain form with a decimal point and no prefix.
    return formatAmount(amount, "", DecimalConventions::point());
}

void writeResultJson(const CalculationResult &result, JsonWriter &json)
{
    if (result.succeeded())
        writePayslip(result.payslip(), json);
    else
        writeCalculationError(result.error(), json);
}

void writeInputErrorJson(std::string_view message, JsonWriter &json)
{
    json.beginObject();
    json.key("error").string(message);
    json.key("kind").string("input");
    json.endObject();
}

void appendPayslipJson(const Payslip &payslip, std::string &out)
{
    JsonWriter json(out);
    writePayslip(payslip, json);
}

void appendCalculationErrorJson(const CalculationError &error, std::string &out)
{
    JsonWriter json(out);
    writeCalculationError(error, json);
}

void appendResultJson(const CalculationResult &result, std::string &out)
{
    JsonWriter json(out);
    writeResultJson(result, json);
}

void appendInputErrorJson(std::string_view message, std::string &out)
{
    JsonWriter json(out);
    writeInputErrorJson(message, json);
}

void appendPositionsJson(const PositionCatalogue &catalogue, std::string &out)
{
    JsonWriter json(out);
    json.beginArray();
    for (int row = 0; row < catalogue.size(); ++row)
        writePosition(row, catalogue.row(row), json.element());
    json.endArray();
}

} // namespace pagaluz
