#include "ansicht/clFensterKontext.h"

#include <wx/grid.h>
#include <wx/notebook.h>

#include <utility>

#include "modell/clTurniertag.h"

clFensterKontext::clFensterKontext(wxFrame* fenster, clTurniertag* tag)
    : m_Fenster(fenster), m_Tag(tag), m_Turnier(tag->getKonkurrenz(0))
{
}

void clFensterKontext::setSeiten(wxNotebook* seiten, std::vector<wxGrid*> eingaben)
{
    m_Seiten = seiten;
    m_Eingaben = std::move(eingaben);
}

void clFensterKontext::waehleSeite(wxWindow* seite) const
{
    m_Seiten->SetSelection(m_Seiten->FindPage(seite));
}

void clFensterKontext::schliesseZellEingaben() const
{
    for (wxGrid* grid : m_Eingaben)
    {
        if (grid->IsCellEditControlEnabled())
            grid->DisableCellEditControl();
    }
}

bool clFensterKontext::brichZellEingabeAb() const
{
    for (wxGrid* grid : m_Eingaben)
    {
        if (!grid->IsCellEditControlEnabled())
            continue;
        // The editor takes back its cell's value, so closing it stores nothing new.
        wxGridCellEditor* editor = grid->GetCellEditor(grid->GetGridCursorRow(), grid->GetGridCursorCol());
        editor->Reset();
        editor->DecRef();
        grid->DisableCellEditControl();
        return true;
    }
    return false;
}
