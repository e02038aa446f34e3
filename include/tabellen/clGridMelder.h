#ifndef CLGRIDMELDER_H
#define CLGRIDMELDER_H

class wxFont;
class wxGrid;
class wxGridTableBase;
class wxString;

// What a table needs of the grid that shows it. A grid learns its number of rows
// and columns only from the table's messages: meldeGroesse tells the grid that
// shows the table (when there is one) how its size changed and redraws it;
// without a grid it does nothing.
class clGridMelder
{
public:
    static void meldeGroesse(wxGridTableBase* table, int alteZeilen, int alteSpalten);
    // The width text takes in the grid's font, for fitting columns and labels to it.
    static int getTextBreite(wxGrid* grid, const wxString& text, const wxFont& font);
};

#endif
