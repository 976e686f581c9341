// The library's results to the last bit. Work on its speed may move the formulas' code about, never their
// arithmetic: each function's results over inputs spread across its range hash to what the library gave
// before any such work (recorded from that build). The check-value tables allow half a unit in the last
// digit published; these rows allow nothing. The Windows library takes the C runtime's pow, sin and acos, so
// its results have their own hashes (from Wine's C runtime, which its tests run against).
#include "Halin.h"
#include "ResultBits.h"

#include <gtest/gtest.h>

namespace {

const int kInputs = 20000;

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
    // Each call draws its inputs in the order of its arguments (an argument list's order of evaluation is the
    // compiler's choice).
    const SBitsRow rows[] = {
        {"GetDensity(S, t, p)",
         [](CInputs& in) {
             const double S = in.Next(0, 42), t = in.Next(-2, 40);
             return CHalin::GetDensity(S, t, in.Next(0, 10000));
         },
         0x6933443B19A2C2CCu, 0x6933443B19A2C2CCu},
        {"GetPotentialTemp(S, t, p)",
         [](CInputs& in) {
             const double S = in.Next(0, 42), t = in.Next(-2, 40);
             return CHalin::GetPotentialTemp(S, t, in.Next(0, 10000));
         },
         0xB182E1DB78EF8331u, 0xFF31005BB6CCEAACu},
        {"GetSpecificGravity(t, sg0, t0, S, p, 1)",
         [](CInputs& in) {
             const double t = in.Next(-2, 40), sg0 = in.Next(0.99, 1.04), t0 = in.Next(-2, 40), S = in.Next(0, 42);
             return CHalin::GetSpecificGravity(t, sg0, t0, S, in.Next(0, 10000), 1);
         },
         0xA56C969E8E0854D3u, 0xA56C969E8E0854D3u},
        {"GetSpecificGravity(t, sg0, t0, S, p, 0)",
         [](CInputs& in) {
             const double t = in.Next(-2, 40), sg0 = in.Next(0.99, 1.04), t0 = in.Next(-2, 40), S = in.Next(0, 42);
             return CHalin::GetSpecificGravity(t, sg0, t0, S, in.Next(0, 10000), 0);
         },
         0xE8BDA159F83DC641u, 0xE8BDA159F83DC641u},
        {"GetDepth(p, latitude)",
         [](CInputs& in) {
             const double p = in.Next(0, 10000);
             return CHalin::GetDepth(p, in.Next(-90, 90));
         },
         0x84E5016CF8DE48B2u, 0xF3057F73B55E3FC1u},
        {"GetDissolvedCarbonDioxide(pH, carbonate)",
         [](CInputs& in) {
             const double pH = in.Next(0, 14);
             return CHalin::GetDissolvedCarbonDioxide(pH, in.Next(0, 100));
         },
         0x6E361F9E8BD11224u, 0x0E7B5886FB0465C8u},
    };
    for (const SBitsRow& row : rows)
    {
#ifdef _WIN32
        const uint64_t nExpected = row.nWindowsHash;
#else
        const uint64_t nExpected = row.nHash;
#endif
        const uint64_t nHash = HashResults(kInputs, row.call);
        EXPECT_EQ(nHash, nExpected) << row.pszCall << " hashes to 0x" << std::hex << nHash;
    }
}

} // namespace
