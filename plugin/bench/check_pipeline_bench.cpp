// Cost of one check's text work on pages of 10, 100 and 1000 entries: the
// parse, the detection against the stored page, the menu script and the
// store text. Every entry is new, so each stage touches every entry; the
// per_entry counter and the fitted complexity show the cost grows linearly.
#include <benchmark/benchmark.h>

#include "plugin/core/detection.h"
#include "plugin/core/entry_store.h"
#include "plugin/core/menu_script.h"
#include "plugin/core/page_parser.h"
#include "plugin/tests/support/antenna_fixture.h"

namespace vesk {
namespace {

struct Input {
  std::u16string page;
  std::vector<Entry> previous;  // one record older than every page entry
};

Input make_input(int count) {
  Input in;
  in.page = fixture::page_text(fixture::make_entries(count), u"\n");
  in.previous = {Entry{u"2026/07/01 00:00", u"http://site.example/old", u"b", u"t", u"n"}};
  return in;
}

void report(benchmark::State& state) {
  state.SetComplexityN(state.range(0));
  state.counters["per_entry"] = benchmark::Counter(
      static_cast<double>(state.range(0)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CheckPipeline(benchmark::State& state) {
  const Input in = make_input(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const PageParse parse = parse_page(in.page);
    const Detection d = detect_new(parse.entries, &in.previous);
    std::u16string script = build_menu_script(d.new_entries);
    std::u16string store = store_text(parse.entries);
    benchmark::DoNotOptimize(script);
    benchmark::DoNotOptimize(store);
  }
  if (parse_page(in.page).entries.size() != static_cast<std::size_t>(state.range(0))) {
    state.SkipWithError("the generated page did not parse whole");
  }
  report(state);
}

void BM_Parse(benchmark::State& state) {
  const Input in = make_input(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(parse_page(in.page));
  report(state);
}

void BM_DetectAndScript(benchmark::State& state) {
  const Input in = make_input(static_cast<int>(state.range(0)));
  const std::vector<Entry> entries = parse_page(in.page).entries;
  for (auto _ : state) {
    const Detection d = detect_new(entries, &in.previous);
    benchmark::DoNotOptimize(build_menu_script(d.new_entries));
  }
  report(state);
}

void BM_ReadStore(benchmark::State& state) {
  const std::u16string text = store_text(fixture::make_entries(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(read_store(text));
  report(state);
}

BENCHMARK(BM_CheckPipeline)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);
BENCHMARK(BM_Parse)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);
BENCHMARK(BM_DetectAndScript)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadStore)->Arg(10)->Arg(100)->Arg(1000)->Complexity(benchmark::oN);

}  // namespace
}  // namespace vesk

BENCHMARK_MAIN();
