#ifndef CLGRUPPENSEITE_H
#define CLGRUPPENSEITE_H

#include <wx/html/htmlwin.h>

class clFensterKontext;
class clTeilnehmer;

// The page "Gruppen" of the tournament the window shows: every group's players
// as drawn and its standings, club-mates in a group marked.
class clGruppenseite : public wxHtmlWindow
{
public:
    clGruppenseite(wxWindow* parent, const clFensterKontext& kontext);

    // The page as HTML.
    wxString erzeuge() const;
    // Shows the groups as they are now.
    void aktualisiere();

    // "Anna (TSV Nord, 1950)": what the draw went by.
    static wxString mitVereinUndTTR(const clTeilnehmer& tn);

private:
    const clFensterKontext& m_Kontext;
};

#endif
