#include "clGridMelder.h"

#include <wx/grid.h>

void clGridMelder::meldeGroesse(wxGridTableBase* table, int alteZeilen, int alteSpalten)
{
    wxGrid* grid = table->GetView();
    if (grid == nullptr)
        return;
    const int zeilen = table->GetNumberRows();
    const int spalten = table->GetNumberCols();
    if (zeilen > alteZeilen)
    {
        wxGridTableMessage msg(table, wxGRIDTABLE_NOTIFY_ROWS_APPENDED, zeilen - alteZeilen);
        grid->ProcessTableMessage(msg);
    }
    else if (zeilen < alteZeilen)
    {
        wxGridTableMessage msg(table, wxGRIDTABLE_NOTIFY_ROWS_DELETED, zeilen, alteZeilen - zeilen);
        grid->ProcessTableMessage(msg);
    }
    if (spalten > alteSpalten)
    {
        wxGridTableMessage msg(table, wxGRIDTABLE_NOTIFY_COLS_APPENDED, spalten - alteSpalten);
        grid->ProcessTableMessage(msg);
    }
    else if (spalten < alteSpalten)
    {
        wxGridTableMessage msg(table, wxGRIDTABLE_NOTIFY_COLS_DELETED, spalten, alteSpalten - spalten);
        grid->ProcessTableMessage(msg);
    }
    grid->ForceRefresh();
}
