#include "ansicht/clKonkurrenzenpanel.h"

#include <algorithm>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/textdlg.h>
#include <wx/tokenzr.h>

#include "modell/clTurnier.h"
#include "modell/clTurniertag.h"

namespace
{
wxString getForm(int form)
{
    return form == formGruppen ? _("Gruppen mit Endrunde")
           : form == formKO    ? _("KO-System")
                               : _("Jeder gegen jeden");
}

wxString getPlattenText(const std::vector<int>& platten)
{
    if (platten.empty())
        return _("alle");
    wxString text;
    for (int p : platten)
        text += (text.empty() ? "" : " ") + wxString::Format("%d", p);
    return text;
}
} // namespace

clKonkurrenzenpanel::clKonkurrenzenpanel(wxWindow* parent, clTurniertag* tag, fnZeige zeige)
    : wxPanel(parent), m_Tag(tag), m_Zeige(std::move(zeige))
{
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    m_Liste = new wxListCtrl(this, idListe, wxDefaultPosition, wxDefaultSize, wxLC_REPORT | wxLC_SINGLE_SEL);
    const std::pair<wxString, int> spalten[] = {{_("Name"), 220},     {_("Art"), 80},    {_("Form"), 190},
                                                {_("Meldungen"), 90}, {_("Spiele"), 90}, {_("Stufe"), 100},
                                                {_("Platten"), 160}};
    for (const auto& [titel, breite] : spalten)
        m_Liste->AppendColumn(titel, wxLIST_FORMAT_LEFT, FromDIP(breite));
    sizer->Add(m_Liste, 1, wxEXPAND | wxALL, 10);
    wxBoxSizer* knoepfe = new wxBoxSizer(wxHORIZONTAL);
    knoepfe->Add(new wxButton(this, idNeu, _("Neu...")), 0, wxRIGHT, 5);
    knoepfe->Add(new wxButton(this, idUmbenennen, _("Umbenennen...")), 0, wxRIGHT, 5);
    knoepfe->Add(new wxButton(this, idKopieren, _("Kopieren...")), 0, wxRIGHT, 5);
    knoepfe->Add(new wxButton(this, idEntfernen, _("Entfernen...")), 0, wxRIGHT, 15);
    knoepfe->Add(new wxButton(this, idPlatten, _("Platten...")), 0);
    sizer->Add(knoepfe, 0, wxLEFT | wxRIGHT | wxBOTTOM, 10);
    SetSizer(sizer);
    Bind(wxEVT_BUTTON, &clKonkurrenzenpanel::OnNeu, this, idNeu);
    Bind(wxEVT_BUTTON, &clKonkurrenzenpanel::OnUmbenennen, this, idUmbenennen);
    Bind(wxEVT_BUTTON, &clKonkurrenzenpanel::OnKopieren, this, idKopieren);
    Bind(wxEVT_BUTTON, &clKonkurrenzenpanel::OnEntfernen, this, idEntfernen);
    Bind(wxEVT_BUTTON, &clKonkurrenzenpanel::OnPlatten, this, idPlatten);
    m_Liste->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent& event) { m_Zeige(event.GetIndex()); });
    fuelle();
    m_Tag->addBeobachter(this);
}

clKonkurrenzenpanel::~clKonkurrenzenpanel()
{
    m_Tag->removeBeobachter(this);
}

void clKonkurrenzenpanel::turnierGeaendert(modAenderung, const wxString&)
{
    fuelle();
}

wxString clKonkurrenzenpanel::getZelle(int zeile, Spalte spalte) const
{
    return m_Liste->GetItemText(zeile, spalte);
}

int clKonkurrenzenpanel::getGewaehlte() const
{
    const long zeile = m_Liste->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    return zeile >= 0 && zeile < m_Tag->getAnzahl() ? static_cast<int>(zeile) : 0;
}

void clKonkurrenzenpanel::waehle(int i)
{
    if (i >= 0 && i < m_Liste->GetItemCount())
        m_Liste->SetItemState(i, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                              wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
}

void clKonkurrenzenpanel::fuelle()
{
    const int gewaehlt = getGewaehlte();
    const int n = m_Tag->getAnzahl();
    while (m_Liste->GetItemCount() > n)
        m_Liste->DeleteItem(m_Liste->GetItemCount() - 1);
    while (m_Liste->GetItemCount() < n)
        m_Liste->InsertItem(m_Liste->GetItemCount(), wxString());
    for (int i = 0; i < n; ++i)
    {
        const allgemein* alg = m_Tag->getKonkurrenz(i)->getAllgemein();
        const auto [entschieden, alle] = m_Tag->getSpielstand(i);
        const wxString zellen[AnzahlSpalten] = {
            m_Tag->getName(i),
            clTurniertag::getArtName(alg->Art),
            getForm(alg->Turnierform),
            wxString::Format("%d", m_Tag->getKonkurrenz(i)->getAnzahlTeilnehmer()),
            wxString::Format("%d/%d", entschieden, alle),
            m_Tag->getStufe(i),
            getPlattenText(m_Tag->getEigenePlatten(i))};
        for (int s = 0; s < AnzahlSpalten; ++s)
            if (m_Liste->GetItemText(i, s) != zellen[s])
                m_Liste->SetItem(i, s, zellen[s]);
    }
    waehle(std::min(gewaehlt, n - 1));
}

bool clKonkurrenzenpanel::liesPlatten(const wxString& text, std::vector<int>& platten)
{
    platten.clear();
    wxStringTokenizer teile(text, " ,;", wxTOKEN_STRTOK);
    while (teile.HasMoreTokens())
    {
        const wxString teil = teile.GetNextToken();
        long von = 0, bis = 0;
        const wxString links = teil.BeforeFirst('-');
        const wxString rechts = teil.Contains("-") ? teil.AfterFirst('-') : links;
        if (!links.ToLong(&von) || !rechts.ToLong(&bis) || von < 1 || bis < von ||
            bis > clTurnier::MaxPlatten)
            return false;
        for (long p = von; p <= bis; ++p)
            platten.push_back(static_cast<int>(p));
    }
    return true;
}

wxString clKonkurrenzenpanel::frageName(const wxString& titel, const wxString& vorschlag, int ausser)
{
    wxString name = vorschlag;
    for (;;)
    {
        wxTextEntryDialog dlg(this, _("Name der Konkurrenz:"), titel, name);
        if (dlg.ShowModal() != wxID_OK)
            return wxString();
        name = wxString(dlg.GetValue()).Strip(wxString::both);
        const wxString grund = m_Tag->pruefeName(name, ausser);
        if (grund.empty())
            return name;
        wxMessageDialog(this, grund, titel, wxOK | wxICON_ERROR).ShowModal();
    }
}

void clKonkurrenzenpanel::OnNeu(wxCommandEvent&)
{
    if (m_Tag->getAnzahl() >= clTurniertag::MaxKonkurrenzen)
    {
        wxMessageDialog(this,
                        wxString::Format(wxGetTranslation(L"Ein Turniertag hat höchstens %d Konkurrenzen."),
                                         clTurniertag::MaxKonkurrenzen),
                        _("Neue Konkurrenz"), wxOK | wxICON_ERROR)
            .ShowModal();
        return;
    }
    const wxString name = frageName(_("Neue Konkurrenz"), wxString(), -1);
    const int neu = name.empty() ? -1 : m_Tag->fuegeHinzu(name);
    if (neu >= 0)
        m_Zeige(neu);
}

void clKonkurrenzenpanel::OnUmbenennen(wxCommandEvent&)
{
    const int i = getGewaehlte();
    const wxString name = frageName(_("Konkurrenz umbenennen"), m_Tag->getName(i), i);
    if (!name.empty())
        m_Tag->benenneUm(i, name);
}

void clKonkurrenzenpanel::OnKopieren(wxCommandEvent&)
{
    const int i = getGewaehlte();
    const wxString name = frageName(_("Konkurrenz kopieren"), wxString(), -1);
    const int neu = name.empty() ? -1 : m_Tag->kopiere(i, name);
    if (neu >= 0)
        m_Zeige(neu);
}

void clKonkurrenzenpanel::OnEntfernen(wxCommandEvent&)
{
    const int i = getGewaehlte();
    const wxString titel = _("Konkurrenz entfernen");
    if (m_Tag->getAnzahl() == 1)
    {
        wxMessageDialog(this, _("Die letzte Konkurrenz kann nicht entfernt werden."), titel,
                        wxOK | wxICON_INFORMATION)
            .ShowModal();
        return;
    }
    wxMessageDialog frage(this, wxString::Format(wxGetTranslation(L"„%s“ entfernen?"), m_Tag->getName(i)),
                          titel, wxYES_NO | wxNO_DEFAULT | wxICON_WARNING);
    const wxString verlust = m_Tag->verloreneErgebnisse(i);
    frage.SetExtendedMessage(verlust.empty() ? wxString(_("Die Konkurrenz hat noch keine Ergebnisse."))
                                             : verlust);
    frage.SetYesNoLabels(_("Entfernen"), _("Abbrechen"));
    if (frage.ShowModal() == wxID_YES)
        m_Tag->entferne(i);
}

void clKonkurrenzenpanel::OnPlatten(wxCommandEvent&)
{
    const int i = getGewaehlte();
    const wxString titel = wxString::Format(_("Platten von %s"), m_Tag->getName(i));
    const std::vector<int>& alt = m_Tag->getEigenePlatten(i);
    wxTextEntryDialog dlg(this,
                          wxString::Format(wxGetTranslation(L"Eigene Platten (etwa „1-4“ oder „1 2 3 4“), "
                                                            L"leer für alle %d Platten der Halle:"),
                                           m_Tag->getPlatten()),
                          titel, alt.empty() ? wxString() : getPlattenText(alt));
    if (dlg.ShowModal() != wxID_OK)
        return;
    std::vector<int> platten;
    if (!liesPlatten(dlg.GetValue(), platten) || !m_Tag->setEigenePlatten(i, platten))
        wxMessageDialog(this,
                        wxString::Format(wxGetTranslation(L"„%s“ nennt keine Platten der Halle (1 bis %d), "
                                                          L"oder eine doppelt."),
                                         dlg.GetValue(), m_Tag->getPlatten()),
                        titel, wxOK | wxICON_ERROR)
            .ShowModal();
}
