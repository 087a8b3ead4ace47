#include "JsonOutput.h"

#include "JsonWriter.h"
#include "NumberText.h"
#include "SharedQuantities.h"

#include <optional>

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

void writeTerm(const ExplanationNode &node, const SharedQuantities &shared, JsonWriter &json);

// A value with its operation and its terms; a term that is a shared quantity is written as a
// reference to it.
void writeExplanation(const ExplanationNode &node, const SharedQuantities &shared, JsonWriter &json)
{
    json.beginObject();
    json.key("name").string(node.name);
    json.key("value").string(node.value.text("."));
    json.key("text").string(node.text);
    if (node.operation) {
        json.key("operation").string(operationName(*node.operation));
        json.key("terms").beginArray();
        for (const ExplanationPtr &term : node.terms)
            writeTerm(*term, shared, json.element());
        json.endArray();
    }
    json.key("rounded").flag(node.rounded);
    json.endObject();
}

// {"name", "value", "text", "quantity": key} for a shared quantity, else the value in full.
void writeTerm(const ExplanationNode &node, const SharedQuantities &shared, JsonWriter &json)
{
    const SharedQuantity *quantity = shared.find(node);
    if (!quantity) {
        writeExplanation(node, shared, json);
        return;
    }
    json.beginObject();
    json.key("name").string(node.name);
    json.key("value").string(node.value.text("."));
    json.key("text").string(node.text);
    json.key("quantity").string(quantity->key);
    json.endObject();
}

void writeLine(const PayslipLine &line, const ExplanationNode *explanation,
               const SharedQuantities *shared, JsonWriter &json)
{
    json.beginObject();
    json.key("row").number(line.row);
    json.key("code").string(line.code);
    json.key("concept").string(line.conceptText);
    json.key("quantity").string(line.quantity);
    json.key("column").string(columnName(line.column));
    json.key("amount").exactAmount(line.amount);
    json.key("amountText").string(line.amountText);
    if (explanation)
        writeExplanation(*explanation, *shared, json.key("explanation"));
    json.endObject();
}

void writePayslip(const Payslip &payslip, const PayslipExplanation *explanation, JsonWriter &json)
{
    const std::optional<SharedQuantities> shared =
        explanation ? std::optional<SharedQuantities>(*explanation) : std::nullopt;
    const SharedQuantities *quantities = shared ? &*shared : nullptr;
    json.beginObject();
    json.key("lines").beginArray();
    const std::vector<PayslipLine> &lines = payslip.lines();
    for (std::size_t row = 0; row < lines.size(); ++row)
        writeLine(lines[row], explanation ? explanation->lines[row].get() : nullptr, quantities,
                  json.element());
    json.endArray();
    json.key("totalEarnings").exactAmount(payslip.totalEarnings());
    json.key("totalDeductions").exactAmount(payslip.totalDeductions());
    json.key("netPay").exactAmount(payslip.netPay());
    json.key("totalEarningsText").string(payslip.totalEarningsText());
    json.key("totalDeductionsText").string(payslip.totalDeductionsText());
    json.key("netPayText").string(payslip.netPayText());
    if (explanation) {
        writeExplanation(*explanation->totalEarnings, *shared,
                         json.key("totalEarningsExplanation"));
        writeExplanation(*explanation->totalDeductions, *shared,
                         json.key("totalDeductionsExplanation"));
        writeExplanation(*explanation->netPay, *shared, json.key("netPayExplanation"));
    }
    writeHeader(payslip.header, json.key("header"));
    json.key("teacherName").string(payslip.teacherName);
    if (explanation) {
        json.key("notes").beginArray();
        for (const std::string &note : explanation->notes)
            json.element().string(note);
        json.endArray();
        json.key("quantities").beginObject();
        for (const SharedQuantity &quantity : shared->all())
            writeExplanation(*quantity.node, *shared, json.key(quantity.key));
        json.endObject();
    }
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
        writePayslip(result.payslip(), result.explanation().get(), json);
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

void appendResultJson(const CalculationResult &result, std::string &out)
{
    JsonWriter json(out);
    writeResultJson(result, json);
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
