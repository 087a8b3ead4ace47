// Fuzz target: the JSON input of pagaluz-calc.
//
// Arbitrary bytes go to the calculator as its standard input, once for one
// payslip (--json and as a table) and once as a batch (CalcRunChecks.h). When
// the bytes are JSON, payInputsFromJson reads the value and each element of an
// array: it either refuses with a message or gives inputs whose calculation,
// with either decimal convention, keeps the invariants of every payslip.

#include "CalcRunChecks.h"
#include "FuzzCheck.h"
#include "JsonDocument.h"
#include "JsonInput.h"
#include "PayCalculator.h"
#include "PayslipInvariants.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace pagaluz;

void checkReadAndCalculated(simdjson::dom::element value)
{
    PayInputs inputs;
    try {
        inputs = payInputsFromJson(value, PositionCatalogue::builtIn());
    } catch (const MalformedInput &error) {
        fuzz::check(std::strlen(error.what()) > 0, "an input refused without a message");
        return;
    }
    for (const DecimalConventions &conv :
         {DecimalConventions::comma(), DecimalConventions::point()})
        fuzz::checkResult(inputs, PayCalculator(conv).calculate(inputs), conv);
}

void checkDirectReading(const std::string &text)
{
    JsonParser parser;
    try {
        const simdjson::dom::element value = parser.parse(text);
        checkReadAndCalculated(value);
        if (value.is_array()) {
            const simdjson::dom::array elements = value.get_array().value_unsafe();
            for (const simdjson::dom::element element : elements)
                checkReadAndCalculated(element);
        }
    } catch (const JsonSyntaxError &error) {
        // Not JSON: the runs above checked that the calculator refuses it.
        fuzz::check(std::strlen(error.what()) > 0, "malformed JSON refused without a message");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    fuzz::checkSingleRuns(text);
    fuzz::checkBatchRun(text);
    checkDirectReading(text);
    return 0;
}
