// The text form of numbers in edit controls: which texts are read as numbers,
// which are refused, and that a shown value reads back as the same double.
#include "AfxNumber.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

const double kUntouched = 42.4242; // left in the output by a parse that must not write

uint64_t Bits(double d)
{
    uint64_t n;
    std::memcpy(&n, &d, sizeof n);
    return n;
}

const struct { std::string text; double d; } kAccepted[] = {
    {"1.024", 1.024}, {"24", 24.0}, {"00012", 12.0}, {"+2", 2.0}, {"-273.15", -273.15}, {".5", 0.5},
    {"5.", 5.0}, {"-.5", -0.5}, {"123456789012345", 123456789012345.0}, {"1e3", 1000.0}, {"1E+3", 1000.0},
    {"2.5e-3", 0.0025}, {"-1.5E2", -150.0}, {"5.e1", 50.0}, {"1.7976931348623157e308", DBL_MAX},
    {" \t 1e2 \t ", 100.0}, {"-0", -0.0}, {"-0.0", -0.0}, {"1e-400", 0.0}, {"-1e-400", -0.0},
    {"4.9406564584124654e-324", std::ldexp(1.0, -1074)}, {"1e-310", 1e-310},
    // Ten thousand characters, read whole.
    {"0." + std::string(9997, '0') + "1", 0.0}, {std::string(9998, '0') + "42", 42.0},
    {"0.1" + std::string(9997, '0'), 0.1}, {std::string(5000, ' ') + "7" + std::string(4999, '\t'), 7.0},
    {"1e" + std::string(9997, '0') + "1", 10.0}, {"0e" + std::string(9998, '9'), 0.0},
};

const std::string kRefused[] = {
    "", " \t ", "--1", "+-1", "nan", "-nan", "inf", "-INF", "infinity", "0x10", "1,5", "1 5", "1.2.3",
    "e5", ".", "-", "-.", ".e1", "1e", "1e+", "1e1.5", "12abc", "1.5f", "\n1", "1\r",
    "\x82\x4f", // a full-width zero in code page 932
    "1e999", "-1e999", "1.8e308", "1" + std::string(9999, '0'), "1e" + std::string(9998, '9'),
    std::string(9999, '1') + "x", std::string(10000, ' '), std::string(10000, '-'),
};

const struct { double d; const char* pszText; } kFormatted[] = {
    {1.024, "1.024"}, {24.0, "24"}, {-0.0, "-0"}, {-273.15, "-273.15"}, {1e300, "1e+300"},
    {1e-5, "1e-05"}, {0.0001, "0.0001"}, {123456789012345.0, "123456789012345"},
    // More digits only where fifteen would show another double.
    {1234567890123456.0, "1234567890123456"}, {0.1 + 0.2, "0.30000000000000004"},
    {2.0 / 3.0, "0.6666666666666666"}, {1e308, "1e+308"},
};

const double kRoundTrip[] = {
    1.024, 0.1, -0.0, 1e-300, 0.000123, 9.99999, 1e15, DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0),
    std::ldexp(1.0, -1074), 1e-310, -1e-315, 2.5e-323,
};

TEST(NumberText, ReadsPlainDecimalNumbersBitForBitAndRefusesTheRestUntouched)
{
    for (const auto& row : kAccepted)
    {
        double d = kUntouched;
        EXPECT_TRUE(AfxParseDouble(row.text.c_str(), &d)) << row.text.substr(0, 40);
        EXPECT_EQ(Bits(d), Bits(row.d)) << row.text.substr(0, 40) << " gave " << d;
    }
    auto fnRefused = [](const char* pszText) {
        double d = kUntouched;
        return !AfxParseDouble(pszText, &d) && Bits(d) == Bits(kUntouched);
    };
    EXPECT_TRUE(fnRefused(nullptr));
    for (const std::string& text : kRefused)
        EXPECT_TRUE(fnRefused(text.c_str())) << text.substr(0, 40);
}

TEST(NumberText, ShownAsTheShortestTextThatReadsBackUnchanged)
{
    for (const auto& row : kFormatted)
        EXPECT_STREQ(AfxFormatDouble(row.d), row.pszText);
    for (double d : kRoundTrip)
    {
        double dBack = kUntouched;
        EXPECT_TRUE(AfxParseDouble(AfxFormatDouble(d), &dBack)) << d;
        EXPECT_EQ(Bits(dBack), Bits(d)) << d << " shown as " << static_cast<const char*>(AfxFormatDouble(d));
    }
}

} // namespace
