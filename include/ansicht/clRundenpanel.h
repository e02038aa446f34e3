#ifndef CLRUNDENPANEL_H
#define CLRUNDENPANEL_H

#include <vector>
#include <wx/grid.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "modell/clTurnierBeobachter.h"

class clTurnier;
class clSpieleTableBase;
class clTTSpiel;

// The rounds page: the whole schedule as one grid in which the scores are typed,
// and above it the short-form entry of a whole result.
class clRundenpanel : public wxPanel, public clTurnierBeobachter
{
public:
    enum
    {
        idKurzeingabe = 1600,
        // The context menu of a match: walkover or retirement of side 1 or 2, or neither.
        idKampflos1,
        idKampflos2,
        idAufgabe1,
        idAufgabe2,
        idKeinAusfall
    };

    clRundenpanel(wxWindow* parent, clTurnier* turnier);
    ~clRundenpanel() override;

    // Shows another tournament, such as a group; the one shown so far must still exist.
    // platten: the real numbers of its tables when it is a group, halle the
    // tournament whose hall plays its matches.
    void setTurnier(clTurnier* turnier, const std::vector<int>& platten = {},
                    const clTurnier* halle = nullptr);
    clTurnier* getTurnier() const { return m_Turnier; }

    wxGrid* getGrid() const { return m_RundenGrid; }
    clSpieleTableBase* getTable() const { return m_SpieleTB; }
    wxTextCtrl* getKurzeingabe() const { return m_Kurzeingabe; }
    // What the short-form entry would store in the match under the cursor, or why not.
    wxString getKurzVorschau() const { return m_KurzVorschau->GetLabel(); }
    // Stores the short-form entry in the match under the cursor and moves on to
    // the next match without a result; false, and nothing stored, when it is no
    // valid result or the organiser keeps the match's entry.
    bool uebernimmKurzeingabe();
    // The menu of walkover and retirement for the match under the cursor.
    void zeigeAusfallMenue(const wxPoint& pos);

    // Results may change without a keystroke here (undo): the grid shows them at once.
    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

private:
    // Enter after a score moves on to the cell that is filled next; Delete and
    // Backspace outside the cell editor empty the selected cells.
    void OnCharHook(wxKeyEvent& event);
    // Text that is no score is refused before it reaches the table, with the reason.
    void OnZelleAendert(wxGridEvent& event);
    void OnKurzeingabe(wxCommandEvent& event);
    void OnKurzeingabeEnter(wxCommandEvent& event);
    void OnZelleGewaehlt(wxGridEvent& event);
    void OnRechtsklick(wxGridEvent& event);
    void OnAusfall(wxCommandEvent& event);
    // The match at the grid cursor and its round and table; null when there is none.
    clTTSpiel* getSpielAmCursor(int& runde, int& platte) const;
    void aktualisiereKurzVorschau();

    clTurnier* m_Turnier;
    wxGrid* m_RundenGrid;
    clSpieleTableBase* m_SpieleTB;
    wxTextCtrl* m_Kurzeingabe;
    wxStaticText* m_KurzVorschau;
    // The last typed text was refused: Enter stays on its cell.
    bool m_Abgelehnt = false;

    wxDECLARE_EVENT_TABLE();
};

#endif
