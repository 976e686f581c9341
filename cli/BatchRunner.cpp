#include "BatchRunner.h"
#include "BatchLine.h"
#include "ResultWriter.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/stat.h>
#if defined(_WIN32)
#include <io.h>
#include <windows.h>
#else
#include <poll.h>
#include <unistd.h>
#endif

namespace
{
const int kSlotsPerThread = 2; // one being computed, one read ahead

enum ESlot
{
    SLOT_FREE,    // the reading thread may fill it
    SLOT_READY,   // read, waiting for a worker
    SLOT_RUNNING, // a worker computes it
    SLOT_DONE     // computed, waiting to be written
};

struct CChunk
{
    std::string text;   // whole lines, each ending in a newline except at the end of the input
    long nFirstLine;    // line number of its first line, from 1
    std::string out;    // its results
    std::string err;    // its bad lines' reports
    long nBad;          // how many lines were bad
    ESlot state = SLOT_FREE;
};

bool IsRegularFile(FILE* pFile)
{
#if defined(_WIN32)
    struct _stat64 status;
    return _fstat64(_fileno(pFile), &status) == 0 && (status.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat status;
    return fstat(fileno(pFile), &status) == 0 && S_ISREG(status.st_mode);
#endif
}

// One read of what a stream holds now, at most nMax bytes, waiting only while
// it holds nothing: the count, 0 at its end, -1 on an error.
long ReadAvailable(FILE* pFile, char* p, size_t nMax)
{
#if defined(_WIN32)
    return _read(_fileno(pFile), p, static_cast<unsigned>(std::min<size_t>(nMax, INT_MAX)));
#else
    ssize_t n;
    do
        n = read(fileno(pFile), p, nMax);
    while (n < 0 && errno == EINTR);
    return static_cast<long>(n);
#endif
}

// True when a stream holds input that a read would return at once.
bool HasInputWaiting(FILE* pFile)
{
#if defined(_WIN32)
    // A console cannot tell: it is read a line at a time anyway.
    const HANDLE hInput = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pFile)));
    DWORD nWaiting = 0;
    return GetFileType(hInput) == FILE_TYPE_PIPE && PeekNamedPipe(hInput, nullptr, 0, nullptr, &nWaiting, nullptr) &&
           nWaiting > 0;
#else
    pollfd input = {fileno(pFile), POLLIN, 0};
    return poll(&input, 1, 0) == 1 && (input.revents & POLLIN) != 0;
#endif
}

// Cuts the input into chunks of whole lines. The reading thread's alone.
class CChunkReader
{
public:
    CChunkReader(FILE* pIn, size_t nChunkBytes)
        : m_pIn(pIn), m_bStream(!IsRegularFile(pIn)), m_nChunkBytes(nChunkBytes)
    {
        if (m_bStream)
            m_buffer.resize(nChunkBytes);
    }

    bool IsStream() const { return m_bStream; }
    bool Failed() const { return m_bFailed; }

    // Fills chunk with the next whole lines, after what was left from the
    // last chunk; false when there are none (the input ended or failed).
    bool Next(CChunk& chunk)
    {
        chunk.text.swap(m_rest);
        m_rest.clear();
        size_t nScanned = 0;    // bytes looked through for a line end
        bool bLineEnd = false;  // ... and whether they hold one
        while (!m_bEnded && !IsComplete(chunk.text, nScanned, bLineEnd))
            ReadMore(chunk.text);
        if (!m_bEnded)
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

private:
    // A chunk holds a line end, and is full; a stream's may be less than full
    // when nothing more has arrived, so that its lines are answered now.
    bool IsComplete(const std::string& text, size_t& nScanned, bool& bLineEnd) const
    {
        if (!bLineEnd)
        {
            bLineEnd = text.find('\n', nScanned) != std::string::npos;
            nScanned = text.size();
        }
        return bLineEnd && (text.size() >= m_nChunkBytes || (m_bStream && !HasInputWaiting(m_pIn)));
    }

    void ReadMore(std::string& text)
    {
        if (m_bStream)
        {
            const long nRead = ReadAvailable(m_pIn, m_buffer.data(), m_buffer.size());
            text.append(m_buffer.data(), static_cast<size_t>(std::max(0L, nRead)));
            m_bFailed = nRead < 0;
            m_bEnded = nRead <= 0;
            return;
        }
        // A file fills the chunk; a longer line doubles it.
        const size_t nHad = text.size();
        const size_t nWant = nHad < m_nChunkBytes ? m_nChunkBytes - nHad : nHad;
        text.resize(nHad + nWant);
        const size_t nRead = std::fread(&text[nHad], 1, nWant, m_pIn);
        text.resize(nHad + nRead);
        m_bFailed = std::ferror(m_pIn) != 0;
        m_bEnded = nRead < nWant;
    }

    FILE* m_pIn;
    bool m_bStream;        // a pipe, a terminal or another stream, not a regular file
    size_t m_nChunkBytes;
    std::vector<char> m_buffer; // a stream's reads
    std::string m_rest;    // the start of a line the last chunk ended in
    long m_nNextLine = 1;  // number of the next line to read
    bool m_bEnded = false;
    bool m_bFailed = false;
};

void RunChunk(CChunk& chunk, EOutputFormat format)
{
    chunk.out.clear();
    chunk.err.clear();
    chunk.nBad = 0;
    chunk.out.reserve(chunk.text.size() * 2);
    std::string_view rest = chunk.text;
    for (long nLine = chunk.nFirstLine; !rest.empty(); ++nLine)
    {
        const size_t nEnd = std::min(rest.find('\n'), rest.size());
        if (!RunBatchLine(rest.substr(0, nEnd), nLine, format, chunk.out, chunk.err))
            ++chunk.nBad;
        rest.remove_prefix(std::min(nEnd + 1, rest.size()));
    }
}
} // namespace

// What the threads share. The reading thread holds it too, so that it may
// outlive Run while it waits on a stream.
struct CBatchRunner::CState
{
    std::vector<CChunk> slots; // a ring: chunk number n lives in slot n % size
    long nRead = 0;            // chunks read
    long nTaken = 0;           // chunks a worker has taken
    long nWritten = 0;         // chunks written
    bool bInputEnded = false;  // the reading thread has ended
    bool bInputFailed = false; // ... because the input could not be read
    bool bStop = false;        // every thread ends
    std::mutex mutex;          // guards all of the above but the texts of slots a thread holds
    std::condition_variable chunkRead;  // to the workers
    std::condition_variable chunkDone;  // to the writer
    std::condition_variable slotFree;   // to the reading thread

    explicit CState(size_t nSlots) : slots(nSlots) {}

    // The reading thread's loop: fills the free slots in order until the input ends or it is told to stop.
    static void Read(std::shared_ptr<CState> state, std::shared_ptr<CChunkReader> reader)
    {
        std::unique_lock<std::mutex> lock(state->mutex);
        for (;;)
        {
            state->slotFree.wait(lock, [&] {
                return state->bStop || state->nRead - state->nWritten < static_cast<long>(state->slots.size());
            });
            if (state->bStop)
                return;
            // A free slot is the reading thread's alone: no lock while reading into it.
            CChunk& chunk = state->slots[state->nRead % state->slots.size()];
            lock.unlock();
            const bool bRead = reader->Next(chunk);
            lock.lock();
            if (!bRead)
            {
                state->bInputEnded = true;
                state->bInputFailed = reader->Failed();
                state->chunkDone.notify_all();
                return;
            }
            chunk.state = SLOT_READY;
            ++state->nRead;
            state->chunkRead.notify_one();
        }
    }

    // A worker's loop: takes the chunks read in order until told to stop.
    void Work(EOutputFormat format)
    {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;)
        {
            chunkRead.wait(lock, [&] { return bStop || nTaken < nRead; });
            if (bStop)
                return;
            CChunk& chunk = slots[nTaken++ % slots.size()];
            chunk.state = SLOT_RUNNING;
            lock.unlock();
            RunChunk(chunk, format);
            lock.lock();
            chunk.state = SLOT_DONE;
            chunkDone.notify_all();
        }
    }
};

CBatchRunner::CBatchRunner(EOutputFormat format, int nThreads, size_t nChunkBytes)
    : m_format(format), m_nThreads(std::max(1, nThreads)), m_nChunkBytes(std::max<size_t>(1, nChunkBytes))
{
}

long CBatchRunner::Run(FILE* pIn, FILE* pOut, FILE* pErr)
{
    auto state = std::make_shared<CState>(static_cast<size_t>(m_nThreads) * kSlotsPerThread);
    auto reader = std::make_shared<CChunkReader>(pIn, m_nChunkBytes);
    const bool bFlushEach = reader->IsStream();
    std::string header;
    AppendBatchHeader(m_format, header);
    bool bWritten = std::fwrite(header.data(), 1, header.size(), pOut) == header.size() &&
                    (!bFlushEach || std::fflush(pOut) == 0);

    std::vector<std::thread> workers;
    for (int i = 0; i < m_nThreads; ++i)
        workers.emplace_back([state, format = m_format] { state->Work(format); });
    std::thread reading(CState::Read, state, reader);

    long nBad = 0;
    std::unique_lock<std::mutex> lock(state->mutex);
    while (bWritten)
    {
        CChunk& chunk = state->slots[state->nWritten % state->slots.size()];
        state->chunkDone.wait(lock, [&] {
            return chunk.state == SLOT_DONE || (state->bInputEnded && state->nWritten == state->nRead);
        });
        if (chunk.state != SLOT_DONE)
            break;
        // A chunk done is the writer's alone.
        lock.unlock();
        std::fwrite(chunk.err.data(), 1, chunk.err.size(), pErr);
        std::fflush(pErr);
        bWritten = std::fwrite(chunk.out.data(), 1, chunk.out.size(), pOut) == chunk.out.size() &&
                   (!bFlushEach || std::fflush(pOut) == 0);
        nBad += chunk.nBad;
        lock.lock();
        chunk.state = SLOT_FREE;
        ++state->nWritten;
        state->slotFree.notify_one();
    }
    const bool bInputFailed = state->bInputFailed;
    const bool bReadingEnded = state->bInputEnded;
    state->bStop = true;
    lock.unlock();
    state->chunkRead.notify_all();
    state->slotFree.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    bWritten = bWritten && std::fflush(pOut) == 0;
    // A stream may keep the reading thread waiting for input that never comes;
    // it holds what it uses, and ends with the process.
    if (bReadingEnded || !reader->IsStream())
        reading.join();
    else
        reading.detach();
    if (!bWritten)
        std::fputs("hali batch: the results cannot be written\n", pErr);
    else if (bInputFailed)
        std::fputs("hali batch: the input cannot be read\n", pErr);
    return bWritten && !bInputFailed ? nBad : -1;
}
