#include "ComparisonJson.h"

#include "JsonInput.h"
#include "JsonWriter.h"
#include "NumberText.h"
#include "SavedInputs.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace pagaluz {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

[[noreturn]] void refuse(std::string_view key, std::string_view problem)
{
    throw MalformedInput("\"" + std::string(key) + "\": " + std::string(problem));
}

Money amountOf(element value, std::string_view key)
{
    std::string text;
    if (value.type() == element_type::STRING) {
        text = std::string(value.get_string().value_unsafe());
    } else if (value.is_number()) {
        text = simdjson::minify(value);
    } else {
        refuse(key, "se esperaba un importe");
    }
    const NumberRead<Money> amount = parseMoney(text, DecimalConventions::point());
    if (const Money *read = std::get_if<Money>(&amount))
        return *read;
    refuse(key, "no es un importe: " + text);
}

std::optional<Money> optionalAmount(simdjson::dom::object payslip, std::string_view key)
{
    element value;
    if (payslip[key].get(value) || value.is_null())
        return std::nullopt;
    return amountOf(value, key);
}

void writeOptionalAmount(const std::optional<Money> &amount, JsonWriter &json)
{
    if (amount)
        json.exactAmount(*amount);
    else
        json.raw("null");
}

} // namespace

SchoolPayslip schoolPayslipFromJson(element payslip)
{
    simdjson::dom::object object;
    if (payslip.get(object))
        refuse("", "el recibo del establecimiento debe ser un objeto JSON");
    simdjson::dom::array lines;
    if (object["lines"].get(lines))
        refuse("lines", "falta la lista de líneas");
    SchoolPayslip school;
    for (element line : lines) {
        std::string_view code;
        if (line["code"].get(code))
            refuse("lines[].code", "falta el código (un texto)");
        element amount;
        if (line["amount"].get(amount))
            refuse("lines[].amount", "falta el importe");
        SchoolPayslipLine read{std::string(code), amountOf(amount, "lines[].amount"), {}};
        std::string_view quantity;
        if (!line["quantity"].get(quantity))
            read.quantity = std::string(quantity);
        school.lines.push_back(std::move(read));
    }
    school.totalEarnings = optionalAmount(object, "totalEarnings");
    school.totalDeductions = optionalAmount(object, "totalDeductions");
    school.netPay = optionalAmount(object, "netPay");
    return school;
}

void appendComparisonReportJson(const PayslipComparison &comparison, const Diagnosis &diagnosis,
                                std::string_view scaleName, std::string &out)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("scale").string(scaleName);
    json.key("equal").flag(comparison.equal());
    json.key("comparison").beginArray();
    for (const ComparisonRow &row : comparison.rows) {
        json.element().beginObject();
        json.key("code").string(row.code);
        writeOptionalAmount(row.ours, json.key("ours"));
        writeOptionalAmount(row.theirs, json.key("theirs"));
        json.key("difference").exactAmount(row.difference());
        json.key("status").string(lineStatusText(row.status));
        json.endObject();
    }
    json.endArray();
    json.key("findings").beginArray();
    std::string inputs;
    for (const DiagnosisFinding &finding : diagnosis.findings) {
        json.element().beginObject();
        json.key("text").string(finding.text);
        json.key("changes").beginArray();
        for (const InputChange &change : finding.changes) {
            json.element().beginObject();
            json.key("field").string(change.field);
            json.key("from").string(change.from);
            json.key("to").string(change.to);
            json.endObject();
        }
        json.endArray();
        inputs.clear();
        appendSavedInputsJson({finding.inputs, finding.inputs.absenceDays != "0", {}}, inputs);
        while (!inputs.empty() && inputs.back() == '\n')
            inputs.pop_back();
        json.key("inputs").raw(inputs);
        json.key("allLinesEqual").flag(finding.match.allEqual);
        json.key("matchingLines").number(finding.match.matchingLines);
        json.endObject();
    }
    json.endArray();
    json.key("unexplained").beginArray();
    for (const UnexplainedLine &line : diagnosis.unexplained) {
        json.element().beginObject();
        json.key("code").string(line.code);
        json.key("explanation").string(line.explanation);
        json.endObject();
    }
    json.endArray();
    json.key("finished").flag(diagnosis.finished);
    // Milliseconds written out by hand: the C library's numbers follow the user's locale.
    const long long milliseconds = std::llround(diagnosis.seconds * 1000);
    std::string seconds = std::to_string(milliseconds / 1000) + ".";
    const std::string fraction = std::to_string(1000 + milliseconds % 1000);
    json.key("seconds").raw(seconds + fraction.substr(1));
    json.endObject();
}

} // namespace pagaluz
