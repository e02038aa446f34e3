#ifndef MODELLHILFEN_H
#define MODELLHILFEN_H

#include <vector>
#include <wx/string.h>

#include "clSpieleTableBase.h"
#include "clTTSpiel.h"
#include "clTeilnehmerTableBase.h"
#include "clTurnier.h"
#include "clWertungTableBase.h"

// A tournament with its three grid tables, as the main window sets it up, but
// without any window.
struct TestTurnier
{
    clTurnier turnier;
    clTeilnehmerTableBase teilnehmerTB{&turnier};
    clSpieleTableBase spieleTB{&turnier};
    clWertungTableBase wertungTB{&turnier};

    // Sets tables and mode, types the first names into the participants table and
    // applies them, as an organiser does on the first page.
    void erstelle(const std::vector<wxString>& vornamen, int platten = 1, int modusIdx = 0)
    {
        allgemein alg = *turnier.getAllgemein();
        alg.Platten = platten;
        alg.ModusIdx = modusIdx;
        turnier.setAllgemein(&alg);
        turnier.Aktualisieren(true);
        for (size_t i = 0; i < vornamen.size(); ++i)
            teilnehmerTB.SetValue(static_cast<int>(i), 0, vornamen[i]);
        teilnehmerTB.DatenZurueckSchreiben();
    }

    // n participants named T1, T2, ...
    void erstelleN(int n, int platten = 1, int modusIdx = 0)
    {
        std::vector<wxString> namen;
        for (int i = 1; i <= n; ++i)
            namen.push_back(wxString::Format("T%d", i));
        erstelle(namen, platten, modusIdx);
    }

    // Every match of the schedule, round by round and table by table.
    std::vector<clTTSpiel*> alleSpiele() const
    {
        std::vector<clTTSpiel*> spiele;
        for (int r = 1; r <= turnier.getAnzahlRunden(); ++r)
            for (int p = 1; clTTSpiel* sp = turnier.getSpiel(r, p); ++p)
                spiele.push_back(sp);
        return spiele;
    }

    // The match between two start numbers, wherever the schedule put it.
    clTTSpiel* spielZwischen(int a, int b) const
    {
        for (clTTSpiel* sp : alleSpiele())
        {
            const int t1 = sp->getT1()->getStartNr();
            const int t2 = sp->getT2()->getStartNr();
            if ((t1 == a && t2 == b) || (t1 == b && t2 == a))
                return sp;
        }
        return nullptr;
    }

    // Enters a whole set as the rounds grid does and lets the standings follow.
    void satz(clTTSpiel* sp, int snr, int p1, int p2)
    {
        sp->setSatzErg(snr, p1, p2);
        turnier.pruefeWertung(sp);
    }
};

#endif
