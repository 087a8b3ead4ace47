#include "BatchRun.h"

#include "JsonDocument.h"
#include "JsonInput.h"
#include "JsonOutput.h"

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

const char *elementAt(std::size_t index)
{
    return kElements[index % kElements.size()];
}

std::string arrayOf(std::size_t count)
{
    std::string batch = "[";
    for (std::size_t index = 0; index < count; ++index)
        batch += (index == 0       ? ""
                  : index % 2 == 0 ? ",\n "
                                   : " , ") +
                 std::string(elementAt(index));
    return batch + "]";
}

// One element a line, with a blank line and a line break inside an element's blanks taken out.
std::string linesOf(std::size_t count)
{
    std::string batch;
    for (std::size_t index = 0; index < count; ++index) {
        std::string line = elementAt(index);
        std::replace(line.begin(), line.end(), '\n', ' ');
        batch += line + (index % 3 == 0 ? "\r\n\n" : "\n");
    }
    return batch;
}

// The result of one element as its own calculation writes it.
std::string resultOf(std::size_t index, const PayCalculator &calculator)
{
    std::string result;
    JsonParser parser;
    try {
        appendResultJson(calculator.calculate(payInputsFromJson(parser.parse(elementAt(index)),
                                                                PositionCatalogue::builtIn())),
                         result);
    } catch (const MalformedInput &error) {
        JsonWriter json(result);
        writeInputErrorJson(error.what(), json);
    }
    return result;
}

std::string arrayResults(std::size_t count, const PayCalculator &calculator)
{
    std::string results = "[";
    for (std::size_t index = 0; index < count; ++index)
        results += (index == 0 ? "\n" : ",\n") + resultOf(index, calculator);
    return results + "\n]\n";
}

std::string lineResults(std::size_t count, const PayCalculator &calculator)
{
    std::string results;
    for (std::size_t index = 0; index < count; ++index)
        results += resultOf(index, calculator) + "\n";
    return results;
}

std::string padded(std::string text)
{
    text.reserve(text.size() + kJsonPadding);
    return text;
}

TEST(BatchRun, AnArrayGetsAnArrayOfEachElementsResultInOrderWhateverItsLength)
{
    const PayCalculator calculator(DecimalConventions::comma());
    for (const std::size_t count : {0, 1, 7, 1023, 1024, 1025, 9000}) {
        SCOPED_TRACE(count);
        std::ostringstream out;
        writeArrayResults(padded(arrayOf(count)), {calculator, PositionCatalogue::builtIn()}, out);
        EXPECT_EQ(out.str(), arrayResults(count, calculator));
    }
}

TEST(BatchRun, AMalformedArrayWritesNothing)
{
    const PayCalculator calculator;
    const std::string whole = arrayOf(2500);
    for (const std::string &batch :
         {whole + " x", whole + ",", std::string(whole).insert(whole.size() / 2, "\x01"),
          whole.substr(0, whole.size() / 2)}) {
        SCOPED_TRACE(batch.substr(batch.size() - 20));
        std::ostringstream out;
        EXPECT_THROW(
            writeArrayResults(padded(batch), {calculator, PositionCatalogue::builtIn()}, out),
            JsonSyntaxError);
        EXPECT_TRUE(out.str().empty()) << out.str().size() << " bytes written";
    }
}

// Lines are read in pieces: results must not depend on where a piece ends, nor on the last
// line's break.
TEST(BatchRun, JsonLinesGetOneResultALineInOrder)
{
    const PayCalculator calculator(DecimalConventions::comma());
    for (const std::size_t count : {0, 1, 7, 20000}) {
        for (const bool lastBreak : {true, false}) {
            SCOPED_TRACE(std::to_string(count) + (lastBreak ? " lines" : " lines, no last break"));
            std::string batch = linesOf(count);
            if (!lastBreak)
                batch.erase(batch.find_last_not_of("\r\n") + 1);
            const std::size_t startSize = std::min<std::size_t>(batch.size(), 100);
            std::istringstream rest(batch.substr(startSize));
            std::ostringstream out;
            writeLineResults(padded(batch.substr(0, startSize)), rest,
                             {calculator, PositionCatalogue::builtIn()}, out);
            EXPECT_EQ(out.str(), lineResults(count, calculator));
        }
    }
}

TEST(BatchRun, AMalformedLineGetsAnInputErrorAndTheNextLinesTheirResults)
{
    const PayCalculator calculator;
    std::istringstream rest(std::string(kElements[6]) + "\n");
    std::ostringstream out;
    writeLineResults(padded("{\"zone\": 1,\n"), rest, {calculator, PositionCatalogue::builtIn()},
                     out);
    EXPECT_EQ(out.str().rfind(R"({"error":"JSON mal formado: )", 0), 0U) << out.str();
    EXPECT_EQ(out.str().substr(out.str().find('\n') + 1),
              lineResults(7, calculator).substr(lineResults(6, calculator).size()));
}

TEST(BatchRun, AnArrayIsToldFromJsonLinesByItsFirstByte)
{
    for (const auto &[start, array] : {std::pair{"[", true},
                                       {" \r\n\t[{}]", true},
                                       {"\xEF\xBB\xBF[", true},
                                       {"{}\n", false},
                                       {"", false},
                                       {"  ", false},
                                       {"x[", false}}) {
        SCOPED_TRACE(start);
        EXPECT_EQ(batchIsArray(start), array);
    }
}

} // namespace
