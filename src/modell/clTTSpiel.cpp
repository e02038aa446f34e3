#include "modell/clTTSpiel.h"

#include <algorithm>
#include <climits>
#include <string>

#include "datei/clMaskierung.h"
#include "datei/clTurnierDatei.h"
#include "datei/clZahl.h"
#include "modell/clSatzregel.h"
#include "modell/clTeilnehmer.h"

clTTSpiel::clTTSpiel() : m_T1(nullptr), m_T2(nullptr), m_Gewinnsaetze(MinGewinnsaetze)
{
    initialisieren();
}

clTTSpiel::clTTSpiel(clTeilnehmer* t1, clTeilnehmer* t2) : m_T1(t1), m_T2(t2), m_Gewinnsaetze(MinGewinnsaetze)
{
    initialisieren();
}

void clTTSpiel::initialisieren()
{
    m_Eingaben.leere();
    m_W1 = getNullwertung();
    m_ErgebnisGilt = false;
}

void clTTSpiel::setGewinnsaetze(int g)
{
    m_ErgebnisGilt = false;
    m_Gewinnsaetze = std::clamp(g, MinGewinnsaetze, MaxGewinnsaetze);
    for (int i = getAnzSaetze(); i < MaxSaetze; ++i)
        m_Eingaben.saetze[i] = satz();
}

bool clTTSpiel::hatSaetzeUeber(int g) const
{
    const int anzahl = 2 * std::clamp(g, MinGewinnsaetze, MaxGewinnsaetze) - 1;
    return std::any_of(std::begin(m_Eingaben.saetze) + anzahl, std::end(m_Eingaben.saetze),
                       [](const satz& s) { return s.P1 != -1 || s.P2 != -1; });
}

void clTTSpiel::setSatzErg(int snr, int p1, int p2)
{
    if (snr < 1 || snr > getAnzSaetze())
        return;
    m_ErgebnisGilt = false;
    satz& s = m_Eingaben.saetze[snr - 1];
    if (p1 != -1)
        s.P1 = p1;
    if (p2 != -1)
        s.P2 = p2;
}

void clTTSpiel::setSaetze(const std::vector<satz>& saetze)
{
    for (int i = 0; i < MaxSaetze; ++i)
        m_Eingaben.saetze[i] = i < getAnzSaetze() && i < static_cast<int>(saetze.size()) ? saetze[i] : satz();
    setAusfall(ausfKeiner, 0);
}

void clTTSpiel::loescheSatzErg(int snr, int seite)
{
    if (snr < 1 || snr > getAnzSaetze())
        return;
    m_ErgebnisGilt = false;
    satz& s = m_Eingaben.saetze[snr - 1];
    if (seite == 1)
        s.P1 = -1;
    else if (seite == 2)
        s.P2 = -1;
}

satz clTTSpiel::getSatzErg(int snr) const
{
    if (snr < 1 || snr > getAnzSaetze())
        return satz();
    return m_Eingaben.saetze[snr - 1];
}

bool clTTSpiel::hatEingaben() const
{
    return m_Eingaben.ausfall != ausfKeiner ||
           std::any_of(std::begin(m_Eingaben.saetze), std::end(m_Eingaben.saetze),
                       [](const satz& s) { return s.P1 != -1 || s.P2 != -1; });
}

int clTTSpiel::getEntscheidungssatz() const
{
    return clSatzregel(m_Gewinnsaetze).getEntscheidungssatz(m_Eingaben);
}

void eingaben::leere()
{
    for (satz& s : saetze)
        s = satz();
    ausfall = ausfKeiner;
    seite = 0;
}

bool eingaben::operator==(const eingaben& e) const
{
    return ausfall == e.ausfall && seite == e.seite &&
           std::equal(std::begin(saetze), std::end(saetze), std::begin(e.saetze),
                      [](const satz& a, const satz& b) { return a.P1 == b.P1 && a.P2 == b.P2; });
}

eingaben clTTSpiel::getEingaben() const
{
    return m_Eingaben;
}

void clTTSpiel::setEingaben(const eingaben& e)
{
    for (int i = 0; i < MaxSaetze; ++i)
        m_Eingaben.saetze[i] = i < getAnzSaetze() ? e.saetze[i] : satz();
    setAusfall(e.ausfall, e.seite);
}

void clTTSpiel::setAusfall(modAusfall art, int seite)
{
    m_ErgebnisGilt = false;
    const bool gueltig = art != ausfKeiner && (seite == 1 || seite == 2);
    m_Eingaben.ausfall = gueltig ? art : ausfKeiner;
    m_Eingaben.seite = gueltig ? seite : 0;
}

sWertung clTTSpiel::getNullwertung()
{
    return sWertung();
}

wxString clTTSpiel::getPaarung(bool vollerName) const
{
    const auto name = [vollerName](const clTeilnehmer* tn) {
        return tn == nullptr ? wxString() : vollerName ? tn->getVollerName() : tn->getAnzeige();
    };
    return name(m_T1) + L" \u2013 " + name(m_T2);
}

bool clTTSpiel::bestimmeErgebnis(sWertung& W1, sWertung& W2)
{
    const bool entschieden = clSatzregel(m_Gewinnsaetze).werte(m_Eingaben, W1, W2);
    m_W1 = W1;
    m_ErgebnisGilt = true;
    return entschieden;
}

bool clTTSpiel::getErgebnis(sWertung& W1, sWertung& W2) const
{
    // The hall asks every match for its result after each result entered: the
    // one the standings hold serves while the entries stay.
    if (m_ErgebnisGilt)
        return getGespeichertesErgebnis(W1, W2);
    return clSatzregel(m_Gewinnsaetze).werte(m_Eingaben, W1, W2);
}

bool clTTSpiel::getGespeichertesErgebnis(sWertung& w1, sWertung& w2) const
{
    w1 = m_W1;
    w2 = {{w1.m_Spiel.gegner, w1.m_Spiel.eigene},
          {w1.m_Satz.gegner, w1.m_Satz.eigene},
          {w1.m_Punkte.gegner, w1.m_Punkte.eigene},
          {w1.m_Spielpunkte.gegner, w1.m_Spielpunkte.eigene}};
    return clSatzregel::istEntschieden(w1);
}

bool clTTSpiel::altesErgebnis(sWertung& w1, sWertung& w2)
{
    if (m_T1 == nullptr || m_T2 == nullptr)
        return false;
    const bool entschieden = getGespeichertesErgebnis(w1, w2);
    if (entschieden)
    {
        m_W1 = getNullwertung();
        m_ErgebnisGilt = false;
    }
    return entschieden;
}

namespace
{
// Characters that structure a match group: the names are escaped against them.
const wxString GruppenZeichen = ",:()";
// How a walkover and a retirement are written after the sets, with the side.
const wchar_t* const AusfallMarke[] = {L"", L"wo", L"ab"};

void haengeAnzeigeAn(wxString& str, const clTeilnehmer* tn)
{
    if (tn != nullptr)
        clMaskierung::haengeMaskiertAn(str, tn->getAnzeige(), GruppenZeichen);
}

// Writes the score as "%2d" writes it; Format took more than half of the time of
// saving a large tournament.
wchar_t* schreibePunkte(wchar_t* ziel, int punkte)
{
    if (punkte >= 0 && punkte < 10)
        *ziel++ = L' ';
    return clZahl::schreibe(ziel, punkte);
}
} // namespace

wxString clTTSpiel::getSaveString() const
{
    wxString str;
    haengeSaveStringAn(str);
    return str;
}

void clTTSpiel::haengeSaveStringAn(wxString& str) const
{
    str += L'(';
    haengeAnzeigeAn(str, m_T1);
    str += L':';
    haengeAnzeigeAn(str, m_T2);
    haengeEingabenAn(str);
    str += L')';
}

void clTTSpiel::haengeEingabenAn(wxString& str) const
{
    // Sets are read back by position: up to the last set with an entry every set is
    // written, a side not entered as -1, which reading leaves as not entered.
    int anzahl = 0;
    for (int i = 0; i < getAnzSaetze(); ++i)
    {
        if (m_Eingaben.saetze[i].P1 != -1 || m_Eingaben.saetze[i].P2 != -1)
            anzahl = i + 1;
    }
    // Numbers and signs, written in place and appended at once: this is done for
    // every match when a file is checked after reading.
    wchar_t puffer[MaxSaetze * (2 * (clZahl::MaxStellen + 1) + 1) + clZahl::MaxStellen + 3];
    wchar_t* p = puffer;
    for (int i = 0; i < anzahl; ++i)
    {
        *p++ = L',';
        p = schreibePunkte(p, m_Eingaben.saetze[i].P1);
        *p++ = L':';
        p = schreibePunkte(p, m_Eingaben.saetze[i].P2);
    }
    if (m_Eingaben.ausfall != ausfKeiner)
    {
        *p++ = L',';
        for (const wchar_t* marke = AusfallMarke[m_Eingaben.ausfall]; *marke != L'\0'; ++marke)
            *p++ = *marke;
        p = clZahl::schreibe(p, m_Eingaben.seite);
    }
    str.append(puffer, p - puffer);
}

namespace
{
wxString alsText(const wchar_t* p, size_t anzahl)
{
    return wxString(p, anzahl);
}

// The bytes of a file as its text.
wxString alsText(const char* p, size_t anzahl)
{
    return clTurnierDatei::dekodiere(std::string(p, anzahl));
}

// A score from p on: blanks, a sign, digits and blanks; p moves past them. False
// when there are no digits. A value beyond an int is taken as the nearest one.
template <typename Z>
bool liesPunkte(const Z*& p, const Z* ende, int& punkte)
{
    while (p != ende && *p == Z(' '))
        ++p;
    const bool negativ = p != ende && *p == Z('-');
    if (p != ende && (*p == Z('-') || *p == Z('+')))
        ++p;
    if (p == ende || *p < Z('0') || *p > Z('9'))
        return false;
    long long betrag = 0;
    for (; p != ende && *p >= Z('0') && *p <= Z('9'); ++p)
        betrag = std::min(betrag * 10 + (*p - Z('0')), 1LL << 32);
    punkte = static_cast<int>(std::clamp(negativ ? -betrag : betrag, static_cast<long long>(INT_MIN),
                                         static_cast<long long>(INT_MAX)));
    while (p != ende && *p == Z(' '))
        ++p;
    return true;
}

// A piece of a match group, from p up to ende, as a set "p1:p2".
template <typename Z>
bool liesSatz(const Z* p, const Z* ende, satz& s)
{
    return liesPunkte(p, ende, s.P1) && p != ende && *p++ == Z(':') && liesPunkte(p, ende, s.P2) && p == ende;
}

// A score as this program writes it: a blank perhaps and up to five digits; q
// then stands after it.
template <typename Z>
bool liesPunkteKurz(const Z*& q, const Z* ende, int& punkte)
{
    if (q != ende && *q == Z(' '))
        ++q;
    const Z* const anfang = q;
    int wert = 0;
    for (; q != ende && q - anfang < 6 && *q >= Z('0') && *q <= Z('9'); ++q)
        wert = wert * 10 + (*q - Z('0'));
    punkte = wert;
    return q != anfang && q - anfang < 6;
}

// A set as this program writes it, two numbers of up to five digits (one with a
// blank in front) with a colon between, up to a comma or the end, read in one
// pass: a file holds tens of thousands of them. p then stands after it. Anything
// else, and numbers of more digits, are left to liesSatz.
template <typename Z>
bool liesSatzKurz(const Z*& p, const Z* ende, satz& s)
{
    const Z* q = p;
    if (!liesPunkteKurz(q, ende, s.P1) || q == ende || *q++ != Z(':') || !liesPunkteKurz(q, ende, s.P2) ||
        (q != ende && *q != Z(',')))
        return false;
    p = q;
    return true;
}

// A piece as a walkover or retirement mark, "wo1", "wo2", "ab1" or "ab2", with
// blanks around it.
template <typename Z>
bool liesAusfall(const Z* p, const Z* ende, eingaben& e)
{
    while (p != ende && *p == Z(' '))
        ++p;
    while (ende != p && ende[-1] == Z(' '))
        --ende;
    for (modAusfall art : {ausfKampflos, ausfAufgabe})
    {
        const wchar_t* marke = AusfallMarke[art];
        if (ende - p == 3 && p[0] == marke[0] && p[1] == marke[1] && (p[2] == Z('1') || p[2] == Z('2')))
        {
            e.ausfall = art;
            e.seite = p[2] - Z('0');
            return true;
        }
    }
    return false;
}
} // namespace

template <typename Z>
bool clTTSpiel::liesSaveString(const Z* anfang, const Z* ende, eingaben& e, wxString& falsch, bool maskiert)
{
    e.leere();
    const Z* p = clMaskierung::finde(anfang, ende, Z(','), maskiert);
    if (p == ende)
        return true; // the names alone
    ++p;
    // A match has at most MaxSaetze sets and one mark; a group with more pieces is
    // not read further, however long it is.
    int snr = 0;
    for (int stueck = 0; stueck <= MaxSaetze; ++stueck)
    {
        // A set is read straight into its place, not built aside and copied in,
        // which stalls as a whole record does; one beyond the last is read and dropped.
        satz ueberzaehlig;
        satz& s = snr < MaxSaetze ? e.saetze[snr] : ueberzaehlig;
        const Z* komma = p;
        bool satzGelesen = liesSatzKurz(komma, ende, s);
        if (!satzGelesen)
        {
            komma = std::find(p, ende, Z(','));
            satzGelesen = liesSatz(p, komma, s);
        }
        if (satzGelesen)
            snr = std::min(snr + 1, static_cast<int>(MaxSaetze));
        else
        {
            // What a failed reading left there is no set.
            s = satz();
            if (!liesAusfall(p, komma, e))
            {
                falsch = alsText(p, static_cast<size_t>(komma - p));
                return false;
            }
        }
        if (komma == ende)
            break;
        p = komma + 1;
    }
    return true;
}

template bool clTTSpiel::liesSaveString(const char*, const char*, eingaben&, wxString&, bool);
template bool clTTSpiel::liesSaveString(const wchar_t*, const wchar_t*, eingaben&, wxString&, bool);
