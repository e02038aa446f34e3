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
#include "modell/clTurniertag.h"

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

clSpielbetriebpanel::clSpielbetriebpanel(wxWindow* parent, clTurniertag* tag, fnDrucke drucke)
    : wxPanel(parent), m_Tag(tag), m_Drucke(std::move(drucke))
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
                                {{_("Spiel"), 320}, {_("Ort"), 260}, {_("Platte"), 60}, {_("Hinweis"), 300}});
    sizer->Add(m_Aufrufbare, 1, wxEXPAND | wxALL, 5);
    SetSizer(sizer);
    fuelle();
    m_Tag->addBeobachter(this);
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
    m_Tag->removeBeobachter(this);
}

wxString clSpielbetriebpanel::getVorsatz(int konkurrenz) const
{
    return m_Tag->getAnzahl() > 1 ? m_Tag->getName(konkurrenz) + ": " : wxString();
}

std::vector<sHallenVorschlag> clSpielbetriebpanel::sucheWartende() const
{
    std::vector<sHallenVorschlag> wartende;
    if (m_Tag->getAnzahl() < 2)
        return wartende;
    for (const sHallenAufruf& a : m_Tag->getLaufende())
        for (const clTeilnehmer* tn : {a.aufruf.spiel->getT1(), a.aufruf.spiel->getT2()})
            for (int person :
                 tn != nullptr ? m_Tag->getPersonenVon(a.konkurrenz, tn->getKennung()) : std::vector<int>())
                for (int i : m_Tag->getKonkurrenzenVon(person))
                {
                    const clTurnier* k = m_Tag->getKonkurrenz(i);
                    if (i == a.konkurrenz)
                        continue;
                    for (int snr = 1; snr <= k->getAnzahlTeilnehmer(); ++snr)
                    {
                        const std::vector<int> personen =
                            m_Tag->getPersonenVon(i, k->getTeilnehmer(snr)->getKennung());
                        if (std::find(personen.begin(), personen.end(), person) == personen.end())
                            continue;
                        for (clTTSpiel* sp : k->getOffeneSpiele(snr))
                            if (k->getSpielbetrieb().getAufruf(sp) == nullptr)
                            {
                                if (std::none_of(wartende.begin(), wartende.end(),
                                                 [sp](const sHallenVorschlag& w)
                                                 { return w.vorschlag.spiel == sp; }))
                                    wartende.push_back({i, {sp}, 0});
                                break;
                            }
                    }
                }
    return wartende;
}

void clSpielbetriebpanel::fuelle()
{
    // The organiser's choice stays while its match can still be called.
    const sHallenVorschlag* alt = getGewaehlterVorschlag();
    const clTTSpiel* gewaehlt =
        alt != nullptr && getAuswahl(m_Aufrufbare) >= 0 ? alt->vorschlag.spiel : nullptr;
    const long alteTisch = getAuswahl(m_Platten);

    const int platten = std::max(1, m_Tag->getPlatten());
    m_SpielAn.assign(platten, sHallenAufruf());
    for (const sHallenAufruf& a : m_Tag->getLaufende())
        if (a.platte >= 1 && a.platte <= platten)
            m_SpielAn[a.platte - 1] = a;
    m_Platten->Freeze();
    m_Platten->DeleteAllItems();
    for (int p = 1; p <= platten; ++p)
    {
        const sHallenAufruf& a = m_SpielAn[p - 1];
        const clTTSpiel* sp = a.aufruf.spiel;
        const long zeile = m_Platten->InsertItem(p - 1, wxString::Format("%d", p));
        m_Platten->SetItem(zeile, 1, sp != nullptr ? sp->getPaarung() : _("frei"));
        if (sp == nullptr)
            continue;
        m_Platten->SetItem(zeile, 2,
                           getVorsatz(a.konkurrenz) + m_Tag->getKonkurrenz(a.konkurrenz)->getSpielort(sp));
        m_Platten->SetItem(zeile, 3, clSpielbetrieb::getUhrzeit(a.aufruf.beginn));
    }
    waehle(m_Platten, alteTisch);
    m_Platten->Thaw();
    zeigeKurzVorschau();

    m_Liste = m_Tag->getNaechste();
    for (const sHallenVorschlag& w : sucheWartende())
        m_Liste.push_back(w);
    m_Aufrufbare->Freeze();
    m_Aufrufbare->DeleteAllItems();
    long wahl = 0;
    for (size_t i = 0; i < m_Liste.size(); ++i)
    {
        const sHallenVorschlag& v = m_Liste[i];
        const clTTSpiel* sp = v.vorschlag.spiel;
        const long zeile = m_Aufrufbare->InsertItem(static_cast<long>(i), sp->getPaarung());
        m_Aufrufbare->SetItem(zeile, 1,
                              getVorsatz(v.konkurrenz) + m_Tag->getKonkurrenz(v.konkurrenz)->getSpielort(sp));
        m_Aufrufbare->SetItem(zeile, 2, v.platte > 0 ? wxString::Format("%d", v.platte) : wxString());
        const wxString grund = v.platte > 0 ? wxString() : m_Tag->getWartegrund(v.konkurrenz, sp);
        if (!v.vorschlag.bereit || !grund.empty())
        {
            m_Aufrufbare->SetItem(
                zeile, 3,
                !grund.empty() ? grund
                               : wxString::Format(_("Pause bis %s"),
                                                  clSpielbetrieb::getUhrzeit(v.vorschlag.zuletzt +
                                                                             60 * m_Tag->getMindestpause())));
            m_Aufrufbare->SetItemTextColour(zeile, wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        }
        if (sp == gewaehlt)
            wahl = zeile;
    }
    waehle(m_Aufrufbare, wahl);
    m_Aufrufbare->Thaw();
    m_Mindestpause->SetValue(m_Tag->getMindestpause());
}

const sHallenVorschlag* clSpielbetriebpanel::getGewaehlterVorschlag() const
{
    const long zeile = getAuswahl(m_Aufrufbare);
    if (m_Liste.empty())
        return nullptr;
    return &m_Liste[zeile >= 0 && zeile < static_cast<long>(m_Liste.size()) ? zeile : 0];
}

const clTTSpiel* clSpielbetriebpanel::getVorschlag() const
{
    const sHallenVorschlag* v = getGewaehlterVorschlag();
    return v != nullptr ? v->vorschlag.spiel : nullptr;
}

wxString clSpielbetriebpanel::getWartegrund() const
{
    const sHallenVorschlag* v = getGewaehlterVorschlag();
    if (v == nullptr)
        return wxGetTranslation(L"Es gibt kein Spiel, das jetzt aufgerufen werden kann.");
    if (v->platte > 0)
        return wxString();
    const wxString grund = m_Tag->getWartegrund(v->konkurrenz, v->vorschlag.spiel);
    if (!grund.empty())
        return grund;
    if (!v->vorschlag.bereit)
        return wxString::Format(_("Pause bis %s"), clSpielbetrieb::getUhrzeit(v->vorschlag.zuletzt +
                                                                              60 * m_Tag->getMindestpause()));
    return _("Alle Platten sind belegt.");
}

clTTSpiel* clSpielbetriebpanel::getGewaehlteLaufende() const
{
    const long zeile = getAuswahl(m_Platten);
    return zeile >= 0 && zeile < static_cast<long>(m_SpielAn.size()) ? m_SpielAn[zeile].aufruf.spiel
                                                                     : nullptr;
}

clTurnier* clSpielbetriebpanel::getGewaehlteKonkurrenz() const
{
    const long zeile = getAuswahl(m_Platten);
    return zeile >= 0 && zeile < static_cast<long>(m_SpielAn.size())
               ? m_Tag->getKonkurrenz(m_SpielAn[zeile].konkurrenz)
               : nullptr;
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
    getGewaehlteKonkurrenz()->pruefeWertung(sp);
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
    getGewaehlteKonkurrenz()->pruefeWertung(sp);
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
    const sHallenVorschlag* v = getGewaehlterVorschlag();
    const wxString grund = getWartegrund();
    if (!grund.empty())
    {
        melde(grund);
        return false;
    }
    clTTSpiel* sp = v->vorschlag.spiel;
    const int i = v->konkurrenz;
    const wxString paarung = sp->getPaarung();
    if (!m_Tag->rufeAuf(i, sp, v->platte))
    {
        melde(wxString::Format(_("%s kann jetzt nicht aufgerufen werden."), paarung));
        return false;
    }
    // The call changed the lists, and v with them: the class is asked again.
    clTurnier* k = m_Tag->getKonkurrenz(i);
    melde(wxString::Format(_("%s an Platte %d aufgerufen."), paarung,
                           m_Tag->getHallenPlatte(i, k->getSpielbetrieb().getAufruf(sp)->platte)));
    if (m_Zettel->GetValue() && m_Drucke)
        m_Drucke(k, sp);
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
    return getGewaehlteKonkurrenz()->nimmAufrufZurueck(sp);
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
    const long zeile = getAuswahl(m_Platten);
    const int i = m_SpielAn[zeile].konkurrenz;
    for (size_t p = 0; p < m_SpielAn.size(); ++p)
        if (m_SpielAn[p].aufruf.spiel == nullptr && m_Tag->getEigenePlatte(i, static_cast<int>(p + 1)) > 0)
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
    return wahl >= 0 && m_Tag->getKonkurrenz(i)->verlegeAufruf(sp, m_Tag->getEigenePlatte(i, freie[wahl]));
}

void clSpielbetriebpanel::turnierGeaendert(modAenderung art, const wxString&)
{
    std::vector<bool> belegt;
    for (const sHallenAufruf& a : m_SpielAn)
        belegt.push_back(a.aufruf.spiel != nullptr);
    fuelle();
    // A proposal made before no longer holds.
    auto* fenster = dynamic_cast<wxFrame*>(wxGetTopLevelParent(this));
    if (!m_Vorschlag.empty() && fenster != nullptr && fenster->GetStatusBar() != nullptr &&
        fenster->GetStatusBar()->GetStatusText() == m_Vorschlag)
        melde(wxString());
    m_Vorschlag.clear();
    // A result freed a table: the next call is proposed, where it does not disturb typing.
    if (art != aendErgebnis || m_Liste.empty() || m_Liste.front().platte == 0)
        return;
    for (size_t p = 0; p < belegt.size() && p < m_SpielAn.size(); ++p)
        if (belegt[p] && m_SpielAn[p].aufruf.spiel == nullptr)
        {
            waehle(m_Aufrufbare, 0);
            m_Vorschlag =
                wxString::Format(wxGetTranslation(L"Platte %d ist frei – nächster Aufruf: %s an Platte "
                                                  L"%d (Enter auf der Seite Spielbetrieb)"),
                                 static_cast<int>(p + 1), m_Liste.front().vorschlag.spiel->getPaarung(),
                                 m_Liste.front().platte);
            melde(m_Vorschlag);
            return;
        }
}

void clSpielbetriebpanel::gruppenWerdenErsetzt()
{
    // The matches the lists point to are about to go.
    m_SpielAn.assign(m_SpielAn.size(), sHallenAufruf());
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
    m_Tag->setMindestpause(event.GetPosition());
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
