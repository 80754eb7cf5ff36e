#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/real48.h"

namespace ondarel {
namespace {

struct ParseCase {
    const char* text;
    bool accepted;
    long double value;
};

void PrintTo(const ParseCase& c, std::ostream* os) { *os << "text \"" << c.text << "\""; }

class ParseNumber : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumber, AcceptsOnlyWholeNumbers)
{
    const auto& c = GetParam();
    const auto parsed = parseNumber(c.text);
    ASSERT_EQ(parsed.has_value(), c.accepted) << '"' << c.text << '"';
    if (c.accepted) {
        EXPECT_EQ(*parsed, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Grammar, ParseNumber,
    ::testing::Values(ParseCase{"100", true, 100}, ParseCase{"0.01", true, 0.01L}, ParseCase{"-2.5", true, -2.5L},
                      ParseCase{"+3", true, 3}, ParseCase{"1e3", true, 1000}, ParseCase{"1E-2", true, 0.01L},
                      ParseCase{"2.5e+1", true, 25}, ParseCase{".5", true, 0.5L}, ParseCase{"5.", true, 5},
                      ParseCase{" 7 ", true, 7}, ParseCase{"1e300", true, 1e300L}, ParseCase{"-", false, 0},
                      ParseCase{"+", false, 0}, ParseCase{".", false, 0}, ParseCase{"1e", false, 0},
                      ParseCase{"1e+", false, 0}, ParseCase{"1x", false, 0}, ParseCase{"1,5", false, 0},
                      ParseCase{"x", false, 0}, ParseCase{"1 2", false, 0}, ParseCase{"1e99999", false, 0},
                      ParseCase{"0x10", false, 0}, ParseCase{"nan", false, 0}, ParseCase{"inf", false, 0},
                      ParseCase{"--1", false, 0}));

TEST(ParseNumber, VeryLongDigitStringsConvert)
{
    const std::string digits(400, '9');
    ASSERT_TRUE(parseNumber(digits).has_value());
    EXPECT_GT(*parseNumber(digits), 1e399L);
    EXPECT_EQ(fieldValue(""), 0);
    EXPECT_EQ(fieldValue("abc"), 0);
}

struct FormatCase {
    long double value;
    int decimals;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << "shows " << c.text; }

class FormatFixed : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixed, RoundsHalfAwayOnTheDecimalExpansion)
{
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Displays, FormatFixed,
    ::testing::Values(FormatCase{1.5L, 3, "1.500"}, FormatCase{store48(0.0125L), 3, "0.013"},
                      FormatCase{0.0125L, 3, "0.013"}, FormatCase{-0.0125L, 3, "-0.013"}, FormatCase{0, 3, "0.000"},
                      FormatCase{-0.0004L, 3, "0.000"}, FormatCase{0.9995L, 3, "1.000"},
                      FormatCase{999.9996L, 3, "1000.000"}, FormatCase{90, 0, "90"}, FormatCase{0, 0, "0"},
                      FormatCase{2.5L, 0, "3"}, FormatCase{8, 2, "8.00"}, FormatCase{store48(0.015L), 3, "0.015"},
                      FormatCase{123456.789L, 5, "123456.78900"}, FormatCase{1e17L, 3, "100000000000000000.000"},
                      FormatCase{1.5e20L, 3, "1.5E20"}, FormatCase{store48(1.761L), 3, "1.761"},
                      // Just below 1e18: 18 digits round up to it, or stay below.
                      FormatCase{1e18L - 0.0625L, 3, "1E18"}, FormatCase{-(1e18L - 0.0625L), 0, "-1E18"},
                      FormatCase{1e18L - 0.5625L, 3, "999999999999999999.000"}));

}  // namespace
}  // namespace ondarel
