#include <benchmark/benchmark.h>

#include "ModellHilfen.h"
#include "ausgabe/clPortalExport.h"
#include "datei/clPortalDokument.h"
#include "datei/clPortalImport.h"
#include "modell/clGruppenphase.h"

namespace
{
// A portal file of 1,000 registrations: five singles competitions of 200, every
// person with licence, club and rating, laid out as the portal lays it out.
std::string portalDatei()
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE tournament SYSTEM "
                      "\"TournamentPortal.dtd\">\n<tournament name=\"Bench\" start-date=\"2026-12-12\" "
                      "end-date=\"2026-12-12\" tournament-id=\"1\">\n";
    int nr = 0;
    for (const char* alter : {"Damen/Herren", "Jugend 19", "Jugend 15", "Senioren 40", "Senioren 60"})
    {
        xml += std::string("\t<competition age-group=\"") + alter +
               "\" type=\"Einzel\" start-date=\"2026-12-12 09:00\">\n\t\t<players>\n";
        for (int s = 0; s < 200; ++s, ++nr)
        {
            const std::string n = std::to_string(nr);
            xml += "\t\t\t<player type=\"single\" id=\"PLAYER" + n +
                   "\">\n\t\t\t\t<person firstname=\"Vorname" + n + "\" lastname=\"Müller" + n +
                   "\" birthyear=\"1990\" sex=\"1\" licence-nr=\"L" + n + "\" internal-nr=\"NU" + n +
                   "\" club-name=\"TTC Verein " + std::to_string(nr % 60) + "\" club-nr=\"" +
                   std::to_string(nr % 60) + "\" ttr=\"" + std::to_string(2200 - nr) +
                   "\" ttr-match-count=\"40\" club-federation-nickname=\"WTTV\"/>\n\t\t\t</player>\n";
        }
        xml += "\t\t</players>\n\t</competition>\n";
    }
    return xml + "</tournament>\n";
}

void PortalImport(benchmark::State& state)
{
    const std::string xml = portalDatei();
    for (auto _ : state)
    {
        clTurniertag tag;
        clPortalDokument dok;
        wxString fehler;
        dok.lies(xml, wxString(), &fehler);
        clPortalImport(tag, dok).wendeAn(tag, false);
        benchmark::DoNotOptimize(tag.getAnzahl());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}

// The day imported, each class drawn into 50 groups of four with every group
// match played, the results written for the portal.
void PortalExport(benchmark::State& state)
{
    const std::string xml = portalDatei();
    clTurniertag tag;
    clPortalDokument dok;
    wxString fehler;
    dok.lies(xml, wxString(), &fehler);
    clPortalImport(tag, dok).wendeAn(tag, false);
    std::mt19937 zufall(1);
    for (int i = 0; i < tag.getAnzahl(); ++i)
    {
        clTurnier* k = tag.getKonkurrenz(i);
        allgemein alg = *k->getAllgemein();
        alg.Turnierform = formGruppen;
        alg.Gruppen = 50;
        k->setAllgemein(&alg);
        k->Aktualisieren(false);
        k->loseGruppen(zufall);
        for (clTTSpiel* sp : k->getAlleSpiele())
        {
            sp->setSaetze({{11, 7}, {9, 11}, {11, 4}});
            k->pruefeWertung(sp);
        }
    }
    for (auto _ : state)
    {
        clPortalExport ex(tag);
        std::string aus;
        ex.erzeuge(aus, &fehler);
        benchmark::DoNotOptimize(aus.size());
        state.counters["Spiele"] = ex.getAnzahlSpiele();
    }
}
} // namespace

BENCHMARK(PortalImport)->Unit(benchmark::kMillisecond);
BENCHMARK(PortalExport)->Unit(benchmark::kMillisecond);
