// The library's results to the last bit. Work on its speed may move the formulas' code about, never their
// arithmetic: each function's results over inputs spread across its range hash to what the library gave before
// any such work (recorded from that build); the check-value tables allow half a unit in the last digit published.
// The Windows library takes the C runtime's pow, sin and acos: its own hashes, from Wine's, which its tests run on.
#include "Halin.h"
#include "CheckTable.h"

#include <gtest/gtest.h>

namespace {

TEST(Results, UnchangedToTheLastBit)
{
    const std::vector<SDraw> kGravityDraws = {kDrawT, kDrawSg, kDrawT, kDrawS, kDrawP};
    ExpectUnchanged({
        {"GetDensity(S, t, p)", {kDrawS, kDrawT, kDrawP}, 0x6933443B19A2C2CCu, 0x6933443B19A2C2CCu,
         [](const double* a) { return CHalin::GetDensity(a[0], a[1], a[2]); }},
        {"GetPotentialTemp(S, t, p)", {kDrawS, kDrawT, kDrawP}, 0xB182E1DB78EF8331u, 0xFF31005BB6CCEAACu,
         [](const double* a) { return CHalin::GetPotentialTemp(a[0], a[1], a[2]); }},
        {"GetSpecificGravity(t, sg0, t0, S, p, 1)", kGravityDraws, 0xA56C969E8E0854D3u, 0xA56C969E8E0854D3u,
         [](const double* a) { return CHalin::GetSpecificGravity(a[0], a[1], a[2], a[3], a[4], 1); }},
        {"GetSpecificGravity(t, sg0, t0, S, p, 0)", kGravityDraws, 0xE8BDA159F83DC641u, 0xE8BDA159F83DC641u,
         [](const double* a) { return CHalin::GetSpecificGravity(a[0], a[1], a[2], a[3], a[4], 0); }},
        {"GetDepth(p, latitude)", {kDrawP, {-90, 90}}, 0x84E5016CF8DE48B2u, 0xF3057F73B55E3FC1u,
         [](const double* a) { return CHalin::GetDepth(a[0], a[1]); }},
        {"GetDissolvedCarbonDioxide(pH, carbonate)", {{0, 14}, {0, 100}}, 0x6E361F9E8BD11224u, 0x0E7B5886FB0465C8u,
         [](const double* a) { return CHalin::GetDissolvedCarbonDioxide(a[0], a[1]); }},
    });
}

} // namespace
