#include "ansicht/clRundenpanel.h"

#include <vector>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/utils.h>

#include "ansicht/clErgebnisEingabe.h"
#include "ansicht/clMyGridCellRenderer.h"
#include "ansicht/clGridTasten.h"
#include "ansicht/clStatuszeile.h"
#include "tabellen/clSpieleTableBase.h"
#include "modell/clTTSpiel.h"
#include "modell/clTurnier.h"
#include "ansicht/clZwischenablage.h"

namespace
{
const int MinBreite = 300;
const int MinHoehe = 200;
} // namespace

clRundenpanel::clRundenpanel(wxWindow* parent, clTurnier* turnier) : wxPanel(parent), m_Turnier(turnier)
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(clErgebnisEingabe::erzeugeKurzeingabe(this, idKurzeingabe, m_Kurzeingabe, m_KurzVorschau), 0,
               wxEXPAND);

    m_RundenGrid = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(1800, 600), wxWANTS_CHARS);
    m_SpieleTB = new clSpieleTableBase(m_Turnier);
    m_RundenGrid->SetTable(m_SpieleTB, false, wxGrid::wxGridSelectCells);
    m_RundenGrid->SetDefaultRenderer(new clMyGridCellRenderer);
    clGridTasten::verbinde(m_RundenGrid);
    clZwischenablage::verbinde(m_RundenGrid);
    // Sets the column widths as well.
    m_SpieleTB->Anpassen();
    // The initial size must not become the least size: on a smaller screen the grid
    // would reach beyond the page, its scroll bars out of sight.
    m_RundenGrid->SetMinSize(wxSize(MinBreite, MinHoehe));
    sizer->Add(m_RundenGrid, 1, wxEXPAND);
    SetSizer(sizer);
    aktualisiereKurzVorschau();
    m_Turnier->addBeobachter(this);
}

clRundenpanel::~clRundenpanel()
{
    m_Turnier->removeBeobachter(this);
    delete m_RundenGrid;
    delete m_SpieleTB;
}

void clRundenpanel::setTurnier(clTurnier* turnier, const std::vector<int>& platten, const clTurnier* halle)
{
    if (turnier == m_Turnier)
        return;
    if (m_RundenGrid->IsCellEditControlEnabled())
        m_RundenGrid->DisableCellEditControl();
    m_Turnier->removeBeobachter(this);
    m_Turnier->setSpieleTableBase(nullptr);
    m_Turnier = turnier;
    clSpieleTableBase* alt = m_SpieleTB;
    m_SpieleTB = new clSpieleTableBase(m_Turnier, platten, halle);
    m_RundenGrid->SetTable(m_SpieleTB, false, wxGrid::wxGridSelectCells);
    delete alt;
    m_SpieleTB->Anpassen();
    m_RundenGrid->GoToCell(0, 0);
    m_Turnier->addBeobachter(this);
    turnierGeaendert(aendAbbild, wxString());
}

clTTSpiel* clRundenpanel::getSpielAmCursor(int& runde, int& platte) const
{
    const clSpieleTableBase::sZelle z =
        m_SpieleTB->getZelle(m_RundenGrid->GetGridCursorRow(), m_RundenGrid->GetGridCursorCol());
    runde = z.runde;
    platte = z.platte;
    // The byes' block has no match: the schedule never uses more tables than requested.
    return m_Turnier->getSpiel(z.runde, z.platte);
}

void clRundenpanel::turnierGeaendert(modAenderung, const wxString&)
{
    // The grid keeps the look of the last cell that had one of its own, such as
    // a winner's bold, and would show it after an undo; setting no attribute is
    // the public way to make it forget.
    m_RundenGrid->SetAttr(0, 0, nullptr);
    m_RundenGrid->ForceRefresh();
    aktualisiereKurzVorschau();
}

void clRundenpanel::aktualisiereKurzVorschau()
{
    int runde = 0, platte = 0;
    const clTTSpiel* sp = getSpielAmCursor(runde, platte);
    wxString text;
    bool fehler = false;
    if (sp == nullptr)
        text = wxGetTranslation(L"Bitte ein Spiel im Raster wählen.");
    else
        text = clErgebnisEingabe::getKurzVorschau(
            wxString::Format(_("Runde %d, Platte %d"), runde, m_SpieleTB->getPlattenNummer(platte)), sp,
            m_Kurzeingabe->GetValue(), fehler);
    clErgebnisEingabe::zeigeVorschau(m_KurzVorschau, text, fehler);
}

bool clRundenpanel::uebernimmKurzeingabe()
{
    int runde = 0, platte = 0;
    const clTTSpiel* sp = getSpielAmCursor(runde, platte);
    std::vector<satz> saetze;
    if (!clErgebnisEingabe::liesKurzeingabe(this, sp, m_Kurzeingabe->GetValue(), saetze))
    {
        aktualisiereKurzVorschau();
        return false;
    }
    // A score cell still being edited would be stored over the result afterwards.
    m_RundenGrid->DisableCellEditControl();
    m_SpieleTB->setzeSaetze(runde, platte, saetze);
    int row = 0, col = 0;
    if (m_SpieleTB->naechstesSpiel(runde, platte, true, row, col))
        m_RundenGrid->GoToCell(row, col);
    m_Kurzeingabe->ChangeValue(wxString());
    aktualisiereKurzVorschau();
    return true;
}

void clRundenpanel::zeigeAusfallMenue(const wxPoint& pos)
{
    int runde = 0, platte = 0;
    const clTTSpiel* sp = getSpielAmCursor(runde, platte);
    if (sp == nullptr)
        return;
    wxMenu menu;
    clErgebnisEingabe::fuelleAusfallMenue(menu, sp, idKampflos1);
    PopupMenu(&menu, pos);
}

void clRundenpanel::OnAusfall(wxCommandEvent& event)
{
    int runde = 0, platte = 0;
    if (getSpielAmCursor(runde, platte) == nullptr)
        return;
    modAusfall art = ausfKeiner;
    int seite = 0;
    clErgebnisEingabe::getAusfall(event.GetId() - idKampflos1, art, seite);
    m_SpieleTB->setzeAusfall(runde, platte, art, seite);
}

void clRundenpanel::OnRechtsklick(wxGridEvent& event)
{
    m_RundenGrid->SetGridCursor(event.GetRow(), event.GetCol());
    zeigeAusfallMenue(ScreenToClient(m_RundenGrid->GetGridWindow()->ClientToScreen(event.GetPosition())));
}

void clRundenpanel::OnKurzeingabe(wxCommandEvent&)
{
    aktualisiereKurzVorschau();
}

void clRundenpanel::OnKurzeingabeEnter(wxCommandEvent&)
{
    uebernimmKurzeingabe();
}

void clRundenpanel::OnZelleAendert(wxGridEvent& event)
{
    wxString grund;
    m_Abgelehnt = !m_SpieleTB->pruefeEingabe(event.GetRow(), event.GetCol(), event.GetString(), grund);
    // The reason stays until the next value is taken.
    clStatuszeile::zeige(this, grund);
    if (m_Abgelehnt)
    {
        event.Veto();
        wxBell();
    }
}

void clRundenpanel::OnZelleGewaehlt(wxGridEvent& event)
{
    // Sent before the cursor moves: the preview follows once it has.
    event.Skip();
    CallAfter(&clRundenpanel::aktualisiereKurzVorschau);
}

void clRundenpanel::OnCharHook(wxKeyEvent& event)
{
    const int taste = event.GetKeyCode();
    if (taste == 'K' && event.GetModifiers() == wxMOD_CONTROL)
    {
        m_Kurzeingabe->SetFocus();
        m_Kurzeingabe->SelectAll();
        return;
    }
    const bool imGrid = m_RundenGrid->IsDescendant(wxWindow::FindFocus());
    if (taste == WXK_ESCAPE && wxWindow::FindFocus() == m_Kurzeingabe)
    {
        m_RundenGrid->SetFocus();
        return;
    }
    if (imGrid && (taste == WXK_MENU || taste == WXK_WINDOWS_MENU ||
                   (taste == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)))
    {
        const wxRect zelle =
            m_RundenGrid->CellToRect(m_RundenGrid->GetGridCursorRow(), m_RundenGrid->GetGridCursorCol());
        int x = 0, y = 0;
        m_RundenGrid->CalcScrolledPosition(zelle.GetLeft(), zelle.GetBottom(), &x, &y);
        zeigeAusfallMenue(ScreenToClient(m_RundenGrid->GetGridWindow()->ClientToScreen(wxPoint(x, y))));
        return;
    }
    if (!imGrid || event.HasAnyModifiers())
    {
        event.Skip();
        return;
    }
    int row = m_RundenGrid->GetGridCursorRow();
    int col = m_RundenGrid->GetGridCursorCol();
    if ((taste == WXK_DELETE || taste == WXK_NUMPAD_DELETE || taste == WXK_BACK) &&
        !m_RundenGrid->IsCellEditControlEnabled())
    {
        // As in a spreadsheet, rather than open the editor without a character.
        std::vector<wxGridBlockCoords> bloecke;
        for (const wxGridBlockCoords& block : m_RundenGrid->GetSelectedBlocks())
            bloecke.push_back(block);
        if (bloecke.empty())
            bloecke.emplace_back(row, col, row, col);
        m_SpieleTB->leere(bloecke);
        return;
    }
    if (taste != WXK_RETURN && taste != WXK_NUMPAD_ENTER)
    {
        event.Skip();
        return;
    }
    // What was typed is stored first: whether it decided the match says where
    // the next entry goes. Refused text keeps the cursor on its cell.
    m_Abgelehnt = false;
    m_RundenGrid->DisableCellEditControl();
    if (m_Abgelehnt)
        return;
    if (!m_SpieleTB->naechsteEingabezelle(row, col))
    {
        event.Skip();
        return;
    }
    m_RundenGrid->GoToCell(row, col);
    m_RundenGrid->SetFocus();
}

// The event table closes the file: formatting would indent what followed it.
// clang-format off
wxBEGIN_EVENT_TABLE(clRundenpanel, wxPanel)
    EVT_CHAR_HOOK(clRundenpanel::OnCharHook)
    EVT_TEXT(idKurzeingabe, clRundenpanel::OnKurzeingabe)
    EVT_TEXT_ENTER(idKurzeingabe, clRundenpanel::OnKurzeingabeEnter)
    EVT_GRID_SELECT_CELL(clRundenpanel::OnZelleGewaehlt)
    EVT_GRID_CELL_CHANGING(clRundenpanel::OnZelleAendert)
    EVT_GRID_CELL_RIGHT_CLICK(clRundenpanel::OnRechtsklick)
    EVT_MENU_RANGE(idKampflos1, idKeinAusfall, clRundenpanel::OnAusfall)
wxEND_EVENT_TABLE()
