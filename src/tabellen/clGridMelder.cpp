#include "tabellen/clGridMelder.h"

#include <wx/grid.h>

namespace
{
// One dimension: appended at the end, or deleted from the new end on.
void meldeAenderung(wxGrid* grid, wxGridTableBase* table, int alt, int neu, wxGridTableRequest angefuegt,
                    wxGridTableRequest geloescht)
{
    if (neu > alt)
    {
        wxGridTableMessage msg(table, angefuegt, neu - alt);
        grid->ProcessTableMessage(msg);
    }
    else if (neu < alt)
    {
        wxGridTableMessage msg(table, geloescht, neu, alt - neu);
        grid->ProcessTableMessage(msg);
    }
}
} // namespace

int clGridMelder::getTextBreite(wxGrid* grid, const wxString& text, const wxFont& font)
{
    int breite = 0;
    grid->GetTextExtent(text, &breite, nullptr, nullptr, nullptr, &font);
    return breite;
}

void clGridMelder::meldeGroesse(wxGridTableBase* table, int alteZeilen, int alteSpalten)
{
    wxGrid* grid = table->GetView();
    if (grid == nullptr)
        return;
    meldeAenderung(grid, table, alteZeilen, table->GetNumberRows(), wxGRIDTABLE_NOTIFY_ROWS_APPENDED,
                   wxGRIDTABLE_NOTIFY_ROWS_DELETED);
    meldeAenderung(grid, table, alteSpalten, table->GetNumberCols(), wxGRIDTABLE_NOTIFY_COLS_APPENDED,
                   wxGRIDTABLE_NOTIFY_COLS_DELETED);
    grid->ForceRefresh();
}
