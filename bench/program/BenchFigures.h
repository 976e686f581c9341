// Timing and the summary figures that both program benchmarks print.
#pragma once
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <vector>

// Milliseconds since construction (or the last Restart), from the performance counter.
class CStopwatch
{
public:
    CStopwatch()
    {
        ::QueryPerformanceFrequency(&m_frequency);
        Restart();
    }
    void Restart() { ::QueryPerformanceCounter(&m_start); }
    double ElapsedMs() const
    {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0 / static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency; // counts per second
    LARGE_INTEGER m_start;     // counter at the start
};

// The value below which the fraction p (0 to 1) of the samples lie, nearest rank.
inline double Percentile(std::vector<double> samples, double p)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    size_t nRank = static_cast<size_t>(std::ceil(p * static_cast<double>(samples.size())));
    return samples[nRank == 0 ? 0 : nRank - 1];
}

// The middle sample; the mean of the two middle ones for an even count.
inline double Median(std::vector<double> samples)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    size_t n = samples.size();
    return n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
}

// A process's memory, KiB.
struct CProcessMemory
{
    double dPrivateUsageKiB;     // PROCESS_MEMORY_COUNTERS_EX.PrivateUsage, as the system reports it
    double dPrivateCommittedKiB; // committed private pages, summed over the address space
    double dWorkingSetKiB;       // PROCESS_MEMORY_COUNTERS_EX.WorkingSetSize
};

// Committed private memory of a process: the regions VirtualQueryEx reports
// as MEM_COMMIT and MEM_PRIVATE. Wine leaves PrivateUsage at zero; this is
// what Windows counts as private bytes.
inline double PrivateCommittedKiB(HANDLE hProcess)
{
    double dBytes = 0.0;
    MEMORY_BASIC_INFORMATION info;
    for (const BYTE* p = nullptr; ::VirtualQueryEx(hProcess, p, &info, sizeof(info)) == sizeof(info);
         p = static_cast<const BYTE*>(info.BaseAddress) + info.RegionSize)
    {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
            dBytes += static_cast<double>(info.RegionSize);
        if (info.RegionSize == 0)
            break;
    }
    return dBytes / 1024.0;
}

// False when the system does not report the counters.
inline bool MeasureProcessMemory(HANDLE hProcess, CProcessMemory* pMemory)
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    if (!::GetProcessMemoryInfo(hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters)))
        return false;
    pMemory->dPrivateUsageKiB = static_cast<double>(counters.PrivateUsage) / 1024.0;
    pMemory->dWorkingSetKiB = static_cast<double>(counters.WorkingSetSize) / 1024.0;
    pMemory->dPrivateCommittedKiB = PrivateCommittedKiB(hProcess);
    return true;
}
