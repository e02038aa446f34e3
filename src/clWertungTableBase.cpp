#include "clWertungTableBase.h"

#include <algorithm>
#include <utility>

#include "clGridMelder.h"
#include "clTeilnehmer.h"
#include "clTurnier.h"

namespace
{
const char* const Spaltentitel[] = {"Teilnehmer", "Spiele", "Siege", "Satzgewinn", "Punkte"};

wxString paar(const teilwertung& tw)
{
    return wxString::Format("%d:%d", tw.eigene, tw.gegner);
}
} // namespace

clWertungTableBase::clWertungTableBase(clTurnier* t) : m_Turnier(t), m_Rows(1), m_Cols(5)
{
    m_Rows = std::max(1, t->getAnzahlTeilnehmer());
    t->setWertungTableBase(this);
}

clWertungTableBase::~clWertungTableBase()
{
    if (m_Turnier->getWertungTableBase() == this)
        m_Turnier->setWertungTableBase(nullptr);
}

wxString clWertungTableBase::GetValue(int row, int col)
{
    if (m_Turnier->getAnzahlTeilnehmer() == 0 || row < 0 || row >= getAnzahl())
        return wxString();
    const int idx = m_Rangliste[row];
    const tabWertung& tw = m_Platztabelle[idx];
    switch (col)
    {
    case 0:
    {
        const clTeilnehmer* tn = m_Turnier->getTeilnehmer(idx + 1);
        return tn != nullptr ? tn->getAnzeige() : wxString();
    }
    case 1:
        return wxString::Format("%d", tw.m_AnzahlSpiele);
    case 2:
        return tw.m_AnzahlSpiele > 0 ? paar(tw.wertung.m_Spiel) : wxString();
    case 3:
        return tw.m_AnzahlSpiele > 0 ? paar(tw.wertung.m_Satz) : wxString();
    case 4:
        return tw.m_AnzahlSpiele > 0 ? paar(tw.wertung.m_Punkte) : wxString();
    default:
        return wxString();
    }
}

void clWertungTableBase::SetValue(int, int, const wxString&)
{
    // The standings are derived from the results; typed text is discarded.
}

wxString clWertungTableBase::GetRowLabelValue(int row)
{
    return wxString::Format("%d", row + 1);
}

wxString clWertungTableBase::GetColLabelValue(int col)
{
    if (col < 0 || col >= m_Cols)
        return wxString();
    return wxGetTranslation(Spaltentitel[col]);
}

int clWertungTableBase::getStartNrAufPlatz(int platz) const
{
    if (platz < 0 || platz >= getAnzahl())
        return 0;
    return m_Rangliste[platz] + 1;
}

int clWertungTableBase::getPlatz(int startnr) const
{
    if (startnr < 1 || startnr > getAnzahl())
        return -1;
    return m_Platzierung[startnr - 1];
}

tabWertung clWertungTableBase::getWertung(int startnr) const
{
    if (startnr < 1 || startnr > getAnzahl())
        return tabWertung();
    return m_Platztabelle[startnr - 1];
}

void clWertungTableBase::addiereWertung(int startnr, const sWertung& w)
{
    if (startnr < 1 || startnr > getAnzahl())
        return;
    tabWertung& tw = m_Platztabelle[startnr - 1];
    tw.m_AnzahlSpiele++;
    tw.wertung.m_Spiel.eigene += w.m_Spiel.eigene;
    tw.wertung.m_Spiel.gegner += w.m_Spiel.gegner;
    tw.wertung.m_Satz.eigene += w.m_Satz.eigene;
    tw.wertung.m_Satz.gegner += w.m_Satz.gegner;
    tw.wertung.m_Punkte.eigene += w.m_Punkte.eigene;
    tw.wertung.m_Punkte.gegner += w.m_Punkte.gegner;
}

void clWertungTableBase::subtrahiereWertung(int startnr, const sWertung& w)
{
    if (startnr < 1 || startnr > getAnzahl())
        return;
    tabWertung& tw = m_Platztabelle[startnr - 1];
    tw.m_AnzahlSpiele--;
    tw.wertung.m_Spiel.eigene -= w.m_Spiel.eigene;
    tw.wertung.m_Spiel.gegner -= w.m_Spiel.gegner;
    tw.wertung.m_Satz.eigene -= w.m_Satz.eigene;
    tw.wertung.m_Satz.gegner -= w.m_Satz.gegner;
    tw.wertung.m_Punkte.eigene -= w.m_Punkte.eigene;
    tw.wertung.m_Punkte.gegner -= w.m_Punkte.gegner;
}

int clWertungTableBase::vergleicheWertung(const sWertung& w1, const sWertung& w2)
{
    // More is better for the own counts, fewer for the opponent's.
    const std::pair<int, int> kriterien[] = {
        {w1.m_Spiel.eigene, w2.m_Spiel.eigene},   {w2.m_Spiel.gegner, w1.m_Spiel.gegner},
        {w1.m_Satz.eigene, w2.m_Satz.eigene},     {w2.m_Satz.gegner, w1.m_Satz.gegner},
        {w1.m_Punkte.eigene, w2.m_Punkte.eigene}, {w2.m_Punkte.gegner, w1.m_Punkte.gegner},
    };
    for (const auto& k : kriterien)
    {
        if (k.first > k.second)
            return 1;
        if (k.first < k.second)
            return -1;
    }
    return 0;
}

int clWertungTableBase::vergleichePlaetze(int idx1, int idx2) const
{
    const tabWertung& a = m_Platztabelle[idx1];
    const tabWertung& b = m_Platztabelle[idx2];
    const bool gezaehltA = a.m_AnzahlSpiele > 0;
    const bool gezaehltB = b.m_AnzahlSpiele > 0;
    if (gezaehltA != gezaehltB)
        return gezaehltA ? 1 : -1;
    if (!gezaehltA)
        return 0;
    return vergleicheWertung(a.wertung, b.wertung);
}

void clWertungTableBase::tauschePlaetze(int platz1, int platz2)
{
    std::swap(m_Rangliste[platz1], m_Rangliste[platz2]);
    m_Platzierung[m_Rangliste[platz1]] = platz1;
    m_Platzierung[m_Rangliste[platz2]] = platz2;
}

// Moves the participant past neighbours that rank strictly worse (upwards) or
// strictly better (downwards), one place at a time, so that participants whose
// totals compare equal keep their order. With the rest of the table in order this
// puts the participant on its place.
bool clWertungTableBase::korrigierePlatzierung(int startnr)
{
    if (startnr < 1 || startnr > getAnzahl())
        return false;
    const int snr = startnr - 1;
    const int start = m_Platzierung[snr];
    int platz = start;
    while (platz > 0 && vergleichePlaetze(snr, m_Rangliste[platz - 1]) > 0)
    {
        tauschePlaetze(platz, platz - 1);
        --platz;
    }
    if (platz == start)
    {
        const int letzter = getAnzahl() - 1;
        while (platz < letzter && vergleichePlaetze(snr, m_Rangliste[platz + 1]) < 0)
        {
            tauschePlaetze(platz, platz + 1);
            ++platz;
        }
    }
    return platz != start;
}

void clWertungTableBase::setzeAnzahl(int anz, bool fl_clear)
{
    anz = std::max(anz, 0);
    const int alteZeilen = m_Rows;
    if (fl_clear)
    {
        m_Platztabelle.clear();
        m_Rangliste.clear();
        m_Platzierung.clear();
    }
    const int stand = getAnzahl();
    int diff = stand - anz;
    if (diff == 0 && !fl_clear)
        return;
    m_Rows = std::max(anz, 1);
    if (diff > 0)
    {
        // Remove the participants with the highest start numbers wherever they stand
        // and close the gaps, so the placing order stays a permutation.
        m_Platztabelle.resize(anz);
        int platz = 0;
        for (int idx : m_Rangliste)
        {
            if (idx < anz)
                m_Rangliste[platz++] = idx;
        }
        m_Rangliste.resize(anz);
        m_Platzierung.resize(anz);
        for (int p = 0; p < anz; ++p)
            m_Platzierung[m_Rangliste[p]] = p;
    }
    else
    {
        diff = std::max(-diff, 1);
        for (int i = 0; i < diff; ++i)
        {
            m_Platztabelle.push_back(tabWertung());
            m_Rangliste.push_back(stand + i);
            m_Platzierung.push_back(stand + i);
        }
    }

    clGridMelder::meldeGroesse(this, alteZeilen, m_Cols);
}
