#ifndef CLENDRUNDENLAYOUT_H
#define CLENDRUNDENLAYOUT_H

#include <vector>
#include <wx/gdicmn.h>
#include <wx/string.h>

class clEndrunde;
class clTTSpiel;
class clTeilnehmer;

// Where the knockout bracket stands on a screen or a page, without drawing it.
// Every player entering a round stands on a horizontal line of that round's
// column, with the name written on it; the two lines of a match are joined at
// their right end, and the joint leads to the line of the next round, centred
// between them, under which the match's result stands. A last column holds the
// winner of the final; the match for third place stands below the final.
//
// A large bracket is printed in parts: each block of 32 lines with its first
// rounds on a page of its own, and the rounds from the blocks' winners on to the
// final on a last page.
class clEndrundenLayout
{
public:
    static constexpr int LinienProSeite = 32;

    // Which rounds and which of their entering players one page shows.
    struct sAusschnitt
    {
        int ersteRunde = 1;
        int letzteRunde = 1;
        // The players entering ersteRunde, counted from 0 at the top.
        int ersterPlatz = 0;
        int anzahlPlaetze = 2;
        bool mitPlatz3 = false;
    };

    // A player's line: from links to rechts at hoehe, the name on it and the
    // result of the match that brought the player here beneath it.
    struct sLinie
    {
        int links = 0;
        int rechts = 0;
        int hoehe = 0;
        wxString name;
        wxString ergebnis;
        // A bye, drawn fainter.
        bool frei = false;
    };

    // A match: the joint of its two lines, which is also where it is clicked.
    struct sSpiel
    {
        const clTTSpiel* spiel = nullptr;
        wxRect rahmen;
        int x = 0;
        int oben = 0;
        int unten = 0;
    };

    struct sText
    {
        wxPoint pos;
        wxString text;
    };

    // The whole bracket on one page, or in parts of at most linienProSeite lines.
    static std::vector<sAusschnitt> teileAuf(const clEndrunde& er, int linienProSeite);
    static sAusschnitt ganz(const clEndrunde& er);

    // The part a of the bracket laid out to fill flaeche.
    clEndrundenLayout(const clEndrunde& er, const sAusschnitt& a, const wxRect& flaeche);

    const std::vector<sLinie>& getLinien() const { return m_Linien; }
    const std::vector<sSpiel>& getSpiele() const { return m_Spiele; }
    // Round names over the columns and the title of the match for third place.
    const std::vector<sText>& getUeberschriften() const { return m_Ueberschriften; }
    // The distance of two lines of the first round and the width of a column:
    // the text is sized from them.
    int getZeilenabstand() const { return m_Zeile; }
    int getSpaltenbreite() const { return m_Spalte; }
    // The match whose lines enclose pos, or null.
    const clTTSpiel* getSpielBei(const wxPoint& pos) const;
    // Where a match stands; an empty rectangle for one not on this page.
    wxRect getRahmen(const clTTSpiel* sp) const;

    // The size a part needs with lines zeile apart and columns spalte wide.
    static wxSize getGroesse(const sAusschnitt& a, int zeile, int spalte);

    // The player entering round runde (1 to rounds+1, the last for the winner) at
    // platz, and how its match was decided seen from the winner: "3:1", "w.o.",
    // "Aufg.", "Freilos"; empty while it is open.
    static const clTeilnehmer* getSpieler(const clEndrunde& er, int runde, int platz);
    static wxString getErgebnis(const clEndrunde& er, const clTTSpiel* sp);
    // The name shown on a line: the player, "Freilos" for a bye, else empty.
    static wxString getName(const clEndrunde& er, int runde, int platz);

private:
    void setzeLinie(const clEndrunde& er, int runde, int platz, int x, int y, const clTTSpiel* zubringer);
    void setzeSpiel(const clTTSpiel* sp, int x, int oben, int unten);

    std::vector<sLinie> m_Linien;
    std::vector<sSpiel> m_Spiele;
    std::vector<sText> m_Ueberschriften;
    int m_Zeile = 0;
    int m_Spalte = 0;
};

#endif
