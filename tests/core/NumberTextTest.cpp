#include "NumberText.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace pagaluz {
namespace {

const DecimalConventions kComma = DecimalConventions::comma();
const DecimalConventions kPoint = DecimalConventions::point();
// A locale whose group separator is a narrow no-break space (two bytes wider
// than one in UTF-8), as in French.
const DecimalConventions kNoBreakSpace{",", "\u202f"};

struct ReadCase {
    std::string text;
    const DecimalConventions *conventions;
    double expected;
};

TEST(ParseDouble, ReadsNumbersInTheLocalesConventions)
{
    const ReadCase cases[] = {
        {"0", &kComma, 0.0},
        {"20", &kComma, 20.0},
        {"29,5", &kComma, 29.5},
        {"29.5", &kPoint, 29.5},
        {"  12  ", &kComma, 12.0},
        {"\t7\t", &kComma, 7.0},
        {"-1", &kComma, -1.0},
        {"+3", &kComma, 3.0},
        {"-0", &kComma, 0.0},
        {",5", &kComma, 0.5},
        {"5,", &kComma, 5.0},
        {"1.234", &kComma, 1234.0},
        {"1.234.567,25", &kComma, 1234567.25},
        {"1,234,567.25", &kPoint, 1234567.25},
        {"12\u202f345,5", &kNoBreakSpace, 12345.5},
        {"0,1", &kComma, 0.1},
        {"123456789012345678901234567890", &kComma, 1.2345678901234568e29},
        {"0," + std::string(400, '0') + "1", &kComma, 0.0}, // below the smallest double
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = parseDouble(c.text, *c.conventions);
        ASSERT_TRUE(std::holds_alternative<double>(read));
        EXPECT_EQ(std::get<double>(read), c.expected);
    }
}

struct FailureCase {
    std::string text;
    const DecimalConventions *conventions;
    NumberTextFailure expected;
};

TEST(ParseDouble, RefusesAnythingButAPlainNumber)
{
    using F = NumberTextFailure;
    const FailureCase cases[] = {
        {"", &kComma, F::Empty},
        {"   ", &kComma, F::Empty},
        {"abc", &kComma, F::NotANumber},
        {"12a", &kComma, F::NotANumber},
        {"1e3", &kComma, F::NotANumber},
        {"1E3", &kPoint, F::NotANumber},
        {"0x1A", &kComma, F::NotANumber},
        {"nan", &kComma, F::NotANumber},
        {"inf", &kComma, F::NotANumber},
        {"-inf", &kPoint, F::NotANumber},
        {"1,2,3", &kComma, F::NotANumber},
        {"1,5", &kPoint, F::NotANumber}, // the other locale's decimal separator
        {"1.5", &kComma, F::NotANumber}, // a group of one digit
        {"12.34", &kComma, F::NotANumber},
        {"1234.567", &kComma, F::NotANumber}, // four digits before a group
        {".123", &kComma, F::NotANumber},
        {"1.234,5.6", &kComma, F::NotANumber},
        {"-", &kComma, F::NotANumber},
        {",", &kComma, F::NotANumber},
        {"+-1", &kComma, F::NotANumber},
        {"- 1", &kComma, F::NotANumber},
        {"1 2", &kComma, F::NotANumber},
        {"١٢", &kComma, F::NotANumber}, // digits of another script
        {std::string("1\0"
                     "2",
                     3),
         &kComma, F::NotANumber},
        {"1" + std::string(400, '0'), &kComma, F::OutOfRange},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = parseDouble(c.text, *c.conventions);
        ASSERT_TRUE(std::holds_alternative<NumberTextFailure>(read));
        EXPECT_EQ(std::get<NumberTextFailure>(read), c.expected);
    }
}

TEST(ParseInteger, RoundsHalfToEvenAndChecksTheRange)
{
    struct Case {
        const char *text;
        int expected; // -1000000 for out of range
    };
    const Case int16Cases[] = {{"10,5", 10},          {"11,5", 12},        {"-2,5", -2},
                               {"32767", 32767},      {"-32768", -32768},  {"32767,4", 32767},
                               {"32767,5", -1000000}, {"32768", -1000000}, {"-32769", -1000000},
                               {"-32768,5", -32768}};
    for (const auto &c : int16Cases) {
        SCOPED_TRACE(c.text);
        const auto read = parseInt16(c.text, kComma);
        if (c.expected == -1000000) {
            ASSERT_TRUE(std::holds_alternative<NumberTextFailure>(read));
            EXPECT_EQ(std::get<NumberTextFailure>(read), NumberTextFailure::OutOfRange);
        } else {
            ASSERT_TRUE(std::holds_alternative<std::int16_t>(read));
            EXPECT_EQ(std::get<std::int16_t>(read), c.expected);
        }
    }
    const Case uint8Cases[] = {{"2,5", 2},        {"3,5", 4},       {"0", 0},
                               {"-0,4", 0},       {"255", 255},     {"255,5", -1000000},
                               {"256", -1000000}, {"-1", -1000000}, {"-0,5", 0}};
    for (const auto &c : uint8Cases) {
        SCOPED_TRACE(c.text);
        const auto read = parseUInt8(c.text, kComma);
        if (c.expected == -1000000) {
            ASSERT_TRUE(std::holds_alternative<NumberTextFailure>(read));
            EXPECT_EQ(std::get<NumberTextFailure>(read), NumberTextFailure::OutOfRange);
        } else {
            ASSERT_TRUE(std::holds_alternative<std::uint8_t>(read));
            EXPECT_EQ(std::get<std::uint8_t>(read), c.expected);
        }
    }
    EXPECT_EQ(std::get<NumberTextFailure>(parseInt16("x", kComma)), NumberTextFailure::NotANumber);
}

TEST(ParseMoney, ReadsTheDecimalTextExactly)
{
    struct Case {
        const char *text;
        std::int64_t expected;
    };
    const Case cases[] = {
        {"150", 1500000},
        {"0,1", 1000},
        {"1234,5678", 12345678},
        {"0,00005", 0}, // a tie: even is 0
        {"0,00015", 2}, // a tie: even is 2
        {"0,000051", 1},
        {"-0,00015", -2},
        {"922337203685477,5807", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477,5808", std::numeric_limits<std::int64_t>::min()},
        {"000000000000000000000001", 10000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto read = parseMoney(c.text, kComma);
        ASSERT_TRUE(std::holds_alternative<Money>(read));
        EXPECT_EQ(std::get<Money>(read).tenThousandths(), c.expected);
    }
    for (const char *beyond :
         {"922337203685477,5808", "-922337203685477,5809", "1e5", "99999999999999999999"}) {
        SCOPED_TRACE(beyond);
        EXPECT_TRUE(std::holds_alternative<NumberTextFailure>(parseMoney(beyond, kComma)));
    }
}

TEST(FormatAmount, WritesTheShortestPlainForm)
{
    const DecimalConventions kLongSeparator{"<decimal separator>", "."};
    struct Case {
        std::int64_t tenThousandths;
        const char *prefix;
        const DecimalConventions *conventions;
        const char *expected;
    };
    const Case cases[] = {
        {12345000, "$ ", &kComma, "$ 1234,5"},
        {9795000, "$", &kComma, "$979,5"},
        {-125000, "$ ", &kComma, "$ -12,5"},
        {150000, "$ ", &kComma, "$ 15"},
        {653, "$ ", &kComma, "$ 0,0653"},
        {2820000, "$ ", &kComma, "$ 282"},
        {693000, "$ ", &kComma, "$ 69,3"},
        {0, "$ ", &kComma, "$ 0"},
        {-1, "$ ", &kComma, "$ -0,0001"},
        {12345000, "$ ", &kPoint, "$ 1234.5"},
        {123456789012345678, "$ ", &kPoint, "$ 12345678901234.5678"},
        {std::numeric_limits<std::int64_t>::min(), "$ ", &kComma, "$ -922337203685477,5808"},
        {std::numeric_limits<std::int64_t>::max(), "", &kComma, "922337203685477,5807"},
        // Too long to be written on the stack first.
        {-125000,
         "a prefix longer than the sixty-four bytes of room on the stack: ", &kLongSeparator,
         "a prefix longer than the sixty-four bytes of room on the stack: "
         "-12<decimal separator>5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(
            formatAmount(Money::fromTenThousandths(c.tenThousandths), c.prefix, *c.conventions),
            c.expected);
    }
}

TEST(FormatPlainNumber, AtMostFifteenSignificantDigitsWithoutExponent)
{
    struct Case {
        double value;
        const DecimalConventions *conventions;
        const char *expected;
    };
    const Case cases[] = {
        {20 * 64.7, &kComma, "1294"},
        {12 * 86.9, &kComma, "1042,8"},
        {12 * 86.9, &kPoint, "1042.8"},
        {0.7, &kComma, "0,7"},
        {0.7, &kPoint, "0.7"},
        {0.0, &kComma, "0"},
        {-0.0, &kComma, "0"},
        {1.0 / 3.0, &kComma, "0,333333333333333"},
        {2.0 / 3.0, &kComma, "0,666666666666667"},
        {0.1 + 0.2, &kComma, "0,3"},
        {1e20, &kComma, "100000000000000000000"},
        {123456789012345678.0, &kComma, "123456789012346000"},
        {0.000012345, &kComma, "0,000012345"},
        {-1294.5, &kComma, "-1294,5"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(formatPlainNumber(c.value, *c.conventions), c.expected);
    }
}

} // namespace
} // namespace pagaluz
