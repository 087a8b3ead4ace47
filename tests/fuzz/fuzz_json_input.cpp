// Fuzz target: the JSON input of pagaluz-calc.
//
// Arbitrary bytes go to the calculator as its standard input, once for one
// payslip (--json and as a table) and once as a batch (CalcRunChecks.h). When
// the bytes are JSON, payInputsFromJson reads the value and each element of an
// array: it either refuses with a message or gives inputs whose calculation,
// with either decimal convention, keeps the invariants of every payslip.

#include "CalcRunChecks.h"
#include "FuzzCheck.h"
#include "JsonInput.h"
#include "PayCalculator.h"
#include "PayslipInvariants.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using namespace pagaluz;

void checkReadAndCalculated(const QJsonValue &value)
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
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    if (error.error != QJsonParseError::NoError)
        return;
    if (!document.isArray()) {
        checkReadAndCalculated(document.object());
        return;
    }
    checkReadAndCalculated(document.array());
    for (const QJsonValue &element : document.array())
        checkReadAndCalculated(element);
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
