#include "ansicht/clTT_Tabellenpanel.h"

#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "modell/clTurnier.h"
#include "tabellen/clWertungTableBase.h"
#include "ansicht/clZwischenablage.h"

clTT_Tabellenpanel::clTT_Tabellenpanel(wxWindow* parent, clTurnier* turnier)
    : wxPanel(parent), m_Turnier(turnier)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    wxStaticText* titel = new wxStaticText(this, wxID_ANY, _("Platzierungen"));
    titel->SetFont(wxFont(14, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    // The toolkit may still report the size of the old font; measured directly the
    // title is never cut off.
    titel->SetMinSize(titel->GetTextExtent(titel->GetLabel()));
    sizer->Add(titel, 1, wxALL | wxALIGN_CENTER, 15);
    m_Wertungen = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(500, 430), wxWANTS_CHARS);
    m_WertungTB = new clWertungTableBase(m_Turnier);
    m_Wertungen->SetTable(m_WertungTB, false, wxGrid::wxGridSelectCells);
    m_WertungTB->setzeSpaltenBreiten();
    clZwischenablage::verbinde(m_Wertungen);
    sizer->Add(m_Wertungen, 10, wxALL | wxALIGN_CENTER, 5);
    SetSizer(sizer);
    sizer->Layout();
    m_Turnier->addBeobachter(this);
}

clTT_Tabellenpanel::~clTT_Tabellenpanel()
{
    m_Turnier->removeBeobachter(this);
    delete m_Wertungen;
    delete m_WertungTB;
}

clWertungTableBase* clTT_Tabellenpanel::getTable() const
{
    return m_Turnier->getWertungTableBase();
}

void clTT_Tabellenpanel::setTurnier(clTurnier* turnier)
{
    if (turnier == m_Turnier)
        return;
    m_Turnier->removeBeobachter(this);
    m_Turnier = turnier;
    // A group has its standings; a class gets the page's own table, made anew for it.
    clWertungTableBase* tabelle = m_Turnier->getWertungTableBase();
    if (tabelle == nullptr)
    {
        clWertungTableBase* alt = m_WertungTB;
        m_WertungTB = new clWertungTableBase(m_Turnier);
        tabelle = m_WertungTB;
        m_Wertungen->SetTable(tabelle, false, wxGrid::wxGridSelectCells);
        delete alt;
    }
    m_Wertungen->SetTable(tabelle, false, wxGrid::wxGridSelectCells);
    tabelle->setzeSpaltenBreiten();
    m_Turnier->addBeobachter(this);
    m_Wertungen->ForceRefresh();
}

void clTT_Tabellenpanel::turnierGeaendert(modAenderung, const wxString&)
{
    m_Wertungen->ForceRefresh();
}
