// The texts the skinned windows paint: base values with a fixed number of
// decimals, and the settings dialog's labels.
#include "PaintedText.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>

namespace {

struct FixedRow
{
    const char* pszName;
    double d;
    int nDecimals;
    const char* pszExpected;
};

void PrintTo(const FixedRow& row, std::ostream* os)
{
    *os << row.pszName;
}

const FixedRow kFixedRows[] = {
    {"BaseTemperatureKeepsItsTrailingZero", 24.0, 1, "24.0"},
    {"BaseGravityIsPaddedToThreeDecimals", 1.02, 3, "1.020"},
    {"NegativeValuesKeepTheirMinus", -1.5, 1, "-1.5"},
    {"ExtraDecimalsAreRoundedAway", 1.0246, 3, "1.025"},
    {"ExtraDecimalsAreRoundedDown", 24.04, 1, "24.0"},
    {"LargeValuesAreNotShortened", 1234.56789, 1, "1234.6"},
};

class FormatFixedTest : public ::testing::TestWithParam<FixedRow> {};

TEST_P(FormatFixedTest, WritesTheGivenNumberOfDecimals)
{
    const FixedRow& row = GetParam();
    EXPECT_EQ(std::string(FormatFixed(row.d, row.nDecimals)), row.pszExpected);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFixedTest, ::testing::ValuesIn(kFixedRows),
                         [](const ::testing::TestParamInfo<FixedRow>& info) { return info.param.pszName; });

// Code page 932 bytes of the program's strings 107 and 108.
const char kSalinity[] = "\x89\x96\x95\xaa\x94\x5a\x93\x78"; // 塩分濃度
const char kPermille[] = "\x81\xf1";                         // ‰

struct LabelRow
{
    const char* pszName;
    const char* pszPermille; // as the string table gives it
    UINT nIDBox;
    const char* pszExpected;
};

void PrintTo(const LabelRow& row, std::ostream* os)
{
    *os << row.pszName;
}

const LabelRow kLabelRows[] = {
    {"SalinityNameFromItsString", kPermille, IDC_LABEL_SALINITY, kSalinity},
    {"SalinityUnitIsThePermilleInBrackets", kPermille, IDC_LABEL_PERMILLE, "[\x81\xf1]"},
    {"MissingPermilleLeavesEmptyBrackets", "", IDC_LABEL_PERMILLE, "[]"},
    {"BaseTemperatureName", kPermille, IDC_LABEL_BASE_TEMP, "\x8a\xee\x8f\x80\x90\x85\x89\xb7"},   // 基準水温
    {"CelsiusUnit", kPermille, IDC_LABEL_CELSIUS, "[\x81\x8e]"},                                 // [℃]
    {"DepthName", kPermille, IDC_LABEL_DEPTH, "\x90\x85\x90\x5b"},                                // 水深
    {"MetreUnit", kPermille, IDC_LABEL_METRE, "[\x82\x8d]"},                                     // [ｍ]
    {"BaseGravityName", kPermille, IDC_LABEL_BASE_GRAVITY, "\x8a\xee\x8f\x80\x94\xe4\x8f\x64"}, // 基準比重
};

class OptionDialogLabelsTest : public ::testing::TestWithParam<LabelRow> {};

TEST_P(OptionDialogLabelsTest, PaintsTheTextOfEachBoxOnce)
{
    const LabelRow& row = GetParam();
    int nFound = 0;
    for (const CPaintedLabel& label : OptionDialogLabels(kSalinity, row.pszPermille, "[%s]"))
    {
        if (label.nIDBox != row.nIDBox)
            continue;
        ++nFound;
        EXPECT_EQ(std::string(label.strText), row.pszExpected);
    }
    EXPECT_EQ(nFound, 1);
}

INSTANTIATE_TEST_SUITE_P(Boxes, OptionDialogLabelsTest, ::testing::ValuesIn(kLabelRows),
                         [](const ::testing::TestParamInfo<LabelRow>& info) { return info.param.pszName; });

// Painted top to bottom as the dialog shows them: salinity first, base gravity last.
TEST(OptionDialogLabels, ArePaintedInTheDialogsOrder)
{
    const UINT kOrder[] = {IDC_LABEL_SALINITY, IDC_LABEL_PERMILLE, IDC_LABEL_BASE_TEMP, IDC_LABEL_CELSIUS,
                           IDC_LABEL_DEPTH, IDC_LABEL_METRE, IDC_LABEL_BASE_GRAVITY};
    const std::vector<CPaintedLabel> labels = OptionDialogLabels(kSalinity, kPermille, "[%s]");
    ASSERT_EQ(labels.size(), sizeof(kOrder) / sizeof(kOrder[0]));
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i].nIDBox, kOrder[i]) << "label " << i;
}

} // namespace
