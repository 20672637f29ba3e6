#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace vekselgrad::bench {

// The benchmarks compared with the file floor run several times; their fastest repetition is the
// one least disturbed by other work on the machine, and the ratios use it.
inline void sideBySide(benchmark::internal::Benchmark* b) {
    b->Repetitions(10)
        ->ComputeStatistics(
            "min",
            [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->MinTime(0.3)
        ->DisplayAggregatesOnly(true)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace vekselgrad::bench
