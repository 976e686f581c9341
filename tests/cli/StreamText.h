// What a test wrote to a temporary file, read back from its start.
#pragma once
#include <cstdio>
#include <string>

inline std::string ReadAll(FILE* pFile)
{
    std::rewind(pFile);
    std::string text;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0;)
        text.append(buffer, n);
    return text;
}
