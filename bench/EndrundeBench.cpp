#include <benchmark/benchmark.h>

#include <vector>

#include "modell/clEndrunde.h"

namespace
{
// A result typed into the first match of a bracket of 128, best of five with a
// match for third place, in which every match has its result: the longest way
// through the bracket.
// Argument 0: the score changes, the winner stays.
// Argument 1: the winner changes: the question which results would be lost, then
// the update, which takes the results of six later rounds and of the match for
// third place away (they are put back outside the measured time).
void EndrundeErgebnis(benchmark::State& state)
{
    std::vector<clTeilnehmer> spieler(128);
    vecTeilnehmer linien;
    for (clTeilnehmer& tn : spieler)
        linien.push_back(&tn);
    clEndrunde er(linien, 3, true);
    const std::vector<satz> sieg1 = {{11, 5}, {11, 5}, {11, 5}};
    for (int k = 0; clTTSpiel* sp = er.getSpiel(k); ++k)
    {
        sp->setSaetze(sieg1);
        er.pruefeSpiel(sp);
    }
    clTTSpiel* gemessen = er.getSpiel(0);
    const bool wechsel = state.range(0) != 0;
    clTTSpiel neu(*gemessen);
    neu.setSaetze(wechsel ? std::vector<satz>{{5, 11}, {5, 11}, {5, 11}}
                          : std::vector<satz>{{11, 9}, {11, 9}, {11, 9}});
    const eingaben alt = gemessen->getEingaben();
    for (auto _ : state)
    {
        benchmark::DoNotOptimize(er.getVerloreneErgebnisse(gemessen, neu.getEingaben()));
        gemessen->setEingaben(neu.getEingaben());
        const std::vector<clTTSpiel*> verloren = er.pruefeSpiel(gemessen);
        state.PauseTiming();
        state.counters["verloren"] = static_cast<double>(verloren.size());
        gemessen->setEingaben(alt);
        er.pruefeSpiel(gemessen);
        for (clTTSpiel* sp : verloren)
        {
            sp->setEingaben(alt);
            er.pruefeSpiel(sp);
        }
        state.ResumeTiming();
    }
}
} // namespace

BENCHMARK(EndrundeErgebnis)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
