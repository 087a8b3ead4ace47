#include "CalcRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace pagaluz;

using test::CommandRun;
using test::contains;

CommandRun run(const QStringList &arguments, const std::string &input)
{
    return test::runCommand(QStringList{"--locale", "es_AR"} + arguments, input);
}

// A school's payslip in a file, for --compare.
QString schoolFile(const std::string &name, const std::string &json)
{
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path) << json;
    return QString::fromStdString(path);
}

QString example(const char *name)
{
    return QStringLiteral(PAGALUZ_EXAMPLES_DIR "/") + QLatin1String(name);
}

const std::string kEntered =
    R"({"mode": "position", "position": {"code": "734"}, "seniorityBracket": 4, "zone": 2,
        "incentive": true, "deductions": {"pension": true}})";

// The school's payslip as pagaluz-calc writes it, copied to the ten-thousandth, or as the paper
// shows it, in cents: a table for a person, the JSON report with --json.
TEST(CompareCommand, ComparesWithTheSchoolsPayslipAndNamesWhatExplainsIt)
{
    std::string theirs = kEntered;
    theirs.replace(theirs.find("\"seniorityBracket\": 4"), 21, "\"seniorityBracket\": 5");
    const QString same = schoolFile("same.json", run({"--json"}, kEntered).out);
    const QString other = schoolFile("other.json", run({"--json"}, theirs).out);
    // The paper payslip in cents with a deduction of another fund, in its totals too.
    const std::string withOtherFund =
        R"({"lines": [{"code": "001", "amount": "979.50"}, {"code": "002", "amount": "65.95"},
            {"code": "016", "amount": "97.95"}, {"code": "010", "amount": "343.02"},
            {"code": "078", "amount": "457.36"}, {"code": "006", "amount": "193.00"},
            {"code": "014", "amount": "13.51"}, {"code": "084", "amount": "110.00"},
            {"code": "113", "amount": "100.00"}, {"code": "188", "amount": "136.07"},
            {"code": "509", "amount": "50.00"}, {"code": "502", "amount": "365.82"}],
            "totalEarnings": "2496.36", "totalDeductions": "415.82", "netPay": "2080.54"})";
    const QString otherFund = schoolFile("other-fund.json", withOtherFund);
    const struct {
        QStringList arguments;
        int status;
        std::vector<std::string> inOut;
    } cases[] = {
        {{"--json", "--compare", same}, kExitSuccess, {"{\"equal\":true,"}},
        {{"--json", "--compare", other},
         kExitPayslipsDiffer,
         {"\"text\":\"Con «Entre 7 y 10 años» (40 %) en lugar de «Entre 5 y 7 años» (30 %), "
          "todas las líneas coinciden.\",\"changes\":[{\"field\":\"Antigüedad\"",
          "\"status\":\"distinto\"", "\"equivalents\":[]"}},
        {{"--compare", example("school-payslip-cents.json")},
         kExitSuccess,
         {"Código            Nuestro              Del establecimiento  Diferencia  Estado\n"
          "001               979,5                979,50               0           igual\n"
          "002               65,953 (65,95)       65,95                0,003       igual al "
          "centavo\n",
          "\nLos dos recibos son iguales.\n"}},
        {{"--json", "--compare", example("school-payslip-cents.json")},
         kExitSuccess,
         {"\"status\":\"igual\",\"note\":\"igual al centavo\",\"oursRounded\":\"65.95\""}},
        {{"--compare", example("school-payslip-bracket-5-cents.json")},
         kExitPayslipsDiffer,
         {"010               343,0209           457,36               -114,3391   distinto\n",
          "5 de 11 líneas difieren.\n\nDatos que lo explicarían:\n- Con «Entre 7 y 10 años» (40 "
          "%) en lugar de «Entre 5 y 7 años» (30 %), todas las líneas coinciden.\n"}},
        {{"--compare", otherFund},
         kExitPayslipsDiffer,
         {"509               ", "no lo calcula Pagaluz\n",
          "Las líneas que calcula Pagaluz son iguales.\nEl código 509 no lo calcula Pagaluz: se "
          "comparan las demás líneas, y los totales del establecimiento sin esa línea.\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandRun result = run(c.arguments, kEntered);
        EXPECT_EQ(result.status, c.status);
        for (const std::string &part : c.inOut)
            EXPECT_TRUE(contains(result.out, part)) << part << "\n---\n" << result.out;
        EXPECT_EQ(result.err, "");
    }
}

std::string manyLines(int count)
{
    std::string json = R"({"lines": [)";
    for (int line = 0; line < count; ++line)
        json += (line ? "," : "") + std::string(R"({"code": "C)") + std::to_string(line) +
                R"(", "amount": "1.00"})";
    return json + "]}";
}

// Every fault of a school's payslip is refused with exit status 64 and a message naming the line;
// none ends the program.
TEST(CompareCommand, RefusesASchoolPayslipItCannotReadStrictly)
{
    const struct {
        const char *name;
        std::string json;
        const char *message;
    } cases[] = {
        {"no amount", R"({"lines": [{"code": "001"}]})", "\"lines[0].amount\": falta el importe"},
        {"five decimals", R"({"lines": [{"code": "002", "amount": "65.95301"}]})",
         "\"lines[0].amount\": «65.95301» tiene más de cuatro decimales"},
        {"five decimals as a number", R"({"lines": [{"code": "002", "amount": 65.95301}]})",
         "\"lines[0].amount\": «65.95301» tiene más de cuatro decimales"},
        {"blanks", R"({"lines": [{"code": "001", "amount": " 979.50"}]})",
         "\"lines[0].amount\": « 979.50» tiene blancos antes o después del importe"},
        {"a comma", R"({"lines": [{"code": "001", "amount": "979,50"}]})",
         "\"lines[0].amount\": «979,50» no es un importe"},
        {"overflow as a text", R"({"lines": [{"code": "001", "amount": "-922337203685000"}]})",
         "\"lines[0].amount\": «-922337203685000» está fuera de ±100000000"},
        {"overflow as a number", R"({"lines": [{"code": "001", "amount": -922337203685000}]})",
         "\"lines[0].amount\": «-922337203685000» está fuera de ±100000000"},
        {"huge number", R"({"lines": [{"code": "001", "amount": 1e300}]})",
         "\"lines[0].amount\": «1e+300» está fuera de ±100000000"},
        {"total beyond", R"({"lines": [], "netPay": "100000000.01"})",
         "\"netPay\": «100000000.01» está fuera de ±100000000"},
        {"key twice in a line", R"({"lines": [{"code": "001", "amount": "1", "amount": "2"}]})",
         "\"lines[0].amount\": clave repetida"},
        {"key twice in the payslip", R"({"lines": [], "netPay": "1", "netPay": "2"})",
         "\"netPay\": clave repetida"},
        {"code twice",
         R"({"lines": [{"code": "001", "amount": "1"}, {"code": "002", "amount": "1"},
                       {"code": "001", "amount": "2"}]})",
         "\"lines[2].code\": el código 001 ya figura en lines[0]"},
        {"a blank in a code", R"({"lines": [{"code": "001 ", "amount": "1"}]})",
         "\"lines[0].code\": el código no puede estar vacío ni tener blancos"},
        {"an escape in a code", R"({"lines": [{"code": "\u001b]0;x\u0007", "amount": "1"}]})",
         "\"lines[0].code\": el código tiene caracteres de control"},
        {"an escape in a quantity",
         R"({"lines": [{"code": "001", "amount": "1", "quantity": "1\u001b[2J"}]})",
         "\"lines[0].quantity\": la cantidad tiene caracteres de control"},
        {"501 lines", manyLines(501), "\"lines\": tiene 501 líneas; un recibo tiene a lo sumo 500"},
        {"300000 lines", manyLines(300000),
         "\"lines\": tiene 300000 líneas; un recibo tiene a lo sumo 500"},
        {"not an object", "[]", "el recibo del establecimiento debe ser un objeto JSON"},
        {"no lines", R"({"netPay": "1"})", "\"lines\": falta la lista de líneas"},
        {"a column unknown", R"({"lines": [{"code": "509", "amount": "1", "column": "otra"}]})",
         "\"lines[0].column\": se esperaba \"earnings\" o \"deductions\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = schoolFile("refused.json", c.json);
        const auto started = std::chrono::steady_clock::now();
        const CommandRun result = run({"--compare", path, "--max-seconds", "0.1"}, kEntered);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(600));
        EXPECT_EQ(result.status, kExitBadUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(contains(result.err, path.toStdString() + ": " + c.message)) << result.err;
    }
}

// --max-seconds takes more than 0 and at most 3600 seconds, and holds for the whole command.
TEST(CompareCommand, KeepsToItsTimeLimit)
{
    const QString cents = example("school-payslip-cents.json");
    for (const char *refused : {"no", "nan", "inf", "-inf", "0", "-1", "3600.5", "1e9"}) {
        SCOPED_TRACE(refused);
        const CommandRun result = run({"--compare", cents, "--max-seconds", refused}, kEntered);
        EXPECT_EQ(result.status, kExitBadUsage);
        EXPECT_TRUE(contains(result.err, "--max-seconds espera un número de segundos mayor que 0 "
                                         "y no mayor que 3600: " +
                                             std::string(refused)))
            << result.err;
    }
    EXPECT_EQ(run({"--compare", cents, "--max-seconds", "3600"}, kEntered).status, kExitSuccess);
    EXPECT_EQ(run({"--max-seconds", "1"}, kEntered).status, kExitBadUsage);
    EXPECT_EQ(run({"--compare", cents, "--batch"}, kEntered).status, kExitBadUsage);
    EXPECT_EQ(run({"--compare"}, kEntered).status, kExitBadUsage);

    // 500 lines no calculation writes and one that nothing explains: a slow search, cut short.
    std::string json = manyLines(500);
    json.replace(json.find(R"("C0")"), 4, R"("001")");
    json.replace(json.find(R"("1.00")"), 6, R"("979.40")");
    const QString heavy = schoolFile("heavy.json", json);
    for (const char *seconds : {"0.1", "0.5"}) {
        SCOPED_TRACE(seconds);
        const auto started = std::chrono::steady_clock::now();
        const CommandRun result =
            run({"--json", "--compare", heavy, "--max-seconds", seconds}, kEntered);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        EXPECT_EQ(result.status, kExitPayslipsDiffer);
        EXPECT_LT(took.count(), std::stod(seconds) + 0.5);
        EXPECT_TRUE(contains(result.out, "\"finished\":false")) << result.out.substr(0, 200);
    }
}

} // namespace
