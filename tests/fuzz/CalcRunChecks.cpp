#include "CalcRunChecks.h"

#include "BatchRun.h"
#include "CalcCommand.h"
#include "FuzzCheck.h"
#include "JsonDocument.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <sstream>

namespace pagaluz::fuzz {

namespace {

struct CalcRun {
    int status = 0;
    std::string out;
    std::string err;
};

CalcRun runWith(const QStringList &arguments, const std::string &input)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCalc(arguments, in, out, err);
    return {status, std::move(out).str(), std::move(err).str()};
}

// The JSON text, or a null document when it is none.
QJsonDocument jsonOf(const std::string &text)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    return error.error == QJsonParseError::NoError ? document : QJsonDocument();
}

void checkRefusal(const CalcRun &run)
{
    check(run.out.empty(), "input that cannot be used still printed a result");
    check(!run.err.empty(), "input that cannot be used gave no message");
}

void checkJsonResult(const CalcRun &run)
{
    const QJsonDocument document = jsonOf(run.out);
    check(document.isObject(), "--json wrote no JSON object");
    const QJsonObject result = document.object();
    check(result.contains(QLatin1String("error")) == (run.status != kExitSuccess),
          "--json: an \"error\" key that does not agree with the exit status");
    const QString kind = result.value(QLatin1String("kind")).toString();
    check(run.status != kExitValidationFailed || kind == QLatin1String("validation"),
          "--json: status 1 without \"kind\": \"validation\"");
    check(run.status != kExitConversionFailed || kind == QLatin1String("conversion"),
          "--json: status 2 without \"kind\": \"conversion\"");
}

// The number of elements of the JSON array `text`, or nothing when it is none.
std::optional<qsizetype> elementCount(const std::string &text)
{
    JsonParser parser;
    try {
        const simdjson::dom::element value = parser.parse(text);
        if (!value.is_array())
            return std::nullopt;
        return static_cast<qsizetype>(value.get_array().value_unsafe().size());
    } catch (const JsonSyntaxError &) {
        return std::nullopt;
    }
}

// Blank as JSON counts blanks: spaces, tabs, carriage returns.
bool isBlankLine(const QByteArray &line)
{
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
}

void checkLinesRun(const std::string &input, const CalcRun &batch)
{
    check(batch.status == kExitSuccess, "--batch refused JSON Lines");
    QList<QByteArray> lines = QByteArray::fromStdString(input).split('\n');
    lines.removeIf(isBlankLine);
    QList<QByteArray> results = QByteArray::fromStdString(batch.out).split('\n');
    check(results.takeLast().isEmpty(), "--batch: JSON Lines results that do not end a line");
    check(results.size() == lines.size(), "--batch: not one result for each line");
    for (const QByteArray &result : results)
        check(jsonOf(result.toStdString()).isObject(), "--batch: a result that is no object");
}

} // namespace

void checkSingleRuns(const std::string &input)
{
    const CalcRun json = runWith({"--json", "--locale", "es_AR"}, input);
    check(json.status == kExitSuccess || json.status == kExitValidationFailed ||
              json.status == kExitConversionFailed || json.status == kExitBadUsage,
          "an exit status that pagaluz-calc does not have");
    if (json.status == kExitBadUsage)
        checkRefusal(json);
    else
        checkJsonResult(json);

    const CalcRun table = runWith({"--locale", "es_AR"}, input);
    check(table.status == json.status, "the table and --json end with different statuses");
    check(table.out.empty() == (table.status != kExitSuccess),
          "a table printed without a payslip, or a payslip without a table");
    check(table.status == kExitSuccess || !table.err.empty(), "no payslip and no message");
}

void checkBatchRun(const std::string &input)
{
    const CalcRun batch = runWith({"--batch", "--locale", "en_US"}, input);
    if (!batchIsArray(input)) {
        checkLinesRun(input, batch);
        return;
    }
    const std::optional<qsizetype> inputCount = elementCount(input);
    if (!inputCount) {
        check(batch.status == kExitBadUsage, "--batch took input that is no JSON array");
        checkRefusal(batch);
        return;
    }
    check(batch.status == kExitSuccess, "--batch refused a JSON array");
    const QJsonDocument results = jsonOf(batch.out);
    check(results.isArray(), "--batch wrote no JSON array");
    check(results.array().size() == *inputCount, "--batch: not one result per input");
    for (const QJsonValue &result : results.array())
        check(result.isObject(), "--batch: a result that is no JSON object");
}

} // namespace pagaluz::fuzz
