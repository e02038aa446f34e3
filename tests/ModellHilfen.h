#ifndef MODELLHILFEN_H
#define MODELLHILFEN_H

#include <initializer_list>
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

    // Sets general data (tables, mode) and types a roster of first names into the
    // participants table and applies it, as an organiser does on the first page.
    void erstelle(std::initializer_list<const wchar_t*> vornamen, int platten = 1, int modusIdx = 0)
    {
        allgemein alg = *turnier.getAllgemein();
        alg.Platten = platten;
        alg.ModusIdx = modusIdx;
        turnier.setAllgemein(&alg);
        turnier.Aktualisieren(true);
        int zeile = 0;
        for (const wchar_t* vn : vornamen)
            teilnehmerTB.SetValue(zeile++, 0, vn);
        teilnehmerTB.DatenZurueckSchreiben();
    }

    // n participants named T1, T2, ...
    void erstelleN(int n, int platten = 1, int modusIdx = 0)
    {
        erstelle({}, platten, modusIdx);
        for (int i = 0; i < n; ++i)
            teilnehmerTB.SetValue(i, 0, wxString::Format("T%d", i + 1));
        teilnehmerTB.DatenZurueckSchreiben();
    }

    // Enters a whole set as the rounds grid does and lets the standings follow.
    void satz(clTTSpiel* sp, int snr, int p1, int p2)
    {
        sp->setSatzErg(snr, p1, p2);
        turnier.pruefeWertung(sp);
    }
};

#endif
