#include "ansicht/clZwischenablage.h"

#include <algorithm>
#include <wx/clipbrd.h>
#include <wx/grid.h>
#include <wx/textctrl.h>

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
bool istMehrzeilig(const wxString& text)
{
    return text.find_first_of("\t\r\n") != wxString::npos;
}

// A cell as spreadsheets write it: quoted, with doubled quotes, when it holds what
// would otherwise split it or start a quote.
wxString alsZelle(const wxString& wert)
{
    if (!istMehrzeilig(wert) && !wert.Contains("\""))
        return wert;
    wxString zitat = wert;
    zitat.Replace("\"", "\"\"");
    return "\"" + zitat + "\"";
}

// Pasting into an open cell editor: clicking the cursor cell opens it, so this is
// how a list is most often pasted. A list goes into the rows as Ctrl+V outside the
// editor puts it; a single cell as a spreadsheet copies it, with a line break at
// its end, goes into the editor without the break.
void fuegeInEditorEin(wxTextEntry* editor, const std::function<void(const wxString&)>& einfuegen,
                      wxClipboardTextEvent& event)
{
    wxString text;
    if (!clZwischenablage::lies(text))
    {
        event.Skip();
        return;
    }
    wxString zelle = text;
    while (zelle.EndsWith("\n") || zelle.EndsWith("\r"))
        zelle.RemoveLast();
    if (istMehrzeilig(zelle))
        einfuegen(text);
    else if (zelle != text)
        editor->WriteText(zelle);
    else
        event.Skip();
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
    if (!einfuegen)
        return;
    grid->Bind(wxEVT_GRID_EDITOR_CREATED,
               [einfuegen](wxGridEditorCreatedEvent& event)
               {
                   if (wxTextCtrl* editor = wxDynamicCast(event.GetControl(), wxTextCtrl))
                       editor->Bind(wxEVT_TEXT_PASTE, [editor, einfuegen](wxClipboardTextEvent& paste)
                                    { fuegeInEditorEin(editor, einfuegen, paste); });
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
                text += alsZelle(grid->GetCellValue(row, col));
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
