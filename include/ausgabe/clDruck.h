#ifndef CLDRUCK_H
#define CLDRUCK_H

#include <vector>
#include <wx/arrstr.h>
#include <wx/cmndata.h>
#include <wx/string.h>

#include "modell/clEndrunde.h"

class clTTSpiel;
class clTurnier;
class wxHtmlPrintout;
class wxPrintout;
class wxWindow;

// Printing and print preview of the schedule, the match slips and the standings.
// Every page carries the tournament's title, organiser, venue and date and its
// page number. One object lives as long as the main window, so that the printer
// and page settings chosen once are kept for the next printout.
class clDruck
{
public:
    enum Inhalt
    {
        Spielplan,
        Spielzettel,
        Tabelle,
        Kreuztabelle
    };

    clDruck(wxWindow* parent, clTurnier* turnier);
    ~clDruck();
    clDruck(const clDruck&) = delete;
    clDruck& operator=(const clDruck&) = delete;

    // runde chooses the round of the slips, 0 every open match; the other contents ignore it.
    // Both answer false when the organiser cancelled or nothing could be printed.
    bool drucke(Inhalt inhalt, int runde = 0);
    bool zeigeVorschau(Inhalt inhalt, int runde = 0);
    // The tournament printed from now on, such as a group with the real numbers of
    // its tables and its name, which heads its pages.
    void setTurnier(clTurnier* turnier, std::vector<int> platten = {}, const wxString& name = wxString());
    // The slip of one match of the schedule, a group or the bracket, as soon as it
    // is called: the printer is asked for once, later slips go to the same printer.
    // False when there is no such slip or it was not printed. konkurrenz is the
    // match's class when it is another than the one printed.
    bool druckeSpielzettel(const clTTSpiel* sp, clTurnier* konkurrenz = nullptr,
                           const std::vector<int>& hallenPlatten = {});
    // What slips can be printed for the tournament printed (a group: its own rounds):
    // every open match (runde 0), then each round; vorschlag becomes the first
    // round with a match not begun.
    wxArrayString getZettelAuswahl(int& vorschlag) const;
    // Paper, orientation and margins for the following printouts.
    void richteSeiteEin();

    // The printout of the content with its header; the caller owns it.
    wxHtmlPrintout* erzeugeAusdruck(Inhalt inhalt, int runde = 0) const;

    // What is printed of a knockout bracket: the tree on landscape pages, the
    // slips of its matches and the final placing (endstand, which the others ignore).
    enum EndrundenInhalt
    {
        Baum,
        EndrundenZettel,
        Endstand
    };
    bool drucke(const clEndrunde& er, EndrundenInhalt inhalt, const vecPlatzierung& endstand = {});
    bool zeigeVorschau(const clEndrunde& er, EndrundenInhalt inhalt, const vecPlatzierung& endstand = {});
    wxPrintout* erzeugeAusdruck(const clEndrunde& er, EndrundenInhalt inhalt,
                                const vecPlatzierung& endstand = {}) const;

    // Any piece of the tournament as HTML, such as the standings of every group,
    // printed or previewed under titel with the tournament's header.
    bool drucke(const wxString& html, const wxString& titel);
    bool zeigeVorschau(const wxString& html, const wxString& titel);

private:
    wxString getTitel(Inhalt inhalt, int runde) const;
    static wxString getTitel(EndrundenInhalt inhalt);
    wxHtmlPrintout* erzeugeHtmlAusdruck(const wxString& html, const wxString& titel) const;
    // Paper and margins as chosen, the tree turned to landscape.
    wxPageSetupDialogData getSeitenDaten(bool quer) const;
    // Both take the printouts and answer as drucke and zeigeVorschau do.
    bool druckeAusdruck(wxPrintout* ausdruck, const wxPageSetupDialogData& seite, bool fragen = true);
    bool zeigeAusdruck(wxPrintout* ausdruck, wxPrintout* zumDrucken, const wxPageSetupDialogData& seite,
                       const wxString& titel);

    wxWindow* m_Parent;
    // The tournament whose hall plays every match printed: the one the window shows.
    clTurnier* m_Halle;
    clTurnier* m_Turnier;
    std::vector<int> m_Platten;
    wxString m_Name;
    wxPageSetupDialogData m_SeitenDaten;
    // A slip of a call was printed, and the printer chosen for it.
    bool m_ZettelGedruckt = false;
};

#endif
