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
    // Side 2's result is side 1's seen from the other side: only side 1's is summed,
    // in plain numbers that both records then take (a record summed in memory and
    // copied whole was read back before its stores had landed, a stall on every match).
    int saetze1 = 0;
    int saetze2 = 0;
    int punkte1 = 0;
    int punkte2 = 0;
    // The side that won, 0 while the match is not decided.
    int sieger = 0;
    bool amTisch = true;
    if (e.ausfall == ausfKampflos)
    {
        // The side that did not play loses without a set or a point being counted.
        sieger = e.seite == 1 ? 2 : 1;
        (sieger == 1 ? saetze1 : saetze2) = m_Gewinnsaetze;
        amTisch = false;
    }
    else
    {
        for (int i = 0; i < 2 * m_Gewinnsaetze - 1; ++i)
        {
            const satz& s = e.saetze[i];
            if (!istGespielt(s))
                continue;
            punkte1 += s.P1;
            punkte2 += s.P2;
            if (const int seite = getSieger(s))
                ++(seite == 1 ? saetze1 : saetze2);
        }
        if (e.ausfall == ausfAufgabe)
        {
            sieger = e.seite == 1 ? 2 : 1;
            int& gewonnen = sieger == 1 ? saetze1 : saetze2;
            int& verloren = sieger == 1 ? saetze2 : saetze1;
            gewonnen = std::max(gewonnen, m_Gewinnsaetze);
            verloren = std::min(verloren, m_Gewinnsaetze - 1);
            amTisch = false;
        }
        else if (saetze1 >= m_Gewinnsaetze)
            sieger = 1;
        else if (saetze2 >= m_Gewinnsaetze)
            sieger = 2;
    }
    // The winner gets 2 match points, the loser 1 when the match was played out.
    const int verliererPunkte = amTisch ? 1 : 0;
    const int spiel1 = sieger == 1 ? 1 : 0;
    const int spiel2 = sieger == 2 ? 1 : 0;
    const int spielpunkte1 = sieger == 1 ? 2 : sieger == 2 ? verliererPunkte : 0;
    const int spielpunkte2 = sieger == 2 ? 2 : sieger == 1 ? verliererPunkte : 0;
    w1 = {{spiel1, spiel2}, {saetze1, saetze2}, {punkte1, punkte2}, {spielpunkte1, spielpunkte2}};
    w2 = {{spiel2, spiel1}, {saetze2, saetze1}, {punkte2, punkte1}, {spielpunkte2, spielpunkte1}};
    return sieger != 0;
}
