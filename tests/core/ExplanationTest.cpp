#include "ExplanationCheck.h"
#include "ExplanationRecord.h"
#include "InputGenerator.h"
#include "PayTestSupport.h"

#include <gtest/gtest.h>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::workedExampleInputs;

// Every line and total of many payslips, in both conventions: each value is its operation
// applied exactly to its terms, the root is the amount, and explaining changes nothing.
TEST(Explanation, EveryValueIsItsOperationOverItsTermsForManyGeneratedInputs)
{
    for (const DecimalConventions &conventions :
         {DecimalConventions::comma(), DecimalConventions::point()}) {
        SCOPED_TRACE(conventions.decimalSeparator);
        const PayCalculator plain(conventions);
        const PayCalculator explaining(conventions, Explanations::Built);
        test::InputGenerator generator(1408, conventions.decimalSeparator);
        for (int i = 0; i < 1500; ++i) {
            SCOPED_TRACE(i);
            const PayInputs in = generator.next();
            const CalculationResult result = explaining.calculate(in);
            ASSERT_TRUE(result.succeeded()) << result.error().message;
            ASSERT_EQ(result.payslip(), plain.calculate(in).payslip());
            EXPECT_FALSE(plain.calculate(in).explanation());
            const Payslip &payslip = result.payslip();
            const PayslipExplanation &explanation = *result.explanation();
            ASSERT_EQ(explanation.lines.size(), payslip.lines().size());

            std::set<const ExplanationNode *> seen;
            for (std::size_t row = 0; row < payslip.lines().size(); ++row) {
                const PayslipLine &line = payslip.lines()[row];
                const ExplanationNode &root = *explanation.lines[row];
                EXPECT_EQ(root.value, Decimal::fromMoney(line.amount)) << line.code;
                EXPECT_EQ(root.lineCode, line.code);
                test::expectEvaluatesExactly(root, true, seen);
            }
            EXPECT_EQ(explanation.totalEarnings->value,
                      Decimal::fromMoney(payslip.totalEarnings()));
            EXPECT_EQ(explanation.totalDeductions->value,
                      Decimal::fromMoney(payslip.totalDeductions()));
            EXPECT_EQ(explanation.netPay->value, Decimal::fromMoney(payslip.netPay()));
            test::expectEvaluatesExactly(*explanation.netPay, true, seen);
            if (HasFailure())
                return;
        }
    }
}

struct ExplainedLine {
    const char *code;
    bool rounded;
    const char *sentence;
};

// The worked example under a decimal comma.
const ExplainedLine kWorkedExample[] = {
    {"001", false, "1500 (puntos básicos) × 0,653 (valor del punto)"},
    {"002", false, "101 (puntos de complemento básico) × 0,653 (valor del punto)"},
    {"016", false, "150 (puntos de tarea diferenciada) × 0,653 (valor del punto)"},
    {"010", false, "30 % de 1143,403 (base de antigüedad = 001 979,5 + 002 65,953 + 016 97,95)"},
    {"078", false, "40 % de 1143,403 (base de zona = 001 979,5 + 002 65,953 + 016 97,95)"},
    {"006", false,
     "193, de la tabla del código 06 para menos de 620 puntos de jornada completa (tiene 0): "
     "fila del tramo «Entre 5 y 7 años», columna de 1401 a 1942 puntos básicos (tiene 1500)"},
    {"014", false, "7 % de 193 (006 Adic. Art 2 y 3 Dcrto 5863/05)"},
    {"084", false,
     "incentivo de Nación: 110, importe fijo para un cargo con menos de 600 puntos de jornada "
     "completa (tiene 0)"},
    {"113", false,
     "importe del código 113: 100, fijo para un cargo con menos de 600 puntos de jornada "
     "completa (tiene 0)"},
    {"188", true,
     "7 % de 1943,7851 (base de productividad = 001 979,5 + 002 65,953 + 016 97,95 + "
     "010 343,0209 + 078 457,3612) = 136,064957, redondeado a 136,065"},
    {"502", true,
     "16 % de 2286,3601 (total remunerativo = 001 979,5 + 002 65,953 + 016 97,95 + "
     "010 343,0209 + 078 457,3612 + 006 193 + 014 13,51 + 188 136,065) = 365,817616, "
     "redondeado a 365,8176"},
};

TEST(Explanation, WorkedExampleLinesReadAsSentences)
{
    const CalculationResult result = PayCalculator(DecimalConventions::comma(), Explanations::Built)
                                         .calculate(workedExampleInputs());
    ASSERT_TRUE(result.succeeded());
    const PayslipExplanation &explanation = *result.explanation();
    ASSERT_EQ(explanation.lines.size(), std::size(kWorkedExample));
    for (std::size_t row = 0; row < explanation.lines.size(); ++row) {
        const ExplanationNode &root = *explanation.lines[row];
        EXPECT_EQ(root.lineCode, kWorkedExample[row].code);
        EXPECT_EQ(root.rounded, kWorkedExample[row].rounded) << root.lineCode;
        EXPECT_EQ(root.text, kWorkedExample[row].sentence);
    }
    EXPECT_EQ(explanation.lines[3]->terms.front()->name, "porcentaje de antigüedad");
    EXPECT_EQ(explanation.lines[9]->exactValue.text("."), "136.064957");
    EXPECT_EQ(explanation.netPay->text, "2496,3601 (Total Haberes) − 365,8176 (Total descuentos)");
    EXPECT_EQ(explanation.notes,
              std::vector<std::string>{
                  "No corresponde «Adic para mínimo» (172): el neto estimado, 1520,7561 = "
                  "1832,4889 (bruto estimado) − 311,7328 (aportes estimados), no es menor que "
                  "1290."});

    const CalculationResult point = PayCalculator(DecimalConventions::point(), Explanations::Built)
                                        .calculate(workedExampleInputs());
    EXPECT_EQ(point.explanation()->lines[3]->text,
              "30 % de 1143.403 (base de antigüedad = 001 979.5 + 002 65.953 + 016 97.95)");
}

struct NoteCase {
    const char *what;
    PayInputs inputs;
    const char *note;
};

// The lines a reader would look for and does not find are told why.
TEST(Explanation, NotesTellWhyALineIsMissing)
{
    const auto with = [](auto change) {
        PayInputs in = workedExampleInputs();
        change(in);
        return in;
    };
    const NoteCase cases[] = {
        {"no bracket", with([](PayInputs &in) { chooseSeniorityBracket(in, 0); }),
         "Sin «Antigüedad» (010): no se eligió el tramo de antigüedad."},
        {"bracket 1", with([](PayInputs &in) { chooseSeniorityBracket(in, 1); }),
         "Sin «Antigüedad» (010): el tramo «Menos de 1 año» no tiene adicional."},
        {"zone Común", with([](PayInputs &in) { in.zone = 0; }),
         "Sin «As. por zona» (078): la zona «Común» no tiene adicional."},
        {"no incentive", with([](PayInputs &in) { in.incentive = false; }),
         "Sin «Incentivo de Nación» (084): la casilla «Incentivo» no está marcada."},
        {"half days", with([](PayInputs &in) { in.absenceDays = "2,5"; }),
         "Las inasistencias (2,5 días) no descuentan: solo descuentan 1, 2, 3 o más de 3 días."},
        {"two children", with([](PayInputs &in) {
             in.children = true;
             in.childCount = "2";
         }),
         "Sin «Familia numerosa» (1003): 2 hijos en total; corresponde desde 3."},
        {"900 points", test::typedPositionInputs("900", "0"),
         "No corresponde «Adic para mínimo» (172): es para cargos de más de 900 puntos básicos, "
         "y este tiene 900."},
    };
    const PayCalculator calculator(DecimalConventions::comma(), Explanations::Built);
    for (const NoteCase &c : cases) {
        const CalculationResult result = calculator.calculate(c.inputs);
        ASSERT_TRUE(result.succeeded()) << c.what;
        const std::vector<std::string> &notes = result.explanation()->notes;
        EXPECT_NE(std::find(notes.begin(), notes.end(), c.note), notes.end()) << c.what;
    }
}

// A sum names a term by its line's code where the line was on the payslip when the sum was
// made, and by the term's name where the line came after, however late the sentence is written.
TEST(Explanation, ASentenceNamesATermsLineOnlyIfTheLineCameFirst)
{
    PayslipLine line;
    line.code = "001";
    line.conceptText = "Asign. de la categoría";
    for (const bool lineFirst : {true, false}) {
        SCOPED_TRACE(lineFirst);
        ExplanationRecord record(DecimalConventions::comma());
        const NodeId assignment = record.figure("asignación", Decimal::fromScaled(9795, 1), "");
        if (lineFirst)
            record.explainLine(line, assignment);
        const NodeId base =
            record.operation("base", Decimal::fromScaled(9815, 1), Operation::Sum,
                             {assignment, record.figure("puntos", Decimal::fromInteger(2), "")});
        if (!lineFirst)
            record.explainLine(line, assignment);
        record.explainTotals(base, base, base);
        const std::shared_ptr<const PayslipExplanation> explanation = record.explanation();
        EXPECT_EQ(explanation->totalEarnings->text,
                  lineFirst ? "001 979,5 + 2 (puntos)" : "979,5 (asignación) + 2 (puntos)");
        EXPECT_EQ(explanation->lines.front()->text, "asignación: 979,5");
    }
}

} // namespace
} // namespace pagaluz
