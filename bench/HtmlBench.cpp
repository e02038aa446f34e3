#include <benchmark/benchmark.h>

#include "ModellHilfen.h"
#include "ausgabe/clHtmlAusgabe.h"

namespace
{
// The printed or exported schedule of 200 participants at one table: 19900 rounds,
// each with 198 participants sitting it out.
void HtmlSpielplan(benchmark::State& state)
{
    TestTurnier tt;
    tt.erstelleN(200, 1);
    const clHtmlAusgabe ausgabe(&tt.turnier);
    for (auto _ : state)
        benchmark::DoNotOptimize(ausgabe.erzeugeSpielplan());
}

// The byes of every round at one table alone: twice the participants make eight
// times the names to list, so a ratio of about 8 means time linear in the lists.
void SpielfreiListen(benchmark::State& state)
{
    TestTurnier tt;
    tt.erstelleN(static_cast<int>(state.range(0)), 1);
    for (auto _ : state)
        for (int r = 1; r <= tt.turnier.getAnzahlRunden(); ++r)
            benchmark::DoNotOptimize(tt.turnier.getSpielfrei(r));
}
} // namespace

BENCHMARK(HtmlSpielplan)->Unit(benchmark::kMillisecond);
BENCHMARK(SpielfreiListen)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
