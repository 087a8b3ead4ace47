// Runs the built pagaluz-calc program as a user would, with its input on standard input or
// in a file, and reads what it writes.
#include "ExplainedJson.h"
#include "ExplanationCheck.h"
#include "PayCalculator.h"
#include "PayTestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryFile>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct ProgramRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess program;
    program.start(QStringLiteral(PAGALUZ_CALC_PROGRAM), arguments);
    program.write(input);
    program.closeWriteChannel();
    EXPECT_TRUE(program.waitForFinished(60000)) << program.errorString().toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    return {program.exitCode(), program.readAllStandardOutput(), program.readAllStandardError()};
}

QJsonDocument jsonOf(const QByteArray &output)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(output, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << output.toStdString();
    return document;
}

// The payslip of `input` as the program writes it with --json under `locale`.
QJsonObject payslipOf(const QByteArray &input, const char *locale)
{
    const ProgramRun run = runProgram({"--json", "--locale", locale}, input);
    EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
    return jsonOf(run.out).object();
}

std::string text(const QJsonValue &value)
{
    EXPECT_TRUE(value.isString());
    return value.toString().toStdString();
}

const QString kWorkedExample = QStringLiteral(PAGALUZ_EXAMPLES_DIR "/worked-example.json");

// One line of the worked example, with its texts under a decimal comma and a decimal point.
struct WorkedLine {
    const char *code, *conceptText, *column, *amount;
    const char *quantityComma, *amountTextComma, *quantityPoint, *amountTextPoint;
};

const WorkedLine kWorkedLines[] = {
    {"001", "Asign. de la categoría", "earnings", "979.5", "1", "$979,5", "1", "$979.5"},
    {"002", "Comp. de Básico", "earnings", "65.953", "", "$ 65,953", "", "$ 65.953"},
    {"016", "Tarea diferenciada", "earnings", "97.95", "", "$ 97,95", "", "$ 97.95"},
    {"010", "Antigüedad", "earnings", "343.0209", "30 %", "$ 343,0209", "30 %", "$ 343.0209"},
    {"078", "As. por zona", "earnings", "457.3612", "40 %", "$ 457,3612", "40 %", "$ 457.3612"},
    {"006", "Adic. Art 2 y 3 Dcrto 5863/05", "earnings", "193", "", "$ 193", "", "$ 193"},
    {"014", "Product Dcrto 5863/05", "earnings", "13.51", "0,7", "$ 13,51", "0.7", "$ 13.51"},
    {"084", "Incentivo de Nación", "earnings", "110", "", "$ 110", "", "$ 110"},
    {"113", "Negro de Nación", "earnings", "100", "", "$ 100", "", "$ 100"},
    {"188", "Plus Productividad", "earnings", "136.065", "7.0", "$ 136,065", "7.0", "$ 136.065"},
    {"502", "Aporte Jub.", "deductions", "365.8176", "16 %", "$ 365,8176", "16 %", "$ 365.8176"},
};

void expectWorkedExample(const QJsonObject &payslip, bool decimalComma)
{
    const QJsonArray lines = payslip["lines"].toArray();
    ASSERT_EQ(lines.size(), std::size(kWorkedLines));
    for (qsizetype row = 0; row < lines.size(); ++row) {
        const WorkedLine &expected = kWorkedLines[row];
        const QJsonObject line = lines[row].toObject();
        SCOPED_TRACE(expected.code);
        EXPECT_EQ(line["row"], QJsonValue(row));
        EXPECT_EQ(text(line["code"]), expected.code);
        EXPECT_EQ(text(line["concept"]), expected.conceptText);
        EXPECT_EQ(text(line["column"]), expected.column);
        EXPECT_EQ(text(line["amount"]), expected.amount);
        EXPECT_EQ(text(line["quantity"]),
                  decimalComma ? expected.quantityComma : expected.quantityPoint);
        EXPECT_EQ(text(line["amountText"]),
                  decimalComma ? expected.amountTextComma : expected.amountTextPoint);
    }
    EXPECT_EQ(text(payslip["totalEarnings"]), "2496.3601");
    EXPECT_EQ(text(payslip["totalDeductions"]), "365.8176");
    EXPECT_EQ(text(payslip["netPay"]), "2130.5425");
    EXPECT_EQ(text(payslip["netPayText"]), decimalComma ? "$ 2130,5425" : "$ 2130.5425");
    EXPECT_EQ(text(payslip["teacherName"]), "Docente de ejemplo");
    const QJsonObject header = payslip["header"].toObject();
    EXPECT_EQ(text(header["title"]), "Código del cargo");
    EXPECT_EQ(text(header["number"]), "734");
    EXPECT_EQ(text(header["points"]), "1500");
    EXPECT_EQ(text(header["name"]), "Asistente Social");
    EXPECT_EQ(header["positionBoxes"], QJsonValue(true));
}

TEST(CalcProgram, WorkedExampleUnderADecimalCommaAndADecimalPoint)
{
    for (const bool decimalComma : {true, false}) {
        SCOPED_TRACE(decimalComma ? "es_AR" : "en_US");
        const ProgramRun run =
            runProgram({"--json", "--locale", decimalComma ? "es_AR" : "en_US", kWorkedExample});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        expectWorkedExample(jsonOf(run.out).object(), decimalComma);
    }
}

TEST(CalcProgram, WorkedExampleAsATable)
{
    const ProgramRun run = runProgram({"--locale", "es_AR"}, [] {
        QFile file(kWorkedExample);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }());
    const std::string table = run.out.toStdString();
    EXPECT_EQ(run.status, 0);
    for (const char *part :
         {"Código del cargo: 734\nPuntaje: 1500\nAsistente Social\n",
          "\n001     1         Asign. de la categoría         $979,5\n",
          "\n502     16 %      Aporte Jub.                                $ 365,8176\n",
          "\nTotal Haberes      $ 2496,3601\n", "\nTotal descuentos   $ 365,8176\n",
          "\nLiquido a pagar    $ 2130,5425\n", "\nRecibo de sueldos de: Docente de ejemplo\n"})
        EXPECT_NE(table.find(part), std::string::npos) << part;
}

struct LineText {
    std::string code, conceptText, amountText;
    friend bool operator==(const LineText &, const LineText &) = default;
};

void PrintTo(const LineText &line, std::ostream *out)
{
    *out << line.code << " " << line.conceptText << " " << line.amountText;
}

// The lines of the position's own pay: "001", "002", "052" and "016".
std::vector<LineText> positionLines(const QJsonObject &payslip)
{
    std::vector<LineText> lines;
    for (const QJsonValue &value : payslip["lines"].toArray()) {
        const QJsonObject line = value.toObject();
        const std::string code = text(line["code"]);
        if (code == "001" || code == "002" || code == "052" || code == "016")
            lines.push_back({code, text(line["concept"]), text(line["amountText"])});
    }
    return lines;
}

TEST(CalcProgram, PositionLinesOfCatalogueRowsAndTypedPoints)
{
    struct PositionCase {
        const char *input;
        std::vector<LineText> expected;
    };
    const PositionCase cases[] = {
        {R"({"mode": "position", "position": {"code": "817"}})",
         {{"001", "Asign. de la categoría", "$1163,646"},
          {"002", "Comp. de Básico", "$ 41,792"},
          {"052", "Jornada completa", "$ 661,132"}}},
        {R"({"mode": "position", "position": {"code": "650"}})",
         {{"001", "Asign. de la categoría", "$1136,22"},
          {"002", "Comp. de Básico", "$ 45,71"},
          {"052", "Prol. de Jornada", "$ 591"}}},
        {R"({"mode": "position", "position": {"code": "999"}})",
         {{"001", "Asign. de la categoría", "$2054,338"}}},
        {R"({"mode": "position",
             "position": {"code": "999", "fullDayPoints": "300", "extendedDayPoints": "200"}})",
         {{"001", "Asign. de la categoría", "$2054,338"},
          {"052", "Jornada completa", "$ 236,4"},
          {"052", "Prol. de Jornada", "$ 157,6"}}},
    };
    for (const PositionCase &c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(positionLines(payslipOf(c.input, "es_AR")), c.expected);
    }
}

TEST(CalcProgram, HoursHeaderAndLine)
{
    struct HoursCase {
        const char *input, *locale, *points, *conceptText, *quantity, *amount, *amountText;
    };
    const HoursCase cases[] = {
        {R"({"mode": "secondaryHours", "secondaryHoursText": "20"})", "es_AR", "1294",
         "Hs. N. Medio", "20", "844.982", "$844,982"},
        {R"({"mode": "higherHours", "higherHours": "12"})", "es_AR", "1042,8", "Hs. N. Superior",
         "12", "680.9484", "$680,9484"},
        {R"({"mode": "higherHours", "higherHours": "12"})", "en_US", "1042.8", "Hs. N. Superior",
         "12", "680.9484", "$680.9484"},
    };
    for (const HoursCase &c : cases) {
        SCOPED_TRACE(std::string(c.input) + " " + c.locale);
        const QJsonObject payslip = payslipOf(c.input, c.locale);
        const QJsonObject header = payslip["header"].toObject();
        EXPECT_EQ(text(header["title"]), "Cantidad de horas");
        EXPECT_EQ(text(header["points"]), c.points);
        EXPECT_EQ(header["positionBoxes"], QJsonValue(false));
        const QJsonObject first = payslip["lines"].toArray().first().toObject();
        EXPECT_EQ(text(first["code"]), "001");
        EXPECT_EQ(text(first["concept"]), c.conceptText);
        EXPECT_EQ(text(first["quantity"]), c.quantity);
        EXPECT_EQ(text(first["amount"]), c.amount);
        EXPECT_EQ(text(first["amountText"]), c.amountText);
    }
}

const QByteArray kNoBasis = R"({"teacherName": "Ana"})";
const QByteArray kBadKm = R"({"mode": "position", "position": {"code": "734"},
                              "transport": true, "transportKm": "abc"})";

TEST(CalcProgram, ExitStatusOfEachFailure)
{
    struct FailureCase {
        QStringList arguments;
        QByteArray input;
        int status;
        const char *kind;  // of the error object on standard output, or "" for none
        const char *field; // of a conversion failure, or ""
    };
    const FailureCase cases[] = {
        {{"--json"}, kNoBasis, 1, "validation", ""},
        {{"--json"}, kBadKm, 2, "conversion", "transportKm"},
        {{}, kNoBasis, 1, "", ""},
        {{}, kBadKm, 2, "", ""},
        {{"--json"}, "{\"mode\": ", 64, "", ""},
        {{"--json", "--unknown"}, kNoBasis, 64, "", ""},
    };
    for (const FailureCase &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " < " + c.input.toStdString());
        const ProgramRun run = runProgram(c.arguments, c.input);
        EXPECT_EQ(run.status, c.status);
        if (*c.kind == '\0') {
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err, "");
            continue;
        }
        const QJsonObject error = jsonOf(run.out).object();
        EXPECT_EQ(text(error["kind"]), c.kind);
        EXPECT_FALSE(text(error["error"]).empty());
        EXPECT_EQ(error.contains("field"), *c.field != '\0');
        EXPECT_EQ(error["field"].toString().toStdString(), c.field);
        EXPECT_EQ(run.err, "");
    }
}

TEST(CalcProgram, BatchGivesEachInputItsOwnResult)
{
    QFile example(kWorkedExample);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    const QByteArray workedExample = example.readAll();
    const QByteArray batch =
        "[" + workedExample + "," + kNoBasis + "," + kBadKm + ", {\"zone\": 9}, 7]";

    const ProgramRun run = runProgram({"--batch", "--locale", "es_AR"}, batch);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const QJsonArray results = jsonOf(run.out).array();
    ASSERT_EQ(results.size(), 5);
    EXPECT_EQ(results[0].toObject(), payslipOf(workedExample, "es_AR"));
    expectWorkedExample(results[0].toObject(), true);
    EXPECT_EQ(text(results[1]["kind"]), "validation");
    EXPECT_EQ(text(results[1]["error"]), "No seleccionaste cargo ni horas");
    EXPECT_EQ(text(results[2]["kind"]), "conversion");
    EXPECT_EQ(text(results[2]["field"]), "transportKm");
    EXPECT_EQ(text(results[3]["kind"]), "input");
    EXPECT_NE(text(results[3]["error"]).find("\"zone\""), std::string::npos);
    EXPECT_EQ(text(results[4]["kind"]), "input");

    EXPECT_EQ(runProgram({"--batch"}, "[{}").status, 64);
}

TEST(CalcProgram, BatchOfJsonLinesGivesOneResultALineFromAFileOrStandardInput)
{
    QFile example(kWorkedExample);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    const QByteArray workedExample = jsonOf(example.readAll()).toJson(QJsonDocument::Compact);
    const QByteArray lines = workedExample + "\n" + kNoBasis + "\n\n{\"zone\": \n" + workedExample;
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(lines);
    file.close();

    for (const ProgramRun &run : {runProgram({"--batch", "--locale", "es_AR", file.fileName()}),
                                  runProgram({"--batch", "--locale", "es_AR"}, lines)}) {
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        const QList<QByteArray> results = run.out.split('\n');
        ASSERT_EQ(results.size(), 5) << run.out.toStdString(); // and the empty text after the last
        EXPECT_EQ(jsonOf(results[0]).object(), payslipOf(workedExample, "es_AR"));
        EXPECT_EQ(text(jsonOf(results[1])["kind"]), "validation");
        EXPECT_EQ(text(jsonOf(results[2])["kind"]), "input");
        EXPECT_EQ(results[3], results[0]);
    }
}

// The worked example with --explain: every value of every tree is its operation over its
// terms, each root is its amount and reads as the calculation's own sentence, and without the
// explanations the output is that of a run without --explain. The same through --batch.
TEST(CalcProgram, WorkedExampleExplained)
{
    using namespace pagaluz;
    QFile example(kWorkedExample);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    const QByteArray workedExample = example.readAll();
    for (const bool decimalComma : {true, false}) {
        const char *locale = decimalComma ? "es_AR" : "en_US";
        SCOPED_TRACE(locale);
        const CalculationResult library =
            PayCalculator(decimalComma ? DecimalConventions::comma() : DecimalConventions::point(),
                          Explanations::Built)
                .calculate(test::workedExampleInputs());
        const ProgramRun run =
            runProgram({"--json", "--explain", "--locale", locale}, workedExample);
        EXPECT_EQ(run.status, 0);
        QJsonObject payslip = jsonOf(run.out).object();
        test::ExplainedJson explained(payslip["quantities"].toObject());
        QJsonArray lines = payslip["lines"].toArray();
        ASSERT_EQ(lines.size(), 11);

        std::vector<std::shared_ptr<const ExplanationNode>> roots;
        std::set<const ExplanationNode *> seen;
        const auto check = [&](const QJsonValue &explanation, const QJsonValue &amount) {
            roots.push_back(explained.root(explanation));
            EXPECT_EQ(roots.back()->value.text("."), text(amount)) << roots.back()->text;
            test::expectEvaluatesExactly(*roots.back(), false, seen);
        };
        for (qsizetype row = 0; row < lines.size(); ++row) {
            QJsonObject line = lines[row].toObject();
            check(line["explanation"], line["amount"]);
            EXPECT_EQ(roots.back()->text, library.explanation()->lines[row]->text);
            line.remove("explanation");
            lines[row] = line;
        }
        for (const QString total : {"totalEarnings", "totalDeductions", "netPay"}) {
            check(payslip[total + "Explanation"], payslip[total]);
            payslip.remove(total + "Explanation");
        }
        EXPECT_EQ(payslip["notes"].toArray().size(), 1);
        payslip.remove("notes");
        EXPECT_EQ(explained.unreferenced(), std::set<QString>{});
        payslip.remove("quantities");
        payslip["lines"] = lines;
        EXPECT_EQ(payslip, payslipOf(workedExample, locale));

        const ProgramRun batch = runProgram({"--batch", "--explain", "--locale", locale},
                                            "[" + workedExample + "," + kNoBasis + "]");
        const QJsonArray results = jsonOf(batch.out).array();
        ASSERT_EQ(results.size(), 2);
        EXPECT_EQ(results[0].toObject(), jsonOf(run.out).object());
        EXPECT_EQ(text(results[1]["kind"]), "validation");
    }
}

TEST(CalcProgram, PositionsAsCsvAndAsJson)
{
    const ProgramRun csv = runProgram({"--positions"});
    EXPECT_EQ(csv.status, 0);
    const QList<QByteArray> csvLines = csv.out.split('\n');
    ASSERT_EQ(csvLines.size(), 313); // the header, 311 rows and the empty text after the last
    EXPECT_EQ(csvLines.front(), "code,name,basicPoints,extendedDayPoints,fullDayPoints,"
                                "differentiatedTaskPoints,complementPoints,verified");
    EXPECT_EQ(csvLines[7], "734,Asistente Social,1500,0,0,150,101,true");
    EXPECT_EQ(csvLines[17], "996,Bibliotecario,1480,0,0,0,95,false"); // basic points alone known
    EXPECT_EQ(csvLines.back(), "");

    const ProgramRun json = runProgram({"--positions", "--json"});
    EXPECT_EQ(json.status, 0);
    const QJsonArray rows = jsonOf(json.out).array();
    ASSERT_EQ(rows.size(), 311);
    const QStringList keys{"basicPoints",
                           "code",
                           "complementPoints",
                           "differentiatedTaskPoints",
                           "extendedDayPoints",
                           "fullDayPoints",
                           "name",
                           "row",
                           "verified"};
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const QJsonObject row = rows[index].toObject();
        ASSERT_EQ(row.keys(), keys) << index;
        EXPECT_EQ(row["row"], QJsonValue(index));
        for (const QString &key : keys)
            EXPECT_EQ(row[key].isString(), key != QLatin1String("row") && key != "verified")
                << key.toStdString();
        EXPECT_TRUE(row["verified"].isBool());
    }
    // The keys in their order, "verified" last.
    EXPECT_TRUE(json.out.startsWith(
        R"([{"row":0,"code":"999","name":"Analista Princ Tec Doc","basicPoints":"3146",)"
        R"("extendedDayPoints":"0","fullDayPoints":"0","differentiatedTaskPoints":"0",)"
        R"("complementPoints":"0","verified":true},)"))
        << json.out.left(300).toStdString();
    EXPECT_EQ(rows[0]["code"], QJsonValue("999"));
    EXPECT_EQ(rows[0]["name"], QJsonValue("Analista Princ Tec Doc"));
}

TEST(CalcProgram, AFullDiskIsReportedAndEndsWithItsOwnStatus)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full on this system";
    QProcess program;
    program.setStandardOutputFile(QStringLiteral("/dev/full"));
    program.start(QStringLiteral(PAGALUZ_CALC_PROGRAM), {"--positions"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 74);
    EXPECT_TRUE(program.readAllStandardError().contains("no se pudieron escribir"));
}

} // namespace
