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
    // Side 2's result is side 1's seen from the other side: only side 1's is summed.
    sWertung w;
    teilwertung& saetze = w.m_Satz;
    // The side that won, 0 while the match is not decided.
    int sieger = 0;
    bool amTisch = true;
    if (e.ausfall == ausfKampflos)
    {
        // The side that did not play loses without a set or a point being counted.
        sieger = e.seite == 1 ? 2 : 1;
        (sieger == 1 ? saetze.eigene : saetze.gegner) = m_Gewinnsaetze;
        amTisch = false;
    }
    else
    {
        for (int i = 0; i < 2 * m_Gewinnsaetze - 1; ++i)
        {
            const satz& s = e.saetze[i];
            if (!istGespielt(s))
                continue;
            w.m_Punkte.eigene += s.P1;
            w.m_Punkte.gegner += s.P2;
            if (const int seite = getSieger(s))
                ++(seite == 1 ? saetze.eigene : saetze.gegner);
        }
        if (e.ausfall == ausfAufgabe)
        {
            sieger = e.seite == 1 ? 2 : 1;
            int& gewonnen = sieger == 1 ? saetze.eigene : saetze.gegner;
            int& verloren = sieger == 1 ? saetze.gegner : saetze.eigene;
            gewonnen = std::max(gewonnen, m_Gewinnsaetze);
            verloren = std::min(verloren, m_Gewinnsaetze - 1);
            amTisch = false;
        }
        else if (saetze.eigene >= m_Gewinnsaetze)
            sieger = 1;
        else if (saetze.gegner >= m_Gewinnsaetze)
            sieger = 2;
    }
    if (sieger != 0)
    {
        // The winner gets 2 match points, the loser 1 when the match was played out.
        const int verliererPunkte = amTisch ? 1 : 0;
        w.m_Spiel = sieger == 1 ? teilwertung{1, 0} : teilwertung{0, 1};
        w.m_Spielpunkte = sieger == 1 ? teilwertung{2, verliererPunkte} : teilwertung{verliererPunkte, 2};
    }
    w1 = w;
    w2 = {{w.m_Spiel.gegner, w.m_Spiel.eigene},
          {w.m_Satz.gegner, w.m_Satz.eigene},
          {w.m_Punkte.gegner, w.m_Punkte.eigene},
          {w.m_Spielpunkte.gegner, w.m_Spielpunkte.eigene}};
    return sieger != 0;
}
