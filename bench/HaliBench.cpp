// Cost per call of hali's seawater functions, each beside its floor: the calls to pow that its formula
// makes, on the same inputs. The ratio is what the rest of the formula adds.
#include "Halin.h"
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

struct Sample { double S, t, tBase, dbar; }; // salinity per mille, water and base temperature deg C, dbar

// One call per iteration on 1,024 inputs over the calculator's ranges, the same on every run.
void Bench(benchmark::State& state, void (*call)(const Sample& s, int bPotential), int bPotential)
{
    static Sample samples[1024];
    std::mt19937 engine(1980);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine); };
    for (Sample& s : samples)
        s = { uniform(30.0, 40.0), uniform(-2.0, 35.0), uniform(15.0, 30.0), uniform(0.0, 1000.0) };
    size_t i = 0;
    for (auto _ : state)
        call(samples[i++ & 1023], bPotential);
}

// One density's seven powers (t^2, t^4, t^3, S^1.5, S^2, t^5, p^2); one potential temperature's two (p^2, p^3).
void DensityPows(double S, double t, double dbar)
{
    for (double x : { std::pow(t, 2.0), std::pow(t, 4.0), std::pow(t, 3.0), std::pow(S, 1.5), std::pow(S, 2.0),
                      std::pow(t, 5.0), std::pow(dbar * 0.1, 2.0) })
        benchmark::DoNotOptimize(x);
}
void PotentialPows(double dbar)
{
    for (double x : { std::pow(dbar * 0.1, 2.0), std::pow(dbar * 0.1, 3.0) })
        benchmark::DoNotOptimize(x);
}

void Density(const Sample& s, int) { benchmark::DoNotOptimize(CHalin::GetDensity(s.S, s.t, s.dbar)); }
void DensityFloor(const Sample& s, int) { DensityPows(s.S, s.t, s.dbar); }
void PotentialTemp(const Sample& s, int) { benchmark::DoNotOptimize(CHalin::GetPotentialTemp(s.S, s.t, s.dbar)); }
void PotentialTempFloor(const Sample& s, int) { PotentialPows(s.dbar); }
void SpecificGravity(const Sample& s, int bPotential)
{
    benchmark::DoNotOptimize(CHalin::GetSpecificGravity(s.t, 1.024, s.tBase, s.S, s.dbar, bPotential));
}
// 18 powers with the flag set, 14 with it clear.
void SpecificGravityFloor(const Sample& s, int bPotential)
{
    for (int n = 0; n < 2 * bPotential; ++n)
        PotentialPows(s.dbar);
    DensityPows(s.S, s.tBase, s.dbar);
    DensityPows(s.S, s.t, s.dbar);
}

BENCHMARK_CAPTURE(Bench, Density, Density, 0);
BENCHMARK_CAPTURE(Bench, Density_floor, DensityFloor, 0);
BENCHMARK_CAPTURE(Bench, PotentialTemp, PotentialTemp, 0);
BENCHMARK_CAPTURE(Bench, PotentialTemp_floor, PotentialTempFloor, 0);
BENCHMARK_CAPTURE(Bench, SpecificGravity_potential1, SpecificGravity, 1);
BENCHMARK_CAPTURE(Bench, SpecificGravity_potential1_floor, SpecificGravityFloor, 1);
BENCHMARK_CAPTURE(Bench, SpecificGravity_potential0, SpecificGravity, 0);
BENCHMARK_CAPTURE(Bench, SpecificGravity_potential0_floor, SpecificGravityFloor, 0);

// The usual table; keeps each benchmark's fastest CPU time per call (of its --benchmark_repetitions).
struct CFastestReporter : benchmark::ConsoleReporter
{
    std::map<std::string, double> m_ns; // benchmark name -> ns
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
            {
                double& dNs = m_ns.try_emplace(run.benchmark_name(), 1e300).first->second;
                dNs = std::min(dNs, run.GetAdjustedCPUTime());
            }
    }
};

} // namespace

// The benchmarks, then each function's time over its floor's.
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CFastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-32s %8s %9s %6s\n", "function", "ns", "floor ns", "ratio");
    for (const auto& [name, ns] : reporter.m_ns)
        if (auto floor = reporter.m_ns.find(name + "_floor"); floor != reporter.m_ns.end())
            std::printf("%-32s %8.1f %9.1f %6.2f\n", name.c_str() + 6, ns, floor->second, ns / floor->second);
    benchmark::Shutdown();
}
