#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "ModellHilfen.h"
#include "ausgabe/clLiveSeiten.h"
#include "modell/clGruppenphase.h"

namespace
{
void spiele(clTurnier& turnier, clTTSpiel* sp)
{
    std::vector<satz> saetze(sp->getGewinnsaetze(), satz{11, 7});
    saetze[1] = {9, 11};
    sp->setSaetze(saetze);
    turnier.pruefeWertung(sp);
}

// A day under way: every other match played, then matches called in their order
// as long as a table is free for them.
void spieleHalb(clTurnier& turnier)
{
    std::vector<clTTSpiel*> offen;
    for (clTTSpiel* sp : turnier.getAlleSpiele())
        if (!sp->hatEingaben() && sp->getT1() != nullptr && sp->getT2() != nullptr)
            offen.push_back(sp);
    std::vector<clTTSpiel*> gespielt;
    for (size_t i = 0; i < offen.size(); i += 2)
        gespielt.push_back(offen[i]);
    for (clTTSpiel* sp : gespielt)
        sp->setSaetze({{11, 7}, {9, 11}, {11, 5}});
    turnier.pruefeWertungen(gespielt);
    for (clTTSpiel* sp : offen)
        if (!sp->hatEingaben() && !turnier.rufeAuf(sp))
            break;
}

// Argument 0: a round robin of 100 or 300 players on 20 tables; argument 1: 256
// players in 64 groups of four on 16 tables, every group match played and the
// bracket of 128 drawn.
struct LiveTurnier
{
    TestTurnier tt;

    explicit LiveTurnier(int art)
    {
        if (art != 1)
        {
            tt.erstelleN(art, 20);
            spieleHalb(tt.turnier);
            return;
        }
        tt.erstelleN(256, 16);
        allgemein alg = *tt.turnier.getAllgemein();
        alg.Turnierform = formGruppen;
        alg.Gruppen = 64;
        alg.Gewinnsaetze = 3;
        tt.turnier.setAllgemein(&alg);
        tt.turnier.Aktualisieren(false);
        std::mt19937 zufall(1);
        tt.turnier.loseGruppen(zufall);
        for (clTTSpiel* sp : tt.turnier.getAlleSpiele())
            spiele(tt.turnier, sp);
        tt.turnier.loseEndrunde(zufall);
        spieleHalb(tt.turnier);
    }
};

// The window's share of publishing the site after a change: the copy of what the
// pages show.
void LiveStand(benchmark::State& state)
{
    LiveTurnier lt(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(clLiveSeiten(&lt.tt.tag));
}

// The pages written from that copy, in the thread that builds the site; with the
// sizes of the largest pages a phone is sent, in KB.
void LiveSeitenErzeugen(benchmark::State& state)
{
    LiveTurnier lt(static_cast<int>(state.range(0)));
    const clLiveSeiten stand(&lt.tt.tag);
    spLiveSeiten seiten;
    for (auto _ : state)
        seiten = stand.erzeuge();
    size_t spieler = 0, tabelle = 0;
    for (const auto& [pfad, seite] : *seiten)
        (pfad.rfind("/spieler/", 0) == 0 ? spieler : tabelle) =
            std::max(pfad.rfind("/spieler/", 0) == 0 ? spieler : tabelle, seite.inhalt.size());
    state.counters["SpielerKB"] = static_cast<double>(spieler) / 1024;
    state.counters["TabelleKB"] = static_cast<double>(tabelle) / 1024;
}

// A typed result as the window handles it, with the live site on (argument 1) or
// off: the result into the standings and the hall, then the copy for the site.
void Ergebnis(benchmark::State& state)
{
    LiveTurnier lt(static_cast<int>(state.range(0)));
    const bool live = state.range(1) != 0;
    // In groups a result of a group, into that group's standings.
    clGruppenphase* gp = lt.tt.turnier.getGruppenphase();
    clTurnier& turnier = gp != nullptr ? *gp->getGruppe(40) : lt.tt.turnier;
    clTTSpiel* sp = gp != nullptr ? turnier.getSpiel(2, 1) : nullptr;
    for (clTTSpiel* s : lt.tt.turnier.getAlleSpiele())
        if (gp == nullptr && !s->hatEingaben() && !lt.tt.turnier.getSpielbetrieb().laeuft(s))
            sp = s;
    bool gewonnen = false;
    for (auto _ : state)
    {
        gewonnen = !gewonnen;
        sp->setSaetze(gewonnen ? std::vector<satz>{{11, 7}, {11, 9}, {11, 5}}
                               : std::vector<satz>{{7, 11}, {9, 11}, {5, 11}});
        turnier.pruefeWertung(sp);
        if (live)
            benchmark::DoNotOptimize(clLiveSeiten(&lt.tt.tag));
    }
}
} // namespace

BENCHMARK(LiveStand)->Arg(100)->Arg(300)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(LiveSeitenErzeugen)->Arg(100)->Arg(300)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Ergebnis)->ArgsProduct({{100, 300, 1}, {0, 1}})->Unit(benchmark::kMillisecond);
