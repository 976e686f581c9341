// The batch mode's machinery: a reading thread cuts the input into chunks of
// whole lines, worker threads compute the chunks, each taking the next one as
// it becomes free, so that a thread the system holds back delays only its own
// chunk, and the calling thread writes their results in input order.
//
// From a regular file a chunk is a large block, read whole. From a pipe, a
// terminal or any other stream a chunk is what has arrived, and its results
// are flushed as soon as they are written: a program that writes a line and
// waits for its answer gets it.
#pragma once
#include "OutputFormat.h"

#include <cstdio>
#include <memory>
#include <string>

class CBatchRunner
{
public:
    // nThreads: threads that compute (1 or more); nChunkBytes: bytes read per
    // chunk from a file, at most per read from a stream (a chunk grows to
    // hold a longer line).
    CBatchRunner(EOutputFormat format, int nThreads, size_t nChunkBytes);

    // Runs every line of pIn; results to pOut, bad lines to pErr. Returns how
    // many lines were bad or had no answer, or -1 when pIn could not be read
    // or pOut not written (pErr says so). When pOut cannot be written it
    // returns at once, though a stream may not have ended: pIn must then stay
    // open until the process ends, as the reading thread may still wait on it.
    long Run(FILE* pIn, FILE* pOut, FILE* pErr);

private:
    struct CState;
    EOutputFormat m_format;
    int m_nThreads;
    size_t m_nChunkBytes;
};
