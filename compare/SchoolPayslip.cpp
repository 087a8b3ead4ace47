#include "SchoolPayslip.h"

#include "CalculatedCodes.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace pagaluz {

AmountColumn SchoolPayslipLine::columnOrGuess() const
{
    return column ? *column : columnOfCode(code);
}

bool SchoolPayslipLine::calculated() const
{
    return timesCalculationsWrite(code) > 0;
}

std::optional<RepeatedCode> findRepeatedCode(const std::vector<SchoolPayslipLine> &lines)
{
    std::unordered_map<std::string_view, std::vector<std::size_t>> seen;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        std::vector<std::size_t> &earlier = seen[lines[index].code];
        const auto allowed =
            static_cast<std::size_t>(std::max(1, timesCalculationsWrite(lines[index].code)));
        if (earlier.size() >= allowed)
            return RepeatedCode{index, earlier.back()};
        earlier.push_back(index);
    }
    return std::nullopt;
}

} // namespace pagaluz
