#include <benchmark/benchmark.h>

#include "core/character_grid.h"
#include "core/data_listing.h"

namespace {

zrl::CharacterGrid LetterA() {
    zrl::CharacterGrid grid;
    for (int cell : {1, 2, 3, 5, 9, 10, 14, 15, 16, 17, 18, 19, 20, 24, 25, 29, 30, 34}) {
        grid.Toggle(cell);
    }
    return grid;
}

void BM_RowListing(benchmark::State& state) {
    const auto grid = LetterA();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zrl::BuildRowData(grid));
    }
}
BENCHMARK(BM_RowListing);

void BM_ColListing(benchmark::State& state) {
    const auto grid = LetterA();
    for (auto _ : state) {
        benchmark::DoNotOptimize(zrl::BuildColData(grid));
    }
}
BENCHMARK(BM_ColListing);

void BM_Toggle(benchmark::State& state) {
    zrl::CharacterGrid grid;
    int cell = 0;
    for (auto _ : state) {
        grid.Toggle(cell);
        cell = cell == 34 ? 0 : cell + 1;
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_Toggle);

void BM_InvertAll(benchmark::State& state) {
    auto grid = LetterA();
    for (auto _ : state) {
        grid.InvertAll();
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_InvertAll);

}  // namespace

BENCHMARK_MAIN();
