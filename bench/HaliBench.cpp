// Cost per call of hali's seawater functions, each beside its floor: the
// calls to pow that its formula mandates, made on the same inputs. The
// formulas' arithmetic is the rest; the ratios show how much it costs.
#include "Halin.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

struct Sample
{
    double dSalinity; // per mille
    double dTemp;     // deg C, the water temperature
    double dBaseTemp; // deg C
    double dPressure; // dbar
};

const size_t kSamples = 1024; // a power of two: the index wraps by masking
const double kBaseGravity = 1.024;

// Inputs over the ranges the calculator sees, the same on every run.
const std::vector<Sample>& Samples()
{
    static const std::vector<Sample> samples = [] {
        std::mt19937 engine(1980);
        std::uniform_real_distribution<double> salinity(30.0, 40.0);
        std::uniform_real_distribution<double> temp(-2.0, 35.0);
        std::uniform_real_distribution<double> baseTemp(15.0, 30.0);
        std::uniform_real_distribution<double> pressure(0.0, 1000.0);
        std::vector<Sample> v(kSamples);
        for (Sample& s : v)
            s = {salinity(engine), temp(engine), baseTemp(engine), pressure(engine)};
        return v;
    }();
    return samples;
}

// Runs one call per iteration, cycling through the samples.
template <typename Call>
void ForEachSample(benchmark::State& state, Call call)
{
    const std::vector<Sample>& samples = Samples();
    size_t i = 0;
    for (auto _ : state)
        call(samples[i++ & (kSamples - 1)]);
}

// The seven powers of one density: t^2, t^4, t^3, S^1.5, S^2, t^5, p^2.
void DensityPows(double dSalinity, double dTemp, double dPressure)
{
    const double p = dPressure * 0.1;
    benchmark::DoNotOptimize(std::pow(dTemp, 2.0));
    benchmark::DoNotOptimize(std::pow(dTemp, 4.0));
    benchmark::DoNotOptimize(std::pow(dTemp, 3.0));
    benchmark::DoNotOptimize(std::pow(dSalinity, 1.5));
    benchmark::DoNotOptimize(std::pow(dSalinity, 2.0));
    benchmark::DoNotOptimize(std::pow(dTemp, 5.0));
    benchmark::DoNotOptimize(std::pow(p, 2.0));
}

// The two powers of one potential temperature: p^2, p^3.
void PotentialPows(double dPressure)
{
    const double p = dPressure * 0.1;
    benchmark::DoNotOptimize(std::pow(p, 2.0));
    benchmark::DoNotOptimize(std::pow(p, 3.0));
}

void GetDensity(benchmark::State& state)
{
    ForEachSample(state, [](const Sample& s) {
        benchmark::DoNotOptimize(CHalin::GetDensity(s.dSalinity, s.dTemp, s.dPressure));
    });
}

void GetDensity_PowFloor(benchmark::State& state)
{
    ForEachSample(state, [](const Sample& s) { DensityPows(s.dSalinity, s.dTemp, s.dPressure); });
}

void GetPotentialTemp(benchmark::State& state)
{
    ForEachSample(state, [](const Sample& s) {
        benchmark::DoNotOptimize(CHalin::GetPotentialTemp(s.dSalinity, s.dTemp, s.dPressure));
    });
}

void GetPotentialTemp_PowFloor(benchmark::State& state)
{
    ForEachSample(state, [](const Sample& s) { PotentialPows(s.dPressure); });
}

// range(0) is the potential flag.
void GetSpecificGravity(benchmark::State& state)
{
    const int bPotential = static_cast<int>(state.range(0));
    ForEachSample(state, [bPotential](const Sample& s) {
        benchmark::DoNotOptimize(CHalin::GetSpecificGravity(s.dTemp, kBaseGravity, s.dBaseTemp, s.dSalinity,
                                                            s.dPressure, bPotential));
    });
}

// 18 powers with the flag set, 14 with it clear.
void GetSpecificGravity_PowFloor(benchmark::State& state)
{
    const bool bPotential = state.range(0) != 0;
    ForEachSample(state, [bPotential](const Sample& s) {
        if (bPotential)
        {
            PotentialPows(s.dPressure);
            PotentialPows(s.dPressure);
        }
        DensityPows(s.dSalinity, s.dBaseTemp, s.dPressure);
        DensityPows(s.dSalinity, s.dTemp, s.dPressure);
    });
}

BENCHMARK(GetDensity);
BENCHMARK(GetDensity_PowFloor);
BENCHMARK(GetPotentialTemp);
BENCHMARK(GetPotentialTemp_PowFloor);
BENCHMARK(GetSpecificGravity)->ArgName("potential")->Arg(1)->Arg(0);
BENCHMARK(GetSpecificGravity_PowFloor)->ArgName("potential")->Arg(1)->Arg(0);

const char kFloorSuffix[] = "_PowFloor";

// The console table, and after it each function's time over its floor's
// (the fastest repetition of each, or the median when only aggregates are
// reported; CPU time).
class CFloorRatioReporter : public benchmark::ConsoleReporter
{
public:
    // Plain text: the figures are meant to be copied into notes.
    CFloorRatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override
    {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports)
        {
            // The medians stand in when only aggregates are reported.
            const bool bMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type != Run::RT_Iteration && !bMedian) || run.error_occurred)
                continue;
            std::string strName = run.run_name.function_name;
            if (!run.run_name.args.empty())
                strName += "/" + run.run_name.args;
            const double dTime = run.GetAdjustedCPUTime();
            auto it = m_times.find(strName);
            if (it == m_times.end() || dTime < it->second)
                m_times[strName] = dTime;
        }
    }

    // Called once all benchmarks have run.
    void PrintRatios() const
    {
        std::printf("\n%-40s %12s %12s %8s\n", "function", "ns/call", "floor ns", "ratio");
        for (const auto& entry : m_times)
        {
            const std::string& strName = entry.first;
            if (strName.find(kFloorSuffix) != std::string::npos)
                continue;
            std::string strFloor = strName;
            const size_t nArgs = strFloor.find('/');
            strFloor.insert(nArgs == std::string::npos ? strFloor.size() : nArgs, kFloorSuffix);
            auto floor = m_times.find(strFloor);
            if (floor == m_times.end())
                continue;
            std::printf("%-40s %12.2f %12.2f %8.3f\n", strName.c_str(), entry.second, floor->second,
                        entry.second / floor->second);
        }
    }

private:
    std::map<std::string, double> m_times; // CPU time per call, ns
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CFloorRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
