#include "modell/clDirekterVergleich.h"

#include <algorithm>
#include <numeric>

clDirekterVergleich::clDirekterVergleich(const std::vector<int>& spielpunkte,
                                         const std::vector<spBegegnung>& begegnungen)
    : m_Spielpunkte(spielpunkte), m_Begegnungen(begegnungen), m_SpieleVon(spielpunkte.size()),
      m_Gruppe(spielpunkte.size(), -1), m_letzteGruppe(-1), m_Stand(spielpunkte.size())
{
    for (size_t i = 0; i < begegnungen.size(); ++i)
    {
        m_SpieleVon[begegnungen[i].a].push_back(static_cast<int>(i));
        m_SpieleVon[begegnungen[i].b].push_back(static_cast<int>(i));
    }
}

int clDirekterVergleich::vergleicheQuotient(long long gewonnenA, long long verlorenA, long long gewonnenB,
                                            long long verlorenB)
{
    if (verlorenA == 0 || verlorenB == 0)
        return (verlorenA == 0) - (verlorenB == 0);
    const long long links = gewonnenA * verlorenB;
    const long long rechts = gewonnenB * verlorenA;
    return (links > rechts) - (links < rechts);
}

void clDirekterVergleich::ordne(std::vector<int>& rangliste, std::vector<int>& gleichAb)
{
    std::vector<int> alle(m_Spielpunkte.size());
    std::iota(alle.begin(), alle.end(), 0);
    std::stable_sort(alle.begin(), alle.end(),
                     [this](int x, int y) { return m_Spielpunkte[x] > m_Spielpunkte[y]; });
    rangliste.clear();
    gleichAb.clear();
    for (size_t anfang = 0; anfang < alle.size();)
    {
        size_t ende = anfang + 1;
        while (ende < alle.size() && m_Spielpunkte[alle[ende]] == m_Spielpunkte[alle[anfang]])
            ++ende;
        ordneGruppe(std::vector<int>(alle.begin() + anfang, alle.begin() + ende), rangliste, gleichAb);
        anfang = ende;
    }
}

void clDirekterVergleich::zaehleUntereinander(const std::vector<int>& gruppe)
{
    const int marke = ++m_letzteGruppe;
    for (int t : gruppe)
    {
        m_Gruppe[t] = marke;
        m_Stand[t] = sVergleich();
    }
    for (int t : gruppe)
    {
        for (int i : m_SpieleVon[t])
        {
            const spBegegnung& bg = m_Begegnungen[i];
            // Each match is counted once, from its first side.
            if (bg.a != t || m_Gruppe[bg.b] != marke)
                continue;
            const sWertung& w = bg.wa;
            sVergleich& a = m_Stand[bg.a];
            sVergleich& b = m_Stand[bg.b];
            a.spielpunkte += w.m_Spielpunkte.eigene;
            b.spielpunkte += w.m_Spielpunkte.gegner;
            a.saetze[0] += w.m_Satz.eigene;
            a.saetze[1] += w.m_Satz.gegner;
            b.saetze[0] += w.m_Satz.gegner;
            b.saetze[1] += w.m_Satz.eigene;
            a.punkte[0] += w.m_Punkte.eigene;
            a.punkte[1] += w.m_Punkte.gegner;
            b.punkte[0] += w.m_Punkte.gegner;
            b.punkte[1] += w.m_Punkte.eigene;
        }
    }
}

void clDirekterVergleich::ordneGruppe(const std::vector<int>& gruppe, std::vector<int>& rangliste,
                                      std::vector<int>& gleichAb)
{
    const int erster = static_cast<int>(rangliste.size());
    if (gruppe.size() > 1)
    {
        zaehleUntereinander(gruppe);
        // The steps, each +1 when x ranks before y among the group.
        const auto schritte = {
            +[](const sVergleich& x, const sVergleich& y)
            { return (x.spielpunkte > y.spielpunkte) - (x.spielpunkte < y.spielpunkte); },
            +[](const sVergleich& x, const sVergleich& y)
            { return vergleicheQuotient(x.saetze[0], x.saetze[1], y.saetze[0], y.saetze[1]); },
            +[](const sVergleich& x, const sVergleich& y)
            { return vergleicheQuotient(x.punkte[0], x.punkte[1], y.punkte[0], y.punkte[1]); }};
        for (const auto schritt : schritte)
        {
            std::vector<int> geordnet = gruppe;
            std::stable_sort(geordnet.begin(), geordnet.end(),
                             [this, schritt](int x, int y) { return schritt(m_Stand[x], m_Stand[y]) > 0; });
            if (schritt(m_Stand[geordnet.front()], m_Stand[geordnet.back()]) == 0)
                continue;
            // The step separates: every part that is still equal starts again.
            std::vector<std::vector<int>> teile;
            for (size_t i = 0; i < geordnet.size(); ++i)
            {
                if (i == 0 || schritt(m_Stand[geordnet[i - 1]], m_Stand[geordnet[i]]) != 0)
                    teile.emplace_back();
                teile.back().push_back(geordnet[i]);
            }
            for (const std::vector<int>& teil : teile)
                ordneGruppe(teil, rangliste, gleichAb);
            return;
        }
    }
    for (int t : gruppe)
    {
        rangliste.push_back(t);
        gleichAb.push_back(erster);
    }
}
