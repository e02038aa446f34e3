#include "ansicht/clMyGridCellRenderer.h"

#include <wx/dc.h>

#include "tabellen/clSpieleTableBase.h"

clMyGridCellRenderer::~clMyGridCellRenderer() = default;

void clMyGridCellRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row,
                                int col, bool isSelected)
{
    wxGridCellStringRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
    const clSpieleTableBase* tabelle = dynamic_cast<const clSpieleTableBase*>(grid.GetTable());
    if (tabelle == nullptr)
        return;
    // The head, names and scores of a match are framed; the gap row and the gap
    // column before each table are not.
    const clSpieleTableBase::sZelle z = tabelle->getZelle(row, col);
    if (z.ofsPlatte >= 1 && z.ofsRunde <= 2)
    {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(rect);
    }
}
