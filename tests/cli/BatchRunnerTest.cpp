// The batch machinery: whatever the chunk size and the number of threads,
// the output is that of the lines run one by one, in input order, with each
// bad line reported under its own number.
#include "BatchLine.h"
#include "BatchRunner.h"

#include "StreamText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

// The chunks and threads a file is cut into; a stream's reading is the co-process test's.
TEST(BatchRunner, OrderAndLineNumbersAsOneByOne)
{
    // Lines of every kind, good, bad, skipped, without an answer, a long one, and a last line without its newline.
    std::string input;
    for (int i = 0; i < 300; ++i)
    {
        const std::string temperature = std::to_string(i % 40) + "." + std::to_string(i % 10);
        const char* apszLines[] = {"convert,", "density,35,", "bad,", "", "# ", "salinity,sg,1.5,t/4,", "ptemp,35,"};
        input += apszLines[i % 7] + temperature + (i % 7 == 6 ? ",1000" : "") + (i % 5 == 0 ? "\r\n" : "\n");
    }
    input += "depth," + std::string(300, ' ') + "1000,45\nconvert,26";
    // What they give when run one by one.
    std::string expectedOut = "line,quantity,value\n", expectedErr;
    long nExpectedBad = 0, nLine = 1;
    for (size_t nStart = 0; nStart <= input.size(); ++nLine)
    {
        const size_t nEnd = std::min(input.find('\n', nStart), input.size());
        if (!RunBatchLine(input.substr(nStart, nEnd - nStart), nLine, FORMAT_CSV, expectedOut, expectedErr))
            ++nExpectedBad;
        nStart = nEnd + 1;
    }
    ASSERT_GT(nExpectedBad, 0);
    const struct { int nThreads; size_t nChunkBytes; } rows[] = {{1, 1 << 20}, {3, 64}, {2, 1}, {4, 1000}};
    for (const auto& row : rows)
    {
        FILE* pIn = TempFile();
        FILE* pOut = TempFile();
        FILE* pErr = TempFile();
        std::fwrite(input.data(), 1, input.size(), pIn);
        std::rewind(pIn);
        SCOPED_TRACE(std::to_string(row.nThreads) + " threads, chunks of " + std::to_string(row.nChunkBytes));
        EXPECT_EQ(CBatchRunner(FORMAT_CSV, row.nThreads, row.nChunkBytes).Run(pIn, pOut, pErr), nExpectedBad);
        EXPECT_EQ(ReadAll(pOut), expectedOut);
        EXPECT_EQ(ReadAll(pErr), expectedErr);
        for (FILE* pFile : {pIn, pOut, pErr})
            std::fclose(pFile);
    }
}
