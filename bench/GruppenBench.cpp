#include <benchmark/benchmark.h>

#include <wx/filename.h>
#include <wx/utils.h>

#include "LadenHilfen.h"
#include "ModellHilfen.h"
#include "modell/clGruppenphase.h"
#include "verlauf/clBefehlsverlauf.h"

namespace
{
// 256 participants with ratings and clubs in 64 groups of four on 16 tables, every
// group match played, the best two in a bracket of 128 with every match played.
struct GruppenTurnier
{
    TestTurnier tt;
    const wxString pfad =
        wxFileName(wxFileName::GetTempDir(), wxString::Format("quobel-gruppen-%lu.quobel", wxGetProcessId()))
            .GetFullPath();

    GruppenTurnier()
    {
        tt.erstelleN(256, 16);
        allgemein alg = *tt.turnier.getAllgemein();
        alg.Turnierform = formGruppen;
        alg.Gruppen = 64;
        alg.Gewinnsaetze = 3;
        alg.GewinnsaetzeEndrunde = 4;
        tt.turnier.setAllgemein(&alg);
        tt.turnier.Aktualisieren(false);
        for (int snr = 1; snr <= 256; ++snr)
        {
            tt.turnier.getTeilnehmer(snr)->setTTR(2400 - 3 * snr);
            tt.turnier.getTeilnehmer(snr)->setVerein(wxString::Format("Verein %d", snr % 40));
        }
        std::mt19937 zufall(1);
        tt.turnier.loseGruppen(zufall);
        for (clTTSpiel* sp : tt.turnier.getAlleSpiele())
            spiele(sp);
        tt.turnier.loseEndrunde(zufall);
        // In playing order, so that each match has its players from the ones before.
        for (clTTSpiel* sp : tt.turnier.getAlleSpiele())
            if (!sp->hatEingaben())
                spiele(sp);
        tt.turnier.speichereTurnierDaten(pfad);
    }
    ~GruppenTurnier() { wxRemoveFile(pfad); }

    void spiele(clTTSpiel* sp)
    {
        std::vector<satz> saetze(sp->getGewinnsaetze(), satz{11, 7});
        saetze[1] = {9, 11};
        saetze.push_back({11, 4});
        sp->setSaetze(saetze);
        tt.turnier.pruefeWertung(sp);
    }
};

void GruppenSpeichern(benchmark::State& state)
{
    GruppenTurnier gt;
    for (auto _ : state)
        gt.tt.turnier.speichereTurnierDaten(gt.pfad);
}

// Opened as the window opens a file: through the day, which matches its persons anew.
void GruppenLaden(benchmark::State& state)
{
    GruppenTurnier gt;
    messeGegenLesen(state, gt.pfad, [&gt] { gt.tt.tag.lies(gt.pfad); });
}

// A result typed into a group's match, as its rounds page passes it on (argument
// 0), or into the first match of the bracket, the winner staying, as the bracket's
// view would (argument 1); the undo history records each as a step.
void GruppenErgebnis(benchmark::State& state)
{
    GruppenTurnier gt;
    clBefehlsverlauf verlauf(&gt.tt.tag);
    clGruppenphase& gp = *gt.tt.turnier.getGruppenphase();
    clTurnier& gruppe = *gp.getGruppe(40);
    const bool endrunde = state.range(0) != 0;
    clTTSpiel* sp = endrunde ? gp.getEndrunde()->getSpiel(0) : gruppe.getSpiel(2, 1);
    int punkte = 0;
    for (auto _ : state)
    {
        sp->setSatzErg(2, 9 + punkte++ % 2, 11);
        (endrunde ? gt.tt.turnier : gruppe).pruefeWertung(sp);
    }
}
} // namespace

BENCHMARK(GruppenSpeichern)->Unit(benchmark::kMillisecond);
BENCHMARK(GruppenLaden)->Unit(benchmark::kMillisecond);
BENCHMARK(GruppenErgebnis)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
