#ifndef CLHTMLAUSGABE_H
#define CLHTMLAUSGABE_H

#include <vector>
#include <wx/string.h>

#include "modell/clEndrunde.h"

class clTurnier;
class clTurniertag;
class clTTSpiel;
struct allgemein;

// The tournament as HTML: the pieces that printing lays out on pages, and a
// complete page for a club's website. Every text that comes from the tournament
// is escaped. The pieces use only what the toolkit's HTML renderer understands
// (tables with attributes, no style sheets); the website page adds its own
// inline style sheet around the same pieces.
class clHtmlAusgabe
{
public:
    // platten: the real numbers of the tournament's tables when it is a group;
    // halle: the tournament whose hall plays its matches, when it is a group (null:
    // the tournament itself). A called match is shown at the table of its call.
    explicit clHtmlAusgabe(clTurnier* turnier, std::vector<int> platten = {},
                           const clTurnier* halle = nullptr);
    // A class of a tournament day that plays on tables of its own: the hall's
    // numbers of its tables 1, 2, …, which slips name (empty: the same numbers).
    void setHallenPlatten(std::vector<int> platten) { m_HallenPlatten = std::move(platten); }

    // The schedule round by round: tables, pairings, set scores, sets and byes.
    wxString erzeugeSpielplan() const;
    // One slip per match to fill in at the table, none for a match decided by
    // walkover; runde 0 gives the slips of every match not yet decided.
    wxString erzeugeSpielzettel(int runde) const;
    // The slip of the one match sp of the schedule, a group or the bracket, as
    // the slips of its round show it; empty when it is none of them.
    wxString erzeugeSpielzettel(const clTTSpiel* sp) const;
    // The standings with the columns of the standings page after the place; the
    // first weiter rows are marked as going on.
    wxString erzeugeTabelle(int weiter = 0) const;
    // The cross table: every pairing's result in placing order.
    wxString erzeugeKreuztabelle() const;
    // The knockout bracket as a table that reads like the tree: a column per round
    // and one for the winner, each player beside the two it came from, with the
    // result of its match; the match for third place beneath it.
    wxString erzeugeEndrunde(const clEndrunde& er) const;
    // One slip per match of the bracket whose players are known, with its sets;
    // none for a walkover.
    wxString erzeugeEndrundenZettel(const clEndrunde& er) const;
    // The final placing, best first; an open place stays empty.
    wxString erzeugeEndstand(const vecPlatzierung& endstand) const;
    // Title, organiser, venue and date for the top of each printed page, with
    // seitenangabe (for example the page number) on the right.
    wxString erzeugeKopfzeile(const wxString& seitenangabe) const;
    // A document around one of the pieces, as the print engine takes it.
    static wxString erzeugeDokument(const wxString& inhalt);

    // A self-contained page (inline style, no external resources, UTF-8) with the
    // standings, the cross table and the schedule with its results; in the form of
    // groups the final placing, the bracket and these of every group.
    wxString erzeugeSeite() const;
    // Writes erzeugeSeite to datei; on failure fehler says why.
    bool schreibeSeite(const wxString& datei, wxString* fehler) const;
    // The page of the whole day: a list of its classes linking to a section per
    // class, headed by its name, with what the page of that class shows. A day
    // of one class gives the page of that class.
    static wxString erzeugeSeite(const clTurniertag& tag);
    static bool schreibeSeite(const wxString& datei, const clTurniertag& tag, wxString* fehler);
    // What is printed of every class of the day, in its order, each on a new page
    // under its name: the standings, in groups those of every group, and where
    // there is a bracket (in groups or a knockout class) the final placing and the bracket.
    static wxString erzeugeAlleKonkurrenzen(const clTurniertag& tag);

    static wxString maskiere(const wxString& text);
    // html as a block that the print engine and browsers keep on one page where they can.
    static wxString zusammen(const wxString& html);
    // Organiser, venue and date on one line, as plain text.
    static wxString getUnterzeile(const allgemein& alg);

private:
    // The beginning of a page for the website, up to its title and its organiser's line.
    wxString erzeugeSeitenkopf() const;
    // What the page shows of the tournament, below its head.
    void haengeSeitenInhaltAn(wxString& seite) const;
    static bool schreibe(const wxString& datei, const wxString& text, wxString* fehler);
    // The schedule of a large tournament runs to tens of millions of characters: it
    // is appended where it is wanted rather than copied there.
    void haengeSpielplanAn(wxString& html) const;
    wxString erzeugeSpielzeile(int platte, const clTTSpiel* sp) const;
    // The real number of the table a match at table p of the schedule is played on.
    int getPlatte(const clTTSpiel* sp, int p) const;
    // The slips of round runde (0: every open match) or, when nur is given, only its own.
    wxString erzeugeRundenZettel(int runde, const clTTSpiel* nur) const;
    wxString erzeugeEndrundenZettel(const clEndrunde& er, const clTTSpiel* nur) const;
    // kopf names the match (HTML); saetze is the number of its sets.
    static wxString erzeugeZettel(const wxString& kopf, int saetze, const clTTSpiel* sp);
    wxString erzeugeUnterzeile() const;

    clTurnier* m_Turnier;
    std::vector<int> m_Platten;
    std::vector<int> m_HallenPlatten;
    const clTurnier* m_Halle;
};

#endif
