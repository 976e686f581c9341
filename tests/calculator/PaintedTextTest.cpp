// The texts the skinned windows paint: base values with a fixed number of decimals, and the settings dialog's labels.
#include "PaintedText.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
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

// Code page 932 bytes, top to bottom as the dialog shows them; the salinity's
// name and its unit come from the strings 107 and 108.
TEST(PaintedText, SettingsDialogLabelsInTheDialogsOrder)
{
    const char kSalinity[] = "\x89\x96\x95\xaa\x94\x5a\x93\x78"; // 塩分濃度
    for (const char* pszPermille : {"\x81\xf1", ""})              // ‰, or missing
    {
        const std::pair<UINT, std::string> expected[] = {
            {IDC_LABEL_SALINITY, kSalinity},
            {IDC_LABEL_PERMILLE, "[" + std::string(pszPermille) + "]"},
            {IDC_LABEL_BASE_TEMP, "\x8a\xee\x8f\x80\x90\x85\x89\xb7"},   // 基準水温
            {IDC_LABEL_CELSIUS, "[\x81\x8e]"},                          // [℃]
            {IDC_LABEL_DEPTH, "\x90\x85\x90\x5b"},                      // 水深
            {IDC_LABEL_METRE, "[\x82\x8d]"},                            // [ｍ]
            {IDC_LABEL_BASE_GRAVITY, "\x8a\xee\x8f\x80\x94\xe4\x8f\x64"}, // 基準比重
        };
        const std::vector<CPaintedLabel> labels = OptionDialogLabels(kSalinity, pszPermille, "[%s]");
        ASSERT_EQ(labels.size(), 7u);
        for (size_t i = 0; i < labels.size(); ++i)
            EXPECT_EQ(std::make_pair(labels[i].nIDBox, std::string(labels[i].strText)), expected[i]) << "label " << i;
    }
}
