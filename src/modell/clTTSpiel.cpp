#include "modell/clTTSpiel.h"

#include <algorithm>
#include <string>

#include "datei/clMaskierung.h"
#include "modell/clTeilnehmer.h"
#include "datei/clZahl.h"

clTTSpiel::clTTSpiel() : m_T1(nullptr), m_T2(nullptr), m_Gewinnsaetze(MinGewinnsaetze)
{
    initialisieren();
}

clTTSpiel::clTTSpiel(clTeilnehmer* t1, clTeilnehmer* t2) : m_T1(t1), m_T2(t2), m_Gewinnsaetze(MinGewinnsaetze)
{
    initialisieren();
}

clTTSpiel::~clTTSpiel() = default;

void clTTSpiel::initialisieren()
{
    for (satz& s : m_Saetze)
        s = satz();
    m_Ausfall = ausfKeiner;
    m_AusfallSeite = 0;
    m_W1 = getNullwertung();
    m_W2 = getNullwertung();
}

void clTTSpiel::setGewinnsaetze(int g)
{
    m_Gewinnsaetze = std::clamp(g, MinGewinnsaetze, MaxGewinnsaetze);
    for (int i = getAnzSaetze(); i < MaxSaetze; ++i)
        m_Saetze[i] = satz();
}

bool clTTSpiel::hatSaetzeUeber(int g) const
{
    const int anzahl = 2 * std::clamp(g, MinGewinnsaetze, MaxGewinnsaetze) - 1;
    return std::any_of(std::begin(m_Saetze) + anzahl, std::end(m_Saetze),
                       [](const satz& s) { return s.P1 != -1 || s.P2 != -1; });
}

void clTTSpiel::setSatzErg(int snr, int p1, int p2)
{
    if (snr < 1 || snr > getAnzSaetze())
        return;
    satz& s = m_Saetze[snr - 1];
    if (p1 != -1)
        s.P1 = p1;
    if (p2 != -1)
        s.P2 = p2;
}

void clTTSpiel::setSaetze(const std::vector<satz>& saetze)
{
    for (int i = 0; i < MaxSaetze; ++i)
        m_Saetze[i] = i < getAnzSaetze() && i < static_cast<int>(saetze.size()) ? saetze[i] : satz();
    setAusfall(ausfKeiner, 0);
}

void clTTSpiel::loescheSatzErg(int snr, int seite)
{
    if (snr < 1 || snr > getAnzSaetze())
        return;
    satz& s = m_Saetze[snr - 1];
    if (seite == 1)
        s.P1 = -1;
    else if (seite == 2)
        s.P2 = -1;
}

satz clTTSpiel::getSatzErg(int snr) const
{
    if (snr < 1 || snr > getAnzSaetze())
        return satz();
    return m_Saetze[snr - 1];
}

bool clTTSpiel::hatEingaben() const
{
    return m_Ausfall != ausfKeiner || std::any_of(std::begin(m_Saetze), std::end(m_Saetze),
                                                  [](const satz& s) { return s.P1 != -1 || s.P2 != -1; });
}

int clTTSpiel::getEntscheidungssatz() const
{
    int gewonnen1 = 0;
    int gewonnen2 = 0;
    for (int i = 0; i < getAnzSaetze(); ++i)
    {
        const satz& s = m_Saetze[i];
        if (s.P1 < 0 || s.P2 < 0)
            continue;
        (s.P1 > s.P2 ? gewonnen1 : gewonnen2)++;
        if (gewonnen1 == m_Gewinnsaetze || gewonnen2 == m_Gewinnsaetze)
            return i + 1;
    }
    return 0;
}

bool eingaben::operator==(const eingaben& e) const
{
    return ausfall == e.ausfall && seite == e.seite &&
           std::equal(std::begin(saetze), std::end(saetze), std::begin(e.saetze),
                      [](const satz& a, const satz& b) { return a.P1 == b.P1 && a.P2 == b.P2; });
}

eingaben clTTSpiel::getEingaben() const
{
    eingaben e;
    std::copy(std::begin(m_Saetze), std::end(m_Saetze), std::begin(e.saetze));
    e.ausfall = m_Ausfall;
    e.seite = getAusfallSeite();
    return e;
}

void clTTSpiel::setEingaben(const eingaben& e)
{
    std::copy(std::begin(e.saetze), std::end(e.saetze), std::begin(m_Saetze));
    setAusfall(e.ausfall, e.seite);
}

void clTTSpiel::setAusfall(modAusfall art, int seite)
{
    const bool gueltig = art != ausfKeiner && (seite == 1 || seite == 2);
    m_Ausfall = gueltig ? art : ausfKeiner;
    m_AusfallSeite = gueltig ? seite : 0;
}

sWertung clTTSpiel::getNullwertung()
{
    return sWertung();
}

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

bool clTTSpiel::bestimmeErgebnis(sWertung& W1, sWertung& W2)
{
    W1 = getNullwertung();
    W2 = getNullwertung();
    bool entschieden = false;
    if (m_Ausfall == ausfKampflos)
    {
        // The side that did not play loses without a set or a point being counted.
        sWertung& sieger = m_AusfallSeite == 1 ? W2 : W1;
        sWertung& verlierer = m_AusfallSeite == 1 ? W1 : W2;
        for (int i = 0; i < m_Gewinnsaetze; ++i)
            gewinneSatz(sieger, verlierer);
        entscheide(sieger, verlierer, false);
        entschieden = true;
    }
    else
    {
        for (int i = 0; i < getAnzSaetze(); ++i)
        {
            const satz& s = m_Saetze[i];
            if (s.P1 < 0 || s.P2 < 0)
                continue;
            if (s.P1 > s.P2)
                gewinneSatz(W1, W2);
            else
                gewinneSatz(W2, W1);
            const int c1 = std::min(s.P1, MaxPunkte);
            const int c2 = std::min(s.P2, MaxPunkte);
            W1.m_Punkte.eigene += c1;
            W1.m_Punkte.gegner += c2;
            W2.m_Punkte.eigene += c2;
            W2.m_Punkte.gegner += c1;
        }
        if (m_Ausfall == ausfAufgabe)
        {
            // The sets played count; the winner is credited the sets missing to G,
            // and the side that retired cannot have won the match.
            sWertung& sieger = m_AusfallSeite == 1 ? W2 : W1;
            sWertung& verlierer = m_AusfallSeite == 1 ? W1 : W2;
            while (sieger.m_Satz.eigene < m_Gewinnsaetze)
                gewinneSatz(sieger, verlierer);
            const int zuviel = std::max(0, verlierer.m_Satz.eigene - (m_Gewinnsaetze - 1));
            verlierer.m_Satz.eigene -= zuviel;
            sieger.m_Satz.gegner -= zuviel;
            entscheide(sieger, verlierer, false);
            entschieden = true;
        }
        else if (W1.m_Satz.eigene >= m_Gewinnsaetze)
        {
            entscheide(W1, W2, true);
            entschieden = true;
        }
        else if (W2.m_Satz.eigene >= m_Gewinnsaetze)
        {
            entscheide(W2, W1, true);
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

bool clTTSpiel::getGespeichertesErgebnis(sWertung& w1, sWertung& w2) const
{
    w1 = m_W1;
    w2 = m_W2;
    return w1.m_Spiel.eigene == 1 || w2.m_Spiel.eigene == 1;
}

bool clTTSpiel::altesErgebnis(sWertung& w1, sWertung& w2)
{
    if (m_T1 == nullptr || m_T2 == nullptr)
        return false;
    const bool entschieden = getGespeichertesErgebnis(w1, w2);
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
// How a walkover and a retirement are written after the sets, with the side.
const char* const AusfallMarke[] = {"", "wo", "ab"};

wxString anzeigeVon(const clTeilnehmer* tn)
{
    return tn != nullptr ? clMaskierung::maskiere(tn->getAnzeige(), GruppenZeichen) : wxString();
}

// Appends the score as "%2d" writes it; Format took more than half of the time of
// saving a large tournament.
void haengePunkteAn(wxString& str, int punkte)
{
    // The digits from the back; the wide printf behind std::to_wstring was the
    // larger part of writing a recovery file.
    wchar_t ziffern[12];
    wchar_t* anfang = std::end(ziffern);
    unsigned int betrag =
        punkte < 0 ? 0u - static_cast<unsigned int>(punkte) : static_cast<unsigned int>(punkte);
    do
    {
        *--anfang = static_cast<wchar_t>(L'0' + betrag % 10);
        betrag /= 10;
    } while (betrag > 0);
    if (punkte < 0)
        *--anfang = L'-';
    if (std::end(ziffern) - anfang < 2)
        str += L' ';
    str.append(anfang, std::end(ziffern) - anfang);
}
} // namespace

wxString clTTSpiel::getSaveString() const
{
    // Sets are read back by position: up to the last set with an entry every set is
    // written, a side not entered as -1, which reading leaves as not entered.
    int anzahl = 0;
    for (int i = 0; i < getAnzSaetze(); ++i)
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
    if (m_Ausfall != ausfKeiner)
        str += wxString::Format(",%s%d", AusfallMarke[m_Ausfall], m_AusfallSeite);
    return str + L")";
}

void clTTSpiel::setFromSaveString(const wxString& str)
{
    size_t pos = 0;
    clMaskierung::trenne(str, ',', pos);
    // A match has at most MaxSaetze sets and one mark; a group with more pieces is
    // not read further, however long it is.
    int snr = 1;
    for (int stueck = 0; stueck <= MaxSaetze && pos < str.length(); ++stueck)
    {
        const wxString kopf = clMaskierung::trenne(str, ',', pos);
        if (liesAusfall(kopf))
            continue;
        size_t doppelpunkt = 0;
        const wxString erster = clMaskierung::trenne(kopf, ':', doppelpunkt);
        setSatzErg(snr++, clZahl::lies(erster), clZahl::lies(kopf.substr(doppelpunkt)));
    }
}

bool clTTSpiel::liesAusfall(const wxString& text)
{
    const wxString marke = wxString(text).Strip(wxString::both);
    for (modAusfall art : {ausfKampflos, ausfAufgabe})
    {
        for (int seite = 1; seite <= 2; ++seite)
        {
            if (marke == wxString::Format("%s%d", AusfallMarke[art], seite))
            {
                setAusfall(art, seite);
                return true;
            }
        }
    }
    return false;
}
