#include "JsonOutput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>

namespace {

// {"error": message, "kind": "input"}, as a run writes it for an input it cannot read.
std::string inputErrorJson(std::string_view message)
{
    std::string out;
    {
        pagaluz::JsonWriter json(out);
        pagaluz::writeInputErrorJson(message, json);
    }
    return out;
}

using namespace pagaluz;

QJsonValue parsedJson(const std::string &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << json;
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

std::set<QString> keysOf(const QJsonObject &object)
{
    const QStringList keys = object.keys();
    return {keys.begin(), keys.end()};
}

std::string text(const QJsonValue &value)
{
    EXPECT_TRUE(value.isString());
    return value.toString().toStdString();
}

struct AmountCase {
    std::int64_t tenThousandths;
    const char *expected;
};

constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kLeast = std::numeric_limits<std::int64_t>::min();

const AmountCase kAmountCases[] = {
    {0, "0"},
    {1, "0.0001"},
    {-1, "-0.0001"},
    {10, "0.001"},
    {1000, "0.1"},
    {9999, "0.9999"},
    {10000, "1"},
    {-10000, "-1"},
    {9795000, "979.5"},
    {-125000, "-12.5"},
    {3430209, "343.0209"},
    {659530, "65.953"},
    {1200000, "120"},
    {10000001, "1000.0001"},
    {kMost, "922337203685477.5807"},
    {kMost - 5807, "922337203685477"},
    {kLeast, "-922337203685477.5808"},
    {kLeast + 1, "-922337203685477.5807"},
    {kLeast + 5808, "-922337203685477"},
};

TEST(JsonOutput, ExactAmountIsTheWholeValueWithAPointAndNoTrailingZeros)
{
    for (const AmountCase &c : kAmountCases)
        EXPECT_EQ(exactAmountText(Money::fromTenThousandths(c.tenThousandths)), c.expected)
            << c.tenThousandths;
}

// A payslip of two lines whose texts need escaping in JSON.
Payslip twoLinePayslip()
{
    Payslip payslip(DecimalConventions::comma());
    payslip.header = {"Código del cargo", "734", "1500", "Asistente \"Social\"", true};
    payslip.teacherName = "Ana \"la profe\" \\ Núñez\n\t\x01";
    payslip.appendEarningsLine("001", "Asign. de la categoría", "1",
                               Money::fromTenThousandths(9795000), Payslip::kFirstLinePrefix);
    payslip.appendDeductionLine("502", "Aporte Jub.", "16 %", Money::fromTenThousandths(1567200));
    payslip.setTotals(Money::fromTenThousandths(9795000), Money::fromTenThousandths(1567200));
    return payslip;
}

struct LineFields {
    int row;
    const char *code, *conceptText, *quantity, *column, *amount, *amountText;
};

void expectLine(const QJsonValue &line, const LineFields &expected)
{
    const QJsonObject object = line.toObject();
    EXPECT_EQ(keysOf(object), (std::set<QString>{"row", "code", "concept", "quantity", "column",
                                                 "amount", "amountText"}));
    EXPECT_TRUE(object["row"].isDouble());
    EXPECT_EQ(object["row"].toInt(), expected.row);
    EXPECT_EQ(text(object["code"]), expected.code);
    EXPECT_EQ(text(object["concept"]), expected.conceptText);
    EXPECT_EQ(text(object["quantity"]), expected.quantity);
    EXPECT_EQ(text(object["column"]), expected.column);
    EXPECT_EQ(text(object["amount"]), expected.amount);
    EXPECT_EQ(text(object["amountText"]), expected.amountText);
}

TEST(JsonOutput, PayslipHasItsLinesTotalsHeaderAndName)
{
    std::string json;
    appendResultJson(CalculationResult(twoLinePayslip(), CarryValues()), json);
    const QJsonObject payslip = parsedJson(json).toObject();

    EXPECT_EQ(keysOf(payslip),
              (std::set<QString>{"lines", "totalEarnings", "totalDeductions", "netPay",
                                 "totalEarningsText", "totalDeductionsText", "netPayText", "header",
                                 "teacherName"}));
    const QJsonArray lines = payslip["lines"].toArray();
    ASSERT_EQ(lines.size(), 2);
    expectLine(lines[0], {0, "001", "Asign. de la categoría", "1", "earnings", "979.5", "$979,5"});
    expectLine(lines[1], {1, "502", "Aporte Jub.", "16 %", "deductions", "156.72", "$ 156,72"});
    EXPECT_EQ(text(payslip["totalEarnings"]), "979.5");
    EXPECT_EQ(text(payslip["totalDeductions"]), "156.72");
    EXPECT_EQ(text(payslip["netPay"]), "822.78");
    EXPECT_EQ(text(payslip["totalEarningsText"]), "$ 979,5");
    EXPECT_EQ(text(payslip["totalDeductionsText"]), "$ 156,72");
    EXPECT_EQ(text(payslip["netPayText"]), "$ 822,78");
    EXPECT_EQ(text(payslip["teacherName"]), "Ana \"la profe\" \\ Núñez\n\t\x01");

    const QJsonObject header = payslip["header"].toObject();
    EXPECT_EQ(keysOf(header),
              (std::set<QString>{"title", "number", "points", "name", "positionBoxes"}));
    EXPECT_EQ(text(header["title"]), "Código del cargo");
    EXPECT_EQ(text(header["number"]), "734");
    EXPECT_EQ(text(header["points"]), "1500");
    EXPECT_EQ(text(header["name"]), "Asistente \"Social\"");
    EXPECT_EQ(header["positionBoxes"], QJsonValue(true));
}

TEST(JsonOutput, ErrorsNameTheirKindAndForAConversionTheField)
{
    struct ErrorCase {
        CalculationError error;
        const char *expected;
    };
    const ErrorCase cases[] = {
        {{CalculationError::Kind::Validation, std::nullopt, "No seleccionaste cargo ni horas"},
         R"({"error":"No seleccionaste cargo ni horas","kind":"validation"})"},
        {{CalculationError::Kind::Conversion, InputField::TransportKm, "\"abc\" no es"},
         R"({"error":"\"abc\" no es","kind":"conversion","field":"transportKm"})"},
        {{CalculationError::Kind::Conversion, InputField::BasicPoints, "grande"},
         R"({"error":"grande","kind":"conversion","field":"position.basicPoints"})"},
    };
    for (const ErrorCase &c : cases) {
        std::string json;
        appendResultJson(CalculationResult(c.error), json);
        EXPECT_EQ(json, c.expected);
    }
    std::string json;
    json = inputErrorJson("\"zone\": fuera de rango");
    EXPECT_EQ(json, R"({"error":"\"zone\": fuera de rango","kind":"input"})");
}

TEST(JsonOutput, TextsEscapeQuotesBackslashesAndControlCharacters)
{
    std::string json;
    json = inputErrorJson("a\"b\\c\nd\re\tf\x01\x1f/ñ\x7f");
    EXPECT_EQ(json, R"({"error":"a\"b\\c\nd\re\tf\u0001\u001f/ñ)"
                    "\x7f"
                    R"(","kind":"input"})");
}

// Each control byte takes six bytes once escaped, the most any byte takes.
TEST(JsonOutput, TextsMadeOfControlBytesOnlyAreWrittenWhole)
{
    std::string message(500, '\x01');
    for (char byte = 0; byte < 0x20; ++byte)
        message += byte;
    std::string json;
    json = inputErrorJson(message);
    // \n, \r and \t take two bytes, every other control byte six.
    const std::size_t frame = std::string_view(R"({"error":"","kind":"input"})").size();
    EXPECT_EQ(json.size(), frame + (message.size() - 3) * 6 + 3 * 2);
    EXPECT_EQ(text(parsedJson(json)["error"]), message);
}

TEST(JsonOutput, PositionsAreEveryCatalogueRowWithItsIndex)
{
    const PositionCatalogue &catalogue = PositionCatalogue::builtIn();
    std::string json;
    appendPositionsJson(catalogue, json);
    const QJsonArray rows = parsedJson(json).toArray();
    ASSERT_EQ(rows.size(), catalogue.size());
    for (int index = 0; index < catalogue.size(); ++index) {
        const QJsonObject row = rows[index].toObject();
        const PositionRecord &record = catalogue.row(index);
        SCOPED_TRACE(record.code);
        EXPECT_EQ(keysOf(row),
                  (std::set<QString>{"row", "code", "name", "basicPoints", "extendedDayPoints",
                                     "fullDayPoints", "differentiatedTaskPoints",
                                     "complementPoints", "verified"}));
        EXPECT_EQ(row["row"], QJsonValue(index));
        EXPECT_EQ(text(row["code"]), record.code);
        EXPECT_EQ(text(row["name"]), record.name);
        EXPECT_EQ(text(row["basicPoints"]), record.basicPoints);
        EXPECT_EQ(text(row["extendedDayPoints"]), record.extendedDayPoints);
        EXPECT_EQ(text(row["fullDayPoints"]), record.fullDayPoints);
        EXPECT_EQ(text(row["differentiatedTaskPoints"]), record.differentiatedTaskPoints);
        EXPECT_EQ(text(row["complementPoints"]), record.complementPoints);
        EXPECT_EQ(row["verified"], QJsonValue(record.verified));
    }
}

} // namespace
