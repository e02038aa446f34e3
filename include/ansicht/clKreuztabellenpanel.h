#ifndef CLKREUZTABELLENPANEL_H
#define CLKREUZTABELLENPANEL_H

#include <wx/bookctrl.h>
#include <wx/grid.h>
#include <wx/panel.h>

#include "modell/clTurnierBeobachter.h"

class clTurnier;
class clKreuzTableBase;

// The cross table page.
class clKreuztabellenpanel : public wxPanel, public clTurnierBeobachter
{
public:
    clKreuztabellenpanel(wxWindow* parent, clTurnier* turnier);
    ~clKreuztabellenpanel() override;

    // Shows another tournament, such as a group; the one shown so far must still exist.
    void setTurnier(clTurnier* turnier);

    wxGrid* getGrid() const { return m_Grid; }
    clKreuzTableBase* getTable() const { return m_KreuzTB; }
    // Takes the current participants and results, and fits the columns to them.
    void aktualisiere();
    // In view, the cross table follows every change.
    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

private:
    void OnSeitenwechsel(wxBookCtrlEvent& event);

    clTurnier* m_Turnier;
    wxGrid* m_Grid;
    clKreuzTableBase* m_KreuzTB;
};

#endif
