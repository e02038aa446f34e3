#include "clMyGridCellRenderer.h"

#include <wx/dc.h>

clMyGridCellRenderer::~clMyGridCellRenderer() = default;

void clMyGridCellRenderer::Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row,
                                int col, bool isSelected)
{
    wxGridCellStringRenderer::Draw(grid, attr, dc, rect, row, col, isSelected);
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    if (col % 5 >= 1 && row % 4 <= 2)
        dc.DrawRectangle(rect);
}
