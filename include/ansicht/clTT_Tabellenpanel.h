#ifndef CLTT_TABELLENPANEL_H
#define CLTT_TABELLENPANEL_H

#include <wx/grid.h>
#include <wx/panel.h>

#include "modell/clTurnierBeobachter.h"

class clTurnier;
class clWertungTableBase;

// The standings page.
class clTT_Tabellenpanel : public wxPanel, public clTurnierBeobachter
{
public:
    clTT_Tabellenpanel(wxWindow* parent, clTurnier* turnier);
    ~clTT_Tabellenpanel() override;

    // Shows the standings of another tournament, such as a group, which keeps
    // its own; the one shown so far must still exist.
    void setTurnier(clTurnier* turnier);

    wxGrid* getGrid() const { return m_Wertungen; }
    // The standings shown.
    clWertungTableBase* getTable() const;

    // The standings shown follow every change, also one made while they are in view.
    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

private:
    wxGrid* m_Wertungen;
    clTurnier* m_Turnier;
    clWertungTableBase* m_WertungTB;
};

#endif
