#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "ModellHilfen.h"
#include "verlauf/clBefehlsverlauf.h"

namespace
{
// One result typed into a tournament of 200 whose other matches all have their
// results (each won by a coin toss), through pruefeWertung, in the match between
// the two in the middle of the standings, where most participants share their
// number of wins.
// Argument 0: the score of the third set changes, the winner stays.
// Argument 1: the third set turns the winner round.
void ErgebnisEintragen(benchmark::State& state)
{
    const int n = 200;
    TestTurnier tt;
    tt.erstelleN(n, n / 2);
    std::mt19937 zufall(1);
    for (clTTSpiel* sp : tt.alleSpiele())
    {
        const bool t1Gewinnt = zufall() % 2 == 0;
        for (int snr = 1; snr <= 2; ++snr)
        {
            const int verlierer = static_cast<int>(zufall() % 10);
            tt.satz(sp, snr, t1Gewinnt ? 11 : verlierer, t1Gewinnt ? verlierer : 11);
        }
    }
    clTTSpiel* gemessen =
        tt.spielZwischen(tt.wertungTB.getStartNrAufPlatz(n / 2 - 1), tt.wertungTB.getStartNrAufPlatz(n / 2));
    tt.satz(gemessen, 1, 11, 5);
    tt.satz(gemessen, 2, 5, 11);

    const bool wechsel = state.range(0) != 0;
    bool hin = false;
    for (auto _ : state)
    {
        hin = !hin;
        if (wechsel)
            gemessen->setSatzErg(3, hin ? 5 : 11, hin ? 11 : 5);
        else
            gemessen->setSatzErg(3, 11, hin ? 6 : 5);
        tt.turnier.pruefeWertung(gemessen);
    }
}

// The longest way through the standings: the first result of a tournament of 200,
// in the match of the two on the last places, who both move to the top.
void ErstesErgebnis(benchmark::State& state)
{
    const int n = 200;
    TestTurnier tt;
    tt.erstelleN(n, n / 2);
    clTTSpiel* gemessen = tt.spielZwischen(n - 1, n);
    for (auto _ : state)
    {
        state.PauseTiming();
        gemessen->loescheSatzErg(2, 1);
        tt.turnier.pruefeWertung(gemessen);
        tt.wertungTB.setzeAnzahl(n, true);
        tt.satz(gemessen, 1, 11, 5);
        state.ResumeTiming();
        gemessen->setSatzErg(2, 11, 7);
        tt.turnier.pruefeWertung(gemessen);
    }
    if (tt.wertungTB.getPlatz(gemessen->getT1()->getStartNr()) != 0)
        state.SkipWithError("the winner did not reach the top");
}
} // namespace

// One result typed into a 64-participant tournament placed by the ITTF rule, all
// other matches played (best of five, each won by a coin toss with few distinct
// scores, so that many participants tie and the matches among them decide).
void ErgebnisEintragenITTF(benchmark::State& state)
{
    const int n = 64;
    TestTurnier tt;
    tt.erstelleN(n, n / 2);
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Gewinnsaetze = 3;
    alg.PlatzierungIdx = platzITTF;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    std::mt19937 zufall(1);
    for (clTTSpiel* sp : tt.alleSpiele())
    {
        const bool t1Gewinnt = zufall() % 2 == 0;
        for (int snr = 1; snr <= 3; ++snr)
            tt.satz(sp, snr, t1Gewinnt ? 11 : 5, t1Gewinnt ? 5 : 11);
    }
    clTTSpiel* gemessen = tt.spielZwischen(1, 2);
    bool hin = false;
    for (auto _ : state)
    {
        hin = !hin;
        for (int snr = 1; snr <= 3; ++snr)
            gemessen->setSatzErg(snr, hin ? 5 : 11, hin ? 11 : 5);
        tt.turnier.pruefeWertung(gemessen);
    }
}

BENCHMARK(ErgebnisEintragen)->Arg(0)->Arg(1);
BENCHMARK(ErgebnisEintragenITTF)->Unit(benchmark::kMicrosecond);
BENCHMARK(ErstesErgebnis);

namespace
{
// A participant of 500 withdraws from a tournament without results (499 matches
// go by walkover), and the withdrawal is undone and redone; argument: the placing.
struct Rueckzug
{
    static constexpr int N = 500;
    TestTurnier tt;
    clBefehlsverlauf verlauf{&tt.tag};

    explicit Rueckzug(int platzierung)
    {
        tt.erstelleN(N, N / 2);
        allgemein alg = *tt.turnier.getAllgemein();
        alg.PlatzierungIdx = platzierung;
        tt.turnier.setAllgemein(&alg);
        tt.turnier.Aktualisieren(false);
    }
};

void RueckzugEintragen(benchmark::State& state)
{
    Rueckzug rz(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        rz.tt.turnier.zieheZurueck(Rueckzug::N / 2);
        state.PauseTiming();
        rz.verlauf.Undo();
        state.ResumeTiming();
    }
}

// Argument 1: 0 times the undo of the withdrawal, 1 its redo.
void RueckzugRueckgaengig(benchmark::State& state)
{
    Rueckzug rz(static_cast<int>(state.range(0)));
    rz.tt.turnier.zieheZurueck(Rueckzug::N / 2);
    for (auto _ : state)
    {
        for (const bool rueckgaengig : {true, false})
        {
            const bool gemessen = rueckgaengig == (state.range(1) == 0);
            if (!gemessen)
                state.PauseTiming();
            benchmark::DoNotOptimize(rueckgaengig ? rz.verlauf.Undo() : rz.verlauf.Redo());
            if (!gemessen)
                state.ResumeTiming();
        }
    }
}
} // namespace

BENCHMARK(RueckzugEintragen)->Arg(platzSiege)->Arg(platzITTF)->Unit(benchmark::kMillisecond);
BENCHMARK(RueckzugRueckgaengig)
    ->Args({platzSiege, 0})
    ->Args({platzSiege, 1})
    ->Args({platzITTF, 0})
    ->Args({platzITTF, 1})
    ->Unit(benchmark::kMillisecond);
