#include "BatchRun.h"

#include "JsonInput.h"
#include "JsonOutput.h"
#include "JsonReader.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

namespace {

using namespace pagaluz;

// Inputs of every kind of result: payslips, calculation errors and input errors.
const std::array<const char *, 7> kElements{
    R"({"mode": "position", "position": {"code": "734"}, "seniorityBracket": 4, "zone": 2})",
    R"({"mode": "secondaryHours", "secondaryHoursText": "20", "teacherName": "Ana"})",
    R"({"teacherName": "Sin cargo"})",
    R"({"mode": "position", "position": {"code": "734"}, "transport": true,
        "transportKm": "abc"})",
    R"({"zone": 9, "colour": [1, {"a": null}]})",
    R"("no es un objeto")",
    R"({"mode": "higherHours", "higherHours": "12,5", "deductions": {"pension": true}})",
};

std::string batchOf(std::size_t count)
{
    std::string batch = "[";
    for (std::size_t index = 0; index < count; ++index)
        batch += (index == 0       ? ""
                  : index % 2 == 0 ? ",\n "
                                   : " , ") +
                 std::string(kElements[index % kElements.size()]);
    return batch + "]";
}

// The results as each element's own calculation writes them.
std::string resultsOneByOne(std::size_t count, const PayCalculator &calculator)
{
    std::string results = "[";
    for (std::size_t index = 0; index < count; ++index) {
        results += index == 0 ? "\n" : ",\n";
        JsonReader reader;
        try {
            appendResultJson(
                calculator.calculate(payInputsFromJson(reader.read(kElements[index % 7]))),
                results);
        } catch (const MalformedInput &error) {
            appendInputErrorJson(error.what(), results);
        }
    }
    return results + "\n]\n";
}

TEST(BatchRun, WritesEachElementsResultInOrderWhateverTheBatchsLength)
{
    const PayCalculator calculator(DecimalConventions::comma());
    for (const std::size_t count : {0, 1, 7, 1023, 1024, 1025, 3000}) {
        SCOPED_TRACE(count);
        std::ostringstream out;
        writeBatchResults(batchOf(count), calculator, out);
        EXPECT_EQ(out.str(), resultsOneByOne(count, calculator));
    }
}

TEST(BatchRun, AMalformedBatchWritesNothing)
{
    const PayCalculator calculator;
    // Each fault lies after the first chunk of elements.
    const std::string whole = batchOf(2500);
    for (const std::string &batch :
         {whole + " x", whole + ",", std::string(whole).insert(whole.size() / 2, "\x01"),
          whole.substr(0, whole.size() / 2)}) {
        SCOPED_TRACE(batch.substr(batch.size() - 20));
        std::ostringstream out;
        EXPECT_THROW(writeBatchResults(batch, calculator, out), JsonSyntaxError);
        EXPECT_TRUE(out.str().empty()) << out.str().size() << " bytes written";
    }
}

} // namespace
