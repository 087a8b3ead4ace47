#include "PrintedQuantity.h"

#include "NumberText.h"

#include <cmath>
#include <variant>

namespace pagaluz {

namespace {

// Values this close are the same quantity: quantities carry at most a few decimals.
constexpr double kSameQuantity = 1e-9;

// The text without its trailing "%" and the blanks before it; whether it had one.
std::string_view withoutPercent(std::string_view text, bool &percent)
{
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    percent = !text.empty() && text.back() == '%';
    if (percent)
        text.remove_suffix(1);
    return text;
}

std::optional<double> number(std::string_view text, const DecimalConventions &conventions)
{
    const NumberRead<double> read = parseDouble(text, conventions);
    if (const double *value = std::get_if<double>(&read))
        return *value;
    return std::nullopt;
}

std::optional<PrintedQuantity> readOurQuantity(std::string_view text)
{
    bool percent = false;
    const std::string_view digits = withoutPercent(text, percent);
    for (const DecimalConventions &conventions :
         {DecimalConventions::comma(), DecimalConventions::point()})
        if (const std::optional<double> value = number(digits, conventions))
            return PrintedQuantity{*value, percent};
    return std::nullopt;
}

} // namespace

std::optional<PrintedQuantity> readPrintedQuantity(std::string_view text,
                                                   const DecimalConventions &conventions)
{
    bool percent = false;
    const std::string_view digits = withoutPercent(text, percent);
    const std::optional<double> value = number(digits, conventions);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return PrintedQuantity{*value, percent};
}

bool quantitiesEqual(std::string_view ours, std::string_view theirs,
                     const DecimalConventions &conventions)
{
    if (ours == theirs)
        return true;
    const std::optional<PrintedQuantity> our = readOurQuantity(ours);
    const std::optional<PrintedQuantity> their = readPrintedQuantity(theirs, conventions);
    if (!our || !their || (their->percent && !our->percent))
        return false;
    return std::abs(our->value - their->value) < kSameQuantity;
}

std::string quantityFaultText(std::string_view text)
{
    return "«" + std::string(text) + "» no es una cantidad";
}

} // namespace pagaluz
