#include "tabellen/clWertungTableBase.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>
#include <wx/intl.h>
#include <wx/settings.h>

#include "modell/clDirekterVergleich.h"
#include "tabellen/clGridMelder.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"

namespace
{
// Sorts stably. A table of a few, as a group's is, is sorted by insertion:
// std::stable_sort takes a buffer from the heap on every call, and a tournament
// in groups orders each group's table when it is read.
template <typename Vor>
void sortiereStabil(std::vector<int>& werte, Vor vor)
{
    if (werte.size() > 16)
    {
        std::stable_sort(werte.begin(), werte.end(), vor);
        return;
    }
    for (size_t i = 1; i < werte.size(); ++i)
        for (size_t j = i; j > 0 && vor(werte[j], werte[j - 1]); --j)
            std::swap(werte[j], werte[j - 1]);
}

enum Spalte
{
    spName,
    spSpiele,
    spSpielpunkte,
    spSiege,
    spSaetze,
    spPunkte,
    spHinweis
};
const char* const Spaltentitel[] = {"Teilnehmer", "Spiele", "Spielpunkte", "Siege",
                                    "Satzgewinn", "Punkte", "Hinweis"};
// The columns of each placing (modPlatzierung); the ITTF placing also shows the
// match points, and those that can leave places shared where the lot decides.
const std::vector<Spalte> Spalten[] = {
    {spName, spSpiele, spSiege, spSaetze, spPunkte},
    {spName, spSpiele, spSpielpunkte, spSiege, spSaetze, spPunkte, spHinweis},
    {spName, spSpiele, spSiege, spSaetze, spPunkte, spHinweis}};
// The widest figures a column has to show: up to 99 participants.
const char* const Muster[] = {"", "00", "000", "00:00", "000:000", "0000:0000", "Los entscheidet"};
// The room a name gets at least.
const char* const NamenMuster = "Mmmmmmmmmmmmm";
// Room around a text in a cell or label.
const int Rand = 16;

// Written directly rather than formatted: every copy of the live site and every
// repaint of the grid asks for each cell of the standings.
wxString zahl(int n)
{
    return std::to_wstring(n);
}

wxString paar(const teilwertung& tw)
{
    return std::to_wstring(tw.eigene) + L':' + std::to_wstring(tw.gegner);
}
} // namespace

clWertungTableBase::clWertungTableBase(clTurnier* t)
    : m_Turnier(t), m_Rows(1), m_Cols(5), m_Modus(platzSiege), m_EntschiedenAb(-1), m_Gezaehlt(0),
      m_Stapel(0), m_Ungeordnet(false)
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
    if (m_Turnier->getAnzahlTeilnehmer() == 0 || row < 0 || row >= getAnzahl() || col < 0 || col >= m_Cols)
        return wxString();
    const int idx = m_Rangliste[row];
    const tabWertung& tw = m_Platztabelle[idx];
    const bool gezaehlt = tw.m_AnzahlSpiele > 0;
    switch (Spalten[m_Modus][col])
    {
    case spName:
    {
        const clTeilnehmer* tn = m_Turnier->getTeilnehmer(idx + 1);
        return tn != nullptr ? tn->getAnzeige() : wxString();
    }
    case spSpiele:
        return zahl(tw.m_AnzahlSpiele);
    case spSpielpunkte:
        return gezaehlt ? zahl(tw.wertung.m_Spielpunkte.eigene) : wxString();
    case spSiege:
        return gezaehlt ? paar(tw.wertung.m_Spiel) : wxString();
    case spSaetze:
        return gezaehlt ? paar(tw.wertung.m_Satz) : wxString();
    case spPunkte:
        return gezaehlt ? paar(tw.wertung.m_Punkte) : wxString();
    case spHinweis:
        if (istEntschieden(row))
            return wxString::Format("%s: %d.", m_EntscheidungHinweis, row - m_EntschiedenAb + 1);
        return entscheidetLos(row) ? _("Los entscheidet") : wxString();
    }
    return wxString();
}

void clWertungTableBase::SetValue(int, int, const wxString&)
{
    // The standings are derived from the results; typed text is discarded.
}

wxString clWertungTableBase::GetRowLabelValue(int row)
{
    return getPlatzText(row);
}

wxString clWertungTableBase::getPlatzText(int platz) const
{
    return m_Gezaehlt > 0 ? wxString::Format("%d", getGeteilterPlatz(platz) + 1) : wxString();
}

wxString clWertungTableBase::GetColLabelValue(int col)
{
    if (col < 0 || col >= m_Cols)
        return wxString();
    return wxGetTranslation(Spaltentitel[Spalten[m_Modus][col]]);
}

int clWertungTableBase::getGeteilterPlatz(int platz) const
{
    if (platz < 0 || platz >= static_cast<int>(m_GleichAb.size()))
        return platz;
    return m_GleichAb[platz];
}

bool clWertungTableBase::entscheidetLos(int platz) const
{
    const int erster = getGeteilterPlatz(platz);
    int letzter = erster;
    while (getGeteilterPlatz(letzter + 1) == erster)
        ++letzter;
    if (letzter == erster)
        return false;
    for (int p = erster; p <= letzter; ++p)
    {
        if (m_Platztabelle[m_Rangliste[p]].m_AnzahlSpiele < getAnzahl() - 1)
            return false;
    }
    return true;
}

void clWertungTableBase::setEntscheidung(const std::vector<int>& startnummern, const wxString& hinweis)
{
    m_Entscheidung = startnummern;
    m_EntscheidungHinweis = hinweis;
    m_Ungeordnet = true;
    if (m_Stapel == 0)
        ordne();
}

bool clWertungTableBase::istEntschieden(int platz) const
{
    return m_EntschiedenAb >= 0 && platz >= m_EntschiedenAb &&
           platz < m_EntschiedenAb + static_cast<int>(m_Entscheidung.size());
}

void clWertungTableBase::wendeEntscheidungAn()
{
    m_EntschiedenAb = -1;
    const int anzahl = static_cast<int>(m_Entscheidung.size());
    std::vector<int> verschieden = m_Entscheidung;
    std::sort(verschieden.begin(), verschieden.end());
    if (anzahl < 2 || m_GleichAb.size() != m_Rangliste.size() ||
        std::adjacent_find(verschieden.begin(), verschieden.end()) != verschieden.end())
        return;
    // Exactly those of the decision share one place: each on it, and nobody else.
    int erster = -1;
    for (int snr : m_Entscheidung)
    {
        const int platz = getPlatz(snr);
        if (platz < 0 || (erster >= 0 && m_GleichAb[platz] != erster))
            return;
        erster = m_GleichAb[platz];
    }
    if (erster + anzahl > getAnzahl() || m_GleichAb[erster + anzahl - 1] != erster ||
        (erster + anzahl < getAnzahl() && m_GleichAb[erster + anzahl] == erster))
        return;
    for (int k = 0; k < anzahl; ++k)
    {
        m_Rangliste[erster + k] = m_Entscheidung[k] - 1;
        m_Platzierung[m_Entscheidung[k] - 1] = erster + k;
    }
    m_EntschiedenAb = erster;
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
    ++m_Gezaehlt;
    tw.wertung.m_Spiel.eigene += w.m_Spiel.eigene;
    tw.wertung.m_Spiel.gegner += w.m_Spiel.gegner;
    tw.wertung.m_Satz.eigene += w.m_Satz.eigene;
    tw.wertung.m_Satz.gegner += w.m_Satz.gegner;
    tw.wertung.m_Punkte.eigene += w.m_Punkte.eigene;
    tw.wertung.m_Punkte.gegner += w.m_Punkte.gegner;
    tw.wertung.m_Spielpunkte.eigene += w.m_Spielpunkte.eigene;
    tw.wertung.m_Spielpunkte.gegner += w.m_Spielpunkte.gegner;
}

void clWertungTableBase::subtrahiereWertung(int startnr, const sWertung& w)
{
    if (startnr < 1 || startnr > getAnzahl())
        return;
    tabWertung& tw = m_Platztabelle[startnr - 1];
    tw.m_AnzahlSpiele--;
    --m_Gezaehlt;
    tw.wertung.m_Spiel.eigene -= w.m_Spiel.eigene;
    tw.wertung.m_Spiel.gegner -= w.m_Spiel.gegner;
    tw.wertung.m_Satz.eigene -= w.m_Satz.eigene;
    tw.wertung.m_Satz.gegner -= w.m_Satz.gegner;
    tw.wertung.m_Punkte.eigene -= w.m_Punkte.eigene;
    tw.wertung.m_Punkte.gegner -= w.m_Punkte.gegner;
    tw.wertung.m_Spielpunkte.eigene -= w.m_Spielpunkte.eigene;
    tw.wertung.m_Spielpunkte.gegner -= w.m_Spielpunkte.gegner;
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
    const int wertung = gezaehltA ? vergleicheWertung(a.wertung, b.wertung) : 0;
    // Equal totals go by start number, so that the table depends on the results
    // alone: the order in which they were typed, or a save and load, changes nothing.
    if (wertung != 0 || idx1 == idx2)
        return wertung;
    return idx1 < idx2 ? 1 : -1;
}

int clWertungTableBase::vergleicheDifferenzen(int idx1, int idx2) const
{
    const tabWertung& a = m_Platztabelle[idx1];
    const tabWertung& b = m_Platztabelle[idx2];
    const auto differenz = [](const teilwertung& t) { return static_cast<long long>(t.eigene) - t.gegner; };
    const std::pair<long long, long long> kriterien[] = {
        {a.m_AnzahlSpiele > 0, b.m_AnzahlSpiele > 0},
        {a.wertung.m_Spiel.eigene, b.wertung.m_Spiel.eigene},
        {differenz(a.wertung.m_Satz), differenz(b.wertung.m_Satz)},
        {differenz(a.wertung.m_Punkte), differenz(b.wertung.m_Punkte)},
    };
    for (const auto& k : kriterien)
        if (k.first != k.second)
            return k.first > k.second ? 1 : -1;
    return 0;
}

void clWertungTableBase::tauschePlaetze(int platz1, int platz2)
{
    std::swap(m_Rangliste[platz1], m_Rangliste[platz2]);
    m_Platzierung[m_Rangliste[platz1]] = platz1;
    m_Platzierung[m_Rangliste[platz2]] = platz2;
}

// Moves the participant past neighbours that rank worse (upwards) or better
// (downwards), one place at a time. With the rest of the table in order this puts
// the participant on its place.
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

void clWertungTableBase::setPlatzierungsmodus(modPlatzierung modus)
{
    const int alteSpalten = m_Cols;
    m_Modus = modus == platzITTF || modus == platzDifferenz ? modus : platzSiege;
    m_Cols = static_cast<int>(Spalten[m_Modus].size());
    m_GleichAb.clear();
    m_EntschiedenAb = -1;
    if (m_Cols != alteSpalten)
    {
        clGridMelder::meldeGroesse(this, m_Rows, alteSpalten);
        setzeSpaltenBreiten();
    }
}

// With the toolkit's default widths the bold column labels are cut off and the
// place numbers take the room of a column. Each figure column gets the width of
// its label or of its widest figures, the names get the rest of the grid.
void clWertungTableBase::setzeSpaltenBreiten()
{
    wxGrid* grid = GetView();
    if (grid == nullptr)
        return;
    const wxFont labelFont = grid->GetLabelFont();
    const wxFont zellFont = grid->GetDefaultCellFont();
    auto breite = [grid](const wxString& text, const wxFont& font)
    { return clGridMelder::getTextBreite(grid, text, font) + Rand; };
    const int platzBreite = breite("000", labelFont);
    grid->SetRowLabelSize(platzBreite);
    int rest = grid->GetSize().x - platzBreite - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, grid);
    for (int col = 1; col < m_Cols; ++col)
    {
        const int b = std::max(breite(GetColLabelValue(col), labelFont),
                               breite(Muster[Spalten[m_Modus][col]], zellFont));
        grid->SetColSize(col, b);
        rest -= b;
    }
    // More columns make the grid wider rather than leave the names no room.
    const int namen = breite(NamenMuster, zellFont);
    if (rest < namen)
    {
        grid->SetMinSize(wxSize(grid->GetSize().x + namen - rest, grid->GetSize().y));
        if (grid->GetParent() != nullptr)
            grid->GetParent()->Layout();
        rest = namen;
    }
    grid->SetColSize(0, rest);
}

clWertungTableBase::clStapel::clStapel(clWertungTableBase* tabelle) : m_Tabelle(tabelle)
{
    if (m_Tabelle != nullptr)
        ++m_Tabelle->m_Stapel;
}

clWertungTableBase::clStapel::~clStapel()
{
    if (m_Tabelle != nullptr && --m_Tabelle->m_Stapel == 0 && m_Tabelle->m_Ungeordnet)
        m_Tabelle->ordne();
}

void clWertungTableBase::ordne()
{
    m_Ungeordnet = false;
    const int anzahl = getAnzahl();
    if (m_Modus == platzSiege)
    {
        sortiereStabil(m_Rangliste, [this](int a, int b) { return vergleichePlaetze(a, b) > 0; });
        for (int p = 0; p < anzahl; ++p)
            m_Platzierung[m_Rangliste[p]] = p;
        return;
    }
    // What places the participants before the matches among equal ones are compared.
    std::vector<int> stufe(anzahl);
    if (m_Modus == platzITTF)
        for (int i = 0; i < anzahl; ++i)
            stufe[i] = m_Platztabelle[i].wertung.m_Spielpunkte.eigene;
    else
    {
        std::vector<int> folge(anzahl);
        std::iota(folge.begin(), folge.end(), 0);
        sortiereStabil(folge, [this](int a, int b) { return vergleicheDifferenzen(a, b) > 0; });
        for (int p = 0, wert = anzahl; p < anzahl; ++p)
        {
            if (p > 0 && vergleicheDifferenzen(folge[p - 1], folge[p]) != 0)
                --wert;
            stufe[folge[p]] = wert;
        }
    }
    ordneNachDirektemVergleich(stufe);
}

void clWertungTableBase::platziere(int startnr1, int startnr2)
{
    if (m_Stapel > 0 || m_Modus != platzSiege)
    {
        m_Ungeordnet = true;
        if (m_Stapel == 0)
            ordne();
        return;
    }
    // Each correction assumes everybody else stands right; while one of the two
    // still stands on its old place the other may stop too early, so repeat until
    // neither moves. Every move removes one inversion, so this ends quickly.
    bool bewegt = true;
    while (bewegt)
    {
        const bool b1 = korrigierePlatzierung(startnr1);
        const bool b2 = korrigierePlatzierung(startnr2);
        bewegt = b1 || b2;
    }
}

void clWertungTableBase::ordneNachDirektemVergleich(const std::vector<int>& stufe)
{
    const int anzahl = getAnzahl();
    // Only the matches between participants of equal stufe can decide.
    std::vector<spBegegnung> begegnungen;
    for (const clTTSpiel& sp : m_Turnier->getSchema().getSpiele())
    {
        spBegegnung bg;
        sWertung w2;
        bg.a = sp.getT1()->getStartNr() - 1;
        bg.b = sp.getT2()->getStartNr() - 1;
        if (bg.a >= 0 && bg.b >= 0 && bg.a < anzahl && bg.b < anzahl && stufe[bg.a] == stufe[bg.b] &&
            sp.getGespeichertesErgebnis(bg.wa, w2))
            begegnungen.push_back(bg);
    }
    clDirekterVergleich(stufe, begegnungen).ordne(m_Rangliste, m_GleichAb);
    for (int p = 0; p < anzahl; ++p)
        m_Platzierung[m_Rangliste[p]] = p;
    wendeEntscheidungAn();
}

void clWertungTableBase::setzeAnzahl(int anz, bool fl_clear)
{
    anz = std::max(anz, 0);
    const int alteZeilen = m_Rows;
    m_GleichAb.clear();
    m_EntschiedenAb = -1;
    // Shared places have to be found again.
    m_Ungeordnet = true;
    if (fl_clear)
    {
        m_Platztabelle.clear();
        m_Rangliste.clear();
        m_Platzierung.clear();
        m_Gezaehlt = 0;
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
        for (int i = anz; i < stand; ++i)
            m_Gezaehlt -= m_Platztabelle[i].m_AnzahlSpiele;
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
        // In one step: a tournament in groups makes a table for each group.
        m_Platztabelle.reserve(stand + diff);
        m_Rangliste.reserve(stand + diff);
        m_Platzierung.reserve(stand + diff);
        for (int i = 0; i < diff; ++i)
        {
            m_Platztabelle.push_back(tabWertung());
            m_Rangliste.push_back(stand + i);
            m_Platzierung.push_back(stand + i);
        }
    }

    clGridMelder::meldeGroesse(this, alteZeilen, m_Cols);
}
