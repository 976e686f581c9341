// The batch mode's machinery: the main thread reads lines in large chunks and
// writes their results in input order; worker threads compute the chunks, each
// taking the next one as it becomes free, so that a thread the system holds
// back delays only its own chunk.
#pragma once
#include "OutputFormat.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

class CBatchRunner
{
public:
    // nThreads: threads that compute (1 or more); nChunkBytes: bytes read per
    // chunk (a chunk grows to hold a longer line).
    CBatchRunner(EOutputFormat format, int nThreads, size_t nChunkBytes);

    // Runs every line of pIn; results to pOut, bad lines to pErr. Returns how
    // many lines were bad or had no answer, or -1 when pIn could not be read
    // or pOut not written (pErr says so).
    long Run(FILE* pIn, FILE* pOut, FILE* pErr);

private:
    enum ESlot
    {
        SLOT_FREE,    // the main thread may read into it
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

    // Fills chunk with the next whole lines of pIn, after what was left from
    // the last chunk; false when there are none. Main thread only.
    bool ReadChunk(FILE* pIn, CChunk& chunk);
    void RunChunk(CChunk& chunk) const;
    // Reads chunks into the free slots; false when the input cannot be read.
    bool ReadAhead(FILE* pIn, std::unique_lock<std::mutex>& lock);
    // Writes the oldest chunk once computed; false when pOut cannot be written.
    bool WriteOldest(FILE* pOut, FILE* pErr, std::unique_lock<std::mutex>& lock, long& nBad);
    // A worker's loop: takes the chunks read in order until told to stop.
    void Work();

    EOutputFormat m_format;
    int m_nThreads;
    size_t m_nChunkBytes;
    std::string m_rest;    // the start of a line the last chunk ended in
    long m_nNextLine = 1;  // number of the next line to read
    bool m_bInputEnded = false;

    std::vector<CChunk> m_slots; // a ring: chunk number n lives in slot n % size
    long m_nRead = 0;            // chunks read
    long m_nTaken = 0;           // chunks a worker has taken
    long m_nWritten = 0;         // chunks written
    bool m_bStop = false;        // the workers end
    std::mutex m_mutex;          // guards the counts, m_bStop and the slots' states
    std::condition_variable m_chunkRead;
    std::condition_variable m_chunkDone;
};
