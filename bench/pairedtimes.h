#pragma once
// A benchmark's own work and its anchor, both timed in each iteration on the same input; the ratio of
// the warm iterations is printed with the first (cold) one beside it.
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

inline double secondsSince(const std::chrono::steady_clock::time_point &start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct pairedTimes {
    double cold = 0, work = 0, anchor = 0;
    int iteration = 0;

    // Records one iteration and gives it to the benchmark as its manual time.
    void add(benchmark::State &state, double workSeconds, double anchorSeconds)
    {
        if (iteration++ == 0) {
            cold = workSeconds;
        } else {
            work += workSeconds;
            anchor += anchorSeconds;
        }
        state.SetIterationTime(workSeconds);
    }

    void report(benchmark::State &state, const std::string &ratioName, double unit = 1000,
                const std::string &unitName = "ms") const
    {
        state.counters["cold_" + unitName] = cold * unit;
        if (iteration < 2 || anchor <= 0)
            return;
        state.counters["warm_" + unitName] = work / (iteration - 1) * unit;
        state.counters[ratioName] = work / anchor;
    }
};
