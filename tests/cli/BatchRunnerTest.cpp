// The batch machinery: whatever the chunk size and the number of threads,
// the output is that of the lines run one by one, in input order, with each
// bad line reported under its own number.
#include "BatchLine.h"
#include "BatchRunner.h"

#include "StreamText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <thread>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace
{
// Lines of every kind, good, bad, skipped, without an answer, a long one, and
// a last line without its newline.
std::string Input()
{
    std::string input;
    for (int i = 0; i < 300; ++i)
    {
        const std::string temperature = std::to_string(i % 40) + "." + std::to_string(i % 10);
        const char* apszLines[] = {"convert,", "density,35,", "bad,", "", "# ", "salinity,sg,1.5,t/4,",
                                   "ptemp,35,"};
        input += apszLines[i % 7] + temperature + (i % 7 == 6 ? ",1000" : "") + (i % 5 == 0 ? "\r\n" : "\n");
    }
    return input + "depth," + std::string(300, ' ') + "1000,45\nconvert,26";
}
// What the lines give when run one by one; *pnBad counts the bad ones.
std::string OneByOne(const std::string& input, std::string* pErr, long* pnBad)
{
    std::string out = "line,quantity,value\n";
    long nLine = 1;
    for (size_t nStart = 0; nStart <= input.size(); ++nLine)
    {
        const size_t nEnd = std::min(input.find('\n', nStart), input.size());
        *pnBad += RunBatchLine(input.substr(nStart, nEnd - nStart), nLine, FORMAT_CSV, out, *pErr) ? 0 : 1;
        nStart = nEnd + 1;
    }
    return out;
}

bool MakePipe(int anFds[2])
{
#if defined(_WIN32)
    return _pipe(anFds, 1 << 16, _O_BINARY) == 0;
#else
    return pipe(anFds) == 0;
#endif
}

// The runner's output and messages from pIn, which holds or receives Input(), are the lines' run one by one.
void ExpectAsOneByOne(FILE* pIn, int nThreads, size_t nChunkBytes, const std::string& what)
{
    std::string expectedErr;
    long nExpectedBad = 0;
    const std::string expectedOut = OneByOne(Input(), &expectedErr, &nExpectedBad);
    ASSERT_GT(nExpectedBad, 0);
    FILE* pOut = std::tmpfile();
    FILE* pErr = std::tmpfile();
    ASSERT_TRUE(pIn && pOut && pErr);
    EXPECT_EQ(CBatchRunner(FORMAT_CSV, nThreads, nChunkBytes).Run(pIn, pOut, pErr), nExpectedBad) << what;
    EXPECT_EQ(ReadAll(pOut), expectedOut) << what;
    EXPECT_EQ(ReadAll(pErr), expectedErr) << what;
    for (FILE* pFile : {pIn, pOut, pErr})
        std::fclose(pFile);
}
} // namespace

TEST(BatchRunner, OrderAndLineNumbersAsOneByOne)
{
    const std::string input = Input();
    const struct { int nThreads; size_t nChunkBytes; } rows[] = {{1, 1 << 20}, {3, 64}, {2, 1}, {4, 1000}};
    for (const auto& row : rows)
    {
        FILE* pIn = std::tmpfile();
        ASSERT_NE(pIn, nullptr);
        std::fwrite(input.data(), 1, input.size(), pIn);
        std::rewind(pIn);
        ExpectAsOneByOne(pIn, row.nThreads, row.nChunkBytes, std::to_string(row.nThreads) + " threads, chunks of " +
                                                                  std::to_string(row.nChunkBytes));
    }
}

// From a pipe a chunk is what has arrived: lines cut anywhere by the writer's
// pieces still come out as one by one.
TEST(BatchRunner, FromAPipeInAnyPieces)
{
    const std::string input = Input();
    const struct { int nThreads; size_t nPiece; size_t nChunkBytes; } rows[] = {
        {1, 1, 1 << 18}, {2, 7, 1 << 18}, {3, 4096, 64}, {2, 1 << 20, 1000}};
    for (const auto& row : rows)
    {
        int anFds[2];
        ASSERT_TRUE(MakePipe(anFds));
        std::thread writer([&] {
            for (size_t n = 0; n < input.size(); n += row.nPiece)
                if (write(anFds[1], input.data() + n, static_cast<unsigned>(std::min(row.nPiece, input.size() - n))) < 0)
                    break;
            close(anFds[1]);
        });
        ExpectAsOneByOne(fdopen(anFds[0], "rb"), row.nThreads, row.nChunkBytes,
                         std::to_string(row.nThreads) + " threads, pieces of " + std::to_string(row.nPiece));
        writer.join();
    }
}
