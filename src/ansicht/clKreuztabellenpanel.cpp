#include "ansicht/clKreuztabellenpanel.h"

#include <algorithm>
#include <wx/bookctrl.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "tabellen/clGridMelder.h"
#include "tabellen/clKreuzTableBase.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"

namespace
{
// Room around a text in a cell or label.
const int Rand = 12;
} // namespace

clKreuztabellenpanel::clKreuztabellenpanel(wxWindow* parent, clTurnier* turnier)
    : wxPanel(parent), m_Turnier(turnier)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    wxStaticText* titel = new wxStaticText(this, wxID_ANY, _("Kreuztabelle"));
    titel->SetFont(wxFont(14, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    titel->SetMinSize(titel->GetTextExtent(titel->GetLabel()));
    sizer->Add(titel, 0, wxALL | wxALIGN_CENTER, 15);
    m_Grid = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxWANTS_CHARS);
    m_KreuzTB = new clKreuzTableBase(m_Turnier);
    m_Grid->SetTable(m_KreuzTB, false, wxGrid::wxGridSelectCells);
    m_Grid->SetDefaultCellAlignment(wxALIGN_CENTRE, wxALIGN_CENTRE);
    m_Grid->EnableEditing(false);
    sizer->Add(m_Grid, 1, wxALL | wxEXPAND, 5);
    SetSizer(sizer);
    aktualisiere();
    // The page is filled when it comes to the front.
    parent->Bind(wxEVT_BOOKCTRL_PAGE_CHANGED, &clKreuztabellenpanel::OnSeitenwechsel, this);
    m_Turnier->addBeobachter(this);
}

clKreuztabellenpanel::~clKreuztabellenpanel()
{
    m_Turnier->removeBeobachter(this);
    GetParent()->Unbind(wxEVT_BOOKCTRL_PAGE_CHANGED, &clKreuztabellenpanel::OnSeitenwechsel, this);
    delete m_Grid;
    delete m_KreuzTB;
}

void clKreuztabellenpanel::setTurnier(clTurnier* turnier)
{
    if (turnier == m_Turnier)
        return;
    m_Turnier->removeBeobachter(this);
    m_Turnier = turnier;
    clKreuzTableBase* alt = m_KreuzTB;
    m_KreuzTB = new clKreuzTableBase(m_Turnier);
    m_Grid->SetTable(m_KreuzTB, false, wxGrid::wxGridSelectCells);
    delete alt;
    aktualisiere();
    m_Turnier->addBeobachter(this);
}

void clKreuztabellenpanel::aktualisiere()
{
    m_KreuzTB->Anpassen();
    const wxFont labelFont = m_Grid->GetLabelFont();
    const wxFont zellFont = m_Grid->GetDefaultCellFont();
    auto breite = [this](const wxString& text, const wxFont& font)
    { return clGridMelder::getTextBreite(m_Grid, text, font) + Rand; };
    // The names stand in the row labels; every result column is as wide as the widest result.
    int namen = breite("000", labelFont);
    for (int row = 0; row < m_KreuzTB->GetNumberRows(); ++row)
        namen = std::max(namen, breite(m_KreuzTB->GetRowLabelValue(row), labelFont));
    m_Grid->SetRowLabelSize(namen);
    const int ergebnis = breite(_("0:0 Aufg."), zellFont);
    m_Grid->BeginBatch();
    for (int col = 0; col < m_KreuzTB->GetNumberCols(); ++col)
        m_Grid->SetColSize(col, std::max(ergebnis, breite(m_KreuzTB->GetColLabelValue(col), labelFont)));
    m_Grid->EndBatch();
    m_Grid->ForceRefresh();
}

void clKreuztabellenpanel::OnSeitenwechsel(wxBookCtrlEvent& event)
{
    event.Skip();
    if (IsShownOnScreen())
        aktualisiere();
}

void clKreuztabellenpanel::turnierGeaendert(modAenderung, const wxString&)
{
    if (IsShownOnScreen())
        aktualisiere();
}
