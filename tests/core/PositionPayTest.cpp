#include "PayTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace pagaluz {
namespace {

using test::calculateOk;
using test::money;

struct ExpectedLine {
    const char *code;
    const char *conceptText;
    const char *quantity;
    const char *amountText;
};

struct PositionCase {
    const char *name;
    PayInputs inputs;
    std::vector<ExpectedLine> positionLines; // the lines before the supplements
    const char *workdaySupplements;
};

// The lines a position pays of its own, before the supplement "006".
std::vector<PayslipLine> positionLinesOf(const Payslip &payslip)
{
    std::vector<PayslipLine> lines;
    for (const PayslipLine &line : payslip.lines()) {
        if (line.code == "006")
            break;
        lines.push_back(line);
    }
    return lines;
}

TEST(PositionPay, PaysEachPositionLineFromItsPoints)
{
    const PositionCase cases[] = {
        {"734 Asistente Social",
         test::positionInputs("734"),
         {{"001", "Asign. de la categoría", "1", "$979,5"},
          {"002", "Comp. de Básico", "", "$ 65,953"},
          {"016", "Tarea diferenciada", "", "$ 97,95"}},
         "0"},
        {"817 Director 2da Anexo Albergue",
         test::positionInputs("817"),
         {{"001", "Asign. de la categoría", "1", "$1163,646"},
          {"002", "Comp. de Básico", "", "$ 41,792"},
          {"052", "Jornada completa", "", "$ 661,132"}},
         "661.132"},
        {"650 Coordinador De Acciones No Formales",
         test::positionInputs("650"),
         {{"001", "Asign. de la categoría", "1", "$1136,22"},
          {"002", "Comp. de Básico", "", "$ 45,71"},
          {"052", "Prol. de Jornada", "", "$ 591"}},
         "591"},
        {"999 without complement points",
         test::positionInputs("999"),
         {{"001", "Asign. de la categoría", "1", "$2054,338"}},
         "0"},
        {"typed full-day and prolongation points",
         test::typedPositionInputs("1000", "0", "300", "200"),
         {{"001", "Asign. de la categoría", "1", "$653"},
          {"052", "Jornada completa", "", "$ 236,4"},
          {"052", "Prol. de Jornada", "", "$ 157,6"}},
         "394"},
        {"points below one and complement below zero pay nothing",
         test::typedPositionInputs("1000", "-5", "0", "0,4", "-1"),
         {{"001", "Asign. de la categoría", "1", "$653"}},
         "0"},
        {"fractional complement points",
         test::typedPositionInputs("1000", "0,5", "0", "0", "0,5"),
         {{"001", "Asign. de la categoría", "1", "$653"},
          {"002", "Comp. de Básico", "", "$ 0,3265"},
          {"016", "Tarea diferenciada", "", "$ 0,3265"}},
         "0"},
    };
    for (const PositionCase &c : cases) {
        SCOPED_TRACE(c.name);
        const CalculationResult result = calculateOk(c.inputs);
        ASSERT_TRUE(result.succeeded());
        const std::vector<PayslipLine> lines = positionLinesOf(result.payslip());
        ASSERT_EQ(lines.size(), c.positionLines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].row, static_cast<int>(i));
            EXPECT_EQ(lines[i].code, c.positionLines[i].code);
            EXPECT_EQ(lines[i].conceptText, c.positionLines[i].conceptText);
            EXPECT_EQ(lines[i].quantity, c.positionLines[i].quantity);
            EXPECT_EQ(lines[i].amountText, c.positionLines[i].amountText);
            EXPECT_EQ(lines[i].column, AmountColumn::Earnings);
        }
        EXPECT_EQ(result.carryValues().workdaySupplements, money(c.workdaySupplements));
    }
}

TEST(PositionPay, CarriesThePointsAndAmountsOn)
{
    const CalculationResult result = calculateOk(test::positionInputs("734"));
    ASSERT_TRUE(result.succeeded());
    const CarryValues &carry = result.carryValues();
    EXPECT_EQ(carry.basicPoints, 1500);
    EXPECT_EQ(carry.fullDayPoints, 0);
    EXPECT_EQ(carry.extendedDayPoints, 0);
    EXPECT_EQ(carry.differentiatedTaskPoints, money("150"));
    EXPECT_EQ(carry.categoryAssignment, money("979.5"));
    EXPECT_EQ(carry.basicComplement, money("65.953"));
    EXPECT_EQ(carry.differentiatedTask, money("97.95"));
    EXPECT_EQ(carry.fullDayAmount, Money());
}

TEST(PositionPay, FillsThePositionHeader)
{
    const CalculationResult result = calculateOk(test::positionInputs("734"));
    ASSERT_TRUE(result.succeeded());
    const PayslipHeader &header = result.payslip().header;
    EXPECT_EQ(header.title, "Código del cargo");
    EXPECT_EQ(header.number, "734");
    EXPECT_EQ(header.points, "1500");
    EXPECT_EQ(header.name, "Asistente Social");
    EXPECT_TRUE(header.positionBoxes);
}

// "Puntaje" shows the basic points paid: those of the box "Puntos básicos".
TEST(PositionPay, TheHeaderShowsTheBasicPointsPaid)
{
    const struct {
        const char *label;
        const char *boxPoints; // the box "Puntos básicos", which is paid
        const char *header;
        const char *firstAmount;
    } cases[] = {
        {"a catalogue row", "971", "971", "$634,063"},
        {"after Salir sin datos", "0", "0", "$0"},
        {"no row, points given", "1500", "1500", "$979,5"},
        {"points with a fraction", "1500,5", "1500", "$979,5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        PayInputs in = test::typedPositionInputs(c.boxPoints, "0");
        const CalculationResult result = calculateOk(in);
        ASSERT_TRUE(result.succeeded());
        EXPECT_EQ(result.payslip().header.points, c.header);
        EXPECT_EQ(result.payslip().lines()[0].amountText, c.firstAmount);
    }
}

TEST(PositionPay, AmountsFollowTheLocaleButNotTheirValues)
{
    const CalculationResult comma = calculateOk(test::positionInputs("817"));
    const CalculationResult point =
        calculateOk(test::positionInputs("817"), DecimalConventions::point());
    ASSERT_TRUE(comma.succeeded() && point.succeeded());
    EXPECT_EQ(point.payslip().lines()[0].amountText, "$1163.646");
    EXPECT_EQ(point.payslip().totalEarnings(), comma.payslip().totalEarnings());
}

} // namespace
} // namespace pagaluz
