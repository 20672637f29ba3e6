// The benchmarks of the game, and at the end the figures read by scripts: each click against
// the bare file work under it, and a save flushed to the disk against one that is not.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// The console output as usual (in colour on a terminal), keeping the real time of one iteration
// of each benchmark in seconds: of its fastest repetition where it is repeated.
class TimesKept : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> seconds;

    TimesKept() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override {
        ConsoleReporter::ReportRuns(reports);
        for (const Run& run : reports) {
            if (run.error_occurred || run.iterations == 0) {
                continue;
            }
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min") {
                continue;
            }
            const auto& name = run.run_name;
            seconds[name.args.empty() ? name.function_name : name.function_name + "/" + name.args] =
                run.real_accumulated_time / static_cast<double>(run.iterations);
        }
    }
};

void printRatio(const char* label, const TimesKept& times, const std::string& measured,
                const std::string& floor) {
    const auto m = times.seconds.find(measured);
    const auto f = times.seconds.find(floor);
    if (m != times.seconds.end() && f != times.seconds.end()) {
        std::printf("%s: %.2f\n", label, m->second / f->second);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // The repetitions of the benchmarks compared side by side take turns, so that a slow spell
    // of the disk falls on all of them alike; a flag on the command line can still turn it off.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) {
        return 1;
    }
    TimesKept times;
    benchmark::RunSpecifiedBenchmarks(&times);
    benchmark::Shutdown();
    std::fflush(stdout);
    printRatio("save with fsync/without ratio", times, "save_fsync", "save_unflushed");
    printRatio("click/floor ratio (skip)", times, "click_skip", "io_floor");
    printRatio("click/floor ratio (sell)", times, "click_sell", "io_floor");
    printRatio("click/floor ratio (buy)", times, "click_buy", "io_floor");
    return 0;
}
