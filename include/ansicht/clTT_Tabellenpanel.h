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

    wxGrid* getGrid() const { return m_Wertungen; }
    clWertungTableBase* getTable() const { return m_WertungTB; }

    // The standings shown follow every change, also one made while they are in view.
    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

private:
    wxGrid* m_Wertungen;
    clTurnier* m_Turnier;
    clWertungTableBase* m_WertungTB;
};

#endif
