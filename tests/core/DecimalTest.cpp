#include "Decimal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace pagaluz {
namespace {

Decimal decimal(const char *text)
{
    const std::optional<Decimal> read = Decimal::fromText(text);
    if (!read)
        throw std::invalid_argument(text);
    return *read;
}

struct ArithmeticCase {
    const char *a;
    char operation;
    const char *b;
    const char *expected;
};

TEST(Decimal, AddsSubtractsAndMultipliesExactly)
{
    const ArithmeticCase cases[] = {
        {"979.5", '+', "65.953", "1045.453"},
        {"0.1", '-', "0.3", "-0.2"},
        {"1500", '*', "0.653", "979.5"},
        {"2286.3601", '*', "0.16", "365.817616"},
        {"-2", '*', "0.5", "-1"},
        {"100000", '*', "1000", "100000000"},
        {"0.0001", '-', "0.0001", "0"},
        {"922337203685477.5807", '+', "0.0001", "922337203685477.5808"},
    };
    for (const ArithmeticCase &c : cases) {
        const Decimal a = decimal(c.a);
        const Decimal b = decimal(c.b);
        const Decimal result = c.operation == '+' ? a + b : c.operation == '-' ? a - b : a * b;
        EXPECT_EQ(result.text("."), c.expected) << c.a << c.operation << c.b;
    }
}

TEST(Decimal, RoundsToTenThousandthsHalfToEven)
{
    const std::pair<const char *, const char *> cases[] = {
        {"365.817616", "365.8176"},
        {"136.064957", "136.065"},
        {"0.00005", "0"},
        {"0.00015", "0.0002"},
        {"-0.00025", "-0.0002"},
        {"-0.000251", "-0.0003"},
        {"12", "12"},
        {"0.00004999999999999", "0"},
    };
    for (const auto &[exact, rounded] : cases)
        EXPECT_EQ(decimal(exact).roundedToTenThousandths().text("."), rounded) << exact;
}

TEST(Decimal, ReadsDoublesAndTextsAndWritesInTheUsersConventions)
{
    const std::pair<double, const char *> doubles[] = {
        {0.653, "0,653"},
        {64.7, "64,7"},
        {-29.5, "-29,5"},
        {1e-7, "0,0000001"},
        {1e20, "100000000000000000000"},
        {0.0, "0"},
        {0.195344, "0,195344"},
    };
    for (const auto &[value, text] : doubles)
        EXPECT_EQ(Decimal::fromDouble(value).text(","), text) << value;
    for (const char *refused : {"", "1.", ".5", "1e3", "--1", "1,5", "-", "1.2.3"})
        EXPECT_FALSE(Decimal::fromText(refused)) << refused;
    EXPECT_EQ(decimal("-0.05").text(","), "-0,05");
}

TEST(Decimal, ComparesValuesFarApartWithoutLeavingItsRange)
{
    const Decimal huge = Decimal::fromDouble(1e300);
    const Decimal tiny = Decimal::fromDouble(1e-300);
    EXPECT_GT(huge, decimal("220"));
    EXPECT_LT(-huge, decimal("-220"));
    EXPECT_EQ(Decimal() - huge, -huge);
    EXPECT_GT(tiny, Decimal());
    EXPECT_LT(tiny, decimal("0.0001"));
    EXPECT_EQ(tiny.roundedToTenThousandths(), Decimal());
    EXPECT_EQ(std::min(huge * decimal("7.33"), decimal("220")), decimal("220"));
    EXPECT_LT(decimal("979.5"), decimal("979.5001"));
    EXPECT_EQ(decimal("979.50") <=> decimal("979.5"), std::strong_ordering::equal);
}

} // namespace
} // namespace pagaluz
