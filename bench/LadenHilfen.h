#ifndef LADENHILFEN_H
#define LADENHILFEN_H

#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <wx/string.h>

// What loading a file costs at the least: reading its bytes and splitting them
// into lines, in seconds of the processor (the machine may be busy with other
// work), the best of a few runs.
inline double lesenUndZerlegen(const wxString& pfad)
{
    double beste = 1e9;
    for (int i = 0; i < 10; ++i)
    {
        const std::clock_t anfang = std::clock();
        std::ifstream ein(pfad.fn_str(), std::ios::binary);
        std::ostringstream inhalt;
        inhalt << ein.rdbuf();
        const std::string bytes = inhalt.str();
        std::vector<std::string> zeilen;
        for (size_t pos = 0; pos < bytes.size();)
        {
            const size_t ende = std::min(bytes.find('\n', pos), bytes.size());
            zeilen.emplace_back(bytes, pos, ende - pos);
            pos = ende + 1;
        }
        benchmark::DoNotOptimize(zeilen.data());
        beste = std::min(beste, static_cast<double>(std::clock() - anfang) / CLOCKS_PER_SEC);
    }
    return beste;
}

// What saving a file costs at the least: writing its bytes, as lesenUndZerlegen measures.
inline double schreiben(const wxString& pfad)
{
    std::ifstream ein(pfad.fn_str(), std::ios::binary);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    const std::string bytes = inhalt.str();
    double beste = 1e9;
    for (int i = 0; i < 10; ++i)
    {
        const std::clock_t anfang = std::clock();
        std::ofstream aus(pfad.fn_str(), std::ios::binary | std::ios::trunc);
        aus.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        aus.close();
        beste = std::min(beste, static_cast<double>(std::clock() - anfang) / CLOCKS_PER_SEC);
    }
    return beste;
}

// Runs lauf as the benchmark's loop and gives how many times the run took as
// grundlage, as the counter name.
template <typename Lauf>
void messeGegen(benchmark::State& state, const char* name, double grundlage, Lauf lauf)
{
    const std::clock_t anfang = std::clock();
    for (auto _ : state)
        lauf();
    const double jeLauf =
        static_cast<double>(std::clock() - anfang) / CLOCKS_PER_SEC / static_cast<double>(state.iterations());
    state.counters[name] = jeLauf / grundlage;
}

// Runs laden as the benchmark's loop and reports how many times reading and
// splitting the file each run took, as the counter "xLesen".
template <typename Laden>
void messeGegenLesen(benchmark::State& state, const wxString& pfad, Laden laden)
{
    messeGegen(state, "xLesen", lesenUndZerlegen(pfad), laden);
}

// The same for saving, against writing the file's bytes: the counter "xSchreiben".
template <typename Speichern>
void messeGegenSchreiben(benchmark::State& state, const wxString& pfad, Speichern speichern)
{
    messeGegen(state, "xSchreiben", schreiben(pfad), speichern);
}

#endif
