#include "clTT_Tabellenpanel.h"

#include <algorithm>
#include <wx/intl.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "clWertungTableBase.h"

namespace
{
// Room around a text in a cell or label.
const int Rand = 16;
// The widest figures a column has to show: up to 99 participants.
const char* const Muster[] = {"", "00", "00:00", "000:000", "0000:0000"};
} // namespace

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
    setzeSpaltenBreiten();
    sizer->Add(m_Wertungen, 10, wxALL | wxALIGN_CENTER, 5);
    SetSizer(sizer);
    sizer->Layout();
}

clTT_Tabellenpanel::~clTT_Tabellenpanel()
{
    delete m_Wertungen;
    delete m_WertungTB;
}

// With the toolkit's default widths the bold column labels are cut off and the
// place numbers take the room of a column. Each figure column gets the width of
// its label or of its widest figures, the names get the rest of the grid.
void clTT_Tabellenpanel::setzeSpaltenBreiten()
{
    const wxFont labelFont = m_Wertungen->GetLabelFont();
    const wxFont zellFont = m_Wertungen->GetDefaultCellFont();
    auto breite = [this](const wxString& text, const wxFont& font)
    {
        int b = 0;
        m_Wertungen->GetTextExtent(text, &b, nullptr, nullptr, nullptr, &font);
        return b + Rand;
    };
    const int platzBreite = breite("000", labelFont);
    m_Wertungen->SetRowLabelSize(platzBreite);
    int rest =
        m_Wertungen->GetSize().x - platzBreite - wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_Wertungen);
    for (int col = 1; col < static_cast<int>(WXSIZEOF(Muster)); ++col)
    {
        const int b =
            std::max(breite(m_WertungTB->GetColLabelValue(col), labelFont), breite(Muster[col], zellFont));
        m_Wertungen->SetColSize(col, b);
        rest -= b;
    }
    m_Wertungen->SetColSize(0, std::max(rest, breite(m_WertungTB->GetColLabelValue(0), labelFont)));
}
