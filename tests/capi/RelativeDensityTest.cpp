// Salinity from a specific gravity to the last bit: the inverse searches EOS-80's density, and work on its
// speed must not move a bit of its answer. Its results over readings spread across the range hash to what
// halic gave before (recorded from that build, natively and under Wine, whose C runtime gives these readings'
// powers as the C library does).
#include "halic.h"
#include "ResultBits.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const int kReadings = 5000;
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Readings from 0.99 to 1.04 (some beyond 0 to 42, whose NaN hashes too) at t and t_ref from -2 to 40 degC.
struct SReadingRow
{
    const char* pszCall;
    double (*inverse)(CInputs& in);
    uint64_t nHash;
};

TEST(SalinityFromSg, UnchangedToTheLastBit)
{
    const SReadingRow rows[] = {
        {"halic_salinity_from_sg_at(sg, t, t_ref)",
         [](CInputs& in) {
             const double sg = in.Next(0.99, 1.04), t = in.Next(-2, 40);
             return halic_salinity_from_sg_at(sg, t, in.Next(-2, 40));
         },
         0x824EE602687A2008u},
        {"halic_salinity_from_sg(sg, NaN, 60/60F)",
         [](CInputs& in) { return halic_salinity_from_sg(in.Next(0.99, 1.04), kNaN, HALIC_SG_60_60F); },
         0xE8CBE041A3370750u},
    };
    for (const SReadingRow& row : rows)
    {
        const uint64_t nHash = HashResults(kReadings, row.inverse);
        EXPECT_EQ(nHash, row.nHash) << row.pszCall << " hashes to 0x" << std::hex << nHash;
    }
}

} // namespace
