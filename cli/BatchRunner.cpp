#include "BatchRunner.h"
#include "BatchLine.h"
#include "ResultWriter.h"

#include <algorithm>
#include <thread>

CBatchRunner::CBatchRunner(EOutputFormat format, int nThreads, size_t nChunkBytes)
    : m_format(format), m_nThreads(std::max(1, nThreads)), m_nChunkBytes(std::max<size_t>(1, nChunkBytes))
{
}

long CBatchRunner::Run(FILE* pIn, FILE* pOut, FILE* pErr)
{
    std::string header;
    AppendBatchHeader(m_format, header);
    if (std::fwrite(header.data(), 1, header.size(), pOut) != header.size())
        return -1;
    std::vector<CChunk> chunks(m_nThreads);
    long nBad = 0;
    for (;;)
    {
        size_t nChunks = 0;
        while (nChunks < chunks.size() && ReadChunk(pIn, chunks[nChunks]))
            ++nChunks;
        if (std::ferror(pIn))
        {
            std::fputs("hali batch: the input cannot be read\n", pErr);
            return -1;
        }
        if (nChunks == 0)
            break;
        if (!RunRound(chunks, nChunks, pOut, pErr, nBad))
            return -1;
    }
    return std::fflush(pOut) == 0 ? nBad : -1;
}

bool CBatchRunner::ReadChunk(FILE* pIn, CChunk& chunk)
{
    chunk.text.swap(m_rest);
    m_rest.clear();
    // Read until the chunk is full and holds a line end, or the input ends.
    while (!m_bInputEnded && (chunk.text.size() < m_nChunkBytes || chunk.text.find('\n') == std::string::npos))
    {
        const size_t nHad = chunk.text.size();
        const size_t nWant = std::max(m_nChunkBytes, nHad) - (nHad < m_nChunkBytes ? nHad : 0);
        chunk.text.resize(nHad + nWant);
        const size_t nRead = std::fread(&chunk.text[nHad], 1, nWant, pIn);
        chunk.text.resize(nHad + nRead);
        m_bInputEnded = nRead < nWant;
    }
    if (!m_bInputEnded)
    {
        // The line the chunk ends in goes with the next chunk.
        const size_t nEnd = chunk.text.rfind('\n') + 1;
        m_rest.assign(chunk.text, nEnd, std::string::npos);
        chunk.text.resize(nEnd);
    }
    if (chunk.text.empty())
        return false;
    chunk.nFirstLine = m_nNextLine;
    m_nNextLine += static_cast<long>(std::count(chunk.text.begin(), chunk.text.end(), '\n'));
    if (chunk.text.back() != '\n')
        ++m_nNextLine;
    return true;
}

void CBatchRunner::RunChunk(CChunk& chunk) const
{
    chunk.out.clear();
    chunk.err.clear();
    chunk.nBad = 0;
    chunk.out.reserve(chunk.text.size() * 2);
    std::string_view rest = chunk.text;
    for (long nLine = chunk.nFirstLine; !rest.empty(); ++nLine)
    {
        const size_t nEnd = std::min(rest.find('\n'), rest.size());
        if (!RunBatchLine(rest.substr(0, nEnd), nLine, m_format, chunk.out, chunk.err))
            ++chunk.nBad;
        rest.remove_prefix(std::min(nEnd + 1, rest.size()));
    }
}

bool CBatchRunner::RunRound(std::vector<CChunk>& chunks, size_t nChunks, FILE* pOut, FILE* pErr, long& nBad)
{
    std::vector<std::thread> threads;
    for (size_t i = 1; i < nChunks; ++i)
        threads.emplace_back([this, &chunks, i] { RunChunk(chunks[i]); });
    RunChunk(chunks[0]);
    for (std::thread& thread : threads)
        thread.join();
    for (size_t i = 0; i < nChunks; ++i)
    {
        const CChunk& chunk = chunks[i];
        std::fwrite(chunk.err.data(), 1, chunk.err.size(), pErr);
        if (std::fwrite(chunk.out.data(), 1, chunk.out.size(), pOut) != chunk.out.size())
        {
            std::fputs("hali batch: the results cannot be written\n", pErr);
            return false;
        }
        nBad += chunk.nBad;
    }
    std::fflush(pErr);
    return true;
}
