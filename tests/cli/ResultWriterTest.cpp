// The three formats: the same columns and digits, csv's header, json's plain
// numbers, text's aligned table; the batch mode's records in json.
#include "ResultWriter.h"

#include <gtest/gtest.h>

TEST(ResultWriter, Formats)
{
    const double kTable[][3] = {{20.0, 1.02461, -0.00061}, {25.5, 1.02297, 0.00103}};
    const struct { EOutputFormat format; int nColumns; const char* pszText; } rows[] = {
        {FORMAT_CSV, 1, "t\n20.0\n25.5\n"}, // one column in text and json: HaliCommandTest's single results
        {FORMAT_TEXT, 3, "   t       sg  correction\n20.0  1.02461    -0.00061\n25.5  1.02297     0.00103\n"},
        {FORMAT_CSV, 3, "t,sg,correction\n20.0,1.02461,-0.00061\n25.5,1.02297,0.00103\n"},
        {FORMAT_JSON, 3,
         "{\"t\":20.0,\"sg\":1.02461,\"correction\":-0.00061}\n{\"t\":25.5,\"sg\":1.02297,\"correction\":0.00103}\n"},
    };
    for (const auto& row : rows)
    {
        std::vector<CColumn> columns = {{"t", 1}, {"sg", 5}, {"correction", 5}};
        columns.resize(row.nColumns);
        CResultWriter writer(row.format, columns);
        for (const auto& values : kTable)
            writer.AddRow(values);
        std::string text;
        writer.WriteTo(text);
        EXPECT_EQ(text, row.pszText) << row.format << " " << row.nColumns;
    }
}

// In json; a record in text or csv is a line that the process tests read.
TEST(ResultWriter, BatchRecordInJson)
{
    std::string text;
    AppendBatchHeader(FORMAT_JSON, text);
    AppendBatchRecord(FORMAT_JSON, text, 12, "sg", 1.023394, 5);
    EXPECT_EQ(text, "{\"line\":12,\"sg\":1.02339}\n");
}
