#include "BatchRunner.h"
#include "BatchLine.h"
#include "ResultWriter.h"

#include <algorithm>
#include <thread>

namespace
{
const int kSlotsPerThread = 2; // one being computed, one read ahead
}

CBatchRunner::CBatchRunner(EOutputFormat format, int nThreads, size_t nChunkBytes)
    : m_format(format), m_nThreads(std::max(1, nThreads)), m_nChunkBytes(std::max<size_t>(1, nChunkBytes)),
      m_slots(static_cast<size_t>(m_nThreads) * kSlotsPerThread)
{
}

long CBatchRunner::Run(FILE* pIn, FILE* pOut, FILE* pErr)
{
    std::string header;
    AppendBatchHeader(m_format, header);
    bool bOk = std::fwrite(header.data(), 1, header.size(), pOut) == header.size();
    std::vector<std::thread> workers;
    for (int i = 0; i < m_nThreads; ++i)
        workers.emplace_back([this] { Work(); });
    long nBad = 0;
    std::unique_lock<std::mutex> lock(m_mutex);
    while (bOk)
    {
        bOk = ReadAhead(pIn, lock);
        if (!bOk)
            std::fputs("hali batch: the input cannot be read\n", pErr);
        if (!bOk || m_nWritten == m_nRead)
            break;
        bOk = WriteOldest(pOut, pErr, lock, nBad);
    }
    m_bStop = true;
    lock.unlock();
    m_chunkRead.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    return bOk && std::fflush(pOut) == 0 ? nBad : -1;
}

bool CBatchRunner::ReadAhead(FILE* pIn, std::unique_lock<std::mutex>& lock)
{
    while (m_nRead - m_nWritten < static_cast<long>(m_slots.size()))
    {
        // A free slot is the main thread's alone: no lock while reading into it.
        CChunk& chunk = m_slots[m_nRead % m_slots.size()];
        lock.unlock();
        const bool bRead = ReadChunk(pIn, chunk);
        lock.lock();
        if (std::ferror(pIn))
            return false;
        if (!bRead)
            return true;
        chunk.state = SLOT_READY;
        ++m_nRead;
        m_chunkRead.notify_one();
    }
    return true;
}

bool CBatchRunner::WriteOldest(FILE* pOut, FILE* pErr, std::unique_lock<std::mutex>& lock, long& nBad)
{
    CChunk& chunk = m_slots[m_nWritten % m_slots.size()];
    m_chunkDone.wait(lock, [&] { return chunk.state == SLOT_DONE; });
    lock.unlock();
    std::fwrite(chunk.err.data(), 1, chunk.err.size(), pErr);
    std::fflush(pErr);
    const bool bWritten = std::fwrite(chunk.out.data(), 1, chunk.out.size(), pOut) == chunk.out.size();
    if (!bWritten)
        std::fputs("hali batch: the results cannot be written\n", pErr);
    nBad += chunk.nBad;
    lock.lock();
    chunk.state = SLOT_FREE;
    ++m_nWritten;
    return bWritten;
}

void CBatchRunner::Work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;)
    {
        m_chunkRead.wait(lock, [&] { return m_bStop || m_nTaken < m_nRead; });
        if (m_bStop)
            return;
        CChunk& chunk = m_slots[m_nTaken++ % m_slots.size()];
        chunk.state = SLOT_RUNNING;
        lock.unlock();
        RunChunk(chunk);
        lock.lock();
        chunk.state = SLOT_DONE;
        m_chunkDone.notify_one();
    }
}

bool CBatchRunner::ReadChunk(FILE* pIn, CChunk& chunk)
{
    chunk.text.swap(m_rest);
    m_rest.clear();
    // Read until the chunk is full and holds a line end, or the input ends.
    while (!m_bInputEnded && (chunk.text.size() < m_nChunkBytes || chunk.text.find('\n') == std::string::npos))
    {
        const size_t nHad = chunk.text.size();
        const size_t nWant = nHad < m_nChunkBytes ? m_nChunkBytes - nHad : nHad; // a long line doubles it
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
