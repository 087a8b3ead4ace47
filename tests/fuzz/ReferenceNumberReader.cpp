#include "ReferenceNumberReader.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace pagaluz::fuzz {

namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr std::string_view kBlanks = " \t";

bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// One group of a grouped whole part: the first of one to three digits, the
// others of exactly three.
bool isGroup(std::string_view piece, bool first)
{
    const bool sizeFits = first ? (piece.size() >= 1 && piece.size() <= 3) : piece.size() == 3;
    return sizeFits && allDigits(piece);
}

bool readWholePart(std::string_view whole, std::string_view group, std::string &digits)
{
    if (group.empty() || whole.find(group) == std::string_view::npos) {
        digits = whole;
        return allDigits(whole);
    }
    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t end = whole.find(group, start);
        const std::string_view piece = whole.substr(start, end - start);
        if (!isGroup(piece, first))
            return false;
        digits += piece;
        if (end == std::string_view::npos)
            return true;
        start = end + group.size();
    }
}

std::string_view withoutBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view withoutLeadingZeros(std::string_view digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view{} : digits.substr(first);
}

// Whether the digits after the fourth decimal round the count up, half to even.
bool roundsUp(std::string_view rest, Wide count)
{
    if (rest.empty() || rest[0] < '5')
        return false;
    if (rest[0] > '5' || rest.find_first_not_of('0', 1) != std::string_view::npos)
        return true;
    return count % 2 == 1;
}

} // namespace

NumberRead<ReferenceDigits> referenceDigits(std::string_view text, const DecimalConventions &conv)
{
    std::string_view body = withoutBlanks(text);
    if (body.empty())
        return NumberTextFailure::Empty;
    ReferenceDigits digits;
    if (body.front() == '-' || body.front() == '+') {
        digits.negative = body.front() == '-';
        body.remove_prefix(1);
    }
    const std::size_t separator = body.find(conv.decimalSeparator);
    if (separator != std::string_view::npos) {
        const std::string_view fraction = body.substr(separator + conv.decimalSeparator.size());
        if (!allDigits(fraction))
            return NumberTextFailure::NotANumber;
        digits.fraction = fraction;
    }
    if (!readWholePart(body.substr(0, separator), conv.groupSeparator, digits.whole))
        return NumberTextFailure::NotANumber;
    if (digits.whole.empty() && digits.fraction.empty())
        return NumberTextFailure::NotANumber;
    return digits;
}

NumberRead<double> referenceDouble(std::string_view text, const DecimalConventions &conv)
{
    const NumberRead<ReferenceDigits> read = referenceDigits(text, conv);
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return *failure;
    const ReferenceDigits &digits = std::get<ReferenceDigits>(read);
    const std::string plain = (digits.negative ? "-" : "") +
                              (digits.whole.empty() ? std::string("0") : digits.whole) + "." +
                              (digits.fraction.empty() ? std::string("0") : digits.fraction);
    errno = 0;
    const double value = std::strtod(plain.c_str(), nullptr);
    // strtod rounds correctly; ERANGE with a finite value is an underflow,
    // whose result is still the nearest double.
    if (errno == ERANGE && std::isinf(value))
        return NumberTextFailure::OutOfRange;
    return value;
}

NumberRead<std::int64_t> referenceWhole(std::string_view text, const DecimalConventions &conv,
                                        std::int64_t lowest, std::int64_t highest)
{
    const NumberRead<double> read = referenceDouble(text, conv);
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return *failure;
    // Half to even is symmetric: round the magnitude, whose fraction is exact.
    const double value = std::get<double>(read);
    double whole = std::floor(std::fabs(value));
    const double above = std::fabs(value) - whole;
    if (above > 0.5 || (above == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (value < 0)
        whole = -whole;
    if (whole < static_cast<double>(lowest) || whole > static_cast<double>(highest))
        return NumberTextFailure::OutOfRange;
    return static_cast<std::int64_t>(whole);
}

NumberRead<std::int64_t> referenceTenThousandths(std::string_view text,
                                                 const DecimalConventions &conv)
{
    const NumberRead<ReferenceDigits> read = referenceDigits(text, conv);
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return *failure;
    const ReferenceDigits &digits = std::get<ReferenceDigits>(read);
    const std::string_view whole = withoutLeadingZeros(digits.whole);
    if (whole.size() > 16) // 10^16 units are far beyond 64 bits of ten-thousandths
        return NumberTextFailure::OutOfRange;
    const std::string fraction = digits.fraction + "0000";
    Wide count = 0;
    for (char c : std::string(whole) + fraction.substr(0, 4))
        count = count * 10 + static_cast<unsigned>(c - '0');
    const std::string_view rest =
        std::string_view(digits.fraction).substr(std::min<std::size_t>(4, digits.fraction.size()));
    if (roundsUp(rest, count))
        ++count;
    const Wide largest = static_cast<Wide>(std::numeric_limits<std::int64_t>::max());
    if (count > largest + (digits.negative ? 1 : 0))
        return NumberTextFailure::OutOfRange;
    if (!digits.negative)
        return static_cast<std::int64_t>(count);
    return count == largest + 1 ? std::numeric_limits<std::int64_t>::min()
                                : -static_cast<std::int64_t>(count);
}

} // namespace pagaluz::fuzz
