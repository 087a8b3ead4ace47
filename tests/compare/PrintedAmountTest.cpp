#include "PrintedAmount.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace pagaluz {
namespace {

// Amounts as a school's payslip prints them: the value is exact and the decimals are those
// written; every fault is refused, never read as another amount.
TEST(PrintedAmountTest, ReadsAmountsAsPrintedAndRefusesTheRest)
{
    struct Case {
        std::string text;
        std::string separator;
        std::int64_t tenThousandths; // when read
        int decimals;
        std::optional<PrintedAmountFault> fault;
    };
    using enum PrintedAmountFault;
    const Case cases[] = {
        {"979.50", ".", 9795000, 2, {}},
        {"979.5", ".", 9795000, 1, {}},
        {"979,50", ",", 9795000, 2, {}},
        {"979", ",", 9790000, 0, {}},
        {"-0.0001", ".", -1, 4, {}},
        {"100000000", ".", 1'000'000'000'000, 0, {}},
        {"-100000000.0000", ".", -1'000'000'000'000, 4, {}},
        {"100000000.0001", ".", 0, 0, BeyondLimit},
        {"-922337203685000", ".", 0, 0, BeyondLimit},
        {"99999999999999999999999999", ".", 0, 0, BeyondLimit},
        {"979.12345", ".", 0, 0, TooManyDecimals},
        {" 979.50", ".", 0, 0, Blanks},
        {"979.50\t", ".", 0, 0, Blanks},
        {"", ".", 0, 0, NotAnAmount},
        {"979,50", ".", 0, 0, NotAnAmount},
        {"1.234,56", ",", 0, 0, NotAnAmount},
        {"979.", ".", 0, 0, NotAnAmount},
        {".5", ".", 0, 0, NotAnAmount},
        {"-", ".", 0, 0, NotAnAmount},
        {"1e3", ".", 0, 0, NotAnAmount},
        {"diez", ",", 0, 0, NotAnAmount},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = readPrintedAmount(c.text, c.separator);
        if (c.fault) {
            ASSERT_TRUE(std::holds_alternative<PrintedAmountFault>(read));
            EXPECT_EQ(std::get<PrintedAmountFault>(read), *c.fault);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<PrintedAmount>(read));
        EXPECT_EQ(std::get<PrintedAmount>(read).value.tenThousandths(), c.tenThousandths);
        EXPECT_EQ(std::get<PrintedAmount>(read).decimals, c.decimals);
    }
}

// Equal within half a unit of the last decimal written, both ends included; four decimals
// compare exactly.
TEST(PrintedAmountTest, EqualsOursWithinHalfAUnitOfItsLastDecimal)
{
    struct Case {
        std::int64_t theirs;
        int decimals;
        std::int64_t ours;
        bool equal;
    };
    const Case cases[] = {
        {1360700, 2, 1360650, true},  // 136,065 rounded half up
        {1360600, 2, 1360650, true},  // 136,065 rounded half to even
        {1360700, 2, 1360649, false}, // more than half a cent away
        {1360700, 2, 1360750, true},  //
        {1360700, 2, 1360751, false}, //
        {9790000, 0, 9795000, true},  // whole pesos
        {9790000, 0, 9795001, false}, //
        {3430209, 4, 3430209, true},  // four decimals: only the same amount
        {3430209, 4, 3430210, false}, //
        {-50, 2, 0, true},
        {INT64_MIN + 1, 2, INT64_MAX, false}, // no overflow of the distance
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.theirs) + " " + std::to_string(c.ours));
        const PrintedAmount theirs(Money::fromTenThousandths(c.theirs), c.decimals);
        EXPECT_EQ(theirs.matches(Money::fromTenThousandths(c.ours)), c.equal);
    }
}

TEST(PrintedAmountTest, RoundsHalfUpAndWritesTheDecimalsAsked)
{
    const struct {
        std::int64_t amount;
        int decimals;
        std::int64_t rounded;
        const char *text;
    } cases[] = {
        {1360650, 2, 1360700, "136,07"},    {1360649, 2, 1360600, "136,06"},
        {-1360650, 2, -1360700, "-136,07"}, {9795000, 0, 9800000, "980"},
        {659530, 2, 659500, "65,95"},       {3430209, 4, 3430209, "343,0209"},
        {1930000, 2, 1930000, "193,00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const Money rounded = roundedHalfUp(Money::fromTenThousandths(c.amount), c.decimals);
        EXPECT_EQ(rounded.tenThousandths(), c.rounded);
        EXPECT_EQ(printedAmountText(rounded, c.decimals, ","), c.text);
    }
}

} // namespace
} // namespace pagaluz
