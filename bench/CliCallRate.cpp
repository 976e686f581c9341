// The library's side of the hali command's batch benchmark (bench/cli_speed.sh):
// writes the lines the command is timed on, then times halic_convert on the
// same inputs, so the command's lines per second stand beside the calls per
// second of the library alone, measured in the same run.
//   cli_call_rate LINES_FILE COUNT
#include "ResultRounding.h"
#include <halic.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace
{
struct CInput
{
    double dTemperature, dBaseTemperature, dBaseGravity, dDepth, dSalinity; // degC, degC, -, m, per mille
    int bPotential;
};

// Varnok's settings spread over their everyday ranges, the same on every run.
std::vector<CInput> Inputs(long nCount)
{
    std::mt19937 engine(1980);
    auto uniform = [&](double dLow, double dHigh) { return std::uniform_real_distribution<double>(dLow, dHigh)(engine); };
    std::vector<CInput> inputs(nCount);
    for (long i = 0; i < nCount; ++i)
        inputs[i] = {uniform(-2, 40), uniform(15, 30), uniform(1.018, 1.028), uniform(0, 100), uniform(30, 40),
                     static_cast<int>(i & 1)};
    return inputs;
}

// The lines, with the digits a user's file has.
bool WriteLines(const char* pszPath, const std::vector<CInput>& inputs)
{
    FILE* pFile = std::fopen(pszPath, "wb");
    if (pFile == nullptr)
        return false;
    for (const CInput& in : inputs)
        std::fprintf(pFile, "convert,%.2f,%.2f,%.4f,%.1f,%.2f,%d\n", in.dTemperature, in.dBaseTemperature,
                     in.dBaseGravity, in.dDepth, in.dSalinity, in.bPotential);
    return std::fclose(pFile) == 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fputs("usage: cli_call_rate LINES_FILE COUNT\n", stderr);
        return 2;
    }
    const long nCount = std::atol(argv[2]);
    const std::vector<CInput> inputs = Inputs(nCount);
    if (!WriteLines(argv[1], inputs))
    {
        std::fprintf(stderr, "cli_call_rate: cannot write %s\n", argv[1]);
        return 1;
    }
    // The inputs as the command holds them after reading (rounded to the
    // written digits would change nothing in the cost).
    const auto start = std::chrono::steady_clock::now();
    double dSum = 0.0;
    for (const CInput& in : inputs)
        dSum += RoundToFiveDecimals(halic_convert(in.dTemperature, in.dBaseGravity, in.dBaseTemperature, in.dSalinity,
                                                  in.dDepth, in.bPotential));
    const double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("library: %.0f calls/s (halic_convert and the rounding, one thread, %ld calls, checksum %.5f)\n",
                nCount / dSeconds, nCount, dSum);
    return 0;
}
