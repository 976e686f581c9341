// The tables the seawater library's tests and halic's share. A check row is a call as written, its result, the
// value expected and the tolerance; a NaN expected asks for NaN. A bit-for-bit row pins results to the last bit:
// inputs spread the same way on every platform and compiler, and a hash of the results' bit patterns.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <vector>

struct Check { const char* pszCall; double dGot, dExpected, dTolerance; };
#define ROW(call, expected, tolerance) Check{#call, call, expected, tolerance}

inline void ExpectChecks(std::initializer_list<Check> checks)
{
    for (const Check& c : checks)
    {
        if (std::isnan(c.dExpected))
            EXPECT_TRUE(std::isnan(c.dGot)) << c.pszCall << " gave " << c.dGot;
        else
            EXPECT_NEAR(c.dGot, c.dExpected, c.dTolerance) << c.pszCall;
    }
}

// A range inputs are drawn from, in the argument's unit.
struct SDraw { double dLow, dHigh; };
// Salinity, temperature (degC), sea pressure (dbar), specific gravity.
const SDraw kDrawS = {0, 42}, kDrawT = {-2, 40}, kDrawP = {0, 10000}, kDrawSg = {0.99, 1.04};

// Inputs by splitmix64, not a standard distribution, whose algorithm each standard library chooses for itself:
// Next gives a double from lo to hi, in the caller's unit.
struct SInputs
{
    uint64_t nState = 0x243F6A8885A308D3u; // advanced by each Next
    double Next(double lo, double hi)
    {
        uint64_t z = (nState += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        return lo + (hi - lo) * static_cast<double>(z >> 11) * 0x1p-53;
    }
};

// A call over arguments drawn from ranges, in their order, and the hash its results must have (on Windows, whose
// C runtime gives its own pow, sin and acos, the other).
struct SBitsRow
{
    const char* pszCall;
    std::vector<SDraw> ranges;
    uint64_t nHash, nWindowsHash;
    double (*call)(const double* a);
    int nCount = 20000; // results hashed
};

// Each row's results hash, FNV-1a over their bit patterns, to the row's own.
inline void ExpectUnchanged(std::initializer_list<SBitsRow> rows)
{
    for (const SBitsRow& row : rows)
    {
        SInputs inputs;
        std::vector<double> arguments(row.ranges.size());
        uint64_t nHash = 0xCBF29CE484222325u;
        for (int i = 0; i < row.nCount; ++i)
        {
            for (size_t k = 0; k < arguments.size(); ++k)
                arguments[k] = inputs.Next(row.ranges[k].dLow, row.ranges[k].dHigh);
            const double d = row.call(arguments.data());
            uint64_t nBits;
            std::memcpy(&nBits, &d, sizeof nBits);
            for (int nByte = 0; nByte < 8; ++nByte)
            {
                nHash ^= (nBits >> (8 * nByte)) & 0xFF;
                nHash *= 0x100000001B3u;
            }
        }
#ifdef _WIN32
        const uint64_t nExpected = row.nWindowsHash;
#else
        const uint64_t nExpected = row.nHash;
#endif
        EXPECT_EQ(nHash, nExpected) << row.pszCall << " hashes to 0x" << std::hex << nHash;
    }
}
