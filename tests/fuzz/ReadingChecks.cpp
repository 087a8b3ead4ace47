#include "ReadingChecks.h"

#include "Describe.h"
#include "FuzzCheck.h"
#include "NumberText.h"
#include "ReferenceNumberReader.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

namespace pagaluz::fuzz {

namespace {

std::string failureName(NumberTextFailure failure)
{
    switch (failure) {
    case NumberTextFailure::Empty:
        return "Empty";
    case NumberTextFailure::NotANumber:
        return "NotANumber";
    case NumberTextFailure::OutOfRange:
        return "OutOfRange";
    }
    return "unknown failure";
}

std::string valueText(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string valueText(Money value)
{
    return std::to_string(value.tenThousandths()) + " ten-thousandths";
}

template <typename Integer> std::string valueText(Integer value)
{
    return std::to_string(static_cast<long long>(value));
}

template <typename T> std::string readText(const NumberRead<T> &read)
{
    if (const auto *failure = std::get_if<NumberTextFailure>(&read))
        return failureName(*failure);
    return valueText(std::get<T>(read));
}

// Doubles must be the same bits: the nearest double is one value, sign of zero included.
bool sameValue(double actual, double expected)
{
    return std::bit_cast<std::uint64_t>(actual) == std::bit_cast<std::uint64_t>(expected);
}

bool sameValue(Money actual, std::int64_t expected)
{
    return actual.tenThousandths() == expected;
}

template <typename Integer> bool sameValue(Integer actual, std::int64_t expected)
{
    return static_cast<std::int64_t>(actual) == expected;
}

template <typename Actual, typename Expected>
bool agrees(const NumberRead<Actual> &actual, const NumberRead<Expected> &expected)
{
    if (const auto *failure = std::get_if<NumberTextFailure>(&expected)) {
        const auto *actualFailure = std::get_if<NumberTextFailure>(&actual);
        return actualFailure != nullptr && *actualFailure == *failure;
    }
    const auto *value = std::get_if<Actual>(&actual);
    return value != nullptr && sameValue(*value, std::get<Expected>(expected));
}

template <typename Actual, typename Expected>
void checkAgrees(std::string_view reader, std::string_view text, const DecimalConventions &conv,
                 const NumberRead<Actual> &actual, const NumberRead<Expected> &expected)
{
    if (agrees(actual, expected))
        return;
    fail(std::string(reader) + " of " + quotedBytes(text) + " with " + describeConventions(conv) +
         " gave " + readText(actual) + ", the reference reader " + readText(expected));
}

} // namespace

void checkReadersAgree(std::string_view text, const DecimalConventions &conv)
{
    checkAgrees("parseDouble", text, conv, parseDouble(text, conv), referenceDouble(text, conv));
    checkAgrees("parseInt16", text, conv, parseInt16(text, conv),
                referenceWhole(text, conv, std::numeric_limits<std::int16_t>::min(),
                               std::numeric_limits<std::int16_t>::max()));
    checkAgrees("parseUInt8", text, conv, parseUInt8(text, conv),
                referenceWhole(text, conv, 0, std::numeric_limits<std::uint8_t>::max()));
    checkAgrees("parseMoney", text, conv, parseMoney(text, conv),
                referenceTenThousandths(text, conv));
}

} // namespace pagaluz::fuzz
