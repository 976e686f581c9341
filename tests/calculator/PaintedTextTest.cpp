// The texts the skinned windows paint: base values with a fixed number of decimals, the main window's texts and
// the settings dialog's labels.
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

namespace {

// Stand-ins for the program's strings, one word each, so that a text shows which string it was made from.
CString StandIn(UINT nID)
{
    static const std::map<UINT, const char*> strings = {
        {IDS_BASE, "Base:"}, {IDS_WATERTEMP, "Temp"}, {IDS_CELSIUS, "C"}, {IDS_GRAVITY, "SG"},
        {IDS_POTENTIAL, "Potential"}, {IDS_SALINITY, "Salinity"}, {IDS_PERMILLE, "permille"}, {IDS_DEPTH, "Depth"},
        {IDS_METRE, "m"}, {IDS_UNIT_FORMAT, "[%s]"}, {IDS_BASE_FORMAT, "Base %s"},
    };
    return CString(strings.at(nID));
}

std::vector<std::pair<UINT, std::string>> BoxesAndTexts(const std::vector<CPaintedLabel>& labels)
{
    std::vector<std::pair<UINT, std::string>> painted;
    for (const CPaintedLabel& label : labels)
        painted.emplace_back(label.nIDBox, std::string(label.strText));
    return painted;
}

} // namespace

// The main window's words and its two base values, each into its own box with its own number of decimals.
TEST(PaintedText, MainWindowTextsInPaintingOrder)
{
    const std::vector<std::pair<UINT, std::string>> expected = {
        {IDC_LABEL_BASE, "Base:"}, {IDC_LABEL_WATERTEMP, "Temp"}, {IDC_LABEL_DEGREE, "C"},
        {IDC_LABEL_GRAVITY, "SG"}, {IDC_VALUE_BASE_TEMP, "24.0"}, {IDC_VALUE_BASE_GRAVITY, "1.020"},
        {IDC_LABEL_POTENTIAL, "Potential"},
    };
    EXPECT_EQ(BoxesAndTexts(MainWindowLabels(StandIn, 24.0, 1.02)), expected);
}

// Top to bottom as the dialog shows them.
TEST(PaintedText, SettingsDialogLabelsInTheDialogsOrder)
{
    const std::vector<std::pair<UINT, std::string>> expected = {
        {IDC_LABEL_SALINITY, "Salinity"}, {IDC_LABEL_PERMILLE, "[permille]"}, {IDC_LABEL_BASE_TEMP, "Base Temp"},
        {IDC_LABEL_CELSIUS, "[C]"}, {IDC_LABEL_DEPTH, "Depth"}, {IDC_LABEL_METRE, "[m]"},
        {IDC_LABEL_BASE_GRAVITY, "Base SG"},
    };
    EXPECT_EQ(BoxesAndTexts(OptionDialogLabels(StandIn)), expected);
}
