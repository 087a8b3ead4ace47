// Fuzz target: the JSON input of pagaluz-calc.
//
// Arbitrary bytes go to the calculator as its standard input, once for one
// payslip (--json and as a table) and once as a batch (CalcRunChecks.h). When
// the bytes are JSON, payInputsFromJson reads the value and each element of an
// array: it either refuses with a message or gives inputs whose calculation,
// with either decimal convention, keeps the invariants of every payslip. Our
// JSON reader and the reading of inputs are checked against QJsonDocument and
// the reading over QJsonValue (ReaderDifferential.h).

#include "CalcRunChecks.h"
#include "FuzzCheck.h"
#include "JsonInput.h"
#include "JsonReader.h"
#include "PayCalculator.h"
#include "PayslipInvariants.h"
#include "ReaderDifferential.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace pagaluz;

void checkReadAndCalculated(JsonValue value)
{
    PayInputs inputs;
    try {
        inputs = payInputsFromJson(value);
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
    JsonReader reader;
    try {
        const JsonValue value = reader.read(text);
        checkReadAndCalculated(value);
        if (value.type() == JsonType::Array) {
            for (const JsonValue element : value.elements())
                checkReadAndCalculated(element);
        }
    } catch (const JsonSyntaxError &) {
        // Not JSON: the runs above checked that the calculator refuses it.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    fuzz::checkSingleRuns(text);
    fuzz::checkBatchRun(text);
    checkDirectReading(text);
    fuzz::checkJsonReadersAgree(text);
    return 0;
}
