// The scale file the sources ship, the scale files pagaluz-calc writes, and the files the
// reader refuses.
#include "InputGenerator.h"
#include "PayTestSupport.h"
#include "ScaleReader.h"
#include "ScaleWriter.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace pagaluz {
namespace {

std::string shippedScaleText()
{
    std::ifstream in(PAGALUZ_BUILT_IN_SCALE, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every sentence of an explanation, depth first.
void appendSentences(const ExplanationPtr &node, std::string &out)
{
    out += node->text;
    out += '\n';
    for (const ExplanationPtr &term : node->terms)
        appendSentences(term, out);
}

std::string sentences(const PayslipExplanation &explanation)
{
    std::string out;
    for (const ExplanationPtr &line : explanation.lines)
        appendSentences(line, out);
    appendSentences(explanation.netPay, out);
    for (const std::string &note : explanation.notes)
        out += note + "\n";
    return out;
}

// Every line and total of the payslips of `scale` and of the built-in scale, and their
// explanations, are the same for the worked example and a few hundred generated inputs.
void expectSameCalculations(const PayScale &scale)
{
    const PayCalculator builtIn(DecimalConventions::comma(), Explanations::Built);
    const PayCalculator read(DecimalConventions::comma(), Explanations::Built, scale);
    test::InputGenerator generator(23);
    std::vector<PayInputs> inputs{test::workedExampleInputs()};
    for (int i = 0; i < 400; ++i)
        inputs.push_back(generator.next());
    for (const PayInputs &in : inputs) {
        const CalculationResult expected = builtIn.calculate(in);
        const CalculationResult actual = read.calculate(in);
        ASSERT_EQ(actual.succeeded(), expected.succeeded());
        if (!expected.succeeded())
            continue;
        EXPECT_EQ(actual.payslip().lines(), expected.payslip().lines());
        EXPECT_EQ(actual.payslip().netPay(), expected.payslip().netPay());
        EXPECT_EQ(sentences(*actual.explanation()), sentences(*expected.explanation()));
    }
}

TEST(ScaleFile, TheShippedFileCalculatesAsTheBuiltInScale)
{
    const PayScale scale = readPayScale(shippedScaleText());
    EXPECT_EQ(scale.period.title, "Haberes Agosto 08");
    EXPECT_EQ(scale.validFrom, "2008-08-01");
    expectSameCalculations(scale);
}

TEST(ScaleFile, AWrittenScaleReadsBackAsTheSameScaleAndIsWrittenAlike)
{
    const std::string written = scaleFileText(PayScale::builtIn());
    const PayScale reread = readPayScale(written);
    expectSameCalculations(reread);
    EXPECT_EQ(scaleFileText(reread), written);
}

TEST(ScaleFile, ANewPointValueIsCitedWithTheScalesName)
{
    std::string text = shippedScaleText();
    text.replace(text.find("valor_del_punto = 0.653"), 23, "valor_del_punto = 0.700");
    text.replace(text.find("Haberes Agosto 08"), 17, "Haberes Marzo 09");
    const PayScale scale = readPayScale(text);
    const CalculationResult result =
        PayCalculator(DecimalConventions::comma(), Explanations::Built, scale)
            .calculate(test::workedExampleInputs());
    ASSERT_TRUE(result.succeeded());
    const std::string explained = sentences(*result.explanation());
    EXPECT_NE(explained.find("valor del punto: 0,7, de la escala «Haberes Marzo 09»"),
              std::string::npos)
        << explained;
}

// The shipped file with `from` (the first time it occurs) replaced by `to`.
std::string changed(const std::string &from, const std::string &to)
{
    std::string text = shippedScaleText();
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(ScaleFile, EachFaultIsRefusedWholeWithItsPlaceAndKey)
{
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {changed("valor_del_punto = 0.653\n", ""), "(cargos.valor_del_punto): falta esta clave"},
        {changed("valor_del_punto = 0.653", "valor_del_punto = 0.653\nvalor_del_puntto = 1"),
         "columna 1 (cargos.valor_del_puntto): clave desconocida"},
        {changed("valor_del_punto = 0.653", "valor_del_punto = \"0.653\""),
         "(cargos.valor_del_punto): debe ser un número"},
        {changed("tasa = 0.03", "tasa = -0.03"),
         "(descuentos.iosper.tasa): debe estar entre 0 y 1"},
        {changed("conyuge = 15", "conyuge = 15.00001"),
         "(familia.conyuge): un importe tiene a lo sumo cuatro decimales"},
        {changed("neto_garantizado = 1290", "neto_garantizado = 1e300"),
         "(minimo_garantizado.neto_garantizado): debe estar entre 0 y 1000000"},
        {changed("porcentaje = 30", "porcentaje = 300"),
         "(antiguedad[4].porcentaje): debe estar entre 15 y 250"},
        {changed("porcentaje = 40", "porcentaje = 12"),
         "(antiguedad[5].porcentaje): menor que el del tramo anterior"},
        {changed("  [0, 0],\n", ""), "(codigo_06.jornada_completa): debe tener 13 filas"},
        {changed("[160, 80, 0, 0, 0, 0],", "[160, 80, 0, 0, 0],"),
         "(codigo_06.media_jornada): cada fila debe tener 6 números enteros"},
        {changed("[971, 1169,", "[1169, 971,"),
         "(codigo_06.limites_de_puntos_basicos): los límites van de menor a mayor"},
        {changed("nombre = \"Haberes Agosto 08\"",
                 "nombre = \"Haberes de Agosto de 2.008, con el aumento de julio\""),
         "línea 10, columna 10 (nombre): debe tener entre 1 y 40 caracteres"},
        {changed("nombre = \"Haberes Agosto 08\"", "nombre = \"Haberes\\u001b[2J\""),
         "(nombre): un texto no lleva caracteres de control"},
        {changed("vigente_desde = 2008-08-01", "vigente_desde = \"agosto\""),
         "(vigente_desde): debe ser una fecha"},
        {changed("importe_por_hijo_con_discapacidad = 400",
                 "importe_por_hijo_con_discapacidad = 0"),
         "(familia.importe_por_hijo_con_discapacidad): debe estar entre 1 y 30000"},
        {changed("[cargos]", "[cargos"), "línea 18, columna"},
        {"", "(nombre): falta esta clave"},
    };
    for (const auto &c : cases) {
        try {
            readPayScale(c.text);
            ADD_FAILURE() << "accepted, expected " << c.message;
        } catch (const ScaleRefused &refused) {
            EXPECT_NE(std::string(refused.what()).find(c.message), std::string::npos)
                << refused.what() << "\n  expected: " << c.message;
            EXPECT_EQ(std::string(refused.what()).rfind("línea ", 0), 0u) << refused.what();
        }
    }
}

} // namespace
} // namespace pagaluz
