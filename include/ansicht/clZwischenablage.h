#ifndef CLZWISCHENABLAGE_H
#define CLZWISCHENABLAGE_H

#include <functional>
#include <wx/string.h>

class wxGrid;

// Ctrl+C and Ctrl+V in a grid, while no cell is being typed into (the cell editor
// has the clipboard of its own then). Copying gives the selected cells, or the
// cursor cell when nothing is selected, as tab-separated lines, as spreadsheets
// take them: a cell with a tab, a line break or a quote is quoted.
class clZwischenablage
{
public:
    // Lets Ctrl+C copy the grid's cells; einfuegen, when given, receives the
    // clipboard's text on Ctrl+V, and in the cell editor when the text holds a
    // tab or a line break within it.
    static void verbinde(wxGrid* grid, std::function<void(const wxString&)> einfuegen = nullptr);
    static wxString auswahlAlsText(wxGrid* grid);
    static bool schreibe(const wxString& text);
    static bool lies(wxString& text);
};

#endif
