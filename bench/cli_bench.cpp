// One card of greetcard-render: the render from fresh state, and the two
// encodings of the finished picture.
#include <benchmark/benchmark.h>

#include "cli/card.h"

namespace {

using gc::cli::Format;

void BM_RenderCard(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gc::cli::RenderCard("ana novak"));
}
BENCHMARK(BM_RenderCard)->Unit(benchmark::kMillisecond);

void BM_EncodeCard(benchmark::State& state) {
  const gc::Canvas card = gc::cli::RenderCard("ana novak");
  const auto format = static_cast<Format>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(gc::cli::EncodeCard(card, format));
  state.SetLabel(format == Format::Png ? "png" : "bmp");
}
BENCHMARK(BM_EncodeCard)->Arg(static_cast<int>(Format::Bmp))->Arg(static_cast<int>(Format::Png))->Unit(benchmark::kMillisecond);

void BM_Info(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(gc::cli::DrawCardInfo("ana novak"));
}
BENCHMARK(BM_Info)->Unit(benchmark::kMicrosecond);

}  // namespace
