#include <benchmark/benchmark.h>

#include "modell/clSchema.h"
#include "modell/clTeilnehmer.h"

namespace
{
struct Teilnehmerliste
{
    explicit Teilnehmerliste(int n)
    {
        for (int i = 1; i <= n; ++i)
        {
            liste.push_back(new clTeilnehmer);
            liste.back()->setStartNr(i);
        }
    }
    ~Teilnehmerliste()
    {
        for (clTeilnehmer* tn : liste)
            delete tn;
    }
    vecTeilnehmer liste;
};

// Argument 0: participants; argument 1: tables (0 for n/2).
void SpielplanErzeugen(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const int platten = state.range(1) == 0 ? n / 2 : static_cast<int>(state.range(1));
    Teilnehmerliste tl(n);
    for (auto _ : state)
    {
        clSchema schema;
        schema.neuerSpielplan(platten, &tl.liste, modGlvt, wxString());
        benchmark::DoNotOptimize(schema.AnzRunden());
    }
}
} // namespace

BENCHMARK(SpielplanErzeugen)
    ->Args({20, 1})
    ->Args({20, 0})
    ->Args({200, 1})
    ->Args({200, 0})
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond);
