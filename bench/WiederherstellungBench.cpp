#include <benchmark/benchmark.h>

#include <wx/filename.h>

#include "ModellHilfen.h"
#include "verlauf/clBefehlsverlauf.h"
#include "verlauf/clWiederherstellung.h"

namespace
{
// The write that follows a keystroke: a tournament of n participants at n/4
// tables with every match played over three sets, written as a recovery file.
// Argument: the number of participants.
void WiederherstellungSchreiben(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TestTurnier tt;
    tt.erstelleN(n, n / 4);
    for (clTTSpiel* sp : tt.alleSpiele())
        sp->setSaetze({{11, 7}, {9, 11}, {11, 5}});
    const wxString ordner = wxFileName::GetTempDir() + "/quobel-bench-sicherung";
    clWiederherstellung sicherung(&tt.tag, &tt.teilnehmerTB, ordner);
    for (auto _ : state)
        if (!sicherung.schreibe())
            state.SkipWithError("not written");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(wxFileName(sicherung.getPfad()).GetSize().GetValue()));
    sicherung.entferne();
    wxFileName::Rmdir(ordner);
}
} // namespace

BENCHMARK(WiederherstellungSchreiben)->Arg(64)->Arg(500)->Unit(benchmark::kMillisecond);

namespace
{
// One score typed while the undo history records: it compares the entries of
// every match with those it knew. Argument: the number of participants.
void ErgebnisMitVerlauf(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TestTurnier tt;
    tt.erstelleN(n, n / 4);
    clBefehlsverlauf verlauf(&tt.tag);
    bool hin = false;
    for (auto _ : state)
    {
        hin = !hin;
        tt.spieleTB.SetValue(1, 2, hin ? "11" : "9");
    }
}
} // namespace

BENCHMARK(ErgebnisMitVerlauf)->Arg(64)->Arg(500)->Unit(benchmark::kMicrosecond);
