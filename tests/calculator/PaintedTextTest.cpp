// The texts the skinned windows paint: base values with a fixed number of decimals, and the settings dialog's labels.
#include "PaintedText.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <map>
#include <utility>
#include <vector>

TEST(PaintedText, BaseValuesHaveTheirNumberOfDecimals)
{
    const struct { double d; int nDecimals; const char* pszExpected; } rows[] = {
        {24.0, 1, "24.0"}, {1.02, 3, "1.020"}, {-1.5, 1, "-1.5"}, {1.0246, 3, "1.025"}, {1234.56789, 1, "1234.6"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::string(FormatFixed(row.d, row.nDecimals)), row.pszExpected) << row.d;
}

// Formats come from the resources: only "%s" and "%%" are theirs to fill.
TEST(PaintedText, FormatsTakeOneTextAndNoConversion)
{
    const struct { const char* pszFormat; const char* pszText; const char* pszExpected; } rows[] = {
        {"[%s]", "m", "[m]"}, {"Base %s", "Temp", "Base Temp"}, {"%s%%", "5", "5%"},
        {"%s/%s", "a", "a/a"}, {"%d %n %", "x", "%d %n %"}, {"", "x", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::string(FillFormat(row.pszFormat, row.pszText)), row.pszExpected) << row.pszFormat;
}

// Top to bottom as the dialog shows them, each from the program's strings.
TEST(PaintedText, SettingsDialogLabelsInTheDialogsOrder)
{
    const std::map<UINT, const char*> strings = {
        {IDS_SALINITY, "Salinity"}, {IDS_PERMILLE, "permille"}, {IDS_WATERTEMP, "Temp"}, {IDS_CELSIUS, "C"},
        {IDS_DEPTH, "Depth"}, {IDS_METRE, "m"}, {IDS_GRAVITY, "SG"}, {IDS_UNIT_FORMAT, "[%s]"},
        {IDS_BASE_FORMAT, "Base %s"},
    };
    const std::pair<UINT, std::string> expected[] = {
        {IDC_LABEL_SALINITY, "Salinity"}, {IDC_LABEL_PERMILLE, "[permille]"}, {IDC_LABEL_BASE_TEMP, "Base Temp"},
        {IDC_LABEL_CELSIUS, "[C]"}, {IDC_LABEL_DEPTH, "Depth"}, {IDC_LABEL_METRE, "[m]"},
        {IDC_LABEL_BASE_GRAVITY, "Base SG"},
    };
    const std::vector<CPaintedLabel> labels = OptionDialogLabels([&](UINT nID) { return CString(strings.at(nID)); });
    ASSERT_EQ(labels.size(), 7u);
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(std::make_pair(labels[i].nIDBox, std::string(labels[i].strText)), expected[i]) << "label " << i;
}
