#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <wx/filename.h>
#include <wx/utils.h>

#include "LadenHilfen.h"
#include "ModellHilfen.h"
#include "modell/clRunde.h"

namespace
{
const int AnzTeilnehmer = 200;

// 200 participants with every match played over three sets.
struct VollesTurnier
{
    TestTurnier tt;
    wxString pfad;

    explicit VollesTurnier(int platten)
        : pfad(
              wxFileName(wxFileName::GetTempDir(), wxString::Format("quobel-bench-%lu.tur", wxGetProcessId()))
                  .GetFullPath())
    {
        tt.erstelle({}, platten);
        for (int i = 0; i < AnzTeilnehmer; ++i)
        {
            tt.teilnehmerTB.SetValue(i, 0, wxString::Format(L"Jürgen%d", i));
            tt.teilnehmerTB.SetValue(i, 1, wxString::Format("Schulze-Bergmann%d", i));
        }
        tt.teilnehmerTB.DatenZurueckSchreiben();
        for (int r = 1; r <= tt.turnier.getAnzahlRunden(); ++r)
        {
            const clRunde* runde = tt.turnier.getSchema().getRunde(r);
            for (int p = 1; p <= runde->AnzSpiele(); ++p)
            {
                clTTSpiel* sp = runde->getSpiel(p);
                sp->setSatzErg(1, 11, (r + p) % 10);
                sp->setSatzErg(2, r % 10, 11);
                sp->setSatzErg(3, 11, p % 10);
                tt.turnier.pruefeWertung(sp);
            }
        }
        tt.turnier.speichereTurnierDaten(pfad);
    }
    ~VollesTurnier() { wxRemoveFile(pfad); }

    std::string bytes() const
    {
        std::ifstream ein(pfad.fn_str(), std::ios::binary);
        std::ostringstream inhalt;
        inhalt << ein.rdbuf();
        return inhalt.str();
    }
};

// Argument: number of tables.
void DateiSpeichern(benchmark::State& state)
{
    VollesTurnier vt(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(vt.tt.turnier.speichereTurnierDaten(vt.pfad));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(vt.bytes().size()));
}

// Opened as the window opens a file: through the day, which matches its persons anew.
void DateiLaden(benchmark::State& state)
{
    VollesTurnier vt(static_cast<int>(state.range(0)));
    TestTurnier geladen;
    messeGegenLesen(state, vt.pfad, [&] { benchmark::DoNotOptimize(geladen.tag.lies(vt.pfad)); });
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(vt.bytes().size()));
}

// The same bytes through plain streams: what the disk and the C++ library cost alone.
void RohSchreiben(benchmark::State& state)
{
    VollesTurnier vt(static_cast<int>(state.range(0)));
    const std::string bytes = vt.bytes();
    for (auto _ : state)
    {
        std::ofstream aus(vt.pfad.fn_str(), std::ios::binary | std::ios::trunc);
        aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void RohLesen(benchmark::State& state)
{
    VollesTurnier vt(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(vt.bytes());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(vt.bytes().size()));
}

// A file made to be huge: three participants and a tenth of a million or a million
// round lines (11 MB); the two should differ by the ratio of their sizes.
void DateiRiesig(benchmark::State& state)
{
    std::string bytes = "#!! Allgemein\nT\nV\nD\nO\n1\n0\n#!! Teilnehmer\nA\nB\nC\n#!! Runden\n";
    for (int64_t i = 0; i < state.range(0); ++i)
        bytes += "(a:b,1:1)\n";
    const TempDatei datei(bytes);
    TestTurnier tt;
    for (auto _ : state)
        benchmark::DoNotOptimize(tt.turnier.liesTurnierDaten(datei.pfad));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
} // namespace

BENCHMARK(DateiSpeichern)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DateiLaden)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(RohSchreiben)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(RohLesen)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(DateiRiesig)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
