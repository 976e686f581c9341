// Results pinned to the last bit: a spread of inputs that is the same on every platform and compiler, and a
// hash of the results' bit patterns. The seawater library's and halic's bit-for-bit rows use both.
#pragma once
#include <cstdint>
#include <cstring>
#include <functional>

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

// FNV-1a over the bit patterns of nCount results of call, each drawing its inputs from one CInputs.
inline uint64_t HashResults(int nCount, const std::function<double(CInputs&)>& call)
{
    CInputs inputs;
    uint64_t nHash = 0xCBF29CE484222325u;
    for (int i = 0; i < nCount; ++i)
    {
        const double d = call(inputs);
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
