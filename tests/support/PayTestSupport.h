#pragma once

// Helpers shared by the calculation tests: exact amounts from decimal text,
// inputs for the usual cases, and finding lines of a payslip.

#include "NumberText.h"
#include "PayCalculator.h"
#include "PayInputs.h"
#include "PositionCatalogue.h"
#include "SelectedPositionFromCatalogue.h"
#include "SeniorityAndZone.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>

namespace pagaluz::test {

// An exact amount written with a decimal point, e.g. money("343.0209").
inline Money money(std::string_view text)
{
    const NumberRead<Money> read = parseMoney(text, DecimalConventions::point());
    if (!std::holds_alternative<Money>(read))
        throw std::invalid_argument("not an amount: " + std::string(text));
    return std::get<Money>(read);
}

// Inputs paying the catalogue position `code`, as after typing the code and
// pressing "Listo".
inline PayInputs positionInputs(std::string_view code)
{
    PayInputs in;
    in.positionChosen = true;
    in.position = selectPositionByCode(PositionCatalogue::builtIn(), code);
    return in;
}

// Inputs paying a position whose point boxes hold the given texts.
inline PayInputs typedPositionInputs(std::string basic, std::string complement,
                                     std::string fullDay = "0", std::string extended = "0",
                                     std::string differentiated = "0")
{
    PayInputs in;
    in.positionChosen = true;
    in.position = {"",
                   "Cargo de prueba",
                   basic,
                   std::move(complement),
                   std::move(fullDay),
                   std::move(extended),
                   std::move(differentiated)};
    return in;
}

inline PayInputs secondaryHoursInputs(std::string hours)
{
    PayInputs in;
    in.secondaryHoursChosen = true;
    in.secondaryHoursText = std::move(hours);
    return in;
}

inline PayInputs higherHoursInputs(std::string hours)
{
    PayInputs in;
    in.higherHoursChosen = true;
    in.higherHours = std::move(hours);
    return in;
}

// The usual example: position 734, "Entre 5 y 7 años", "Desfavorable",
// incentive on, pension contribution; eleven lines.
inline PayInputs workedExampleInputs()
{
    PayInputs in = positionInputs("734");
    chooseSeniorityBracket(in, 4);
    in.zone = 2;
    in.deductionsChosen.pension = true;
    return in;
}

// Calculates with a decimal comma (the default) or the given conventions;
// fails the test when no payslip results.
inline CalculationResult calculateOk(const PayInputs &in,
                                     const DecimalConventions &conv = DecimalConventions::comma())
{
    CalculationResult result = PayCalculator(conv).calculate(in);
    if (!result.succeeded())
        ADD_FAILURE() << "calculation failed: " << result.error().message;
    return result;
}

// The first line with `code` (and `conceptText` when given), or nullptr.
inline const PayslipLine *findLine(const Payslip &payslip, std::string_view code,
                                   std::string_view conceptText = {})
{
    for (const PayslipLine &line : payslip.lines())
        if (line.code == code && (conceptText.empty() || line.conceptText == conceptText))
            return &line;
    return nullptr;
}

// The codes of all lines, in order, joined by blanks: "001 002 016 ...".
inline std::string codesOf(const Payslip &payslip)
{
    std::string codes;
    for (const PayslipLine &line : payslip.lines())
        codes += (codes.empty() ? "" : " ") + line.code;
    return codes;
}

} // namespace pagaluz::test
