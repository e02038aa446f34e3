#include "ansicht/clZwischenablage.h"

#include <algorithm>
#include <wx/clipbrd.h>
#include <wx/grid.h>

namespace
{
// True when the key was one of the clipboard's and has been handled.
bool behandleTaste(wxGrid* grid, const std::function<void(const wxString&)>& einfuegen,
                   const wxKeyEvent& event)
{
    if (event.GetModifiers() != wxMOD_CONTROL || grid->IsCellEditControlEnabled())
        return false;
    wxString text;
    switch (event.GetKeyCode())
    {
    case 'C':
        text = clZwischenablage::auswahlAlsText(grid);
        if (!text.empty())
            clZwischenablage::schreibe(text);
        return true;
    case 'V':
        if (!einfuegen)
            return false;
        if (clZwischenablage::lies(text))
            einfuegen(text);
        return true;
    default:
        return false;
    }
}
} // namespace

void clZwischenablage::verbinde(wxGrid* grid, std::function<void(const wxString&)> einfuegen)
{
    // The grid passes the keys pressed in its cells on to itself.
    grid->Bind(wxEVT_KEY_DOWN,
               [grid, einfuegen](wxKeyEvent& event)
               {
                   if (!behandleTaste(grid, einfuegen, event))
                       event.Skip();
               });
}

wxString clZwischenablage::auswahlAlsText(wxGrid* grid)
{
    const wxGridBlocks bloecke = grid->GetSelectedBlocks();
    const bool auswahl = bloecke.begin() != bloecke.end();
    const int r = grid->GetGridCursorRow();
    const int c = grid->GetGridCursorCol();
    wxGridBlockCoords rahmen = auswahl ? *bloecke.begin() : wxGridBlockCoords(r, c, r, c);
    // Several blocks are copied as the rectangle around them, the cells between them empty.
    for (const wxGridBlockCoords& b : bloecke)
        rahmen = wxGridBlockCoords(std::min(rahmen.GetTopRow(), b.GetTopRow()),
                                   std::min(rahmen.GetLeftCol(), b.GetLeftCol()),
                                   std::max(rahmen.GetBottomRow(), b.GetBottomRow()),
                                   std::max(rahmen.GetRightCol(), b.GetRightCol()));
    wxString text;
    // Without any cell there is no cursor either.
    for (int row = std::max(rahmen.GetTopRow(), 0); row <= rahmen.GetBottomRow(); ++row)
    {
        for (int col = rahmen.GetLeftCol(); col <= rahmen.GetRightCol(); ++col)
        {
            if (col > rahmen.GetLeftCol())
                text += '\t';
            if (!auswahl || grid->IsInSelection(row, col))
                text += grid->GetCellValue(row, col);
        }
        text += '\n';
    }
    return text;
}

bool clZwischenablage::schreibe(const wxString& text)
{
    wxClipboardLocker offen;
    if (!offen)
        return false;
    return wxTheClipboard->SetData(new wxTextDataObject(text));
}

bool clZwischenablage::lies(wxString& text)
{
    wxClipboardLocker offen;
    wxTextDataObject daten;
    if (!offen || !wxTheClipboard->GetData(daten))
        return false;
    text = daten.GetText();
    return true;
}
