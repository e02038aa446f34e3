#ifndef CLRUNDENPANEL_H
#define CLRUNDENPANEL_H

#include <wx/grid.h>
#include <wx/panel.h>

class clTurnier;
class clSpieleTableBase;

// The rounds page: the whole schedule as one grid in which the scores are typed.
class clRundenpanel : public wxPanel
{
public:
    clRundenpanel(wxWindow* parent, clTurnier* turnier);
    ~clRundenpanel() override;

    wxGrid* getGrid() const { return m_RundenGrid; }
    clSpieleTableBase* getTable() const { return m_SpieleTB; }

private:
    // Enter after a score moves on to the cell that is filled next.
    void OnCharHook(wxKeyEvent& event);

    clTurnier* m_Turnier;
    wxGrid* m_RundenGrid;
    clSpieleTableBase* m_SpieleTB;

    wxDECLARE_EVENT_TABLE();
};

#endif
