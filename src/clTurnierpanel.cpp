#include "clTurnierpanel.h"

#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "clTeilnehmerTableBase.h"
#include "clTurnier.h"

// clang-format off
wxBEGIN_EVENT_TABLE(clTurnierpanel, wxPanel)
    EVT_BUTTON(idUebBtnAnwenden, clTurnierpanel::OnUebAnwenden)
    EVT_BUTTON(idBtnHoch, clTurnierpanel::OnBtnHoch)
    EVT_BUTTON(idBtnNeu, clTurnierpanel::OnBtnNeu)
    EVT_BUTTON(idBtnBearb, clTurnierpanel::OnBtnBearb)
    EVT_BUTTON(idBtnLoesch, clTurnierpanel::OnBtnLoesch)
    EVT_BUTTON(idBtnRunter, clTurnierpanel::OnBtnRunter)
    EVT_GRID_CELL_CHANGED(clTurnierpanel::OnGridChanged)
    EVT_GRID_TABBING(clTurnierpanel::OnGridTabbing)
wxEND_EVENT_TABLE()
// clang-format on

clTurnierpanel::clTurnierpanel(wxWindow* parent, clTurnier* turnier) : wxPanel(parent), m_Turnier(turnier)
{
    wxBoxSizer* hauptSizer = new wxBoxSizer(wxVERTICAL);
    wxStaticText* titel = new wxStaticText(this, wxID_ANY, _("Teilnehmerliste"));
    titel->SetFont(wxFont(12, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    hauptSizer->Add(titel, 1, wxALL | wxALIGN_CENTER, 15);

    wxBoxSizer* zeile = new wxBoxSizer(wxHORIZONTAL);
    m_TeilnehmerGrid = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(350, 430), wxWANTS_CHARS);
    m_TeilnehmerTB = new clTeilnehmerTableBase(m_Turnier);
    m_TeilnehmerGrid->SetTable(m_TeilnehmerTB, false, wxGrid::wxGridSelectCells);
    m_TeilnehmerGrid->SetGridCursor(0, 0);
    zeile->Add(m_TeilnehmerGrid, 0, wxALL | wxALIGN_CENTER, 5);

    wxBoxSizer* knoepfe = new wxBoxSizer(wxVERTICAL);
    m_btnHoch = new wxButton(this, idBtnHoch, _("nach oben"));
    m_btnNeu = new wxButton(this, idBtnNeu, _("Neu"));
    m_btnBearb = new wxButton(this, idBtnBearb, _("Bearbeiten"));
    m_btnLoesch = new wxButton(this, idBtnLoesch, _("Loeschen"));
    m_btnRunter = new wxButton(this, idBtnRunter, _("nach unten"));
    for (wxButton* b : {m_btnHoch, m_btnNeu, m_btnBearb, m_btnLoesch, m_btnRunter})
        knoepfe->Add(b, 0, wxALL | wxALIGN_CENTER, 5);
    zeile->Add(knoepfe, 0, wxALL | wxALIGN_CENTER, 5);
    hauptSizer->Add(zeile, 10, wxALL | wxALIGN_CENTER, 5);
    setzeSchalterGueltigkeit();

    hauptSizer->Add(new wxButton(this, idUebBtnAnwenden, _("Uebernehmen")), 0, wxALL | wxALIGN_CENTER, 5);
    SetSizer(hauptSizer);
    hauptSizer->Layout();
}

clTurnierpanel::~clTurnierpanel()
{
    // The grid must not outlive the table it shows.
    delete m_TeilnehmerGrid;
    delete m_TeilnehmerTB;
}

void clTurnierpanel::OnUebAnwenden(wxCommandEvent&)
{
    m_TeilnehmerTB->DatenZurueckSchreiben();
    setzeSchalterGueltigkeit();
}

void clTurnierpanel::OnBtnHoch(wxCommandEvent&)
{
    const int row = m_TeilnehmerGrid->GetGridCursorRow();
    m_TeilnehmerTB->SwapRows(row, row - 1);
}

void clTurnierpanel::OnBtnRunter(wxCommandEvent&)
{
    const int row = m_TeilnehmerGrid->GetGridCursorRow();
    m_TeilnehmerTB->SwapRows(row, row + 1);
}

void clTurnierpanel::OnBtnNeu(wxCommandEvent&)
{
    m_TeilnehmerGrid->SetGridCursor(m_TeilnehmerTB->getDataListSize(), 0);
    m_TeilnehmerGrid->MakeCellVisible(m_TeilnehmerTB->getDataListSize(), 0);
    m_TeilnehmerGrid->EnableCellEditControl();
}

void clTurnierpanel::OnBtnBearb(wxCommandEvent&)
{
    m_TeilnehmerGrid->EnableCellEditControl();
}

void clTurnierpanel::OnBtnLoesch(wxCommandEvent&)
{
    m_TeilnehmerTB->DeleteData(m_TeilnehmerGrid->GetGridCursorRow());
    setzeSchalterGueltigkeit();
}

void clTurnierpanel::OnGridChanged(wxGridEvent& event)
{
    setzeSchalterGueltigkeit();
    event.Skip();
}

void clTurnierpanel::OnGridTabbing(wxGridEvent& event)
{
    const int r = event.GetRow();
    const int c = event.GetCol();
    const int n = m_TeilnehmerTB->getDataListSize();
    const int letzteSpalte = m_TeilnehmerGrid->GetNumberCols() - 1;
    if (event.ShiftDown() && c == 0)
    {
        if (r > 0)
        {
            m_TeilnehmerGrid->SetGridCursor(r - 1, letzteSpalte);
            m_TeilnehmerGrid->EnableCellEditControl();
        }
    }
    else if (!event.ShiftDown() && c == letzteSpalte)
    {
        if (r <= n)
        {
            m_TeilnehmerGrid->SetGridCursor(r + 1, 0);
            m_TeilnehmerGrid->EnableCellEditControl();
        }
    }
    else
    {
        m_TeilnehmerGrid->SetGridCursor(r, event.ShiftDown() ? c - 1 : c + 1);
        m_TeilnehmerGrid->EnableCellEditControl();
    }
}

void clTurnierpanel::setzeSchalterGueltigkeit()
{
    const int n = m_TeilnehmerTB->getDataListSize();
    const int r = m_TeilnehmerGrid->GetGridCursorRow();
    m_btnBearb->Enable(n >= 1);
    m_btnLoesch->Enable(n >= 1);
    m_btnHoch->Enable(n >= 2 && r >= 1 && r <= n - 1);
    m_btnRunter->Enable(n >= 2 && r >= 0 && r <= n - 2);
}
