#include "modell/clSatzregel.h"

#include <algorithm>

bool clSatzregel::istGespielt(const satz& s)
{
    return s.P1 >= 0 && s.P2 >= 0 && s.P1 <= MaxPunkte && s.P2 <= MaxPunkte;
}

bool clSatzregel::istBeendet(const satz& s)
{
    if (!istGespielt(s))
        return false;
    const int sieger = std::max(s.P1, s.P2);
    const int verlierer = std::min(s.P1, s.P2);
    return (sieger == 11 && verlierer <= 9) || (sieger > 11 && sieger - verlierer == 2);
}

int clSatzregel::getSieger(const satz& s)
{
    if (!istBeendet(s))
        return 0;
    return s.P1 > s.P2 ? 1 : 2;
}

int clSatzregel::getEntscheidungssatz(const eingaben& e) const
{
    int gewonnen[3] = {0, 0, 0};
    for (int i = 0; i < 2 * m_Gewinnsaetze - 1; ++i)
    {
        const int sieger = getSieger(e.saetze[i]);
        if (sieger != 0 && ++gewonnen[sieger] == m_Gewinnsaetze)
            return i + 1;
    }
    return 0;
}

bool clSatzregel::werte(const eingaben& e, sWertung& w1, sWertung& w2) const
{
    // Counted in locals, and each result written whole at the end: a load counts
    // every match of a tournament, and sums kept in w1 and w2 are stored after
    // every set (they might share the entries' memory), then read back in pieces
    // wider than they were stored in.
    // By side, from 1; the sets nobody won go to 0.
    int saetze[3] = {0, 0, 0};
    int punkte[3] = {0, 0, 0};
    // The side that won, 0 while the match is not decided.
    int sieger = 0;
    bool amTisch = true;
    if (e.ausfall == ausfKampflos)
    {
        // The side that did not play loses without a set or a point being counted.
        sieger = e.seite == 1 ? 2 : 1;
        saetze[sieger] = m_Gewinnsaetze;
        amTisch = false;
    }
    else
    {
        for (int i = 0; i < 2 * m_Gewinnsaetze - 1; ++i)
        {
            const satz& s = e.saetze[i];
            if (!istGespielt(s))
                continue;
            punkte[1] += s.P1;
            punkte[2] += s.P2;
            saetze[getSieger(s)]++;
        }
        if (e.ausfall == ausfAufgabe)
        {
            sieger = e.seite == 1 ? 2 : 1;
            saetze[sieger] = std::max(saetze[sieger], m_Gewinnsaetze);
            saetze[3 - sieger] = std::min(saetze[3 - sieger], m_Gewinnsaetze - 1);
            amTisch = false;
        }
        else if (saetze[1] >= m_Gewinnsaetze)
            sieger = 1;
        else if (saetze[2] >= m_Gewinnsaetze)
            sieger = 2;
    }
    // A decided match gives the winner 2 match points, the loser 1 when it was played out.
    const int verliererPunkte = amTisch ? 1 : 0;
    const auto wertung = [&](int seite)
    {
        const int gegner = 3 - seite;
        const teilwertung spielpunkte = sieger == 0       ? teilwertung()
                                        : sieger == seite ? teilwertung{2, verliererPunkte}
                                                          : teilwertung{verliererPunkte, 2};
        return sWertung{{sieger == seite ? 1 : 0, sieger == gegner ? 1 : 0},
                        {saetze[seite], saetze[gegner]},
                        {punkte[seite], punkte[gegner]},
                        spielpunkte};
    };
    w1 = wertung(1);
    w2 = wertung(2);
    return sieger != 0;
}
