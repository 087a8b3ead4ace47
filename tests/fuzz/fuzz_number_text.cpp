// Fuzz target: reading and writing numbers in the user's decimal conventions.
//
// The input is the text of a box. It is read with parseDouble, parseInt16,
// parseUInt8 and parseMoney under each convention and compared with the
// reference reader; every amount and double read is written again and read
// back. The first eight bytes, taken as a 64-bit count of ten-thousandths and
// as the bits of a double, are written and read back too.

#include "NumberText.h"
#include "ReadingChecks.h"
#include "WritingChecks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

using pagaluz::DecimalConventions;

const std::array<DecimalConventions, 4> &conventionsToTry()
{
    static const std::array<DecimalConventions, 4> conventions{
        DecimalConventions::comma(), DecimalConventions::point(),
        DecimalConventions{",", "\u202f"},      // a narrow no-break space groups digits
        DecimalConventions{"\u066b", "\u066c"}, // Arabic decimal and group separators
    };
    return conventions;
}

void checkWhatWasRead(std::string_view text, const DecimalConventions &conv)
{
    const auto money = pagaluz::parseMoney(text, conv);
    if (const auto *amount = std::get_if<pagaluz::Money>(&money))
        pagaluz::fuzz::checkAmountText(*amount, conv);
    const auto number = pagaluz::parseDouble(text, conv);
    if (const auto *value = std::get_if<double>(&number))
        pagaluz::fuzz::checkPlainNumber(*value, conv);
}

void checkRawValues(const std::uint8_t *data, std::size_t size, const DecimalConventions &conv)
{
    if (size < 8)
        return;
    std::int64_t count = 0;
    std::memcpy(&count, data, sizeof count);
    pagaluz::fuzz::checkAmountText(pagaluz::Money::fromTenThousandths(count), conv);
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    pagaluz::fuzz::checkPlainNumber(value, conv);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const DecimalConventions &conv : conventionsToTry()) {
        pagaluz::fuzz::checkReadersAgree(text, conv);
        checkWhatWasRead(text, conv);
        checkRawValues(data, size, conv);
    }
    return 0;
}
