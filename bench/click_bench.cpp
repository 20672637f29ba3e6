#include <benchmark/benchmark.h>

#include "actions/trading_buttons.h"
#include "bench_ports.h"
#include "side_by_side.h"

namespace vekselgrad::bench {
namespace {

using ClickButton = void (*)(const std::filesystem::path&, Ports&);

// Whole clicks one after another, as a player makes them: load, the turn, the answer, save.
// Every 30 clicks, outside the measured time, the state files are put back to the third part of
// the first day and the random numbers rewound, so that the game never reaches its end.
void click(benchmark::State& state, ClickButton button, const char* answer) {
    constexpr int clicksBetweenRestores = 30;
    BenchFolder folder;
    BenchPorts bench;
    const StateFileBytes files = midGameFiles();
    bench.window.answerWith(answer);
    int clicks = 0;
    for (auto _ : state) {
        if (clicks++ % clicksBetweenRestores == 0) {
            state.PauseTiming();
            folder.restore(files);
            bench.random.rewind();
            state.ResumeTiming();
        }
        button(folder.path(), bench.ports);
    }
}
BENCHMARK_CAPTURE(click, click_skip, skipClick, "")->Name("click_skip")->Apply(sideBySide);
BENCHMARK_CAPTURE(click, click_sell, sellClick, "10")->Name("click_sell")->Apply(sideBySide);
BENCHMARK_CAPTURE(click, click_buy, buyClick, "10")->Name("click_buy")->Apply(sideBySide);

// A new game, its 90 clicks, the results form and the analysis, on real files.
void wholeGame(benchmark::State& state) {
    BenchFolder folder;
    BenchPorts bench;
    for (auto _ : state) {
        bench.random.rewind();
        playWholeGame(folder.path(), bench);
    }
    if (!bench.window.resultsShown()) {
        state.SkipWithError("the game did not reach the results form");
    }
}
BENCHMARK(wholeGame)->Name("whole_game")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vekselgrad::bench
