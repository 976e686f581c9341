// Results pinned to the last bit: a spread of inputs that is the same on every platform and compiler, and a
// hash of the results' bit patterns. The seawater library's and halic's bit-for-bit rows use both.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <vector>

// A range inputs are drawn from, in the argument's unit.
struct SDraw { double dLow, dHigh; };
// Salinity, temperature (degC), sea pressure (dbar), specific gravity.
const SDraw kDrawS = {0, 42}, kDrawT = {-2, 40}, kDrawP = {0, 10000}, kDrawSg = {0.99, 1.04};

// splitmix64, not a standard distribution, whose algorithm each standard library chooses for itself.
class CInputs
{
public:
    // A double from lo to hi, in the caller's unit.
    double Next(double lo, double hi)
    {
        uint64_t z = (m_nState += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        return lo + (hi - lo) * static_cast<double>(z >> 11) * 0x1p-53;
    }

private:
    uint64_t m_nState = 0x243F6A8885A308D3u; // advanced by each Next
};

// FNV-1a over the bit patterns of nCount results of call, its arguments drawn from ranges in their order.
inline uint64_t HashResults(int nCount, const std::vector<SDraw>& ranges,
                            const std::function<double(const double*)>& call)
{
    CInputs inputs;
    std::vector<double> arguments(ranges.size());
    uint64_t nHash = 0xCBF29CE484222325u;
    for (int i = 0; i < nCount; ++i)
    {
        for (size_t k = 0; k < ranges.size(); ++k)
            arguments[k] = inputs.Next(ranges[k].dLow, ranges[k].dHigh);
        const double d = call(arguments.data());
        uint64_t nBits;
        std::memcpy(&nBits, &d, sizeof nBits);
        for (int nByte = 0; nByte < 8; ++nByte)
        {
            nHash ^= (nBits >> (8 * nByte)) & 0xFF;
            nHash *= 0x100000001B3u;
        }
    }
    return nHash;
}

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

inline void ExpectUnchanged(std::initializer_list<SBitsRow> rows)
{
    for (const SBitsRow& row : rows)
    {
#ifdef _WIN32
        const uint64_t nExpected = row.nWindowsHash;
#else
        const uint64_t nExpected = row.nHash;
#endif
        const uint64_t nHash = HashResults(row.nCount, row.ranges, row.call);
        EXPECT_EQ(nHash, nExpected) << row.pszCall << " hashes to 0x" << std::hex << nHash;
    }
}
