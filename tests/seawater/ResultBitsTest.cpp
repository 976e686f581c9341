// The library's results to the last bit. Work on its speed may move the formulas' code about, never their
// arithmetic: each function's results over inputs spread across its range hash to what the library gave
// before any such work (recorded from that build). The check-value tables allow half a unit in the last
// digit published; these rows allow nothing. The Windows library takes the C runtime's pow, sin and acos, so
// its results have their own hashes (from Wine's C runtime, which its tests run against).
#include "Halin.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>

namespace {

const int kInputs = 20000;

// The same inputs on every platform and compiler: splitmix64, not a standard distribution, whose
// algorithm each standard library chooses for itself.
class CInputs
{
public:
    // A double from lo to hi, degC or dbar or whatever the caller's range is in.
    double Next(double lo, double hi)
    {
        uint64_t z = (m_nState += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        return lo + (hi - lo) * static_cast<double>(z >> 11) * 0x1p-53;
    }

private:
    uint64_t m_nState = 0x243F6A8885A308D3u; // the generator's state, advanced by each Next
};

// FNV-1a over the bit patterns of the results.
uint64_t HashResults(const std::function<double(CInputs&)>& call)
{
    CInputs inputs;
    uint64_t nHash = 0xCBF29CE484222325u;
    for (int i = 0; i < kInputs; ++i)
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

// One function over its range: S 0 to 42, t -2 to 40 degC, p 0 to 10000 dbar, gravity 0.99 to 1.04.
struct SBitsRow
{
    const char* pszCall;
    std::function<double(CInputs&)> call;
    uint64_t nHash;        // the results' hash as the library gave them
    uint64_t nWindowsHash; // the same, from the Windows library
};

TEST(Results, UnchangedToTheLastBit)
{
    const SBitsRow rows[] = {
        {"GetDensity(S, t, p)",
         [](CInputs& in) { return CHalin::GetDensity(in.Next(0, 42), in.Next(-2, 40), in.Next(0, 10000)); },
         0xFD25B015F1DC4EE5u, 0xFD25B015F1DC4EE5u},
        {"GetPotentialTemp(S, t, p)",
         [](CInputs& in) { return CHalin::GetPotentialTemp(in.Next(0, 42), in.Next(-2, 40), in.Next(0, 10000)); },
         0x90723A39FE9A8E56u, 0x90723A39FE9A8E56u},
        {"GetSpecificGravity(t, sg0, t0, S, p, 1)",
         [](CInputs& in) {
             return CHalin::GetSpecificGravity(in.Next(-2, 40), in.Next(0.99, 1.04), in.Next(-2, 40),
                                               in.Next(0, 42), in.Next(0, 10000), 1);
         },
         0xD49138464183A939u, 0xD75AA8CCEAB04A44u},
        {"GetSpecificGravity(t, sg0, t0, S, p, 0)",
         [](CInputs& in) {
             return CHalin::GetSpecificGravity(in.Next(-2, 40), in.Next(0.99, 1.04), in.Next(-2, 40),
                                               in.Next(0, 42), in.Next(0, 10000), 0);
         },
         0x16EA1B8CDF1AC316u, 0x16EA1B8CDF1AC316u},
        {"GetDepth(p, latitude)", [](CInputs& in) { return CHalin::GetDepth(in.Next(0, 10000), in.Next(-90, 90)); },
         0xD5EFDF5B7A463B8Cu, 0xD026DD7CF2C10F66u},
        {"GetDissolvedCarbonDioxide(pH, carbonate)",
         [](CInputs& in) { return CHalin::GetDissolvedCarbonDioxide(in.Next(0, 14), in.Next(0, 100)); },
         0xD4AA0F4106C10ED6u, 0xA83E0EEF3F9F9EBBu},
    };
    for (const SBitsRow& row : rows)
    {
#ifdef _WIN32
        const uint64_t nExpected = row.nWindowsHash;
#else
        const uint64_t nExpected = row.nHash;
#endif
        const uint64_t nHash = HashResults(row.call);
        EXPECT_EQ(nHash, nExpected) << row.pszCall << " hashes to 0x" << std::hex << nHash;
    }
}

} // namespace
