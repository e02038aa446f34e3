#include "clRundenpanel.h"

#include <wx/sizer.h>

#include "clMyGridCellRenderer.h"
#include "clSpieleTableBase.h"

namespace
{
const int MinBreite = 300;
const int MinHoehe = 200;
} // namespace

clRundenpanel::clRundenpanel(wxWindow* parent, clTurnier* turnier) : wxPanel(parent), m_Turnier(turnier)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    m_RundenGrid = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(1800, 600), wxWANTS_CHARS);
    m_SpieleTB = new clSpieleTableBase(m_Turnier);
    m_RundenGrid->SetTable(m_SpieleTB, false, wxGrid::wxGridSelectCells);
    m_RundenGrid->SetDefaultRenderer(new clMyGridCellRenderer);
    // Sets the column widths as well.
    m_SpieleTB->Anpassen();
    // The initial size must not become the least size: on a smaller screen the grid
    // would reach beyond the page, its scroll bars out of sight.
    m_RundenGrid->SetMinSize(wxSize(MinBreite, MinHoehe));
    sizer->Add(m_RundenGrid, 1, wxEXPAND);
    SetSizer(sizer);
}

clRundenpanel::~clRundenpanel()
{
    delete m_RundenGrid;
    delete m_SpieleTB;
}

void clRundenpanel::OnCharHook(wxKeyEvent& event)
{
    const int taste = event.GetKeyCode();
    int row = m_RundenGrid->GetGridCursorRow();
    int col = m_RundenGrid->GetGridCursorCol();
    if ((taste != WXK_RETURN && taste != WXK_NUMPAD_ENTER) || event.HasAnyModifiers() ||
        !m_RundenGrid->IsDescendant(wxWindow::FindFocus()) || !m_SpieleTB->naechsteEingabezelle(row, col))
    {
        event.Skip();
        return;
    }
    // Stores what was typed, as Enter does everywhere in the grid.
    m_RundenGrid->DisableCellEditControl();
    m_RundenGrid->GoToCell(row, col);
    m_RundenGrid->SetFocus();
}

// The event table closes the file: formatting would indent what followed it.
// clang-format off
wxBEGIN_EVENT_TABLE(clRundenpanel, wxPanel)
    EVT_CHAR_HOOK(clRundenpanel::OnCharHook)
wxEND_EVENT_TABLE()
