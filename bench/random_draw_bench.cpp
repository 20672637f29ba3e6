#include <benchmark/benchmark.h>

#include "bench_ports.h"
#include "engine/click.h"
#include "engine/random_draw.h"

namespace vekselgrad::bench {
namespace {

// One draw with each range the game uses: 3 to 16 (a table of n x n random numbers each).
void randomDrawOf(benchmark::State& state) {
    BenchPorts bench;
    Click click("", bench.ports);
    const int range = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(randomDraw(click, range, 0));
    }
}
BENCHMARK(randomDrawOf)
    ->Name("random_draw")
    ->Arg(3)
    ->Arg(4)
    ->Arg(5)
    ->Arg(6)
    ->Arg(7)
    ->Arg(8)
    ->Arg(10)
    ->Arg(16);

}  // namespace
}  // namespace vekselgrad::bench
