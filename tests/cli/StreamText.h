// Temporary files for a test's streams, what a test wrote to one, and the
// command run in-process on them.
#pragma once
#include "HaliCommand.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

// A temporary file; a test cannot run without one, and fails plainly.
inline FILE* TempFile()
{
    FILE* pFile = std::tmpfile();
    return pFile != nullptr ? pFile : throw std::runtime_error("no temporary file");
}

// What a temporary file holds, read from its start.
inline std::string ReadAll(FILE* pFile)
{
    std::rewind(pFile);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0;)
        text.append(buffer, n);
    return text;
}

struct CRun
{
    int nExitCode;
    std::string out, err;
};

// hali with these arguments, in-process, and nothing on its standard input.
inline CRun RunHali(std::vector<const char*> args)
{
    args.insert(args.begin(), "hali");
    FILE* pIn = TempFile();
    FILE* pOut = TempFile();
    FILE* pErr = TempFile();
    const int nExitCode = CHaliCommand(pIn, pOut, pErr).Run(static_cast<int>(args.size()), args.data());
    const CRun run = {nExitCode, ReadAll(pOut), ReadAll(pErr)};
    for (FILE* pFile : {pIn, pOut, pErr})
        std::fclose(pFile);
    return run;
}
