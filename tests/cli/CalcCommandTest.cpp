#include "CalcRun.h"

#include <QDate>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

using namespace pagaluz;

using test::CommandRun;
using test::contains;

CommandRun run(const QStringList &arguments, const std::string &input)
{
    return test::runCommand(arguments, input);
}

const char *const kNoBasis = "No seleccionaste cargo ni horas";
const char *const kBadKm = R"({"mode": "position", "position": {"code": "734"},
                               "transport": true, "transportKm": "abc"})";

struct CommandCase {
    QStringList arguments;
    const char *input;
    int status;
    const char *inOut; // a part of what goes to `out` ("" when `out` must stay empty)
    const char *inErr; // a part of the message ("" when no message may be written)
};

const CommandCase kCommandCases[] = {
    {{"--bogus"}, "{}", kExitBadUsage, "", "--bogus"},
    {{"-x"}, "{}", kExitBadUsage, "", "-x"},
    {{"--locale"}, "{}", kExitBadUsage, "", "--locale"},
    {{"--locale", "xx_YY"}, "{}", kExitBadUsage, "", "xx_YY"},
    {{"uno.json", "dos.json"}, "{}", kExitBadUsage, "", "dos.json"},
    {{"/no/existe/datos.json"}, "{}", kExitBadUsage, "", "/no/existe/datos.json"},
    {{"--positions", "--batch"}, "[]", kExitBadUsage, "", "--positions"},
    {{"--positions", "datos.json"}, "", kExitBadUsage, "", "--positions"},
    {{"--positions", "--explain"}, "", kExitBadUsage, "", "--explain"},
    {{}, "{", kExitBadUsage, "", "JSON"},
    {{}, "", kExitBadUsage, "", "JSON"},
    {{}, "[{}]", kExitBadUsage, "", "objeto"},
    {{"--json"}, R"({"zone": 7})", kExitBadUsage, "", "\"zone\""},
    {{"--batch"}, "{}\n", kExitSuccess, "{\"error\":\"No seleccionaste cargo ni horas\"", ""},
    {{"--batch"}, "\"x\"", kExitSuccess, "{\"error\":\"se esperaba un objeto JSON", ""},
    {{"--batch"}, "[1", kExitBadUsage, "", "JSON mal formado"},
    {{}, "{}", kExitValidationFailed, "", kNoBasis},
    {{"-"}, "{}", kExitValidationFailed, "", kNoBasis},
    {{"--json"},
     "{}",
     kExitValidationFailed,
     "{\"error\":\"No seleccionaste cargo ni horas\",\"kind\":\"validation\"}\n",
     ""},
    {{}, kBadKm, kExitConversionFailed, "", "Transporte (km semanales)"},
    {{"--json"}, kBadKm, kExitConversionFailed, "\"field\":\"transportKm\"", ""},
    {{"--json", "--locale=en_US"},
     R"({"mode": "secondaryHours", "secondaryHoursText": "1.25"})",
     kExitSuccess,
     "\"amount\":\"52.8114\"",
     ""},
    {{"--json", "--locale", "es_AR"},
     R"({"mode": "secondaryHours", "secondaryHoursText": "1.25"})",
     kExitConversionFailed,
     "\"field\":\"secondaryHoursText\"",
     ""},
    {{"--batch"}, "[]", kExitSuccess, "[\n]\n", ""},
    {{"--explain", "--locale", "es_AR"},
     R"({"mode": "position", "position": {"code": "734"}, "seniorityBracket": 4})",
     kExitSuccess,
     "Antigüedad                     $ 343,0209\n                  30 % de 1143,403 (base de "
     "antigüedad = 001 979,5 + 002 65,953 + 016 97,95)\n",
     ""},
    {{"--help"}, "", kExitSuccess, "Uso: pagaluz-calc [opciones] [ARCHIVO]\n", ""},
    {{"-h"}, "", kExitSuccess, "--locale <NOMBRE>", ""},
    {{"--version"}, "", kExitSuccess, "pagaluz-calc " PAGALUZ_VERSION "\n", ""},
};

TEST(CalcCommand, ExitStatusOutputAndMessages)
{
    for (const CommandCase &c : kCommandCases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " < " + c.input);
        const CommandRun result = run(c.arguments, c.input);
        EXPECT_EQ(result.status, c.status);
        EXPECT_TRUE(*c.inOut == '\0' ? result.out.empty() : contains(result.out, c.inOut))
            << result.out;
        EXPECT_TRUE(*c.inErr == '\0' ? result.err.empty() : contains(result.err, c.inErr))
            << result.err;
    }
}

TEST(CalcCommand, TableEndsWithTheNameAndTodaysDateInTheLocalesShortFormat)
{
    const CommandRun result =
        run({"--locale", "es_AR"},
            R"({"mode": "position", "position": {"code": "999"}, "teacherName": "Ana"})");
    const QString today =
        QLocale(QStringLiteral("es_AR")).toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(result.status, kExitSuccess);
    EXPECT_TRUE(contains(result.out, "\n001     1         Asign. de la categoría"));
    EXPECT_TRUE(
        contains(result.out, "Recibo de sueldos de: Ana\nFecha: " + today.toStdString() + "\n"))
        << result.out;
    EXPECT_EQ(result.err, "");
}

// A file that takes nothing, as a full disk does.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char *, std::streamsize) override { return 0; }
};

TEST(CalcCommand, ResultsThatCannotBeWrittenAreAFailure)
{
    const struct {
        QStringList arguments;
        const char *input;
    } cases[] = {
        {{"--json"}, R"({"mode": "position", "position": {"code": "734"}})"},
        {{}, R"({"mode": "position", "position": {"code": "734"}})"},
        {{"--json"}, "{}"}, // the calculation's own refusal is lost too
        {{"--batch"}, R"([{"mode": "position", "position": {"code": "734"}}, {}])"},
        {{"--positions"}, ""},
        {{"--help"}, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        std::istringstream in(c.input);
        FullDisk disk;
        std::ostream out(&disk);
        std::ostringstream err;
        EXPECT_EQ(runCalc(c.arguments, in, out, err), kExitWriteFailed);
        EXPECT_TRUE(contains(err.str(), "no se pudieron escribir")) << err.str();
    }
}

const std::string kTableHeader = "code,name,basicPoints,extendedDayPoints,fullDayPoints,"
                                 "differentiatedTaskPoints,complementPoints\n";

QString writeFile(const QTemporaryDir &folder, const char *name, const std::string &text)
{
    QFile file(folder.filePath(QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.fileName();
}

// Codes choose the rows of the table given, with its points; the built-in rows are not there.
TEST(CalcCommand, APositionsFileIsTheTableCodesChoose)
{
    QTemporaryDir folder;
    const QString table = writeFile(folder, "propia.csv",
                                    kTableHeader + "600,Cargo propio,1000,0,0,0,0\n" +
                                        "734,Asistente Social,2000,0,0,150,101\n");
    const std::string code600 = R"({"mode": "position", "position": {"code": "600"}})";
    const std::string code734 = R"({"mode": "position", "position": {"code": "734"}})";
    const struct {
        QStringList arguments;
        std::string input;
        int status;
        const char *inOut;
    } cases[] = {
        {{"--json"}, code600, kExitSuccess, R"("amount":"653")"},
        {{"--json"}, code734, kExitSuccess, R"("amount":"1306")"},
        {{"--json"}, code734, kExitSuccess, R"("points":"2000")"},
        {{"--json"},
         R"({"mode": "position", "position": {"code": "999"}})",
         kExitConversionFailed,
         R"("field":"position.basicPoints")"},
        {{"--batch"}, "[" + code600 + "," + code734 + "]", kExitSuccess, R"("amount":"1306")"},
        {{"--positions"}, "", kExitSuccess, "600,Cargo propio,1000,0,0,0,0,true\n734,"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " < " + c.input);
        const CommandRun result =
            run(QStringList{"--positions-file", table} + c.arguments, c.input);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_TRUE(contains(result.out, c.inOut)) << result.out;
    }
    const std::string listing = run({"--positions", "--positions-file", table}, "").out;
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 3); // the header, two rows
}

// A table with a fault calculates nothing; the message names the file, the line and the column.
TEST(CalcCommand, APositionsFileWithAFaultIsRefusedWhole)
{
    QTemporaryDir folder;
    const QString path = writeFile(folder, "repetida.csv",
                                   kTableHeader + "734,A,1500,0,0,150,101\n734,B,971,0,0,0,170\n");
    for (const QStringList &more : {QStringList{"--json"}, QStringList{"--positions"}}) {
        const CommandRun result = run(QStringList{"--positions-file", path} + more,
                                      R"({"mode": "position", "position": {"code": "734"}})");
        EXPECT_EQ(result.status, kExitConversionFailed);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(contains(result.err, "pagaluz-calc: tabla de cargos " + path.toStdString() +
                                             ": línea 3, columna 1 (code)"))
            << result.err;
    }
    const CommandRun missing = run({"--positions-file", folder.filePath("no-existe.csv")}, "{}");
    EXPECT_EQ(missing.status, kExitBadUsage);
    EXPECT_TRUE(contains(missing.err, "no se puede leer la tabla de cargos")) << missing.err;
}

} // namespace
