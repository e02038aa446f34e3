#ifndef ENDRUNDENHILFEN_H
#define ENDRUNDENHILFEN_H

#include <memory>
#include <vector>

#include "modell/clEndrunde.h"

// A bracket of players named Anna, Bernd, ... (then S1, S2, ...) on its first
// lines, byes after them.
struct tEndrundenFeld
{
    std::vector<std::unique_ptr<clTeilnehmer>> spieler;
    std::unique_ptr<clEndrunde> er;

    tEndrundenFeld(int anzahl, int gewinnsaetze = 3, bool platz3 = false)
    {
        static const char* const namen[] = {"Anna", "Bernd",  "Carla",  "Dora",
                                            "Emil", "Frieda", "Gustav", "Hanna"};
        vecTeilnehmer linien;
        for (int i = 0; i < anzahl; ++i)
        {
            spieler.push_back(std::make_unique<clTeilnehmer>());
            spieler.back()->setAnzeige(i < 8 ? wxString(namen[i]) : wxString::Format("S%d", i + 1));
            linien.push_back(spieler.back().get());
        }
        er = std::make_unique<clEndrunde>(linien, gewinnsaetze, platz3);
    }

    // Match k wins side seite by G:1 in sets.
    void gewinnt(int k, int seite)
    {
        clTTSpiel* sp = er->getSpiel(k);
        std::vector<satz> saetze(er->getGewinnsaetze(), seite == 1 ? satz{11, 5} : satz{5, 11});
        saetze.insert(saetze.begin(), seite == 1 ? satz{5, 11} : satz{11, 5});
        sp->setSaetze(saetze);
        er->pruefeSpiel(sp);
    }
};

#endif
