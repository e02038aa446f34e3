#include "ansicht/clSpielbetriebpanel.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choicdlg.h>
#include <wx/frame.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/spinctrl.h>
#include <wx/statusbr.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ansicht/clErgebnisEingabe.h"
#include "ansicht/clStatuszeile.h"
#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"
#include "modell/clTurnier.h"

namespace
{
wxListCtrl* erzeugeListe(wxWindow* eltern, int id, std::initializer_list<std::pair<wxString, int>> spalten)
{
    auto* liste = new wxListCtrl(eltern, id, wxDefaultPosition, wxDefaultSize,
                                 wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES);
    for (const auto& spalte : spalten)
        liste->AppendColumn(spalte.first, wxLIST_FORMAT_LEFT, liste->FromDIP(spalte.second));
    return liste;
}

long getAuswahl(const wxListCtrl* liste)
{
    return liste->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

void waehle(wxListCtrl* liste, long zeile)
{
    if (zeile >= 0 && zeile < liste->GetItemCount())
        liste->SetItemState(zeile, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                            wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
}
} // namespace

clSpielbetriebpanel::clSpielbetriebpanel(wxWindow* parent, clTurnier* turnier, fnDrucke drucke)
    : wxPanel(parent), m_Turnier(turnier), m_Drucke(std::move(drucke))
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Platten")), 0, wxLEFT | wxTOP, 5);
    m_Platten = erzeugeListe(this, idPlatten,
                             {{_("Platte"), 60}, {_("Spiel"), 320}, {_("Ort"), 260}, {_("seit"), 70}});
    sizer->Add(m_Platten, 1, wxEXPAND | wxALL, 5);
    sizer->Add(clErgebnisEingabe::erzeugeKurzeingabe(this, idKurzeingabe, m_Kurzeingabe, m_KurzVorschau), 0,
               wxEXPAND);

    wxBoxSizer* knoepfe = new wxBoxSizer(wxHORIZONTAL);
    knoepfe->Add(new wxButton(this, idAufrufen, _("Aufrufen")), 0, wxRIGHT, 5);
    knoepfe->Add(new wxButton(this, idZuruecknehmen, wxGetTranslation(L"Zurücknehmen")), 0, wxRIGHT, 5);
    knoepfe->Add(new wxButton(this, idVerlegen, _("Verlegen...")), 0, wxRIGHT, 15);
    knoepfe->Add(new wxStaticText(this, wxID_ANY, _("Mindestpause (Minuten)")), 0,
                 wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    m_Mindestpause = new wxSpinCtrl(this, idMindestpause, wxString(), wxDefaultPosition, wxDefaultSize,
                                    wxSP_ARROW_KEYS, 0, clSpielbetrieb::MaxMindestpause, 0);
    knoepfe->Add(m_Mindestpause, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 15);
    m_Zettel = new wxCheckBox(this, idZettel, _("Spielzettel beim Aufruf drucken"));
    knoepfe->Add(m_Zettel, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(knoepfe, 0, wxALL, 5);

    sizer->Add(new wxStaticText(this, wxID_ANY, wxGetTranslation(L"Jetzt aufrufbar")), 0, wxLEFT | wxTOP, 5);
    m_Aufrufbare = erzeugeListe(this, idAufrufbare,
                                {{_("Spiel"), 320}, {_("Ort"), 260}, {_("Platte"), 60}, {_("Hinweis"), 160}});
    sizer->Add(m_Aufrufbare, 1, wxEXPAND | wxALL, 5);
    SetSizer(sizer);
    fuelle();
    m_Turnier->addBeobachter(this);
    m_Kurzeingabe->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { zeigeKurzVorschau(); });
    // Enter on the empty field calls the match proposed next: result, Enter, Enter.
    m_Kurzeingabe->Bind(wxEVT_TEXT_ENTER,
                        [this](wxCommandEvent&)
                        {
                            if (wxString(m_Kurzeingabe->GetValue()).Strip(wxString::both).empty())
                                rufeAuf();
                            else
                                uebernimmErgebnis();
                        });
    m_Platten->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent&) { zeigeKurzVorschau(); });
    // Enter on a table where a match is played goes to its result.
    m_Platten->Bind(wxEVT_LIST_ITEM_ACTIVATED,
                    [this](wxListEvent&)
                    {
                        if (getGewaehlteLaufende() != nullptr)
                            m_Kurzeingabe->SetFocus();
                    });
}

clSpielbetriebpanel::~clSpielbetriebpanel()
{
    m_Turnier->removeBeobachter(this);
}

void clSpielbetriebpanel::setTurnier(clTurnier* turnier)
{
    if (turnier == m_Turnier)
        return;
    m_Turnier->removeBeobachter(this);
    m_Turnier = turnier;
    m_Turnier->addBeobachter(this);
    m_Vorschlag.clear();
    fuelle();
}

void clSpielbetriebpanel::fuelle()
{
    const clSpielbetrieb& halle = m_Turnier->getSpielbetrieb();
    // The organiser's choice stays while its match can still be called.
    const long alteWahl = getAuswahl(m_Aufrufbare);
    const clTTSpiel* gewaehlt =
        alteWahl >= 0 && alteWahl < static_cast<long>(m_Liste.size()) ? m_Liste[alteWahl].spiel : nullptr;
    const long alteTisch = getAuswahl(m_Platten);

    const int platten = std::max(1, m_Turnier->getAllgemein()->Platten);
    m_SpielAn.assign(platten, nullptr);
    m_Platten->Freeze();
    m_Platten->DeleteAllItems();
    for (int p = 1; p <= platten; ++p)
    {
        clTTSpiel* sp = halle.getSpielAn(p);
        m_SpielAn[p - 1] = sp;
        const long zeile = m_Platten->InsertItem(p - 1, wxString::Format("%d", p));
        m_Platten->SetItem(zeile, 1, sp != nullptr ? sp->getPaarung() : _("frei"));
        if (sp == nullptr)
            continue;
        m_Platten->SetItem(zeile, 2, m_Turnier->getSpielort(sp));
        m_Platten->SetItem(zeile, 3, clSpielbetrieb::getUhrzeit(halle.getAufruf(sp)->beginn));
    }
    waehle(m_Platten, alteTisch);
    m_Platten->Thaw();
    zeigeKurzVorschau();

    m_Liste = halle.getAufrufbare(*m_Turnier);
    m_Aufrufbare->Freeze();
    m_Aufrufbare->DeleteAllItems();
    long wahl = 0;
    for (size_t i = 0; i < m_Liste.size(); ++i)
    {
        const sAufrufbar& a = m_Liste[i];
        const long zeile = m_Aufrufbare->InsertItem(static_cast<long>(i), a.spiel->getPaarung());
        m_Aufrufbare->SetItem(zeile, 1, m_Turnier->getSpielort(a.spiel));
        m_Aufrufbare->SetItem(zeile, 2, a.platte > 0 ? wxString::Format("%d", a.platte) : wxString());
        if (!a.bereit)
        {
            m_Aufrufbare->SetItem(
                zeile, 3,
                wxString::Format(_("Pause bis %s"),
                                 clSpielbetrieb::getUhrzeit(a.zuletzt + 60 * halle.getMindestpause())));
            m_Aufrufbare->SetItemTextColour(zeile, wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        }
        if (a.spiel == gewaehlt)
            wahl = zeile;
    }
    waehle(m_Aufrufbare, wahl);
    m_Aufrufbare->Thaw();
    m_Mindestpause->SetValue(halle.getMindestpause());
}

const clTTSpiel* clSpielbetriebpanel::getVorschlag() const
{
    const long zeile = getAuswahl(m_Aufrufbare);
    if (m_Liste.empty())
        return nullptr;
    return m_Liste[zeile >= 0 && zeile < static_cast<long>(m_Liste.size()) ? zeile : 0].spiel;
}

clTTSpiel* clSpielbetriebpanel::getGewaehlteLaufende() const
{
    const long zeile = getAuswahl(m_Platten);
    return zeile >= 0 && zeile < static_cast<long>(m_SpielAn.size()) ? m_SpielAn[zeile] : nullptr;
}

void clSpielbetriebpanel::zeigeKurzVorschau()
{
    const clTTSpiel* sp = getGewaehlteLaufende();
    bool fehler = false;
    const wxString text =
        sp == nullptr ? wxGetTranslation(L"Für ein Ergebnis bitte die Platte wählen, an der gespielt wird.")
                      : clErgebnisEingabe::getKurzVorschau(
                            wxString::Format(_("Platte %d"), static_cast<int>(getAuswahl(m_Platten)) + 1), sp,
                            m_Kurzeingabe->GetValue(), fehler);
    clErgebnisEingabe::zeigeVorschau(m_KurzVorschau, text, fehler);
}

wxString clSpielbetriebpanel::getKurzVorschau() const
{
    return m_KurzVorschau->GetLabel();
}

bool clSpielbetriebpanel::uebernimmErgebnis()
{
    clTTSpiel* sp = getGewaehlteLaufende();
    std::vector<satz> saetze;
    if (!clErgebnisEingabe::liesKurzeingabe(this, sp, m_Kurzeingabe->GetValue(), saetze))
    {
        zeigeKurzVorschau();
        return false;
    }
    m_Kurzeingabe->ChangeValue(wxString());
    sp->setSaetze(saetze);
    m_Turnier->pruefeWertung(sp);
    return true;
}

bool clSpielbetriebpanel::setzeAusfall(int ofs)
{
    clTTSpiel* sp = getGewaehlteLaufende();
    if (sp == nullptr)
        return false;
    modAusfall art = ausfKeiner;
    int seite = 0;
    clErgebnisEingabe::getAusfall(ofs, art, seite);
    sp->setAusfall(art, seite);
    m_Turnier->pruefeWertung(sp);
    return true;
}

// A player who does not come to the table is the desk's business as much as a result.
void clSpielbetriebpanel::OnAusfallMenue(wxListEvent& event)
{
    waehle(m_Platten, event.GetIndex());
    const clTTSpiel* sp = getGewaehlteLaufende();
    if (sp == nullptr)
        return;
    wxMenu menu;
    clErgebnisEingabe::fuelleAusfallMenue(menu, sp, idAusfall);
    const int wahl =
        GetPopupMenuSelectionFromUser(menu, ScreenToClient(m_Platten->ClientToScreen(event.GetPoint())));
    if (wahl >= idAusfall && wahl < idAusfall + clErgebnisEingabe::AnzahlAusfaelle)
        setzeAusfall(wahl - idAusfall);
}

void clSpielbetriebpanel::OnCharHook(wxKeyEvent& event)
{
    if (event.GetKeyCode() == 'K' && event.GetModifiers() == wxMOD_CONTROL)
    {
        m_Kurzeingabe->SetFocus();
        m_Kurzeingabe->SelectAll();
        return;
    }
    event.Skip();
}

void clSpielbetriebpanel::melde(const wxString& text)
{
    clStatuszeile::zeige(this, text);
}

bool clSpielbetriebpanel::rufeAuf()
{
    const clTTSpiel* vorschlag = getVorschlag();
    const auto it = std::find_if(m_Liste.begin(), m_Liste.end(),
                                 [vorschlag](const sAufrufbar& a) { return a.spiel == vorschlag; });
    if (it == m_Liste.end())
    {
        melde(wxGetTranslation(L"Es gibt kein Spiel, das jetzt aufgerufen werden kann."));
        return false;
    }
    if (it->platte == 0)
    {
        melde(_("Alle Platten sind belegt."));
        return false;
    }
    clTTSpiel* sp = it->spiel;
    const wxString paarung = sp->getPaarung();
    if (!m_Turnier->rufeAuf(sp))
    {
        melde(wxString::Format(_("%s kann jetzt nicht aufgerufen werden."), paarung));
        return false;
    }
    const sAufruf* aufruf = m_Turnier->getSpielbetrieb().getAufruf(sp);
    melde(wxString::Format(_("%s an Platte %d aufgerufen."), paarung, aufruf->platte));
    if (m_Zettel->GetValue() && m_Drucke)
        m_Drucke(sp);
    return true;
}

bool clSpielbetriebpanel::nimmZurueck()
{
    clTTSpiel* sp = getGewaehlteLaufende();
    if (sp == nullptr)
    {
        melde(wxGetTranslation(L"Bitte eine Platte wählen, an der gespielt wird."));
        return false;
    }
    return m_Turnier->nimmAufrufZurueck(sp);
}

bool clSpielbetriebpanel::verlege()
{
    clTTSpiel* sp = getGewaehlteLaufende();
    if (sp == nullptr)
    {
        melde(wxGetTranslation(L"Bitte eine Platte wählen, an der gespielt wird."));
        return false;
    }
    wxArrayString namen;
    std::vector<int> freie;
    for (size_t p = 0; p < m_SpielAn.size(); ++p)
        if (m_SpielAn[p] == nullptr)
        {
            freie.push_back(static_cast<int>(p + 1));
            namen.Add(wxString::Format(_("Platte %d"), static_cast<int>(p + 1)));
        }
    if (freie.empty())
    {
        melde(_("Alle Platten sind belegt."));
        return false;
    }
    const int wahl = wxGetSingleChoiceIndex(wxString::Format(_("%s an welche Platte?"), sp->getPaarung()),
                                            _("Verlegen"), namen, 0, this);
    return wahl >= 0 && m_Turnier->verlegeAufruf(sp, freie[wahl]);
}

void clSpielbetriebpanel::turnierGeaendert(modAenderung art, const wxString&)
{
    std::vector<bool> belegt;
    for (const clTTSpiel* sp : m_SpielAn)
        belegt.push_back(sp != nullptr);
    fuelle();
    // A proposal made before no longer holds.
    auto* fenster = dynamic_cast<wxFrame*>(wxGetTopLevelParent(this));
    if (!m_Vorschlag.empty() && fenster != nullptr && fenster->GetStatusBar() != nullptr &&
        fenster->GetStatusBar()->GetStatusText() == m_Vorschlag)
        melde(wxString());
    m_Vorschlag.clear();
    // A result freed a table: the next call is proposed, where it does not disturb typing.
    if (art != aendErgebnis || m_Liste.empty())
        return;
    for (size_t p = 0; p < belegt.size() && p < m_SpielAn.size(); ++p)
        if (belegt[p] && m_SpielAn[p] == nullptr)
        {
            waehle(m_Aufrufbare, 0);
            m_Vorschlag = wxString::Format(
                wxGetTranslation(L"Platte %d ist frei – nächster Aufruf: %s an Platte "
                                 L"%d (Enter auf der Seite Spielbetrieb)"),
                static_cast<int>(p + 1), m_Liste.front().spiel->getPaarung(), m_Liste.front().platte);
            melde(m_Vorschlag);
            return;
        }
}

void clSpielbetriebpanel::gruppenWerdenErsetzt()
{
    // The matches the lists point to are about to go.
    m_SpielAn.assign(m_SpielAn.size(), nullptr);
    m_Liste.clear();
    m_Aufrufbare->DeleteAllItems();
}

void clSpielbetriebpanel::OnAufrufen(wxCommandEvent&)
{
    rufeAuf();
}

void clSpielbetriebpanel::OnZuruecknehmen(wxCommandEvent&)
{
    nimmZurueck();
}

void clSpielbetriebpanel::OnVerlegen(wxCommandEvent&)
{
    verlege();
}

void clSpielbetriebpanel::OnMindestpause(wxSpinEvent& event)
{
    m_Turnier->setMindestpause(event.GetPosition());
}

void clSpielbetriebpanel::OnAktiviert(wxListEvent&)
{
    rufeAuf();
}

// The event table closes the file: formatting would indent what followed it.
// clang-format off
wxBEGIN_EVENT_TABLE(clSpielbetriebpanel, wxPanel)
    EVT_BUTTON(idAufrufen, clSpielbetriebpanel::OnAufrufen)
    EVT_BUTTON(idZuruecknehmen, clSpielbetriebpanel::OnZuruecknehmen)
    EVT_BUTTON(idVerlegen, clSpielbetriebpanel::OnVerlegen)
    EVT_SPINCTRL(idMindestpause, clSpielbetriebpanel::OnMindestpause)
    EVT_LIST_ITEM_ACTIVATED(idAufrufbare, clSpielbetriebpanel::OnAktiviert)
    EVT_CHAR_HOOK(clSpielbetriebpanel::OnCharHook)
    EVT_LIST_ITEM_RIGHT_CLICK(idPlatten, clSpielbetriebpanel::OnAusfallMenue)
wxEND_EVENT_TABLE()
    // clang-format on
