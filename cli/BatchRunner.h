// The batch mode's machinery: lines read in large chunks, each chunk's lines
// computed by one of several threads, the results written in input order.
#pragma once
#include "OutputFormat.h"

#include <cstdio>
#include <string>
#include <vector>

class CBatchRunner
{
public:
    // nThreads: chunks computed at once (1 or more); nChunkBytes: bytes read
    // per chunk (a chunk grows to hold a longer line).
    CBatchRunner(EOutputFormat format, int nThreads, size_t nChunkBytes);

    // Runs every line of pIn; results to pOut, bad lines to pErr. Returns how
    // many lines were bad or had no answer, or -1 when pIn could not be read
    // or pOut not written (pErr says so).
    long Run(FILE* pIn, FILE* pOut, FILE* pErr);

private:
    struct CChunk
    {
        std::string text;   // whole lines, each ending in a newline except at the end of the input
        long nFirstLine;    // line number of its first line, from 1
        std::string out;    // its results
        std::string err;    // its bad lines' reports
        long nBad;          // how many lines were bad
    };

    // Fills chunk with the next whole lines of pIn, after what was left from
    // the last chunk; false when there are none.
    bool ReadChunk(FILE* pIn, CChunk& chunk);
    void RunChunk(CChunk& chunk) const;
    // Computes the chunks read, one thread each, and writes them in order.
    bool RunRound(std::vector<CChunk>& chunks, size_t nChunks, FILE* pOut, FILE* pErr, long& nBad);

    EOutputFormat m_format;
    int m_nThreads;
    size_t m_nChunkBytes;
    std::string m_rest;    // the start of a line the last chunk ended in
    long m_nNextLine = 1;  // number of the next line to read
    bool m_bInputEnded = false;
};
