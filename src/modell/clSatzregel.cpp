#include "modell/clSatzregel.h"

#include <algorithm>

namespace
{
void gewinneSatz(sWertung& sieger, sWertung& verlierer)
{
    sieger.m_Satz.eigene++;
    verlierer.m_Satz.gegner++;
}

// Winner and loser of a decided match: the match and its match points.
void entscheide(sWertung& sieger, sWertung& verlierer, bool amTisch)
{
    sieger.m_Spiel.eigene = 1;
    verlierer.m_Spiel.gegner = 1;
    sieger.m_Spielpunkte = {2, amTisch ? 1 : 0};
    verlierer.m_Spielpunkte = {amTisch ? 1 : 0, 2};
}
} // namespace

clSatzregel::clSatzregel(int gewinnsaetze)
    : m_Gewinnsaetze(std::clamp(gewinnsaetze, clTTSpiel::MinGewinnsaetze, clTTSpiel::MaxGewinnsaetze))
{
}

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

bool clSatzregel::istEntschieden(const sWertung& w)
{
    return w.m_Spiel.eigene > 0 || w.m_Spiel.gegner > 0;
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
    w1 = sWertung();
    w2 = sWertung();
    sWertung& sieger = e.seite == 1 ? w2 : w1;
    sWertung& verlierer = e.seite == 1 ? w1 : w2;
    if (e.ausfall == ausfKampflos)
    {
        // The side that did not play loses without a set or a point being counted.
        for (int i = 0; i < m_Gewinnsaetze; ++i)
            gewinneSatz(sieger, verlierer);
        entscheide(sieger, verlierer, false);
        return true;
    }
    for (int i = 0; i < 2 * m_Gewinnsaetze - 1; ++i)
    {
        const satz& s = e.saetze[i];
        if (!istGespielt(s))
            continue;
        w1.m_Punkte.eigene += s.P1;
        w1.m_Punkte.gegner += s.P2;
        w2.m_Punkte.eigene += s.P2;
        w2.m_Punkte.gegner += s.P1;
        if (const int seite = getSieger(s))
            gewinneSatz(seite == 1 ? w1 : w2, seite == 1 ? w2 : w1);
    }
    if (e.ausfall == ausfAufgabe)
    {
        while (sieger.m_Satz.eigene < m_Gewinnsaetze)
            gewinneSatz(sieger, verlierer);
        const int zuviel = std::max(0, verlierer.m_Satz.eigene - (m_Gewinnsaetze - 1));
        verlierer.m_Satz.eigene -= zuviel;
        sieger.m_Satz.gegner -= zuviel;
        entscheide(sieger, verlierer, false);
        return true;
    }
    for (sWertung* w : {&w1, &w2})
    {
        if (w->m_Satz.eigene >= m_Gewinnsaetze)
        {
            entscheide(*w, w == &w1 ? w2 : w1, true);
            return true;
        }
    }
    return false;
}
