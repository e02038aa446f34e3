#include <benchmark/benchmark.h>

#include <random>

#include "ModellHilfen.h"
#include "ausgabe/clLiveSeiten.h"
#include "modell/clGruppenphase.h"

namespace
{
// The live site of 128 players in 32 groups of four on 16 tables, every group
// match played, the bracket of 64 drawn: a match called to each table, the rest of
// its first round played.
void LiveSeiten(benchmark::State& state)
{
    TestTurnier tt;
    tt.erstelleN(128, 16);
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Turnierform = formGruppen;
    alg.Gruppen = 32;
    alg.Gewinnsaetze = 3;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    std::mt19937 zufall(1);
    tt.turnier.loseGruppen(zufall);
    auto spiele = [&tt](bool alle)
    {
        for (clTTSpiel* sp : tt.turnier.getAlleSpiele())
            if (!sp->hatEingaben() && sp->getT1() != nullptr && sp->getT2() != nullptr)
            {
                if (!alle && tt.turnier.rufeAuf(sp))
                    continue;
                sp->setSaetze({{11, 7}, {9, 11}, {11, 5}, {11, 8}});
                tt.turnier.pruefeWertung(sp);
            }
    };
    spiele(true);
    tt.turnier.loseEndrunde(zufall);
    spiele(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(clLiveSeiten(&tt.turnier).erzeuge());
}
} // namespace

BENCHMARK(LiveSeiten)->Unit(benchmark::kMillisecond);

namespace
{
// The live site of a large round robin on 20 tables, every match played: the
// page of the schedule and each player's page hold a line per match.
void LiveSeitenJederGegenJeden(benchmark::State& state)
{
    TestTurnier tt;
    tt.erstelleN(static_cast<int>(state.range(0)), 20);
    for (clTTSpiel* sp : tt.turnier.getAlleSpiele())
    {
        sp->setSaetze({{11, 7}, {9, 11}, {11, 5}});
        tt.turnier.pruefeWertung(sp);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(clLiveSeiten(&tt.turnier).erzeuge());
}
} // namespace
BENCHMARK(LiveSeitenJederGegenJeden)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);
