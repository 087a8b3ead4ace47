#include "Money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace pagaluz {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

struct FromDoubleCase {
    double value;
    std::int64_t expected; // ten-thousandths
};

// Conversion rounds the double's exact value. The decimal literals below are
// stored a hair above or below the half ten-thousandth they name; rounding
// value * 10000 first (as nearbyint(x * 10000.0) does) lands on the tie and
// goes the other way in the rows marked "*".
TEST(MoneyFromDouble, RoundsTheExactValueOfTheDouble)
{
    const FromDoubleCase cases[] = {
        {0.0, 0},
        {-0.0, 0},
        {979.5, 9795000},
        {1500 * 0.653, 9795000},
        {0.00005, 1},     // 0.0000500000000000000024
        {0.00015, 1},     // 0.0001499999999999999869
        {0.00025, 3},     // 0.0002500000000000000052 *
        {-0.00025, -3},   // *
        {0.00035, 3},     // 0.0003499999999999999964 *
        {0.00095, 9},     // *
        {0.00125, 13},    // *
        {1.00005, 10001}, // 1.0000500000000001055
        {2.00005, 20000}, // 2.0000499999999998835
        {1234.56785, 12345678},
        {std::ldexp(1.0, -20), 0},
        {std::ldexp(1.0, -14), 1},
        {1e14, 1000000000000000000},
        {-1e14, -1000000000000000000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Money::fromDouble(c.value).tenThousandths(), c.expected);
    }
}

// Exact ties exist only for doubles whose value times 10000 is an odd
// multiple of one half: k/2 with k odd, divided by 10000 needs a power of two
// denominator, so use amounts like 0.5 ten-thousandths scaled by 2^-n.
TEST(MoneyFromDouble, ExactTiesGoToTheEvenTenThousandth)
{
    struct Tie {
        double value;
        std::int64_t expected;
    };
    // 0.03125 = 312.5 ten-thousandths; 0.09375 = 937.5; 1.40625 = 14062.5.
    const Tie ties[] = {{0.03125, 312},   {0.09375, 938},   {1.40625, 14062},
                        {-0.03125, -312}, {-0.09375, -938}, {2.21875, 22188}};
    for (const auto &t : ties) {
        SCOPED_TRACE(t.value);
        EXPECT_EQ(Money::fromDouble(t.value).tenThousandths(), t.expected);
    }
}

TEST(MoneyFromDouble, NeighboursOfATieRoundAwayFromIt)
{
    const double tie = 0.03125; // 312.5 ten-thousandths
    EXPECT_EQ(Money::fromDouble(std::nextafter(tie, 1.0)).tenThousandths(), 313);
    EXPECT_EQ(Money::fromDouble(std::nextafter(tie, 0.0)).tenThousandths(), 312);
    const double oddTie = 0.09375; // 937.5
    EXPECT_EQ(Money::fromDouble(std::nextafter(oddTie, 0.0)).tenThousandths(), 937);
}

TEST(MoneyFromDouble, OutOfRangeIsAnOverflow)
{
    const double beyond[] = {1e15,
                             -1e15,
                             922337203685477.6,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::max()};
    for (double value : beyond) {
        SCOPED_TRACE(value);
        EXPECT_THROW(Money::fromDouble(value), MoneyOverflow);
    }
    EXPECT_EQ(Money::fromDouble(-922337203685477.5).tenThousandths(), -9223372036854775000);
    EXPECT_EQ(Money::fromDouble(std::numeric_limits<double>::denorm_min()).tenThousandths(), 0);
}

TEST(MoneyArithmetic, SumsAreExactAndOverflowIsDetected)
{
    const Money a = Money::fromTenThousandths(9795000);
    const Money b = Money::fromTenThousandths(659530);
    EXPECT_EQ((a + b).tenThousandths(), 10454530);
    EXPECT_EQ((b - a).tenThousandths(), -9135470);

    const Money max = Money::fromTenThousandths(kMax);
    const Money min = Money::fromTenThousandths(kMin);
    const Money one = Money::fromTenThousandths(1);
    EXPECT_THROW(max + one, MoneyOverflow);
    EXPECT_THROW(min - one, MoneyOverflow);
    EXPECT_THROW(Money() - min, MoneyOverflow);
    EXPECT_EQ((max - max).tenThousandths(), 0);

    Money kept = max;
    EXPECT_THROW(kept += one, MoneyOverflow);
    EXPECT_EQ(kept, max) << "a failed sum leaves the amount as it was";
}

TEST(MoneyArithmetic, WholeFactorsAndUnits)
{
    EXPECT_EQ(Money::fromUnits(1290).tenThousandths(), 12900000);
    EXPECT_EQ(Money::fromTenThousandths(11434030).timesWhole(30).tenThousandths(), 343020900);
    EXPECT_THROW(Money::fromUnits(kMax / 1000), MoneyOverflow);
    EXPECT_THROW(Money::fromTenThousandths(kMax / 2).timesWhole(3), MoneyOverflow);
}

TEST(MoneyToDouble, GivesTheNearestDouble)
{
    EXPECT_EQ(Money::fromTenThousandths(9795000).toDouble(), 979.5);
    EXPECT_EQ(Money::fromTenThousandths(12345678).toDouble(), 1234.5678);
    EXPECT_EQ(Money::fromTenThousandths(-1).toDouble(), -0.0001);
    // Beyond 2^53 ten-thousandths the count itself is not a double.
    EXPECT_EQ(Money::fromTenThousandths(kMax).toDouble(), 922337203685477.5807);
    EXPECT_EQ(Money::fromTenThousandths(kMin).toDouble(), -922337203685477.5808);
    EXPECT_EQ(Money::fromTenThousandths(9007199254740993).toDouble(), 900719925474.0993);
}

TEST(MoneyTimesRate, RoundsEachProductOnItsOwn)
{
    // 1234.5678 × 0.03 = 37.037034 -> 37.037
    EXPECT_EQ(Money::fromTenThousandths(12345678).timesRate(0.03).tenThousandths(), 370370);
    // 160 × 0.07 = 11.2
    EXPECT_EQ(Money::fromUnits(160).timesRate(0.07).tenThousandths(), 112000);
    EXPECT_THROW(Money::fromTenThousandths(kMax).timesRate(2.0), MoneyOverflow);
}

} // namespace
} // namespace pagaluz
