#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <sstream>
#include <wx/filename.h>
#include <wx/utils.h>
#ifdef __linux__
#include <malloc.h>
#include <unistd.h>
#endif

#include "LadenHilfen.h"
#include "ModellHilfen.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurniertag.h"
#include "verlauf/clBefehlsverlauf.h"

namespace
{
const std::time_t Beginn = 1750000000;

struct sKlasse
{
    const char* name;
    int form;
    int art;
    int meldungen;
    int gruppen;
    std::vector<int> platten;
};

// A tournament day at half time: 8 classes of 384 entries (16 of them pairs) of
// 300 persons, the first 100 in two classes, on 24 tables, of which the two
// round robins have two each of their own. Herren A has played its groups and
// half its bracket, the KO-System its first round, the others half their
// matches; then the hall calls until 20 tables play.
struct VollerTag
{
    std::time_t uhr = Beginn;
    clTurniertag tag;
    int person = 0;

    VollerTag()
    {
        tag.setUhr([this] { return uhr; });
        const std::vector<sKlasse> klassen = {{"Herren A", formGruppen, artEinzel, 96, 24, {}},
                                              {"Herren B", formGruppen, artEinzel, 80, 20, {}},
                                              {"Damen", formGruppen, artEinzel, 48, 12, {}},
                                              {"Senioren", formJederGegenJeden, artEinzel, 16, 0, {21, 22}},
                                              {"Jugend", formJederGegenJeden, artEinzel, 16, 0, {23, 24}},
                                              {"Schüler", formKO, artEinzel, 64, 0, {}},
                                              {"Doppel", formGruppen, artDoppel, 16, 4, {}},
                                              {"Hobby", formGruppen, artEinzel, 48, 12, {}}};
        allgemein alg = *tag.getKonkurrenz(0)->getAllgemein();
        alg.Platten = 24;
        tag.getKonkurrenz(0)->setAllgemein(&alg);
        tag.getKonkurrenz(0)->Aktualisieren(false);
        tag.benenneUm(0, klassen[0].name);
        std::mt19937 zufall(7);
        for (size_t i = 0; i < klassen.size(); ++i)
        {
            const int k = i == 0 ? 0 : tag.fuegeHinzu(wxString::FromUTF8(klassen[i].name));
            clTurnier& t = *tag.getKonkurrenz(k);
            alg = *t.getAllgemein();
            alg.Turnierform = klassen[i].form;
            alg.Art = klassen[i].art;
            alg.Gruppen = std::max(klassen[i].gruppen, 1);
            t.setAllgemein(&alg);
            t.Aktualisieren(false);
            vecEditListe el;
            for (int m = 0; m < klassen[i].meldungen; ++m)
            {
                el.push_back(naechstePerson());
                if (klassen[i].art == artDoppel)
                {
                    const spEditData partner = naechstePerson();
                    el.back().m_Partner = {partner.m_VName, partner.m_Name, partner.m_Verein, partner.m_TTR};
                }
            }
            t.UpdateTeilnehmer(el);
            if (!klassen[i].platten.empty())
                tag.setEigenePlatten(k, klassen[i].platten);
            if (klassen[i].form == formGruppen)
                t.loseGruppen(zufall);
            else if (klassen[i].form == formKO)
                t.loseEndrunde(zufall);
            spieleHaelfte(t, i == 0);
            if (i == 0)
            {
                t.loseEndrunde(zufall);
                spieleHaelfte(t, false);
            }
        }
        for (int aufrufe = 0; aufrufe < 20 && rufeNaechstenAuf(); ++aufrufe)
            uhr += 30;
    }

    // Persons 1 … 300, then 1 … 100 again, each typed as the day's tests type them.
    spEditData naechstePerson()
    {
        const int p = person++ % 300 + 1;
        spEditData ed;
        ed.m_EditStatus = esNew;
        ed.m_VName = wxString::Format(L"Jürgen%d", p);
        ed.m_Name = wxString::Format("Schulze-Bergmann%d", p);
        ed.m_Verein = wxString::Format("TTC Verein %d", p % 17);
        ed.m_TTR = 1000 + p;
        return ed;
    }

    // Every second match of the groups; of a round robin or a bracket the first
    // half, as far as both players are known. alle: every match.
    void spieleHaelfte(clTurnier& t, bool alle)
    {
        const std::vector<clTTSpiel*> spiele = t.getAlleSpiele();
        const bool gruppen = t.getGruppenphase() != nullptr && t.getGruppenphase()->getEndrunde() == nullptr;
        for (size_t k = 0; k < spiele.size(); ++k)
        {
            clTTSpiel* sp = spiele[k];
            const bool dran = alle || (gruppen ? k % 2 == 0 : k < spiele.size() / 2);
            if (dran && sp->getT1() != nullptr && sp->getT2() != nullptr && !sp->hatEingaben())
            {
                uhr += 20;
                ::spiele(t, sp, static_cast<int>(k));
            }
        }
    }

    bool rufeNaechstenAuf()
    {
        for (const sHallenVorschlag& v : tag.getNaechste())
            if (v.platte > 0)
                return tag.rufeAuf(v.konkurrenz, v.vorschlag.spiel, v.platte);
        return false;
    }

    // The result of the match that has been played longest.
    void tippeErgebnis()
    {
        const std::vector<sHallenAufruf> laufend = tag.getLaufende();
        const auto aeltester = std::min_element(laufend.begin(), laufend.end(),
                                                [](const sHallenAufruf& a, const sHallenAufruf& b)
                                                { return a.aufruf.beginn < b.aufruf.beginn; });
        if (aeltester != laufend.end())
            spiele(*tag.getKonkurrenz(aeltester->konkurrenz), aeltester->aufruf.spiel, 0);
    }
};

struct Tagesdatei
{
    VollerTag tag;
    const wxString pfad =
        wxFileName(wxFileName::GetTempDir(), wxString::Format("quobel-tag-%lu.tur", wxGetProcessId()))
            .GetFullPath();

    Tagesdatei() { tag.tag.speichere(pfad); }
    ~Tagesdatei() { wxRemoveFile(pfad); }
};

void TagSpeichern(benchmark::State& state)
{
    Tagesdatei td;
    messeGegenSchreiben(state, td.pfad, [&] { benchmark::DoNotOptimize(td.tag.tag.speichere(td.pfad)); });
    state.counters["Bytes"] = static_cast<double>(td.tag.tag.getAbbild().size());
}

void TagLaden(benchmark::State& state)
{
    Tagesdatei td;
    clTurniertag geladen;
    messeGegenLesen(state, td.pfad, [&] { benchmark::DoNotOptimize(geladen.lies(td.pfad)); });
}

// The image undo keeps of the day, and restoring it.
void TagAbbild(benchmark::State& state)
{
    Tagesdatei td;
    messeGegenSchreiben(state, td.pfad, [&] { benchmark::DoNotOptimize(td.tag.tag.getAbbild()); });
}

void TagSetzeAbbild(benchmark::State& state)
{
    Tagesdatei td;
    const std::string abbild = td.tag.tag.getAbbild();
    clTurniertag geladen;
    messeGegenLesen(state, td.pfad, [&] { benchmark::DoNotOptimize(geladen.setzeAbbild(abbild)); });
}

// What the desk does with a result: it is typed into its class with the undo
// history listening, the hall's proposals are shown anew, the next match is
// called to the freed table and the proposals are shown again. Both steps are
// undone outside the measurement.
void TagErgebnis(benchmark::State& state)
{
    VollerTag vt;
    clBefehlsverlauf verlauf(&vt.tag);
    for (auto _ : state)
    {
        vt.uhr += 60;
        vt.tippeErgebnis();
        benchmark::DoNotOptimize(vt.tag.getNaechste());
        vt.rufeNaechstenAuf();
        benchmark::DoNotOptimize(vt.tag.getNaechste());
        state.PauseTiming();
        while (verlauf.CanUndo())
            verlauf.Undo();
        state.ResumeTiming();
    }
}

// Undoing that result and its call, and doing both again.
void TagErgebnisRueckgaengig(benchmark::State& state)
{
    VollerTag vt;
    clBefehlsverlauf verlauf(&vt.tag);
    vt.tippeErgebnis();
    vt.rufeNaechstenAuf();
    for (auto _ : state)
    {
        verlauf.Undo();
        verlauf.Undo();
        verlauf.Redo();
        verlauf.Redo();
    }
}

void TagNaechste(benchmark::State& state)
{
    VollerTag vt;
    for (auto _ : state)
        benchmark::DoNotOptimize(vt.tag.getNaechste());
    state.counters["Vorschlaege"] = static_cast<double>(vt.tag.getNaechste().size());
    state.counters["Laufende"] = static_cast<double>(vt.tag.getLaufende().size());
}

// The memory the day holds: the heap in use and the resident pages, in MB, from
// before it was built to after, and the heap once a full undo history (100 steps,
// half of them calls with an image of the day each) is attached. The resident
// pages only grow when the heap has none left over from earlier benchmarks (run it alone).
void TagSpeicher(benchmark::State& state)
{
    for (auto _ : state)
    {
#if defined(__linux__) && defined(__GLIBC__)
        const auto resident = []
        {
            long seiten = 0, resident = 0;
            std::ifstream("/proc/self/statm") >> seiten >> resident;
            return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1e6;
        };
        // The heap's small blocks and those it maps of their own.
        const auto belegt = []
        {
            const struct mallinfo2 m = mallinfo2();
            return static_cast<double>(m.uordblks + m.hblkhd) / 1e6;
        };
        const double rssVorher = resident();
        const double heapVorher = belegt();
        auto vt = std::make_unique<VollerTag>();
        state.counters["HeapMB"] = belegt() - heapVorher;
        state.counters["RssMB"] = resident() - rssVorher;
        clBefehlsverlauf verlauf(&vt->tag);
        for (int schritt = 0; schritt < clBefehlsverlauf::MaxSchritte / 2; ++schritt)
        {
            vt->uhr += 60;
            vt->tippeErgebnis();
            vt->rufeNaechstenAuf();
        }
        state.counters["MitVerlaufMB"] = belegt() - heapVorher;
#else
        auto vt = std::make_unique<VollerTag>();
#endif
        benchmark::DoNotOptimize(vt.get());
    }
}
} // namespace

BENCHMARK(TagSpeichern)->Unit(benchmark::kMillisecond);
BENCHMARK(TagLaden)->Unit(benchmark::kMillisecond);
BENCHMARK(TagAbbild)->Unit(benchmark::kMillisecond);
BENCHMARK(TagSetzeAbbild)->Unit(benchmark::kMillisecond);
BENCHMARK(TagErgebnis)->Unit(benchmark::kMillisecond);
BENCHMARK(TagErgebnisRueckgaengig)->Unit(benchmark::kMillisecond);
BENCHMARK(TagNaechste)->Unit(benchmark::kMillisecond);
BENCHMARK(TagSpeicher)->Unit(benchmark::kMillisecond)->Iterations(1);
