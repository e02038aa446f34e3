#ifndef DLGLEICHSTANDDLG_H
#define DLGLEICHSTANDDLG_H

#include <vector>
#include <wx/arrstr.h>
#include <wx/dialog.h>

class wxListBox;
class wxRadioButton;
class clTurnier;
struct sEntscheidung;

// Asks how the order of players who share a place that decides who goes on is
// decided: by a lot the program draws, or in the order the organiser puts them in.
class dlGleichstandDlg : public wxDialog
{
public:
    // namen: the players in the order of the standings.
    dlGleichstandDlg(wxWindow* eltern, const wxString& titel, const wxString& frage,
                     const wxArrayString& namen);

    // The organiser's order as indices into namen, best first; empty for the lot.
    std::vector<int> getReihenfolge() const;

    // Asks for every group of the tournament whose shared place needs an order,
    // one after the other; false when the organiser cancels one.
    static bool frage(wxWindow* eltern, const wxString& titel, const clTurnier& turnier,
                      std::vector<sEntscheidung>& entscheidungen);

private:
    // Moves the chosen player one place up (-1) or down (+1).
    void verschiebe(int richtung);
    void zeigeWahl();

    wxRadioButton* m_Los;
    wxRadioButton* m_Eigene;
    wxListBox* m_Liste;
    wxArrayString m_Namen;
    std::vector<int> m_Reihenfolge;
    std::vector<wxWindow*> m_Knoepfe;
};

#endif
