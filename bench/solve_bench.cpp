// Time to solve one example against the number of its actions, and the
// console front end on a teacher's batch of short examples.

#include <benchmark/benchmark.h>

#include <string>

#include "calculjator.h"
#include "plain_window.h"
#include "shared_state.h"

namespace {

using namespace tambrel;

// Groups of five actions, (3+4)*2-9/3 joined by "+" and "-" in turn, so the
// value stays small however long the example grows.
std::u16string MixedExample(int actions) {
    const std::u16string groups[] = {u"(3+4)*2-9/3", u"(5-1)^2\\3+K(16)", u"7*(2-(1+1))+6,5"};
    std::u16string example;
    int done = 0;
    for (int g = 0; done < actions; ++g) {
        if (g > 0) {
            example += g % 2 ? u"-" : u"+";
            ++done;
        }
        example += groups[g % 3];
        done += 4;
    }
    return example;
}

void BM_SolveExample(benchmark::State& state) {
    const std::u16string example = MixedExample(static_cast<int>(state.range(0)));
    std::size_t steps = 0;
    for (auto _ : state) {
        PlainWindow window(example);
        SolveOn(window);
        if (ExampleState != Solved) state.SkipWithError("example not solved");
        steps = window.dirC.size();
        benchmark::DoNotOptimize(window.otvet);
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["chars"] = static_cast<double>(example.size());
}
BENCHMARK(BM_SolveExample)->Arg(10)->Arg(100)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
