// The notebook beside the solving it is built from: a 10-action example and
// the longest example the engine takes, solved alone, solved with the
// notebook's listener, and with the notebook made and printed as text.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "calculjator.h"
#include "notebook_builder.h"
#include "plain_window.h"
#include "shared_state.h"

namespace {

using namespace tambrel;

// Ten actions, most of them worked in a column.
constexpr std::u16string_view TenActions = u"1200-45*8+96/4+(3,5+2,25)*12-K(144)/3";

// The longest example the engine takes: groups of five actions, as in
// bench_solve, joined by "+" and "-" in turn up to 10 000 characters.
std::u16string Longest() {
    const std::u16string groups[] = {u"(3+4)*2-9/3", u"(5-1)^2\\3+K(16)", u"7*(2-(1+1))+6,5"};
    std::u16string example = groups[0];
    for (int g = 1;; ++g) {
        const std::u16string next = (g % 2 ? u"-" : u"+") + groups[g % 3];
        if (static_cast<int>(example.size() + next.size()) > MaxExampleLength) return example;
        example += next;
    }
}

enum class Work { Solving, Listening, Notebook };

void Run(benchmark::State& state, Work work) {
    const std::u16string example = state.range(0) == 10 ? std::u16string(TenActions) : Longest();
    std::size_t steps = 0;
    std::size_t text = 0;
    for (auto _ : state) {
        PlainWindow window(example);
        notebook::NotebookBuilder builder;
        if (work != Work::Solving) window.listener = &builder;
        SolveOn(window);
        if (ExampleState != Solved) state.SkipWithError("example not solved");
        if (work == Work::Notebook) {
            const std::u16string printed = notebook::NotebookText(builder.notebook());
            text = printed.size();
            benchmark::DoNotOptimize(printed);
        }
        steps = window.dirC.size();
    }
    state.counters["steps"] = static_cast<double>(steps);
    state.counters["chars"] = static_cast<double>(example.size());
    if (work == Work::Notebook) state.counters["text"] = static_cast<double>(text);
}

void BM_Solving(benchmark::State& state) { Run(state, Work::Solving); }
void BM_SolvingListened(benchmark::State& state) { Run(state, Work::Listening); }
void BM_SolvingAndNotebook(benchmark::State& state) { Run(state, Work::Notebook); }
// Ten actions (10), and the longest example (0).
BENCHMARK(BM_Solving)->Arg(10)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolvingListened)->Arg(10)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolvingAndNotebook)->Arg(10)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
