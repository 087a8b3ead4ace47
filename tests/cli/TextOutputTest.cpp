#include "TextOutput.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace pagaluz;

TEST(TextOutput, PayslipTableAlignsItsColumnsByCharacters)
{
    Payslip payslip(DecimalConventions::comma());
    payslip.header = {"Cantidad de horas", "20", "1294", "Horas de nivel medio", false};
    payslip.teacherName = "Ana Núñez";
    payslip.appendEarningsLine("001", "Hs. N. Medio", "20", Money::fromTenThousandths(8449820),
                               Payslip::kFirstLinePrefix);
    payslip.appendEarningsLine("010", "Antigüedad", "120 %", Money::fromTenThousandths(10139784));
    payslip.appendDeductionLine("512", "Caja Comp.", "4,5 %", Money::fromTenThousandths(456300));
    payslip.setTotals(Money::fromTenThousandths(18589604), Money::fromTenThousandths(456300));

    std::ostringstream out;
    writePayslipTable(payslip, "3/5/25", out);

    EXPECT_EQ(out.str(), "Cantidad de horas: 20\n"
                         "Puntaje: 1294\n"
                         "Horas de nivel medio\n"
                         "\n"
                         "Código  Cantidad  Concepto      Haberes      Descuentos\n"
                         "001     20        Hs. N. Medio  $844,982\n"
                         "010     120 %     Antigüedad    $ 1013,9784\n"
                         "512     4,5 %     Caja Comp.                 $ 45,63\n"
                         "\n"
                         "Total Haberes      $ 1858,9604\n"
                         "Total descuentos   $ 45,63\n"
                         "Liquido a pagar    $ 1813,3304\n"
                         "\n"
                         "Recibo de sueldos de: Ana Núñez\n"
                         "Fecha: 3/5/25\n");
}

TEST(TextOutput, CsvFieldsAreQuotedOnlyWhenTheyMustBe)
{
    struct FieldCase {
        const char *text, *expected;
    };
    const FieldCase cases[] = {
        {"734", "734"},
        {"Asistente Social", "Asistente Social"},
        {"", ""},
        {"Maestro, grado", "\"Maestro, grado\""},
        {"Director Parque Escolar \"E. Berduc\"", "\"Director Parque Escolar \"\"E. Berduc\"\"\""},
        {"dos\nrenglones", "\"dos\nrenglones\""},
        {"fin\r", "\"fin\r\""},
        {"Categoría ", "\"Categoría \""},
        {" Categoría", "\" Categoría\""},
    };
    for (const FieldCase &c : cases)
        EXPECT_EQ(csvField(c.text), c.expected) << c.text;
}

// Without its last column, "verified", the listing is a table file of the same rows.
TEST(TextOutput, PositionsCsvIsATableFileWithVerifiedAppended)
{
    const PositionCatalogue &catalogue = PositionCatalogue::builtIn();
    std::ostringstream out;
    writePositionsCsv(catalogue, out);
    std::istringstream lines(out.str());
    std::string table;
    std::vector<bool> verified;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t comma = line.rfind(',');
        table += line.substr(0, comma) + '\n';
        verified.push_back(line.substr(comma + 1) == "true");
        EXPECT_TRUE(verified.back() || line.substr(comma + 1) == "false" || verified.size() == 1)
            << line;
    }
    EXPECT_EQ(out.str().substr(0, out.str().find('\n')),
              "code,name,basicPoints,extendedDayPoints,fullDayPoints,differentiatedTaskPoints,"
              "complementPoints,verified");
    EXPECT_NE(out.str().find("\n736,\"Director Parque Escolar \"\"E. Berduc\"\"\",1745,0,0,0,67,"
                             "false\n"),
              std::string::npos);
    const PositionCatalogue readBack = PositionCatalogue::fromCsv(table);
    ASSERT_EQ(readBack.size(), catalogue.size());
    ASSERT_EQ(verified.size(), static_cast<std::size_t>(catalogue.size()) + 1);
    for (int row = 0; row < catalogue.size(); ++row) {
        PositionRecord expected = catalogue.row(row);
        EXPECT_EQ(verified[static_cast<std::size_t>(row) + 1], expected.verified) << expected.code;
        expected.verified = true; // every row of a table file is
        EXPECT_EQ(readBack.row(row), expected);
    }
}

} // namespace
