#ifndef CLMYGRIDCELLRENDERER_H
#define CLMYGRIDCELLRENDERER_H

#include <wx/grid.h>

// Draws the cells of the rounds grid with the frames of a score sheet.
class clMyGridCellRenderer : public wxGridCellStringRenderer
{
public:
    ~clMyGridCellRenderer() override;
    void Draw(wxGrid& grid, wxGridCellAttr& attr, wxDC& dc, const wxRect& rect, int row, int col,
              bool isSelected) override;
};

#endif
