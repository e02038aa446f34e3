#include "clRundenpanel.h"

#include <wx/sizer.h>

#include "clMyGridCellRenderer.h"
#include "clSpieleTableBase.h"

clRundenpanel::clRundenpanel(wxWindow* parent, clTurnier* turnier) : wxPanel(parent), m_Turnier(turnier)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    m_RundenGrid = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(1800, 600), wxWANTS_CHARS);
    m_SpieleTB = new clSpieleTableBase(m_Turnier);
    m_RundenGrid->SetTable(m_SpieleTB, false, wxGrid::wxGridSelectCells);
    m_RundenGrid->SetDefaultRenderer(new clMyGridCellRenderer);
    m_SpieleTB->Anpassen();
    sizer->Add(m_RundenGrid, 1, wxEXPAND);
    SetSizer(sizer);
}

clRundenpanel::~clRundenpanel()
{
    delete m_RundenGrid;
    delete m_SpieleTB;
}
