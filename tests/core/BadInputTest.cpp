#include "PayTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace pagaluz {
namespace {

struct BadInputCase {
    const char *name;
    std::function<PayInputs()> inputs;
    InputField field;
    std::string messagePart;
};

PayInputs secondary(std::function<void(PayInputs &)> change)
{
    PayInputs in = test::secondaryHoursInputs("10");
    change(in);
    return in;
}

PayInputs position(std::function<void(PayInputs &)> change)
{
    PayInputs in = test::positionInputs("734");
    change(in);
    return in;
}

// Every way a field can be wrong gives a conversion error naming the field
// by its label, and no payslip.
TEST(BadInput, IsRefusedNamingTheField)
{
    using F = InputField;
    const BadInputCase cases[] = {
        {"empty hours", [] { return test::secondaryHoursInputs(""); }, F::SecondaryHours,
         "Número de horas N. Medio: el campo está vacío"},
        {"blank hours", [] { return test::higherHoursInputs("   "); }, F::HigherHours, "vacío"},
        {"letters", [] { return test::secondaryHoursInputs("diez"); }, F::SecondaryHours,
         "\"diez\" no es un número"},
        {"two separators", [] { return test::secondaryHoursInputs("1,2,3"); }, F::SecondaryHours,
         "no es un número"},
        {"other locale's separator", [] { return test::secondaryHoursInputs("2.5"); },
         F::SecondaryHours, "no es un número"},
        {"exponent", [] { return test::secondaryHoursInputs("1e400"); }, F::SecondaryHours,
         "no es un número"},
        {"nan", [] { return test::secondaryHoursInputs("nan"); }, F::SecondaryHours,
         "no es un número"},
        {"inf", [] { return test::secondaryHoursInputs("inf"); }, F::SecondaryHours,
         "no es un número"},
        {"negative hours", [] { return test::secondaryHoursInputs("-1"); }, F::SecondaryHours,
         "negativo"},
        {"negative code-06 hours",
         [] { return secondary([](PayInputs &in) { in.code06Hours = "-2"; }); }, F::Code06Hours,
         "Número de horas con código 06: \"-2\" es negativo"},
        {"negative incentive hours",
         [] { return secondary([](PayInputs &in) { in.incentiveHours = "-0,5"; }); },
         F::IncentiveHours, "negativo"},
        {"letters in code-113 hours",
         [] { return secondary([](PayInputs &in) { in.code113Hours = "x"; }); }, F::Code113Hours,
         "no es un número"},
        {"hours beyond every amount",
         [] { return test::secondaryHoursInputs("1" + std::string(20, '0')); }, F::SecondaryHours,
         "excede el máximo"},
        {"hours whose supplements overflow",
         [] {
             PayInputs in = test::secondaryHoursInputs("10000000000000");
             chooseSeniorityBracket(in, 12);
             in.zone = 4;
             return in;
         },
         F::SecondaryHours, "excede el máximo"},
        {"basic points beyond 16 bits",
         [] { return position([](PayInputs &in) { in.position.basicPoints = "32768"; }); },
         F::BasicPoints,
         "Puntos básicos: \"32768\" está fuera del rango permitido (de 0 a 32767)."},
        {"negative basic points, with absences",
         [] {
             return position([](PayInputs &in) {
                 in.position.basicPoints = "-1000";
                 in.absenceDays = "3";
             });
         },
         F::BasicPoints, "es negativo"},
        {"unknown position", [] { return test::positionInputs("123"); }, F::BasicPoints,
         "no hay un cargo elegido"},
        {"basic points erased",
         [] { return position([](PayInputs &in) { in.position.basicPoints = ""; }); },
         F::BasicPoints, "no hay un cargo elegido"},
        {"full-day points",
         [] { return position([](PayInputs &in) { in.position.fullDayPoints = "a"; }); },
         F::FullDayPoints, "Jorn. completa"},
        {"prolongation points",
         [] { return position([](PayInputs &in) { in.position.extendedDayPoints = "70000"; }); },
         F::ExtendedDayPoints, "Prol. de jornada"},
        {"differentiated-task points beyond money",
         [] {
             return position([](PayInputs &in) {
                 in.position.differentiatedTaskPoints = "1" + std::string(19, '0');
             });
         },
         F::DifferentiatedTaskPoints, "Tarea diferenc."},
        {"complement points beyond every amount",
         [] {
             return position(
                 [](PayInputs &in) { in.position.complementPoints = "1" + std::string(16, '0'); });
         },
         F::ComplementPoints, "Comp básico"},
        {"complement points whose supplements overflow",
         [] {
             return position([](PayInputs &in) {
                 in.position.complementPoints = "1" + std::string(14, '0');
                 chooseSeniorityBracket(in, 12);
                 in.zone = 4;
             });
         },
         F::ComplementPoints, "excede el máximo"},
        {"days not a number",
         [] { return secondary([](PayInputs &in) { in.absenceDays = "dos"; }); }, F::AbsenceDays,
         "no es un número"},
        {"negative days", [] { return secondary([](PayInputs &in) { in.absenceDays = "-1"; }); },
         F::AbsenceDays, "negativo"},
        {"kilometres beyond 16 bits",
         [] {
             return secondary([](PayInputs &in) {
                 in.transport = true;
                 in.transportKm = "40000";
             });
         },
         F::TransportKm,
         "Transporte (km semanales): \"40000\" está fuera del rango permitido (de 0 a 32767)."},
        {"negative kilometres",
         [] {
             return secondary([](PayInputs &in) {
                 in.transport = true;
                 in.transportKm = "-10";
             });
         },
         F::TransportKm, "negativo"},
        {"children beyond 255",
         [] {
             return secondary([](PayInputs &in) {
                 in.children = true;
                 in.childCount = "256";
             });
         },
         F::ChildCount, "Hijos: \"256\" está fuera del rango permitido (de 0 a 255)"},
        {"negative children",
         [] {
             return secondary([](PayInputs &in) {
                 in.children = true;
                 in.childCount = "-1";
             });
         },
         F::ChildCount, "negativo"},
        {"82 children with a disability",
         [] {
             return secondary([](PayInputs &in) {
                 in.disabledChildren = true;
                 in.disabledChildCount = "82";
             });
         },
         F::DisabledChildCount, "como máximo 81"},
        {"family beyond 255",
         [] {
             return secondary([](PayInputs &in) {
                 in.children = in.disabledChildren = true;
                 in.childCount = "200";
                 in.disabledChildCount = "60";
             });
         },
         F::ChildCount, "suman más de 255"},
        {"first field read wins",
         [] {
             return secondary([](PayInputs &in) {
                 in.code113Hours = "x";
                 in.code06Hours = "y";
                 in.absenceDays = "z";
             });
         },
         F::Code06Hours, "\"y\""},
        {"long text is shortened in the message",
         [] { return test::secondaryHoursInputs(std::string(1000, 'a')); }, F::SecondaryHours,
         "\"" + std::string(30, 'a') + "…\" no es"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CalculationResult result =
            PayCalculator(DecimalConventions::comma()).calculate(c.inputs());
        ASSERT_FALSE(result.succeeded());
        const CalculationError &error = result.error();
        EXPECT_EQ(error.kind, CalculationError::Kind::Conversion);
        ASSERT_TRUE(error.field.has_value());
        EXPECT_EQ(*error.field, c.field);
        EXPECT_NE(error.message.find(c.messagePart), std::string::npos) << error.message;
        EXPECT_EQ(error.message.rfind(inputFieldLabel(c.field), 0), 0u) << error.message;
    }
}

// Counts read only when their box is ticked: nonsense in an unticked box is
// never read; in position mode the hour boxes are never read.
TEST(BadInput, TextsOfUnreadBoxesAreHarmless)
{
    PayInputs in = test::positionInputs("734");
    in.secondaryHoursText = in.higherHours = in.code06Hours = "x";
    in.incentiveHours = in.code113Hours = "";
    in.transportKm = in.childCount = in.disabledChildCount = "no";
    EXPECT_TRUE(PayCalculator().calculate(in).succeeded());

    PayInputs hours = test::secondaryHoursInputs("10");
    hours.higherHours = "x";
    hours.position.basicPoints = "x";
    EXPECT_TRUE(PayCalculator().calculate(hours).succeeded());
}

} // namespace
} // namespace pagaluz
