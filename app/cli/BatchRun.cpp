#include "BatchRun.h"

#include "JsonInput.h"
#include "JsonOutput.h"
#include "JsonReader.h"

#include <string>

namespace pagaluz {

namespace {

// The results are written each time they fill this much.
constexpr std::size_t kWriteSize = std::size_t{1} << 20;

// Reads every element once, so that a malformed batch is refused before a result is written.
void checkWellFormed(std::string_view text)
{
    JsonArrayReader elements(text);
    while (elements.next()) {
    }
}

void appendBatchResult(JsonValue element, const PayCalculator &calculator, std::string &out)
{
    try {
        appendResultJson(calculator.calculate(payInputsFromJson(element)), out);
    } catch (const MalformedInput &error) {
        appendInputErrorJson(error.what(), out);
    }
}

void write(std::string &results, std::ostream &out)
{
    out.write(results.data(), static_cast<std::streamsize>(results.size()));
    results.clear();
}

} // namespace

void writeBatchResults(std::string_view text, const PayCalculator &calculator, std::ostream &out)
{
    checkWellFormed(text);
    std::string results;
    results.reserve(2 * kWriteSize);
    results += '[';
    JsonArrayReader elements(text);
    const char *separator = "\n";
    while (const std::optional<JsonValue> element = elements.next()) {
        results += separator;
        separator = ",\n";
        appendBatchResult(*element, calculator, results);
        if (results.size() >= kWriteSize)
            write(results, out);
    }
    results += "\n]\n";
    write(results, out);
}

} // namespace pagaluz
