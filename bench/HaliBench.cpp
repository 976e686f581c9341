// Cost per call of hali's seawater functions, each beside its floor: the calls to pow that its formula
// makes, on the same inputs. The ratio is what the rest of the formula adds. halic_density_n's cost per
// element stands beside the same floor as GetDensity's.
//
// Each benchmark times its function and its floor in alternate passes over the same 1,024 inputs and keeps
// the fastest pass of each. A pass takes well under a millisecond, so on a shared machine most passes run
// undisturbed, and a function and its floor meet the same load.
#include "Halin.h"
#include "halic.h"
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>

namespace {

const int kSamples = 1024;

struct Sample { double S, t, tBase, dbar; }; // salinity per mille, water and base temperature deg C, dbar

// Inputs over the calculator's ranges, the same on every run; the array forms take them as columns.
struct Inputs
{
    Sample rows[kSamples];
    double S[kSamples], t[kSamples], dbar[kSamples], out[kSamples];
    Inputs()
    {
        std::mt19937 engine(1980);
        auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine); };
        for (int i = 0; i < kSamples; ++i)
        {
            rows[i] = { uniform(30.0, 40.0), uniform(-2.0, 35.0), uniform(15.0, 30.0), uniform(0.0, 1000.0) };
            S[i] = rows[i].S;
            t[i] = rows[i].t;
            dbar[i] = rows[i].dbar;
        }
    }
};
Inputs g_inputs;

using Clock = std::chrono::steady_clock;

double NsPerSample(Clock::time_point start)
{
    return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kSamples;
}

// One pass of call over the inputs, ns per call.
template <class Call>
double Pass(Call call)
{
    const Clock::time_point start = Clock::now();
    for (const Sample& s : g_inputs.rows)
        call(s);
    return NsPerSample(start);
}

// One density's seven powers (t^2, t^4, t^3, S^1.5, S^2, t^5, p^2); one potential temperature's two (p^2, p^3).
void DensityPows(double S, double t, double dbar)
{
    benchmark::DoNotOptimize(std::pow(t, 2.0));
    benchmark::DoNotOptimize(std::pow(t, 4.0));
    benchmark::DoNotOptimize(std::pow(t, 3.0));
    benchmark::DoNotOptimize(std::pow(S, 1.5));
    benchmark::DoNotOptimize(std::pow(S, 2.0));
    benchmark::DoNotOptimize(std::pow(t, 5.0));
    benchmark::DoNotOptimize(std::pow(dbar * 0.1, 2.0));
}
void PotentialPows(double dbar)
{
    benchmark::DoNotOptimize(std::pow(dbar * 0.1, 2.0));
    benchmark::DoNotOptimize(std::pow(dbar * 0.1, 3.0));
}

double Density()
{
    return Pass([](const Sample& s) { benchmark::DoNotOptimize(CHalin::GetDensity(s.S, s.t, s.dbar)); });
}
double DensityFloor()
{
    return Pass([](const Sample& s) { DensityPows(s.S, s.t, s.dbar); });
}
double PotentialTemp()
{
    return Pass([](const Sample& s) { benchmark::DoNotOptimize(CHalin::GetPotentialTemp(s.S, s.t, s.dbar)); });
}
double PotentialTempFloor()
{
    return Pass([](const Sample& s) { PotentialPows(s.dbar); });
}
template <int bPotential>
double SpecificGravity()
{
    return Pass([](const Sample& s) {
        benchmark::DoNotOptimize(CHalin::GetSpecificGravity(s.t, 1.024, s.tBase, s.S, s.dbar, bPotential));
    });
}
// 18 powers with the flag set, 14 with it clear.
template <int bPotential>
double SpecificGravityFloor()
{
    return Pass([](const Sample& s) {
        if (bPotential != 0)
        {
            PotentialPows(s.dbar);
            PotentialPows(s.dbar);
        }
        DensityPows(s.S, s.tBase, s.dbar);
        DensityPows(s.S, s.t, s.dbar);
    });
}
// The array form on the same inputs, ns per element: its checks and loop beside GetDensity's formula.
double DensityArray()
{
    const Clock::time_point start = Clock::now();
    benchmark::DoNotOptimize(halic_density_n(kSamples, g_inputs.S, g_inputs.t, g_inputs.dbar, g_inputs.out));
    benchmark::ClobberMemory();
    return NsPerSample(start);
}

// Each iteration is a pass of the function and a pass of its floor; the counters keep the fastest of each.
void Bench(benchmark::State& state, double (*function)(), double (*floor)())
{
    double dNs = 1e300, dFloorNs = 1e300;
    for (auto _ : state)
    {
        dNs = std::min(dNs, function());
        dFloorNs = std::min(dFloorNs, floor());
    }
    state.counters["ns"] = dNs;
    state.counters["floor_ns"] = dFloorNs;
    state.counters["ratio"] = dNs / dFloorNs;
}

BENCHMARK_CAPTURE(Bench, Density, Density, DensityFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Bench, PotentialTemp, PotentialTemp, PotentialTempFloor)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Bench, SpecificGravity_potential1, SpecificGravity<1>, SpecificGravityFloor<1>)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Bench, SpecificGravity_potential0, SpecificGravity<0>, SpecificGravityFloor<0>)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Bench, halic_density_n, DensityArray, DensityFloor)->Unit(benchmark::kMicrosecond);

// The usual table; keeps each benchmark's fastest passes (of its --benchmark_repetitions).
struct CFastestReporter : benchmark::ConsoleReporter
{
    std::map<std::string, std::pair<double, double>> m_ns; // benchmark name -> ns, floor ns
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.counters.count("ns") != 0)
            {
                auto& fastest = m_ns.try_emplace(run.run_name.function_name, 1e300, 1e300).first->second;
                fastest.first = std::min(fastest.first, run.counters.at("ns").value);
                fastest.second = std::min(fastest.second, run.counters.at("floor_ns").value);
            }
    }
};

} // namespace

// The benchmarks (Time is a pass of the function and one of its floor), then each function's fastest pass
// over its floor's, ns per call.
int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CFastestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-32s %8s %9s %6s\n", "function", "ns", "floor ns", "ratio");
    for (const auto& [name, ns] : reporter.m_ns)
        std::printf("%-32s %8.1f %9.1f %6.2f\n", name.c_str() + 6, ns.first, ns.second, ns.first / ns.second);
    benchmark::Shutdown();
}
