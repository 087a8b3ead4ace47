#include "ComparisonJson.h"

#include "JsonInput.h"
#include "JsonWriter.h"
#include "NumberText.h"
#include "SavedInputs.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <unordered_set>

namespace pagaluz {

namespace {

using simdjson::dom::element;
using simdjson::dom::element_type;

[[noreturn]] void refuse(std::string_view key, std::string_view problem)
{
    throw MalformedInput(key.empty() ? std::string(problem)
                                     : "\"" + std::string(key) + "\": " + std::string(problem));
}

std::string linePath(std::size_t index, std::string_view key = {})
{
    std::string path = "lines[";
    path.append(std::to_string(index)).append("]");
    if (!key.empty())
        path.append(".").append(key);
    return path;
}

// An object whose keys are each written once.
simdjson::dom::object strictObject(element value, const std::string &path)
{
    simdjson::dom::object object;
    if (value.get(object))
        refuse(path, "se esperaba un objeto JSON");
    std::unordered_set<std::string_view> seen;
    for (const simdjson::dom::key_value_pair member : object)
        if (!seen.insert(member.key).second)
            refuse(path.empty() ? std::string(member.key) : path + "." + std::string(member.key),
                   "clave repetida");
    return object;
}

// The text of a JSON number as it reads: a whole number as written, another in its shortest
// form (979.50 reads as 979.5).
std::string numberText(element value)
{
    if (value.is_int64())
        return std::to_string(value.get_int64().value_unsafe());
    if (value.is_uint64())
        return std::to_string(value.get_uint64().value_unsafe());
    return simdjson::minify(value);
}

PrintedAmount amountOf(element value, const std::string &key)
{
    std::string text;
    if (value.type() == element_type::STRING) {
        text = std::string(value.get_string().value_unsafe());
    } else if (value.is_number()) {
        const double number = value.get_double().value_unsafe();
        if (!(std::fabs(number) <= static_cast<double>(kLargestPrintedPesos) + 1))
            refuse(key, printedAmountFaultText(PrintedAmountFault::BeyondLimit, numberText(value)));
        text = numberText(value);
    } else {
        refuse(key, "se esperaba un importe");
    }
    const auto amount = readPrintedAmount(text, ".");
    if (const auto *fault = std::get_if<PrintedAmountFault>(&amount))
        refuse(key, printedAmountFaultText(*fault, text));
    return std::get<PrintedAmount>(amount);
}

std::optional<PrintedAmount> optionalAmount(simdjson::dom::object payslip, std::string_view key)
{
    element value;
    if (payslip[key].get(value) || value.is_null())
        return std::nullopt;
    return amountOf(value, std::string(key));
}

std::optional<AmountColumn> columnOf(simdjson::dom::object line, std::size_t index)
{
    element value;
    if (line["column"].get(value) || value.is_null())
        return std::nullopt;
    std::string_view text;
    if (!value.get(text)) {
        if (text == "earnings")
            return AmountColumn::Earnings;
        if (text == "deductions")
            return AmountColumn::Deductions;
    }
    refuse(linePath(index, "column"), "se esperaba \"earnings\" o \"deductions\"");
}

// A code or quantity is printed in the report's table as it was read: one that could move the
// cursor or retitle the terminal is no code of a payslip.
bool hasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

SchoolPayslipLine lineOf(element value, std::size_t index)
{
    const simdjson::dom::object line = strictObject(value, linePath(index));
    std::string_view code;
    if (line["code"].get(code))
        refuse(linePath(index, "code"), "falta el código (un texto)");
    if (code.empty() || code.find_first_of(" \t\r\n") != std::string_view::npos)
        refuse(linePath(index, "code"), "el código no puede estar vacío ni tener blancos");
    if (hasControlCharacter(code))
        refuse(linePath(index, "code"), "el código tiene caracteres de control");
    element amount;
    if (line["amount"].get(amount))
        refuse(linePath(index, "amount"), "falta el importe");
    SchoolPayslipLine read{
        std::string(code), amountOf(amount, linePath(index, "amount")), {}, columnOf(line, index)};
    element quantity;
    if (!line["quantity"].get(quantity) && !quantity.is_null()) {
        std::string_view text;
        if (quantity.get(text))
            refuse(linePath(index, "quantity"), "se esperaba un texto");
        if (hasControlCharacter(text))
            refuse(linePath(index, "quantity"), "la cantidad tiene caracteres de control");
        read.quantity = std::string(text);
    }
    return read;
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
    if (!payslip.is_object())
        refuse("", "el recibo del establecimiento debe ser un objeto JSON");
    const simdjson::dom::object object = strictObject(payslip, "");
    simdjson::dom::array lines;
    if (object["lines"].get(lines))
        refuse("lines", "falta la lista de líneas");
    if (lines.size() > kMostSchoolLines)
        refuse("lines", "tiene " + std::to_string(lines.size()) +
                            " líneas; un recibo tiene a lo sumo " +
                            std::to_string(kMostSchoolLines));
    SchoolPayslip school;
    std::size_t index = 0;
    for (element line : lines)
        school.lines.push_back(lineOf(line, index++));
    if (const std::optional<RepeatedCode> repeated = findRepeatedCode(school.lines))
        refuse(linePath(repeated->line, "code"), "el código " + school.lines[repeated->line].code +
                                                     " ya figura en " +
                                                     linePath(repeated->earlier));
    school.totalEarnings = optionalAmount(object, "totalEarnings");
    school.totalDeductions = optionalAmount(object, "totalDeductions");
    school.netPay = optionalAmount(object, "netPay");
    return school;
}

namespace {

void writeChanges(const std::vector<InputChange> &changes, JsonWriter &json)
{
    json.key("changes").beginArray();
    for (const InputChange &change : changes) {
        json.element().beginObject();
        json.key("field").string(change.field);
        json.key("from").string(change.from);
        json.key("to").string(change.to);
        json.endObject();
    }
    json.endArray();
}

void writeInputs(const PayInputs &inputs, JsonWriter &json)
{
    std::string text;
    appendSavedInputsJson({inputs, inputs.absenceDays != "0", {}, {}}, text);
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    json.key("inputs").raw(text);
}

void writeRows(const PayslipComparison &comparison, JsonWriter &json)
{
    json.key("comparison").beginArray();
    for (const ComparisonRow &row : comparison.rows) {
        json.element().beginObject();
        json.key("code").string(row.code);
        writeOptionalAmount(row.ours, json.key("ours"));
        writeOptionalAmount(row.theirs, json.key("theirs"));
        json.key("difference").exactAmount(row.difference());
        json.key("status").string(lineStatusText(row.status));
        if (row.roundedTo) {
            json.key("note").string(statusWithNote(row));
            writeOptionalAmount(row.oursRounded, json.key("oursRounded"));
        }
        json.endObject();
    }
    json.endArray();
}

void writeFindings(const Diagnosis &diagnosis, JsonWriter &json)
{
    json.key("findings").beginArray();
    for (const DiagnosisFinding &finding : diagnosis.findings) {
        json.element().beginObject();
        json.key("text").string(finding.text);
        writeChanges(finding.changes, json);
        writeInputs(finding.inputs, json);
        json.key("allLinesEqual").flag(finding.match.allEqual);
        json.key("matchingLines").number(finding.match.matchingLines);
        json.key("equivalents").beginArray();
        for (const ChangedInputs &equivalent : finding.equivalents) {
            json.element().beginObject();
            writeChanges(equivalent.changes, json);
            writeInputs(equivalent.inputs, json);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

} // namespace

void appendComparisonReportJson(const PayslipComparison &comparison, const Diagnosis &diagnosis,
                                std::string_view scaleName, std::string &out)
{
    JsonWriter json(out);
    json.beginObject();
    json.key("scale").string(scaleName);
    json.key("equal").flag(comparison.equal());
    json.key("summary").string(comparisonSummary(comparison));
    const std::string notCalculated = notCalculatedSentence(comparison);
    if (notCalculated.empty())
        json.key("notCalculated").raw("null");
    else
        json.key("notCalculated").string(notCalculated);
    writeRows(comparison, json);
    writeFindings(diagnosis, json);
    json.key("unexplained").beginArray();
    for (const UnexplainedLine &line : diagnosis.unexplained) {
        json.element().beginObject();
        json.key("code").string(line.code);
        json.key("explanation").string(line.explanation);
        json.endObject();
    }
    json.endArray();
    json.key("finished").flag(diagnosis.finished);
    // To the millisecond, with a point whatever the user's locale.
    std::array<char, 32> seconds{};
    const auto written = std::to_chars(seconds.data(), seconds.data() + seconds.size(),
                                       diagnosis.seconds, std::chars_format::fixed, 3);
    json.key("seconds").raw(std::string_view(seconds.data(), written.ptr));
    json.endObject();
}

} // namespace pagaluz
