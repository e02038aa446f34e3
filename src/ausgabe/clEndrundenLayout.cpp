#include "ausgabe/clEndrundenLayout.h"

#include <wx/intl.h>

#include "modell/clEndrunde.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"

namespace
{
// The heights in line distances: the round names above the lines, and the match
// for third place with its title beneath the bracket.
const double Kopf = 1.0;
const double Platz3Block = 3.5;

double getHoehenEinheiten(const clEndrundenLayout::sAusschnitt& a)
{
    return Kopf + a.anzahlPlaetze + (a.mitPlatz3 ? Platz3Block : 0.0);
}

int getSpalten(const clEndrundenLayout::sAusschnitt& a)
{
    // A column per round and one for its winners.
    return a.letzteRunde - a.ersteRunde + 2;
}
} // namespace

clEndrundenLayout::sAusschnitt clEndrundenLayout::ganz(const clEndrunde& er)
{
    sAusschnitt a;
    a.letzteRunde = er.getAnzahlRunden();
    a.anzahlPlaetze = er.getAnzahlLinien();
    a.mitPlatz3 = er.getSpielUmPlatz3() != nullptr;
    return a;
}

std::vector<clEndrundenLayout::sAusschnitt> clEndrundenLayout::teileAuf(const clEndrunde& er,
                                                                        int linienProSeite)
{
    int runden = 1;
    while ((2 << runden) <= linienProSeite)
        ++runden;
    std::vector<sAusschnitt> teile;
    sAusschnitt a = ganz(er);
    while (a.anzahlPlaetze > linienProSeite)
    {
        // Blocks of the same size, each a bracket of its own up to its winner.
        const int plaetze = a.anzahlPlaetze;
        for (int erster = 0; erster < plaetze; erster += linienProSeite)
            teile.push_back({a.ersteRunde, a.ersteRunde + runden - 1, erster, linienProSeite, false});
        a.ersteRunde += runden;
        a.anzahlPlaetze = plaetze >> runden;
    }
    teile.push_back(a);
    return teile;
}

wxSize clEndrundenLayout::getGroesse(const sAusschnitt& a, int zeile, int spalte)
{
    return wxSize(getSpalten(a) * spalte, static_cast<int>(getHoehenEinheiten(a) * zeile + 0.5));
}

const clTeilnehmer* clEndrundenLayout::getSpieler(const clEndrunde& er, int runde, int platz)
{
    if (runde > er.getAnzahlRunden())
        return er.getSieger(er.getSpiel(er.getAnzahlRunden(), 1));
    const clTTSpiel* sp = er.getSpiel(runde, platz / 2 + 1);
    if (sp == nullptr)
        return nullptr;
    return platz % 2 == 0 ? sp->getT1() : sp->getT2();
}

wxString clEndrundenLayout::getName(const clEndrunde& er, int runde, int platz)
{
    if (const clTeilnehmer* tn = getSpieler(er, runde, platz))
        return tn->getAnzeige();
    const clTTSpiel* sp = er.getSpiel(runde, platz / 2 + 1);
    return sp != nullptr && er.istFrei(sp, platz % 2 + 1) ? _("Freilos") : wxString();
}

wxString clEndrundenLayout::getErgebnis(const clEndrunde& er, const clTTSpiel* sp)
{
    const clTeilnehmer* sieger = sp != nullptr ? er.getSieger(sp) : nullptr;
    if (sieger == nullptr)
        return wxString();
    if (er.istFrei(sp, 1) || er.istFrei(sp, 2))
        return _("Freilos");
    if (sp->getAusfallArt() == ausfKampflos)
        return "w.o.";
    if (sp->getAusfallArt() == ausfAufgabe)
        return _("Aufg.");
    sWertung w1, w2;
    sp->getErgebnis(w1, w2);
    const teilwertung& saetze = sieger == sp->getT1() ? w1.m_Satz : w2.m_Satz;
    return wxString::Format("%d:%d", saetze.eigene, saetze.gegner);
}

clEndrundenLayout::clEndrundenLayout(const clEndrunde& er, const sAusschnitt& a, const wxRect& flaeche)
{
    m_Spalte = flaeche.width / getSpalten(a);
    const double zeile = flaeche.height / getHoehenEinheiten(a);
    m_Zeile = static_cast<int>(zeile);
    const double oben = flaeche.y + Kopf * zeile;
    const int titelHoehe = flaeche.y + static_cast<int>(zeile / 4);
    const int alleRunden = er.getAnzahlRunden();
    for (int runde = a.ersteRunde; runde <= a.letzteRunde + 1; ++runde)
    {
        const int spalte = runde - a.ersteRunde;
        const int x = flaeche.x + spalte * m_Spalte;
        m_Ueberschriften.push_back(
            {wxPoint(x, titelHoehe), runde > alleRunden ? _("Sieger")
                                     : runde > a.letzteRunde
                                         ? wxString::Format(_("Sieger %s"), er.getRundenname(runde - 1))
                                         : er.getRundenname(runde)});
        // Each line of this round stands between the two that lead to it.
        const int abstand = 1 << spalte;
        const int erster = a.ersterPlatz >> spalte;
        for (int i = 0; i < a.anzahlPlaetze / abstand; ++i)
        {
            const int y = static_cast<int>(oben + (i + 0.5) * abstand * zeile);
            const int platz = erster + i;
            setzeLinie(er, runde, platz, x, y, runde > 1 ? er.getSpiel(runde - 1, platz + 1) : nullptr);
            if (i % 2 == 1 && runde <= a.letzteRunde)
                setzeSpiel(er.getSpiel(runde, platz / 2 + 1), x + m_Spalte,
                           m_Linien[m_Linien.size() - 2].hoehe, y);
        }
    }
    const clTTSpiel* sp3 = er.getSpielUmPlatz3();
    if (!a.mitPlatz3 || sp3 == nullptr)
        return;
    // Beneath the final, in its column: its losers' match and its winner.
    const double y0 = oben + a.anzahlPlaetze * zeile;
    const int x = flaeche.x + (alleRunden - a.ersteRunde) * m_Spalte;
    m_Ueberschriften.push_back({wxPoint(x, static_cast<int>(y0 + zeile / 4)), er.getSpielname(sp3)});
    const int y1 = static_cast<int>(y0 + 1.5 * zeile);
    const int y2 = static_cast<int>(y0 + 2.5 * zeile);
    const auto anzeige = [](const clTeilnehmer* tn) { return tn != nullptr ? tn->getAnzeige() : wxString(); };
    m_Linien.push_back({x, x + m_Spalte, y1, anzeige(sp3->getT1()), wxString(), false});
    m_Linien.push_back({x, x + m_Spalte, y2, anzeige(sp3->getT2()), wxString(), false});
    const clTeilnehmer* sieger = er.getSieger(sp3);
    m_Linien.push_back(
        {x + m_Spalte, x + 2 * m_Spalte, (y1 + y2) / 2, anzeige(sieger), getErgebnis(er, sp3), false});
    setzeSpiel(sp3, x + m_Spalte, y1, y2);
}

void clEndrundenLayout::setzeLinie(const clEndrunde& er, int runde, int platz, int x, int y,
                                   const clTTSpiel* zubringer)
{
    wxString name = getName(er, runde, platz);
    const clTeilnehmer* tn = getSpieler(er, runde, platz);
    const bool frei = tn == nullptr && !name.empty();
    // The first round names where each player came from.
    const wxString herkunft = runde == 1 ? er.getHerkunft(tn) : wxString();
    if (!herkunft.empty())
        name << " (" << herkunft << ")";
    m_Linien.push_back({x, x + m_Spalte, y, name, getErgebnis(er, zubringer), frei});
}

void clEndrundenLayout::setzeSpiel(const clTTSpiel* sp, int x, int oben, int unten)
{
    // Half a line above and below: the matches of a round never overlap.
    const wxRect rahmen(x - m_Spalte, oben - m_Zeile / 2, m_Spalte, unten - oben + m_Zeile);
    m_Spiele.push_back({sp, rahmen, x, oben, unten});
}

const clTTSpiel* clEndrundenLayout::getSpielBei(const wxPoint& pos) const
{
    for (const sSpiel& s : m_Spiele)
        if (s.rahmen.Contains(pos))
            return s.spiel;
    return nullptr;
}

wxRect clEndrundenLayout::getRahmen(const clTTSpiel* sp) const
{
    for (const sSpiel& s : m_Spiele)
        if (s.spiel == sp)
            return s.rahmen;
    return wxRect();
}
