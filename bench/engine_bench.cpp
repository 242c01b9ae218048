// Timing of the engine's calls and of loading the tables.
#include <benchmark/benchmark.h>

#include "bench_inputs.h"

namespace {

const std::vector<uint8_t>& Poke() { return PokeDataBytesForTest(); }
const std::vector<uint8_t>& Nature() { return NatureDataBytesForTest(); }

bool LoadOnce() {
  static const bool loaded = LoadTestGameData();
  return loaded;
}

void BM_LoadGameData(benchmark::State& state) {
  for (auto _ : state) {
    bool ok = LoadGameDataFromBytes(Poke().data(), Poke().size(),
                                    Nature().data(), Nature().size());
    benchmark::DoNotOptimize(ok);
  }
}
BENCHMARK(BM_LoadGameData);

void BM_OneObservationNoClues(benchmark::State& state) {
  if (!LoadOnce()) state.SkipWithError("game data not found");
  IvAnswer answer{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        AnswerIvQuery(BenchQuery(BenchEntries(), 1, false, false), answer));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OneObservationNoClues);

void BM_ThreeObservationsAllClues(benchmark::State& state) {
  if (!LoadOnce()) state.SkipWithError("game data not found");
  IvAnswer answer{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        AnswerIvQuery(BenchQuery(BenchEntries(), 3, true, false), answer));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ThreeObservationsAllClues);

}  // namespace

BENCHMARK_MAIN();
