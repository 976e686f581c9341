// The text form of numbers in edit controls: which texts are read as numbers,
// which are refused, and that a shown value reads back as the same double.
#include "AfxNumber.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

// Left in the output by a parse that must not write.
const double kUntouched = 42.4242;

uint64_t Bits(double d)
{
    uint64_t n;
    std::memcpy(&n, &d, sizeof n);
    return n;
}

struct Accepted
{
    const char* pszText;
    double dExpected;
};

// Parses text that must be accepted; the result, bit for bit.
::testing::AssertionResult ParsesTo(const std::string& text, double dExpected)
{
    double d = kUntouched;
    if (!AfxParseDouble(text.c_str(), &d))
        return ::testing::AssertionFailure() << "refused \"" << text.substr(0, 40) << "\"";
    if (Bits(d) != Bits(dExpected))
        return ::testing::AssertionFailure() << "\"" << text.substr(0, 40) << "\" gave " << d << ", expected "
                                             << dExpected;
    return ::testing::AssertionSuccess();
}

// Parses text that must be refused, leaving the output as it was.
::testing::AssertionResult IsRefused(const std::string& text)
{
    double d = kUntouched;
    if (AfxParseDouble(text.c_str(), &d))
        return ::testing::AssertionFailure() << "accepted \"" << text.substr(0, 40) << "\" as " << d;
    if (Bits(d) != Bits(kUntouched))
        return ::testing::AssertionFailure() << "refused \"" << text.substr(0, 40) << "\" but wrote " << d;
    return ::testing::AssertionSuccess();
}

std::string Repeat(const std::string& part, size_t nTimes)
{
    std::string text;
    for (size_t i = 0; i < nTimes; ++i)
        text += part;
    return text;
}

// ------------------------------------------------------------------ reading

TEST(ParseDouble, PlainDecimalNumbers)
{
    const Accepted cases[] = {
        {"1.024", 1.024},  {"24", 24.0},      {"0", 0.0},          {"00012", 12.0},
        {"35.0", 35.0},    {"+2", 2.0},       {"-2", -2.0},        {"-273.15", -273.15},
        {".5", 0.5},       {"5.", 5.0},       {"-.5", -0.5},       {"+5.", 5.0},
        {"0.1", 0.1},      {"123456789012345", 123456789012345.0},
    };
    for (const Accepted& c : cases)
        EXPECT_TRUE(ParsesTo(c.pszText, c.dExpected));
}

TEST(ParseDouble, Exponents)
{
    const Accepted cases[] = {
        {"1e3", 1000.0},     {"1E3", 1000.0},     {"1e+3", 1000.0},      {"2.5e-3", 0.0025},
        {"-1.5E2", -150.0},  {".5e1", 5.0},       {"5.e1", 50.0},        {"1e0", 1.0},
        {"1e308", 1e308},    {"1.7976931348623157e308", DBL_MAX},        {"1e-300", 1e-300},
    };
    for (const Accepted& c : cases)
        EXPECT_TRUE(ParsesTo(c.pszText, c.dExpected));
}

TEST(ParseDouble, BlanksAroundTheNumberAreIgnored)
{
    EXPECT_TRUE(ParsesTo("  3.5", 3.5));
    EXPECT_TRUE(ParsesTo("3.5  ", 3.5));
    EXPECT_TRUE(ParsesTo("\t-7\t", -7.0));
    EXPECT_TRUE(ParsesTo(" \t 1e2 \t ", 100.0));
}

TEST(ParseDouble, NegativeZeroKeepsItsSign)
{
    EXPECT_TRUE(ParsesTo("-0", -0.0));
    EXPECT_TRUE(ParsesTo("-0.0", -0.0));
    EXPECT_TRUE(ParsesTo("0", 0.0));
}

TEST(ParseDouble, UnderflowIsAcceptedAsZeroOrDenormal)
{
    EXPECT_TRUE(ParsesTo("1e-400", 0.0));
    EXPECT_TRUE(ParsesTo("-1e-400", -0.0));
    EXPECT_TRUE(ParsesTo("4.9406564584124654e-324", std::ldexp(1.0, -1074)));
    EXPECT_TRUE(ParsesTo("1e-310", 1e-310));
}

TEST(ParseDouble, OverflowIsRefused)
{
    EXPECT_TRUE(IsRefused("1e999"));
    EXPECT_TRUE(IsRefused("-1e999"));
    EXPECT_TRUE(IsRefused("1.8e308"));
    EXPECT_TRUE(IsRefused("1e309"));
}

TEST(ParseDouble, TextThatIsNoPlainNumberIsRefused)
{
    const char* const texts[] = {
        "",     "   ",  "\t",    " \t ",  "--1",  "+-1",  "-+1",  "++1",  "nan",  "NaN",
        "-nan", "inf",  "-inf",  "INF",   "infinity", "0x10", "0X1A", "1,5", "1 5", "1.2.3",
        "e5",   ".",    "-",     "+",     "-.",   ".e1",  "1e",   "1e+",  "1e-",  "1e1.5",
        "abc",  "12abc", "1.5f", "1d",    "\n1",  "1\n",  "1\r",  "\x82\x4f", // a full-width zero in code page 932
    };
    for (const char* pszText : texts)
        EXPECT_TRUE(IsRefused(pszText));
}

TEST(ParseDouble, NullTextIsRefused)
{
    double d = kUntouched;
    EXPECT_FALSE(AfxParseDouble(nullptr, &d));
    EXPECT_EQ(Bits(d), Bits(kUntouched));
}

TEST(ParseDouble, TenThousandCharacterTexts)
{
    // 1 followed by 9,999 zeros is far beyond the largest double.
    EXPECT_TRUE(IsRefused("1" + std::string(9999, '0')));
    EXPECT_TRUE(IsRefused(std::string(10000, '9')));
    // 0.000...01 with 9,998 places underflows to zero.
    EXPECT_TRUE(ParsesTo("0." + std::string(9997, '0') + "1", 0.0));
    EXPECT_TRUE(ParsesTo(std::string(9998, '0') + "42", 42.0));
    EXPECT_TRUE(ParsesTo("1." + std::string(9998, '0'), 1.0));
    EXPECT_TRUE(ParsesTo("0.1" + std::string(9997, '0'), 0.1));
    EXPECT_TRUE(ParsesTo(std::string(5000, ' ') + "7" + std::string(4999, '\t'), 7.0));
    EXPECT_TRUE(ParsesTo("1e" + std::string(9997, '0') + "1", 10.0));
    EXPECT_TRUE(ParsesTo("0e" + std::string(9998, '9'), 0.0));
    EXPECT_TRUE(IsRefused("1e" + std::string(9998, '9')));
    EXPECT_TRUE(IsRefused(std::string(9999, '1') + "x"));
    EXPECT_TRUE(IsRefused(std::string(10000, ' ')));
    EXPECT_TRUE(IsRefused(Repeat("-", 10000)));
    EXPECT_TRUE(IsRefused(Repeat("1.", 5000)));
}

// ------------------------------------------------------------------ writing

TEST(FormatDouble, ShortestFormThatReadsBack)
{
    EXPECT_STREQ(AfxFormatDouble(1.024), "1.024");
    EXPECT_STREQ(AfxFormatDouble(0.1), "0.1");
    EXPECT_STREQ(AfxFormatDouble(24.0), "24");
    EXPECT_STREQ(AfxFormatDouble(0.0), "0");
    EXPECT_STREQ(AfxFormatDouble(-0.0), "-0");
    EXPECT_STREQ(AfxFormatDouble(-273.15), "-273.15");
    EXPECT_STREQ(AfxFormatDouble(1e300), "1e+300");
    EXPECT_STREQ(AfxFormatDouble(1e-5), "1e-05");
    EXPECT_STREQ(AfxFormatDouble(0.0001), "0.0001");
    EXPECT_STREQ(AfxFormatDouble(123456789012345.0), "123456789012345");
    // More digits only where fifteen would show another double.
    EXPECT_STREQ(AfxFormatDouble(1234567890123456.0), "1234567890123456");
    EXPECT_STREQ(AfxFormatDouble(0.1 + 0.2), "0.30000000000000004");
    EXPECT_STREQ(AfxFormatDouble(2.0 / 3.0), "0.6666666666666666");
}

// ------------------------------------------------------------------ round trip

::testing::AssertionResult RoundTrips(double d)
{
    CString text = AfxFormatDouble(d);
    double dBack = kUntouched;
    if (!AfxParseDouble(text, &dBack))
        return ::testing::AssertionFailure() << "\"" << static_cast<const char*>(text) << "\" refused";
    if (Bits(dBack) != Bits(d))
        return ::testing::AssertionFailure() << "\"" << static_cast<const char*>(text) << "\" read back as "
                                             << dBack;
    return ::testing::AssertionSuccess();
}

TEST(FormatAndParse, ShownValuesReadBackUnchanged)
{
    const double values[] = {
        1.024, 0.1, 24.0, 35.0, 1.0, -1.0, 0.0, -0.0, 1e300, -1e300, 1e-300, 123456789012345.0,
        0.000123, -273.15, 9.99999, 1e-5, 1e15, 1e308,
        std::ldexp(1.0, -1074), // the smallest denormal
        1e-310, -1e-315, 1e-320, 2.5e-323,
    };
    for (double d : values)
        EXPECT_TRUE(RoundTrips(d));
}

TEST(FormatAndParse, TheLargestDoublesStillReadBack)
{
    // Fifteen digits of these round up past the largest double.
    for (double d : { std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                      std::nextafter(std::numeric_limits<double>::max(), 0.0) })
        EXPECT_TRUE(RoundTrips(d));
    EXPECT_STREQ(AfxFormatDouble(1e308), "1e+308") << "values that read back keep the short form";
}

TEST(FormatAndParse, ValuesOfFifteenDigitsReadBackUnchanged)
{
    // Doubles nearest to random fifteen-digit decimals over the whole range:
    // exactly the values a user can type and see again.
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<long long> mantissa(100000000000000LL, 999999999999999LL);
    std::uniform_int_distribution<int> exponent(-300, 300);
    int nFailures = 0;
    for (int i = 0; i < 20000 && nFailures < 5; ++i)
    {
        std::string digits = std::to_string(mantissa(random));
        std::string text = std::string((i & 1) ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "e" +
                           std::to_string(exponent(random));
        double d = std::strtod(text.c_str(), nullptr);
        ::testing::AssertionResult result = RoundTrips(d);
        if (!result)
        {
            ++nFailures;
            ADD_FAILURE() << text << ": " << result.message();
        }
    }
}

} // namespace
