// Wire passes are timed at 1k, 10k and 100k wires: each run reports how many times longer an
// iteration took than at a tenth of its size ("x10"; the goal is at most 12). The time is the
// thread's CPU time, which a machine busy with other work does not inflate.
#pragma once

#include <benchmark/benchmark.h>

#include <ctime>
#include <map>
#include <string>
#include <utility>

namespace kv {

inline double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

// Runs `prepare` untimed and `work` timed in every iteration; register with UseManualTime().
template <typename Prepare, typename Work>
void TimeGrowth(benchmark::State& state, const std::string& pass, Prepare prepare, Work work) {
    static std::map<std::pair<std::string, long>, double> secondsPerIteration;
    double total = 0;
    for (auto _ : state) {
        prepare();
        const double start = ThreadSeconds();
        work();
        const double took = ThreadSeconds() - start;
        state.SetIterationTime(took);
        total += took;
    }
    const long size = static_cast<long>(state.range(0));
    const double mean = total / static_cast<double>(state.iterations());
    secondsPerIteration[{pass, size}] = mean;
    state.counters["n"] = static_cast<double>(size);
    auto tenth = secondsPerIteration.find({pass, size / 10});
    if (tenth != secondsPerIteration.end() && tenth->second > 0) state.counters["x10"] = mean / tenth->second;
}

}  // namespace kv
