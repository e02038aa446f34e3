#include "ansicht/clTurnierpanel.h"

#include <algorithm>
#include <wx/intl.h>
#include <wx/choicdlg.h>
#include <wx/msgdlg.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "tabellen/clGridMelder.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "datei/clTeilnehmerImport.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"
#include "ansicht/clGridTasten.h"
#include "ansicht/clStatuszeile.h"
#include "ansicht/clZwischenablage.h"

namespace
{
// Room around the row numbers.
const int LabelRand = 16;
} // namespace

clTurnierpanel::clTurnierpanel(wxWindow* parent, clTurnier* turnier) : wxPanel(parent), m_Turnier(turnier)
{
    wxBoxSizer* hauptSizer = new wxBoxSizer(wxVERTICAL);
    wxStaticText* titel = new wxStaticText(this, wxID_ANY, _("Teilnehmerliste"));
    titel->SetFont(wxFont(12, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    // The toolkit may still report the size of the old font; measured directly the
    // title is never cut off.
    titel->SetMinSize(titel->GetTextExtent(titel->GetLabel()));
    hauptSizer->Add(titel, 1, wxALL | wxALIGN_CENTER, 15);

    wxBoxSizer* zeile = new wxBoxSizer(wxHORIZONTAL);
    // Wide enough for double names and a club; the grid takes the page's height, so
    // that a long list shows as many rows as the screen allows.
    m_TeilnehmerGrid = new wxGrid(this, wxID_ANY, wxDefaultPosition, wxSize(700, 430), wxWANTS_CHARS);
    m_TeilnehmerTB = new clTeilnehmerTableBase(m_Turnier);
    m_TeilnehmerGrid->SetTable(m_TeilnehmerTB, false, wxGrid::wxGridSelectCells);
    setzeSpaltenBreiten();
    clGridTasten::verbinde(m_TeilnehmerGrid);
    clZwischenablage::verbinde(m_TeilnehmerGrid, [this](const wxString& text) { fuegeEin(text); });
    zeile->Add(m_TeilnehmerGrid, 0, wxALL | wxEXPAND, 5);

    wxBoxSizer* knoepfe = new wxBoxSizer(wxVERTICAL);
    m_btnHoch = new wxButton(this, idBtnHoch, _("nach oben"));
    m_btnNeu = new wxButton(this, idBtnNeu, _("Neu"));
    m_btnBearb = new wxButton(this, idBtnBearb, _("Bearbeiten"));
    m_btnLoesch = new wxButton(this, idBtnLoesch, wxGetTranslation(L"Löschen"));
    m_btnRunter = new wxButton(this, idBtnRunter, _("nach unten"));
    for (wxButton* b : {m_btnHoch, m_btnNeu, m_btnBearb, m_btnLoesch, m_btnRunter})
        knoepfe->Add(b, 0, wxALL | wxALIGN_CENTER, 5);
    m_btnRueckzug = new wxButton(this, idBtnRueckzug, wxGetTranslation(L"Rückzug..."));
    m_btnRueckzug->SetToolTip(wxGetTranslation(L"Der Teilnehmer zieht zurück: seine Spiele ohne Ergebnis "
                                               L"gewinnen die Gegner kampflos."));
    knoepfe->Add(m_btnRueckzug, 0, wxALL | wxALIGN_CENTER, 15);
    // Shown only on a day of several classes.
    m_btnAndere = new wxButton(this, idBtnAndere, _("In andere Konkurrenz eintragen..."));
    m_btnAndere->Hide();
    knoepfe->Add(m_btnAndere, 0, wxALL | wxALIGN_CENTER, 5);
    zeile->Add(knoepfe, 0, wxALIGN_CENTER);
    hauptSizer->Add(zeile, 10, wxALL | wxALIGN_CENTER, 5);
    // Moving the cursor updates the buttons, so they must exist first.
    m_TeilnehmerGrid->SetGridCursor(0, 0);
    setzeSchalterGueltigkeit();

    hauptSizer->Add(new wxButton(this, idUebBtnAnwenden, wxGetTranslation(L"Übernehmen")), 0,
                    wxALL | wxALIGN_CENTER, 5);

    // Typing moves the cursor to the first row that matches, Enter to the next one.
    // Made after the grid, which keeps the focus first, and placed above it.
    wxBoxSizer* suchZeile = new wxBoxSizer(wxHORIZONTAL);
    suchZeile->Add(new wxStaticText(this, wxID_ANY, _("Suchen:")), 0, wxALL | wxALIGN_CENTER_VERTICAL, 5);
    m_Suche =
        new wxTextCtrl(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(250, -1), wxTE_PROCESS_ENTER);
    m_Suche->SetToolTip(
        wxGetTranslation(L"Teil eines Namens oder Vereins; Enter springt zum nächsten Treffer."));
    m_Suche->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { suche(m_TeilnehmerGrid->GetGridCursorRow()); });
    m_Suche->Bind(wxEVT_TEXT_ENTER,
                  [this](wxCommandEvent&) { suche(m_TeilnehmerGrid->GetGridCursorRow() + 1); });
    suchZeile->Add(m_Suche, 0, wxALL | wxALIGN_CENTER_VERTICAL, 5);
    hauptSizer->Insert(1, suchZeile, 0, wxALIGN_CENTER);
    m_Turnier->addBeobachter(this);
    SetSizer(hauptSizer);
    hauptSizer->Layout();
}

clTurnierpanel::~clTurnierpanel()
{
    m_Turnier->removeBeobachter(this);
    // The grid must not outlive the table it shows.
    delete m_TeilnehmerGrid;
    delete m_TeilnehmerTB;
}

void clTurnierpanel::setTurnier(clTurnier* turnier)
{
    if (turnier == m_Turnier)
        return;
    schliesseEditor();
    m_Turnier->removeBeobachter(this);
    m_Turnier = turnier;
    m_TeilnehmerTB->setTurnier(m_Turnier);
    m_Turnier->addBeobachter(this);
    m_TeilnehmerGrid->GoToCell(0, 0);
    turnierGeaendert(aendAbbild, wxString());
}

void clTurnierpanel::OnBtnAndere(wxCommandEvent&)
{
    trageInAndereEin(m_TeilnehmerGrid->GetGridCursorRow());
}

void clTurnierpanel::trageInAndereEin(int row)
{
    schliesseEditor();
    const wxString titel = _("In andere Konkurrenz eintragen");
    const int hier = m_Tag != nullptr ? m_Tag->finde(m_Turnier) : -1;
    const clTeilnehmer* tn = m_Turnier->getTeilnehmer(row + 1);
    if (m_TeilnehmerTB->hatAenderungen() || tn == nullptr || hier < 0)
    {
        zeigeFehler(wxGetTranslation(L"Bitte einen Teilnehmer der übernommenen Liste wählen."));
        return;
    }
    std::vector<int> personen = m_Tag->getPersonenVon(hier, tn->getKennung());
    if (personen.size() > 1)
    {
        // A pair: each of them may be entered on their own.
        wxArrayString namen;
        for (int nr : personen)
            namen.Add(m_Tag->getPerson(nr)->Vorname + " " + m_Tag->getPerson(nr)->Name);
        wxSingleChoiceDialog wer(this, _("Wen eintragen?"), titel, namen);
        if (wer.ShowModal() != wxID_OK)
            return;
        personen = {personen[wer.GetSelection()]};
    }
    if (personen.empty())
        return;
    std::vector<int> klassen;
    wxArrayString namen;
    for (int i = 0; i < m_Tag->getAnzahl(); ++i)
        if (i != hier)
        {
            klassen.push_back(i);
            namen.Add(m_Tag->getName(i));
        }
    if (klassen.empty())
        return;
    const clPerson* p = m_Tag->getPerson(personen[0]);
    wxSingleChoiceDialog dlg(this, wxString::Format(_("%s %s eintragen in:"), p->Vorname, p->Name), titel,
                             namen);
    if (dlg.ShowModal() != wxID_OK)
        return;
    const int ziel = klassen[dlg.GetSelection()];
    const wxString grund = m_Tag->pruefeEintrag(personen[0], ziel);
    if (!grund.empty() || !m_Tag->trageEin(personen[0], ziel))
        zeigeFehler(grund.empty() ? wxString(_("Die Meldung wurde nicht angenommen.")) : grund);
}

void clTurnierpanel::OnUebAnwenden(wxCommandEvent&)
{
    schliesseEditor();
    if (m_TeilnehmerTB->hatAenderungen())
    {
        uebernehmeTeilnehmerliste();
        return;
    }
    const wxString grund =
        m_TeilnehmerTB->getDataListSize() == 0
            ? wxGetTranslation(L"Es ist noch kein Teilnehmer eingetragen: Namen in die Liste tippen "
                               L"oder mit Strg+V einfügen.")
            : wxGetTranslation(L"Die Liste ist unverändert: sie zeigt die Teilnehmer des Turniers.");
    wxMessageDialog(this, wxGetTranslation(L"Nichts zu übernehmen. ") + grund, _("Teilnehmerliste"),
                    wxOK | wxICON_INFORMATION)
        .ShowModal();
}

bool clTurnierpanel::uebernehmeTeilnehmerliste()
{
    // A name still being typed belongs to the list that is applied.
    schliesseEditor();
    if (clTurnier::zaehleTeilnehmer(m_TeilnehmerTB->getEditListe()) > clTurnier::MaxTeilnehmer)
    {
        zeigeFehler(wxString::Format(wxGetTranslation(L"Quobel verwaltet höchstens %d Teilnehmer."),
                                     clTurnier::MaxTeilnehmer));
        return false;
    }
    const vecEditListe& el = m_TeilnehmerTB->getEditListe();
    const wxString grund = m_Turnier->pruefeTeilnehmerliste(el);
    if (!grund.empty())
    {
        zeigeFehler(grund);
        return false;
    }
    const wxString verlust = m_Turnier->verloreneErgebnisse(el);
    // Drawn groups change only where the list says: the organiser is told how, also when nothing is lost.
    const wxString gruppen = m_Turnier->beschreibeGruppenAenderung(el);
    if (!verlust.empty() || !gruppen.empty())
    {
        const wxString folge =
            !gruppen.empty()
                ? gruppen
                : wxString(wxGetTranslation(L"Mit der geänderten Teilnehmerliste wird ein neuer "
                                            L"Spielplan erstellt; alle anderen Ergebnisse bleiben "
                                            L"erhalten."));
        const wxString text =
            verlust.empty()
                ? wxString::Format(wxGetTranslation(L"%s\n\nTeilnehmerliste übernehmen?"), folge)
                : wxString::Format(wxGetTranslation(L"%s\n\n%s Wer nicht mehr antritt, kann stattdessen mit "
                                                    L"„Rückzug...“ zurückgezogen werden; dann bleiben alle "
                                                    L"Ergebnisse.\n\nTeilnehmerliste trotzdem übernehmen?"),
                                   verlust, folge);
        wxMessageDialog frage(this, text,
                              verlust.empty() ? wxString(wxGetTranslation(L"Gruppen ändern?"))
                                              : wxString(_("Ergebnisse verwerfen?")),
                              wxYES_NO | wxNO_DEFAULT | (verlust.empty() ? wxICON_QUESTION : wxICON_WARNING));
        frage.SetYesNoLabels(_("Ja"), _("Nein"));
        if (frage.ShowModal() != wxID_YES)
            return false;
    }
    m_TeilnehmerTB->DatenZurueckSchreiben();
    setzeSchalterGueltigkeit();
    // What an entry refused before said no longer holds for the list applied.
    clStatuszeile::zeige(this, wxString());
    return true;
}

void clTurnierpanel::turnierGeaendert(modAenderung, const wxString&)
{
    // New, loaded or restored participants: the buttons follow the list, the
    // columns the kind of class.
    setzeSchalterGueltigkeit();
    setzeSpaltenBreiten();
}

void clTurnierpanel::suche(int ab)
{
    const int row = m_TeilnehmerTB->findeZeile(m_Suche->GetValue(), ab);
    if (row < 0)
    {
        m_Suche->SetBackgroundColour(m_Suche->GetValue().empty() ? wxNullColour : wxColour(255, 200, 200));
        m_Suche->Refresh();
        return;
    }
    m_Suche->SetBackgroundColour(wxNullColour);
    m_Suche->Refresh();
    schliesseEditor();
    m_TeilnehmerGrid->GoToCell(row, m_TeilnehmerGrid->GetGridCursorCol());
    m_TeilnehmerGrid->SelectRow(row);
}

void clTurnierpanel::fuegeEin(const wxString& text)
{
    // The editor would otherwise store its old text over the pasted first name.
    schliesseEditor();
    const vecEditListe zeilen =
        clTeilnehmerImport::zerlege(text, m_Turnier->getAllgemein()->Art != artEinzel);
    if (!zeilen.empty())
        setzeZeilen(m_TeilnehmerGrid->GetGridCursorRow(), zeilen);
}

void clTurnierpanel::importiere(const wxString& pfad)
{
    schliesseEditor();
    vecEditListe zeilen;
    wxString fehler;
    const int erste = m_TeilnehmerTB->getDataListSize();
    if (!clTeilnehmerImport::liesDatei(pfad, zeilen, &fehler, m_Turnier->getAllgemein()->Art != artEinzel))
        zeigeFehler(fehler);
    else if (setzeZeilen(erste, zeilen))
        m_TeilnehmerGrid->GoToCell(erste, 0);
}

bool clTurnierpanel::setzeZeilen(int row, const vecEditListe& zeilen)
{
    if (!m_TeilnehmerTB->setzeZeilen(row, zeilen))
    {
        zeigeFehler(wxString::Format(wxGetTranslation(L"Quobel verwaltet höchstens %d Teilnehmer; "
                                                      L"mit diesen %d Namen wären es mehr."),
                                     clTurnier::MaxTeilnehmer, static_cast<int>(zeilen.size())));
        return false;
    }
    setzeSchalterGueltigkeit();
    return true;
}

void clTurnierpanel::zeigeFehler(const wxString& text)
{
    wxMessageDialog(this, text, _("Teilnehmerliste"), wxOK | wxICON_ERROR).ShowModal();
}

void clTurnierpanel::OnBtnHoch(wxCommandEvent&)
{
    schliesseEditor();
    const int row = m_TeilnehmerGrid->GetGridCursorRow();
    m_TeilnehmerTB->SwapRows(row, row - 1);
}

void clTurnierpanel::OnBtnRunter(wxCommandEvent&)
{
    schliesseEditor();
    const int row = m_TeilnehmerGrid->GetGridCursorRow();
    m_TeilnehmerTB->SwapRows(row, row + 1);
}

void clTurnierpanel::OnBtnRueckzug(wxCommandEvent&)
{
    schliesseEditor();
    const int row = m_TeilnehmerGrid->GetGridCursorRow();
    const wxString titel = wxGetTranslation(L"Rückzug");
    // The rows stand for the tournament's participants only once the list is applied.
    if (m_TeilnehmerTB->hatAenderungen())
    {
        wxMessageDialog(this, wxGetTranslation(L"Bitte die Teilnehmerliste zuerst übernehmen."), titel,
                        wxOK | wxICON_INFORMATION)
            .ShowModal();
        return;
    }
    const clTeilnehmer* tn = m_Turnier->getTeilnehmer(row + 1);
    if (tn == nullptr)
        return;
    const size_t offen = m_Turnier->getOffeneSpiele(row + 1).size();
    if (offen == 0)
    {
        // A walkover needs the opponent: in the bracket it may not be known yet.
        const clTTSpiel* wartet = m_Turnier->getWartendesSpiel(row + 1);
        const wxString text =
            wartet != nullptr
                ? wxString::Format(
                      wxGetTranslation(
                          L"%s wartet in der Endrunde (%s) noch auf den Gegner. Der Rückzug kann "
                          L"eingetragen werden, sobald der Gegner feststeht."),
                      tn->getAnzeige(), m_Turnier->getSpielort(wartet))
                : wxString::Format(_("%s hat keine Spiele ohne Ergebnis mehr."), tn->getAnzeige());
        wxMessageDialog(this, text, titel, wxOK | wxICON_INFORMATION).ShowModal();
        return;
    }
    wxMessageDialog frage(
        this,
        wxString::Format(wxPLURAL(L"%s zieht zurück: %d Spiel ohne Ergebnis wird kampflos (w.o.) für den "
                                  L"Gegner gewertet.\n\nRückzug eintragen?",
                                  L"%s zieht zurück: %d Spiele ohne Ergebnis werden kampflos (w.o.) für die "
                                  L"Gegner gewertet.\n\nRückzug eintragen?",
                                  offen),
                         tn->getAnzeige(), static_cast<int>(offen)),
        titel, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    frage.SetYesNoLabels(_("Ja"), _("Nein"));
    if (frage.ShowModal() == wxID_YES)
        m_Turnier->zieheZurueck(row + 1);
}

void clTurnierpanel::OnBtnNeu(wxCommandEvent&)
{
    schliesseEditor();
    bearbeiteZelle(m_TeilnehmerTB->getDataListSize(), 0);
}

void clTurnierpanel::OnBtnBearb(wxCommandEvent&)
{
    m_TeilnehmerGrid->EnableCellEditControl();
}

void clTurnierpanel::OnBtnLoesch(wxCommandEvent&)
{
    schliesseEditor();
    m_TeilnehmerTB->DeleteData(m_TeilnehmerGrid->GetGridCursorRow());
    setzeSchalterGueltigkeit();
}

void clTurnierpanel::OnGridChanged(wxGridEvent& event)
{
    setzeSchalterGueltigkeit();
    event.Skip();
}

void clTurnierpanel::OnGridSelectCell(wxGridEvent& event)
{
    // Sent before the cursor moves: the new row comes with the event.
    setzeSchalterGueltigkeit(event.GetRow());
    if (event.GetRow() != m_TabZeile)
        m_TabZeile = -1;
    event.Skip();
}

// The event is not skipped: the grid would otherwise move the cursor a second time.
void clTurnierpanel::OnGridTabbing(wxGridEvent& event)
{
    // What is being typed is stored first, so that a name typed into the first empty
    // row has become a participant row before the rules below look at the list.
    schliesseEditor();
    const int r = event.GetRow();
    const int c = event.GetCol();
    const int n = m_TeilnehmerTB->getDataListSize();
    const int letzteSpalte = m_TeilnehmerGrid->GetNumberCols() - 1;
    if (m_TabZeile != r)
    {
        m_TabZeile = r;
        m_TabSpalte = c;
    }
    if (event.ShiftDown() && c == 0)
    {
        if (r > 0)
            bearbeiteZelle(r - 1, letzteSpalte);
    }
    else if (!event.ShiftDown() && c == letzteSpalte)
    {
        if (r <= n && r + 1 < m_TeilnehmerGrid->GetNumberRows())
            bearbeiteZelle(r + 1, 0);
    }
    else
        bearbeiteZelle(r, event.ShiftDown() ? c - 1 : c + 1);
}

void clTurnierpanel::OnZelleAendert(wxGridEvent& event)
{
    wxString grund;
    if (!m_TeilnehmerTB->pruefeEingabe(event.GetCol(), event.GetString(), grund))
    {
        event.Veto();
        wxBell();
    }
    clStatuszeile::zeige(this, grund);
}

void clTurnierpanel::OnCharHook(wxKeyEvent& event)
{
    const int taste = event.GetKeyCode();
    const int r = m_TeilnehmerGrid->GetGridCursorRow();
    if ((taste != WXK_RETURN && taste != WXK_NUMPAD_ENTER) || event.HasAnyModifiers() || m_TabZeile != r ||
        !m_TeilnehmerGrid->IsDescendant(wxWindow::FindFocus()))
    {
        event.Skip();
        return;
    }
    schliesseEditor();
    m_TabZeile = -1;
    if (r + 1 < m_TeilnehmerGrid->GetNumberRows())
        m_TeilnehmerGrid->GoToCell(r + 1, m_TabSpalte);
}

// An editor that loses the focus asks the grid to close the editor, and the grid
// does so a little later: had the focus still been in the old editor, the new one
// would be closed again. So the focus goes to the grid before the old editor is
// closed, and the new one is opened after the grid has handled that request.
void clTurnierpanel::schliesseEditor()
{
    if (!m_TeilnehmerGrid->IsCellEditControlEnabled())
        return;
    m_TeilnehmerGrid->SetFocus();
    m_TeilnehmerGrid->DisableCellEditControl();
}

void clTurnierpanel::bearbeiteZelle(int row, int col)
{
    m_TeilnehmerGrid->SetFocus();
    m_TeilnehmerGrid->GoToCell(row, col);
    CallAfter([this]() { m_TeilnehmerGrid->EnableCellEditControl(); });
}

// The row numbers and the rating need far less than the toolkit's default width;
// the names and the club get that room, so that fewer of them are cut off. The
// club takes what a long club's name needs, the names share the rest. A pair's
// columns share the same room, each person's club as wide as a name.
void clTurnierpanel::setzeSpaltenBreiten()
{
    const wxFont& font = m_TeilnehmerGrid->GetLabelFont();
    const int labelBreite = clGridMelder::getTextBreite(m_TeilnehmerGrid, "000", font) + LabelRand;
    const int ttrBreite = clGridMelder::getTextBreite(m_TeilnehmerGrid, "00000", font) + LabelRand;
    const int spalten = m_TeilnehmerGrid->GetNumberCols();
    const int ttrSpalten = spalten > spalteTTR + 1 ? 2 : 1;
    m_TeilnehmerGrid->SetRowLabelSize(labelBreite);
    const int rest = m_TeilnehmerGrid->GetSize().x - labelBreite - ttrSpalten * ttrBreite -
                     wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_TeilnehmerGrid);
    const int textSpalten = spalten - ttrSpalten;
    const int vereinBreite =
        ttrSpalten > 1
            ? rest / textSpalten
            : std::min(rest / 2, std::max(rest / textSpalten, clGridMelder::getTextBreite(
                                                                  m_TeilnehmerGrid, L"SpVg Mönchengladbach 1",
                                                                  m_TeilnehmerGrid->GetDefaultCellFont()) +
                                                                  LabelRand));
    for (int col = 0; col < spalten; ++col)
        m_TeilnehmerGrid->SetColSize(col, col == spalteTTR || col == spaltePartnerTTR ? ttrBreite
                                          : col == spalteVerein                       ? vereinBreite
                                                                : (rest - vereinBreite) / (textSpalten - 1));
}

void clTurnierpanel::setzeSchalterGueltigkeit()
{
    setzeSchalterGueltigkeit(m_TeilnehmerGrid->GetGridCursorRow());
}

void clTurnierpanel::setzeSchalterGueltigkeit(int r)
{
    const int n = m_TeilnehmerTB->getDataListSize();
    m_btnBearb->Enable(n >= 1);
    m_btnLoesch->Enable(n >= 1 && r >= 0 && r < n);
    m_btnHoch->Enable(n >= 2 && r >= 1 && r <= n - 1);
    m_btnRunter->Enable(n >= 2 && r >= 0 && r <= n - 2);
    m_btnRueckzug->Enable(r >= 0 && r < m_Turnier->getAnzahlTeilnehmer() && r < n);
    m_btnAndere->Enable(r >= 0 && r < m_Turnier->getAnzahlTeilnehmer() && r < n);
    // The day's second class shows the button; the page lays it out once it appears.
    const bool andere = m_Tag != nullptr && m_Tag->getAnzahl() > 1;
    if (andere != m_btnAndere->IsShown())
    {
        m_btnAndere->Show(andere);
        Layout();
    }
}

// The event table closes the file: formatting would indent what followed it.
// clang-format off
wxBEGIN_EVENT_TABLE(clTurnierpanel, wxPanel)
    EVT_BUTTON(idUebBtnAnwenden, clTurnierpanel::OnUebAnwenden)
    EVT_BUTTON(idBtnHoch, clTurnierpanel::OnBtnHoch)
    EVT_BUTTON(idBtnNeu, clTurnierpanel::OnBtnNeu)
    EVT_BUTTON(idBtnBearb, clTurnierpanel::OnBtnBearb)
    EVT_BUTTON(idBtnLoesch, clTurnierpanel::OnBtnLoesch)
    EVT_BUTTON(idBtnRunter, clTurnierpanel::OnBtnRunter)
    EVT_BUTTON(idBtnRueckzug, clTurnierpanel::OnBtnRueckzug)
    EVT_BUTTON(idBtnAndere, clTurnierpanel::OnBtnAndere)
    EVT_GRID_CELL_CHANGED(clTurnierpanel::OnGridChanged)
    EVT_GRID_TABBING(clTurnierpanel::OnGridTabbing)
    EVT_GRID_CELL_CHANGING(clTurnierpanel::OnZelleAendert)
    EVT_CHAR_HOOK(clTurnierpanel::OnCharHook)
    EVT_GRID_SELECT_CELL(clTurnierpanel::OnGridSelectCell)
wxEND_EVENT_TABLE()
