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
} // namespace

BENCHMARK(HtmlSpielplan)->Unit(benchmark::kMillisecond);
