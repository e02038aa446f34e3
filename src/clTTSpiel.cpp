#include "clTTSpiel.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>

#include "clMaskierung.h"
#include "clTeilnehmer.h"

clTTSpiel::clTTSpiel() : m_T1(nullptr), m_T2(nullptr)
{
    initialisieren();
}

clTTSpiel::clTTSpiel(clTeilnehmer* t1, clTeilnehmer* t2) : m_T1(t1), m_T2(t2)
{
    initialisieren();
}

clTTSpiel::~clTTSpiel() = default;

void clTTSpiel::initialisieren()
{
    for (satz& s : m_Saetze)
    {
        s.P1 = -1;
        s.P2 = -1;
    }
    m_W1 = getNullwertung();
    m_W2 = getNullwertung();
}

void clTTSpiel::setSatzErg(int snr, int p1, int p2)
{
    if (snr < 1 || snr > AnzSaetze)
        return;
    satz& s = m_Saetze[snr - 1];
    if (p1 != -1)
        s.P1 = p1;
    if (p2 != -1)
        s.P2 = p2;
}

void clTTSpiel::loescheSatzErg(int snr, int seite)
{
    if (snr < 1 || snr > AnzSaetze)
        return;
    satz& s = m_Saetze[snr - 1];
    if (seite == 1)
        s.P1 = -1;
    else if (seite == 2)
        s.P2 = -1;
}

satz clTTSpiel::getSatzErg(int snr) const
{
    if (snr < 1 || snr > AnzSaetze)
        return satz();
    return m_Saetze[snr - 1];
}

bool clTTSpiel::hatEingaben() const
{
    return std::any_of(std::begin(m_Saetze), std::end(m_Saetze),
                       [](const satz& s) { return s.P1 != -1 || s.P2 != -1; });
}

sWertung clTTSpiel::getNullwertung()
{
    return sWertung();
}

bool clTTSpiel::bestimmeErgebnis(sWertung& W1, sWertung& W2)
{
    W1 = getNullwertung();
    W2 = getNullwertung();
    bool gezaehlt = false;
    for (const satz& s : m_Saetze)
    {
        if (s.P1 < 0 || s.P2 < 0)
            continue;
        gezaehlt = true;
        if (s.P1 > s.P2)
        {
            W1.m_Satz.eigene++;
            W2.m_Satz.gegner++;
        }
        else
        {
            W2.m_Satz.eigene++;
            W1.m_Satz.gegner++;
        }
        const int c1 = std::min(s.P1, MaxPunkte);
        const int c2 = std::min(s.P2, MaxPunkte);
        W1.m_Punkte.eigene += c1;
        W1.m_Punkte.gegner += c2;
        W2.m_Punkte.eigene += c2;
        W2.m_Punkte.gegner += c1;
    }
    bool entschieden = false;
    if (gezaehlt)
    {
        if (W1.m_Satz.eigene > 1)
        {
            W1.m_Spiel.eigene = 1;
            W2.m_Spiel.gegner = 1;
            entschieden = true;
        }
        if (W2.m_Satz.eigene > 1)
        {
            W2.m_Spiel.eigene = 1;
            W1.m_Spiel.gegner = 1;
            entschieden = true;
        }
    }
    m_W1 = W1;
    m_W2 = W2;
    return entschieden;
}

bool clTTSpiel::getErgebnis(sWertung& W1, sWertung& W2) const
{
    clTTSpiel kopie(*this);
    return kopie.bestimmeErgebnis(W1, W2);
}

bool clTTSpiel::altesErgebnis(sWertung& w1, sWertung& w2)
{
    if (m_T1 == nullptr || m_T2 == nullptr)
        return false;
    w1 = m_W1;
    w2 = m_W2;
    const bool entschieden = w1.m_Spiel.eigene == 1 || w2.m_Spiel.eigene == 1;
    if (entschieden)
    {
        m_W1 = getNullwertung();
        m_W2 = getNullwertung();
    }
    return entschieden;
}

namespace
{
// Characters that structure a match group: the names are escaped against them.
const wxString GruppenZeichen = ",:()";

wxString anzeigeVon(const clTeilnehmer* tn)
{
    return tn != nullptr ? clMaskierung::maskiere(tn->getAnzeige(), GruppenZeichen) : wxString();
}

// The decimal conversion of wxAtoi (leading blanks, sign, digits up to the first
// other character, 0 without digits) without its detour through the C library's
// multibyte conversion, which took a third of the time of loading.
int liesPunkte(const wxString& text)
{
    const long wert = std::wcstol(text.wc_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(wert, INT_MIN, INT_MAX));
}

// Appends the score as "%2d" writes it; Format took more than half of the time of
// saving a large tournament.
void haengePunkteAn(wxString& str, int punkte)
{
    const std::wstring ziffern = std::to_wstring(punkte);
    if (ziffern.size() < 2)
        str += L' ';
    str += ziffern;
}
} // namespace

wxString clTTSpiel::getSaveString() const
{
    // Sets are read back by position: up to the last set with an entry every set is
    // written, a side not entered as -1, which reading leaves as not entered.
    int anzahl = 0;
    for (int i = 0; i < AnzSaetze; ++i)
    {
        if (m_Saetze[i].P1 != -1 || m_Saetze[i].P2 != -1)
            anzahl = i + 1;
    }
    wxString str = L"(" + anzeigeVon(m_T1) + L":" + anzeigeVon(m_T2);
    for (int i = 0; i < anzahl; ++i)
    {
        str += L',';
        haengePunkteAn(str, m_Saetze[i].P1);
        str += L':';
        haengePunkteAn(str, m_Saetze[i].P2);
    }
    return str + L")";
}

void clTTSpiel::setFromSaveString(const wxString& str)
{
    wxString rest;
    clMaskierung::trenne(str, ',', rest);
    for (int snr = 1; snr <= AnzSaetze && !rest.empty(); ++snr)
    {
        const wxString kopf = clMaskierung::trenne(rest, ',', rest);
        wxString zweiter;
        const wxString erster = clMaskierung::trenne(kopf, ':', zweiter);
        setSatzErg(snr, liesPunkte(erster), liesPunkte(zweiter));
    }
}
