#include "ansicht/clEndrundenpanel.h"

#include <wx/dcbuffer.h>
#include <wx/grid.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "ausgabe/clEndrundenLayout.h"
#include "ansicht/clStatuszeile.h"
#include "ausgabe/clEndrundenZeichner.h"
#include "modell/clKurzeingabe.h"
#include "modell/clTeilnehmer.h"

namespace
{
// On screen a line of the first round and a column take this much; the tree
// grows beyond the page and scrolls.
const int Zeilenabstand = 36;
const int Spaltenbreite = 190;
const int Rand = 10;

// The round and the number in it of a match; the match for third place counts
// as the last round's second.
void getPosition(const clEndrunde& er, const clTTSpiel* sp, int& runde, int& nr)
{
    int k = er.getIndex(sp);
    for (runde = 1; runde <= er.getAnzahlRunden() && k >= er.getAnzahlSpiele(runde); ++runde)
        k -= er.getAnzahlSpiele(runde);
    if (runde > er.getAnzahlRunden())
        runde = er.getAnzahlRunden();
    nr = k + 1;
}
} // namespace

clEndrundenpanel::clEndrundenpanel(wxWindow* parent, clEndrunde* endrunde, fnMelde melde, fnEndstand endstand)
    : wxPanel(parent), m_Endrunde(endrunde), m_Melde(std::move(melde)), m_EndstandQuelle(std::move(endstand))
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(clErgebnisEingabe::erzeugeKurzeingabe(this, idKurzeingabe, m_Kurzeingabe, m_KurzVorschau), 0,
               wxEXPAND);

    m_Saetze = new wxGrid(this, wxID_ANY);
    m_Saetze->CreateGrid(2, clTTSpiel::MaxSaetze);
    m_Saetze->SetRowLabelSize(Spaltenbreite);
    m_Saetze->SetDefaultColSize(40);
    m_Saetze->SetDefaultCellAlignment(wxALIGN_CENTER, wxALIGN_CENTER);
    m_Saetze->Bind(wxEVT_GRID_CELL_CHANGING, &clEndrundenpanel::OnSatzAendert, this);
    sizer->Add(m_Saetze, 0, wxLEFT | wxBOTTOM, 5);

    wxBoxSizer* inhalt = new wxBoxSizer(wxHORIZONTAL);
    m_Baum = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxSize(300, 200),
                                  wxHSCROLL | wxVSCROLL | wxWANTS_CHARS | wxBORDER_SUNKEN);
    m_Baum->SetBackgroundStyle(wxBG_STYLE_PAINT);
    m_Baum->SetScrollRate(10, 10);
    m_Baum->Bind(wxEVT_PAINT, &clEndrundenpanel::OnZeichnen, this);
    m_Baum->Bind(wxEVT_LEFT_DOWN, &clEndrundenpanel::OnKlick, this);
    m_Baum->Bind(wxEVT_RIGHT_DOWN, &clEndrundenpanel::OnRechtsklick, this);
    inhalt->Add(m_Baum, 1, wxEXPAND);
    wxBoxSizer* stand = new wxBoxSizer(wxVERTICAL);
    wxStaticText* titel = new wxStaticText(this, wxID_ANY, _("Endstand"));
    titel->SetFont(titel->GetFont().Bold());
    // Measured in its bold font, the title is not cut off.
    titel->SetMinSize(titel->GetTextExtent(titel->GetLabel()));
    stand->Add(titel, 0, wxALL, 5);
    m_Endstand =
        new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(260, 200), wxLC_REPORT | wxLC_SINGLE_SEL);
    m_Endstand->AppendColumn(_("Platz"), wxLIST_FORMAT_RIGHT, 50);
    m_Endstand->AppendColumn(_("Teilnehmer"), wxLIST_FORMAT_LEFT, 190);
    stand->Add(m_Endstand, 1, wxEXPAND | wxLEFT, 5);
    inhalt->Add(stand, 0, wxEXPAND);
    sizer->Add(inhalt, 1, wxEXPAND);
    SetSizer(sizer);
    setEndrunde(endrunde);
}

clEndrundenpanel::~clEndrundenpanel() = default;

void clEndrundenpanel::setEndrunde(clEndrunde* endrunde)
{
    m_Endrunde = endrunde;
    m_Gewaehlt = nullptr;
    aktualisiere();
    if (m_Endrunde != nullptr)
    {
        m_Gewaehlt = m_Endrunde->getSpiel(0);
        waehle(getNaechstesOffenes(0));
    }
}

void clEndrundenpanel::aktualisiere()
{
    m_Layout.reset();
    if (m_Endrunde != nullptr)
    {
        const clEndrundenLayout::sAusschnitt ganz = clEndrundenLayout::ganz(*m_Endrunde);
        const wxSize groesse = clEndrundenLayout::getGroesse(ganz, Zeilenabstand, Spaltenbreite);
        m_Layout =
            std::make_unique<clEndrundenLayout>(*m_Endrunde, ganz, wxRect(wxPoint(Rand, Rand), groesse));
        m_Baum->SetVirtualSize(groesse + wxSize(2 * Rand, 2 * Rand));
    }
    fuelleEndstand();
    aktualisiereKurzVorschau();
    m_Baum->Refresh();
}

void clEndrundenpanel::fuelleEndstand()
{
    m_Endstand->DeleteAllItems();
    if (m_Endrunde == nullptr)
        return;
    const vecPlatzierung stand = m_EndstandQuelle ? m_EndstandQuelle() : m_Endrunde->getEndstand();
    for (const sPlatzierung& p : stand)
    {
        const long zeile = m_Endstand->InsertItem(
            m_Endstand->GetItemCount(), p.platz > 0 ? wxString::Format("%d.", p.platz) : wxString());
        m_Endstand->SetItem(zeile, 1, p.tn != nullptr ? p.tn->getAnzeige() : wxString());
    }
}

void clEndrundenpanel::waehle(const clTTSpiel* sp)
{
    if (sp == nullptr)
        return;
    m_Gewaehlt = sp;
    aktualisiereKurzVorschau();
    zeigeGewaehltes();
    m_Baum->Refresh();
}

void clEndrundenpanel::zeigeGewaehltes()
{
    if (m_Layout == nullptr || m_Gewaehlt == nullptr)
        return;
    // Scrolls only as far as the match needs to be seen whole.
    const wxRect rahmen = m_Layout->getRahmen(m_Gewaehlt);
    int x = 0, y = 0, proX = 1, proY = 1;
    m_Baum->GetViewStart(&x, &y);
    m_Baum->GetScrollPixelsPerUnit(&proX, &proY);
    const wxSize sicht = m_Baum->GetClientSize();
    const wxRect sichtbar(x * proX, y * proY, sicht.x, sicht.y);
    if (sichtbar.Contains(rahmen))
        return;
    int nx = x * proX, ny = y * proY;
    if (rahmen.GetLeft() < nx || rahmen.GetRight() > nx + sicht.x)
        nx = rahmen.GetLeft() - Rand;
    if (rahmen.GetTop() < ny || rahmen.GetBottom() > ny + sicht.y)
        ny = rahmen.GetTop() - Rand;
    m_Baum->Scroll(std::max(0, nx / proX), std::max(0, ny / proY));
}

void clEndrundenpanel::bewege(int taste)
{
    if (m_Endrunde == nullptr || m_Gewaehlt == nullptr)
        return;
    int runde = 0, nr = 0;
    getPosition(*m_Endrunde, m_Gewaehlt, runde, nr);
    const int letzte = m_Endrunde->getAnzahlRunden();
    const clTTSpiel* platz3 = m_Endrunde->getSpielUmPlatz3();
    const clTTSpiel* ziel = nullptr;
    switch (taste)
    {
    case WXK_UP:
        ziel = m_Gewaehlt == platz3 ? m_Endrunde->getSpiel(letzte, 1) : m_Endrunde->getSpiel(runde, nr - 1);
        break;
    case WXK_DOWN:
        ziel = runde == letzte && m_Gewaehlt != platz3 ? platz3 : m_Endrunde->getSpiel(runde, nr + 1);
        break;
    case WXK_LEFT:
        ziel = m_Endrunde->getSpiel(runde - 1, m_Gewaehlt == platz3 ? 2 : 2 * nr - 1);
        break;
    case WXK_RIGHT:
        ziel = m_Endrunde->getSpiel(runde + 1, (nr + 1) / 2);
        break;
    }
    waehle(ziel);
}

const clTTSpiel* clEndrundenpanel::getNaechstesOffenes(int ab) const
{
    for (int i = 0; i < m_Endrunde->getAnzahlSpiele(); ++i)
    {
        const clTTSpiel* sp = m_Endrunde->getSpiel((ab + i) % m_Endrunde->getAnzahlSpiele());
        if (m_Endrunde->istSpielbar(sp) && !sp->hatEingaben())
            return sp;
    }
    return m_Gewaehlt;
}

wxString clEndrundenpanel::getKurzVorschau() const
{
    return m_KurzVorschau->GetLabel();
}

void clEndrundenpanel::aktualisiereKurzVorschau()
{
    wxString text;
    bool fehler = false;
    if (m_Endrunde == nullptr)
        text = _("Es ist noch keine Endrunde ausgelost.");
    else if (m_Gewaehlt == nullptr || !m_Endrunde->istSpielbar(m_Gewaehlt))
        text = wxGetTranslation(L"Bitte ein Spiel wählen, dessen Spieler feststehen.");
    else
        text = clErgebnisEingabe::getKurzVorschau(m_Endrunde->getSpielname(m_Gewaehlt), m_Gewaehlt,
                                                  m_Kurzeingabe->GetValue(), fehler);
    clErgebnisEingabe::zeigeVorschau(m_KurzVorschau, text, fehler);
    fuelleSaetze();
}

void clEndrundenpanel::fuelleSaetze()
{
    const bool spielbar =
        m_Endrunde != nullptr && m_Gewaehlt != nullptr && m_Endrunde->istSpielbar(m_Gewaehlt);
    const int saetze = m_Endrunde != nullptr ? 2 * m_Endrunde->getGewinnsaetze() - 1 : 0;
    for (int snr = 1; snr <= clTTSpiel::MaxSaetze; ++snr)
    {
        const satz s = spielbar ? m_Gewaehlt->getSatzErg(snr) : satz();
        m_Saetze->SetColLabelValue(snr - 1, wxString::Format("%d", snr));
        m_Saetze->SetCellValue(0, snr - 1, s.P1 < 0 ? wxString() : wxString::Format("%d", s.P1));
        m_Saetze->SetCellValue(1, snr - 1, s.P2 < 0 ? wxString() : wxString::Format("%d", s.P2));
        for (int seite = 0; seite < 2; ++seite)
            m_Saetze->SetReadOnly(seite, snr - 1, !spielbar);
        if (snr <= saetze)
            m_Saetze->ShowCol(snr - 1);
        else
            m_Saetze->HideCol(snr - 1);
    }
    for (int seite = 0; seite < 2; ++seite)
    {
        const clTeilnehmer* tn = !spielbar ? nullptr : seite == 0 ? m_Gewaehlt->getT1() : m_Gewaehlt->getT2();
        m_Saetze->SetRowLabelValue(seite, tn != nullptr ? tn->getAnzeige() : wxString());
    }
    // A bracket drawn after the page was made, or with other sets to win, shows other columns.
    m_Saetze->InvalidateBestSize();
    Layout();
}

bool clEndrundenpanel::setzePunkte(int seite, int snr, const wxString& text)
{
    if (m_Endrunde == nullptr || m_Gewaehlt == nullptr || !m_Endrunde->istSpielbar(m_Gewaehlt) || snr < 1 ||
        snr > 2 * m_Endrunde->getGewinnsaetze() - 1 || (seite != 1 && seite != 2))
        return false;
    int punkte = -1;
    wxString grund;
    if (!wxString(text).Strip(wxString::both).empty() && !clKurzeingabe::liesPunkte(text, punkte, grund))
    {
        clStatuszeile::zeige(this, grund);
        wxBell();
        return false;
    }
    clStatuszeile::zeige(this, wxString());
    clTTSpiel* sp = m_Endrunde->getSpiel(m_Endrunde->getIndex(m_Gewaehlt));
    eingaben neu = sp->getEingaben();
    (seite == 1 ? neu.saetze[snr - 1].P1 : neu.saetze[snr - 1].P2) = punkte;
    return neu == sp->getEingaben() || setze(sp, neu, _("Satzergebnis der Endrunde"));
}

void clEndrundenpanel::OnSatzAendert(wxGridEvent& event)
{
    // The grid shows what the match holds once the entry is taken or refused.
    if (!setzePunkte(event.GetRow() + 1, event.GetCol() + 1, event.GetString()))
        event.Veto();
    CallAfter(&clEndrundenpanel::fuelleSaetze);
}

bool clEndrundenpanel::setze(clTTSpiel* sp, const eingaben& neu, const wxString& schritt)
{
    const std::vector<clTTSpiel*> verloren = m_Endrunde->getVerloreneErgebnisse(sp, neu);
    if (!verloren.empty())
    {
        wxString spiele;
        for (const clTTSpiel* v : verloren)
            spiele += wxString::Format("\n%s: %s - %s", m_Endrunde->getSpielname(v), v->getT1()->getAnzeige(),
                                       v->getT2()->getAnzeige());
        wxMessageDialog frage(
            this,
            wxString::Format(wxGetTranslation(L"%d Ergebnisse späterer Runden gehen verloren:%s"
                                              L"\n\nTrotzdem ändern?"),
                             static_cast<int>(verloren.size()), spiele),
            _("Ergebnis korrigieren?"), wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
        frage.SetYesNoLabels(_("Ja"), _("Nein"));
        if (frage.ShowModal() != wxID_YES)
            return false;
    }
    sEndrundenAenderung aenderung{sp, sp->getEingaben(), neu, {}, schritt};
    for (clTTSpiel* v : verloren)
        aenderung.verloren.emplace_back(v, v->getEingaben());
    sp->setEingaben(neu);
    m_Endrunde->pruefeSpiel(sp);
    if (m_Melde)
        m_Melde(aenderung);
    aktualisiere();
    return true;
}

bool clEndrundenpanel::uebernimmKurzeingabe()
{
    std::vector<satz> saetze;
    wxString grund;
    clTTSpiel* sp = m_Endrunde != nullptr ? m_Endrunde->getSpiel(m_Endrunde->getIndex(m_Gewaehlt)) : nullptr;
    if (sp == nullptr || !m_Endrunde->istSpielbar(sp) ||
        !clKurzeingabe::lies(m_Kurzeingabe->GetValue(), sp->getGewinnsaetze(), saetze, grund))
    {
        aktualisiereKurzVorschau();
        wxBell();
        return false;
    }
    eingaben neu;
    std::copy(saetze.begin(), saetze.end(), neu.saetze);
    // A correction that costs later results asks about those instead.
    if (m_Endrunde->getVerloreneErgebnisse(sp, neu).empty() &&
        !clErgebnisEingabe::darfErsetzen(this, sp, saetze))
        return false;
    if (!setze(sp, neu, _("Ergebnis der Endrunde")))
        return false;
    m_Kurzeingabe->ChangeValue(wxString());
    waehle(getNaechstesOffenes(m_Endrunde->getIndex(sp) + 1));
    return true;
}

void clEndrundenpanel::zeigeAusfallMenue(const wxPoint& pos)
{
    if (m_Endrunde == nullptr || m_Gewaehlt == nullptr || !m_Endrunde->istSpielbar(m_Gewaehlt))
        return;
    wxMenu menu;
    clErgebnisEingabe::fuelleAusfallMenue(menu, m_Gewaehlt, idAusfall);
    PopupMenu(&menu, pos);
}

void clEndrundenpanel::OnAusfall(wxCommandEvent& event)
{
    if (m_Endrunde == nullptr || m_Gewaehlt == nullptr || !m_Endrunde->istSpielbar(m_Gewaehlt))
        return;
    clTTSpiel* sp = m_Endrunde->getSpiel(m_Endrunde->getIndex(m_Gewaehlt));
    modAusfall art = ausfKeiner;
    int seite = 0;
    clErgebnisEingabe::getAusfall(event.GetId() - idAusfall, art, seite);
    eingaben neu = sp->getEingaben();
    neu.ausfall = art;
    neu.seite = art == ausfKeiner ? 0 : seite;
    if (neu != sp->getEingaben())
        setze(sp, neu,
              art == ausfKampflos  ? _("Kampflos")
              : art == ausfAufgabe ? _("Aufgabe")
                                   : _("Ohne w.o./Aufgabe"));
}

void clEndrundenpanel::OnKurzeingabe(wxCommandEvent&)
{
    aktualisiereKurzVorschau();
}

void clEndrundenpanel::OnKurzeingabeEnter(wxCommandEvent&)
{
    uebernimmKurzeingabe();
}

void clEndrundenpanel::OnZeichnen(wxPaintEvent&)
{
    wxAutoBufferedPaintDC dc(m_Baum);
    m_Baum->DoPrepareDC(dc);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    if (m_Layout != nullptr)
        clEndrundenZeichner::zeichne(dc, *m_Layout, m_Gewaehlt, m_Halle);
    else
        dc.DrawText(_("Es ist noch keine Endrunde ausgelost."), Rand, Rand);
}

void clEndrundenpanel::OnKlick(wxMouseEvent& event)
{
    m_Baum->SetFocus();
    if (m_Layout == nullptr)
        return;
    const clTTSpiel* sp = m_Layout->getSpielBei(m_Baum->CalcUnscrolledPosition(event.GetPosition()));
    waehle(sp);
    // A match that can be played takes its result at once.
    if (sp != nullptr && m_Endrunde->istSpielbar(sp))
        m_Kurzeingabe->SetFocus();
}

void clEndrundenpanel::OnRechtsklick(wxMouseEvent& event)
{
    if (m_Layout == nullptr)
        return;
    const clTTSpiel* sp = m_Layout->getSpielBei(m_Baum->CalcUnscrolledPosition(event.GetPosition()));
    if (sp == nullptr)
        return;
    waehle(sp);
    zeigeAusfallMenue(ScreenToClient(m_Baum->ClientToScreen(event.GetPosition())));
}

void clEndrundenpanel::OnCharHook(wxKeyEvent& event)
{
    const int taste = event.GetKeyCode();
    if (taste == 'K' && event.GetModifiers() == wxMOD_CONTROL)
    {
        m_Kurzeingabe->SetFocus();
        m_Kurzeingabe->SelectAll();
        return;
    }
    if (taste == WXK_ESCAPE && wxWindow::FindFocus() == m_Kurzeingabe)
    {
        m_Baum->SetFocus();
        return;
    }
    if (wxWindow::FindFocus() != m_Baum)
    {
        event.Skip();
        return;
    }
    if (taste == WXK_MENU || taste == WXK_WINDOWS_MENU ||
        (taste == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT))
    {
        if (m_Layout != nullptr && m_Gewaehlt != nullptr)
            zeigeAusfallMenue(ScreenToClient(m_Baum->ClientToScreen(
                m_Baum->CalcScrolledPosition(m_Layout->getRahmen(m_Gewaehlt).GetBottomLeft()))));
        return;
    }
    if (event.HasAnyModifiers())
        event.Skip();
    else if (taste == WXK_UP || taste == WXK_DOWN || taste == WXK_LEFT || taste == WXK_RIGHT)
        bewege(taste);
    else if ((taste == WXK_RETURN || taste == WXK_NUMPAD_ENTER) && m_Gewaehlt != nullptr &&
             m_Endrunde->istSpielbar(m_Gewaehlt))
        m_Kurzeingabe->SetFocus();
    else
        event.Skip();
}

// The event table closes the file: formatting would indent what followed it.
// clang-format off
wxBEGIN_EVENT_TABLE(clEndrundenpanel, wxPanel)
    EVT_CHAR_HOOK(clEndrundenpanel::OnCharHook)
    EVT_TEXT(idKurzeingabe, clEndrundenpanel::OnKurzeingabe)
    EVT_TEXT_ENTER(idKurzeingabe, clEndrundenpanel::OnKurzeingabeEnter)
    EVT_MENU_RANGE(idAusfall, idAusfallLetzte, clEndrundenpanel::OnAusfall)
wxEND_EVENT_TABLE()
