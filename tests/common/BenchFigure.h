#pragma once

// Timing helpers the benchmarks share: wall and CPU time of all threads, and figures kept
// as samples and printed as their median with min-max.
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace bench {

inline double cpuMs(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timed
{
    double wall, cpu;
};

template <typename Run> Timed timed(Run run)
{
    const double fCpu = cpuMs();
    QElapsedTimer timer;
    timer.start();
    run();
    return {timer.nsecsElapsed() / 1e6, cpuMs() - fCpu};
}

template <typename Run> double wallMs(Run run)
{
    return timed(run).wall;
}

class Figure
{
public:
    void add(double fValue) { m_values.push_back(fValue); }
    bool isEmpty() const { return m_values.empty(); }
    double median() const
    {
        std::vector<double> sorted = m_values;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[sorted.size() / 2];
    }
    // "name   median unit (min-max)"
    void print(const char* szName, const char* szUnit) const
    {
        if (m_values.empty())
            return;
        const auto range = std::minmax_element(m_values.cbegin(), m_values.cend());
        std::printf("%-44s %8.2f%s (%.2f-%.2f)\n", szName, median(), szUnit, *range.first,
                    *range.second);
    }

private:
    std::vector<double> m_values;
};

} // namespace bench
