// Time per call of every tag builder and of the snippet lookup, natively,
// with Google Benchmark. The inputs are the window's start texts, as a user
// pressing a generate button right after start would give them.
#include <benchmark/benchmark.h>

#include "core/builders.h"
#include "core/tag_options.h"
#include "snippets/catalogue.h"

namespace tagwright {
namespace {

void arclist(benchmark::State& state) {
  TagOptions options;
  resetOptions(options);
  const auto layout = static_cast<ArcLayout>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(buildArclistBlock(options, layout));
}
BENCHMARK(arclist)->DenseRange(1, 5)->ArgName("layout");

void channel(benchmark::State& state) {
  TagOptions options;
  resetOptions(options);
  for (auto _ : state) benchmark::DoNotOptimize(buildChannelBlock(options));
}
BENCHMARK(channel);

void listTag(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(buildListTag("20", "15", "20"));
}
BENCHMARK(listTag);

void customFields(benchmark::State& state) {
  TagOptions options;
  resetOptions(options);
  CustomFieldTexts texts;
  texts.row = "10";
  texts.channel = "1";
  texts.orderby = options.customOrderby;
  texts.typeId = "2";
  texts.fields = {"price", "size", "color", "", "weight"};
  for (auto _ : state) benchmark::DoNotOptimize(buildCustomFieldBlock(texts));
}
BENCHMARK(customFields);

void slideshow(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(buildSlideshowScript("280", "192", "5"));
}
BENCHMARK(slideshow);

// The first, a middle and the last radio of the catalogue, and a name that
// is none.
void snippetLookup(benchmark::State& state) {
  const SnippetRange all = allSnippets();
  const std::size_t index = static_cast<std::size_t>(state.range(0)) * (all.size() - 1) / 2;
  const std::string_view radio = state.range(0) < 3 ? all.first[index].radio : "none";
  for (auto _ : state) benchmark::DoNotOptimize(findSnippet(radio));
}
BENCHMARK(snippetLookup)->DenseRange(0, 3)->ArgName("first_mid_last_none");

}  // namespace
}  // namespace tagwright

BENCHMARK_MAIN();
