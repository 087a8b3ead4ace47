#include "CalculatedCodes.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace pagaluz {

namespace {

struct CalculatedCode {
    std::string_view code;
    AmountColumn column;
    int times;
};

constexpr AmountColumn kEarnings = AmountColumn::Earnings;
constexpr AmountColumn kDeductions = AmountColumn::Deductions;

// Every code a calculation writes (the tests check it against generated payslips).
constexpr std::array<CalculatedCode, 25> kCalculatedCodes{{
    {"001", kEarnings, 1},   {"002", kEarnings, 1},   {"006", kEarnings, 1},
    {"010", kEarnings, 1},   {"014", kEarnings, 1},   {"016", kEarnings, 1},
    {"029", kEarnings, 1},   {"052", kEarnings, 2},   {"078", kEarnings, 1},
    {"084", kEarnings, 1},   {"113", kEarnings, 1},   {"172", kEarnings, 1},
    {"188", kEarnings, 1},   {"1001", kEarnings, 1},  {"1002", kEarnings, 1},
    {"1003", kEarnings, 1},  {"1010", kEarnings, 1},  {"332", kDeductions, 1},
    {"440", kDeductions, 1}, {"502", kDeductions, 1}, {"504", kDeductions, 1},
    {"505", kDeductions, 1}, {"508", kDeductions, 1}, {"510", kDeductions, 1},
    {"512", kDeductions, 1},
}};

const CalculatedCode *findCode(std::string_view code)
{
    const auto found =
        std::find_if(kCalculatedCodes.begin(), kCalculatedCodes.end(),
                     [code](const CalculatedCode &known) { return known.code == code; });
    return found == kCalculatedCodes.end() ? nullptr : &*found;
}

} // namespace

int timesCalculationsWrite(std::string_view code)
{
    const CalculatedCode *known = findCode(code);
    return known ? known->times : 0;
}

AmountColumn columnOfCode(std::string_view code)
{
    if (const CalculatedCode *known = findCode(code))
        return known->column;
    int number = 0;
    const auto [end, error] = std::from_chars(code.data(), code.data() + code.size(), number);
    const bool numeric = error == std::errc() && end == code.data() + code.size();
    return numeric && number >= 300 && number <= 999 ? kDeductions : kEarnings;
}

} // namespace pagaluz
