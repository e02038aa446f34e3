#include <benchmark/benchmark.h>

#include "modell/clEndrundenAuslosung.h"
#include "modell/clGruppenAuslosung.h"

namespace
{
// Argument 0: players; argument 1: groups; argument 2: clubs, the players spread
// over them by lot (0: nobody has a club). Ratings by lot, with ties.
void GruppenAuslosen(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const int vereine = static_cast<int>(state.range(2));
    std::mt19937 feld(7);
    vecLosSpieler spieler;
    for (int i = 0; i < n; ++i)
        spieler.push_back({i, static_cast<int>(feld() % 1500) + 500,
                           vereine == 0 ? wxString() : wxString::Format("Verein %d", int(feld() % vereine))});
    const clGruppenAuslosung los(spieler);
    std::mt19937 zufall(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(los.lose(static_cast<int>(state.range(1)), zufall));
}

// Argument 0: groups; argument 1: players of each group in the bracket.
void EndrundeAuslosen(benchmark::State& state)
{
    std::vector<std::vector<int>> erste;
    for (int s = 0; s < state.range(0); ++s)
        erste.push_back({2 * s, 2 * s + 1});
    const clEndrundenAuslosung los(erste, static_cast<int>(state.range(1)));
    std::mt19937 zufall(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(los.lose(zufall));
}
} // namespace

BENCHMARK(GruppenAuslosen)
    ->Args({32, 8, 6})
    ->Args({256, 64, 0})
    ->Args({256, 64, 40})
    ->Args({256, 64, 8})
    ->Args({256, 64, 256})
    ->Args({500, 125, 60})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(EndrundeAuslosen)
    ->Args({8, 2})
    ->Args({64, 2})
    ->Args({37, 2})
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond);
