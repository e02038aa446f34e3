#include "ansicht/dlAllgemeinDlg.h"

#include "modell/clGruppenAuslosung.h"
#include "modell/clTTSpiel.h"
#include "tabellen/clWertungTableBase.h"

#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

// clang-format off
wxBEGIN_EVENT_TABLE(dlAllgemeinDlg, wxDialog)
    EVT_BUTTON(idAktBtnAnwenden, dlAllgemeinDlg::OnAktAnwenden)
wxEND_EVENT_TABLE()
    // clang-format on

    namespace
{
    const wxSize TextGroesse(250, 25);

    void fuegeBeschriftungHinzu(wxWindow * eltern, wxSizer * sizer, const wxString& text)
    {
        sizer->Add(new wxStaticText(eltern, wxID_ANY, text), 0, wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    }

    wxTextCtrl* fuegeFeldHinzu(wxWindow * eltern, wxSizer * sizer, const wxString& beschriftung,
                               const wxString& wert)
    {
        fuegeBeschriftungHinzu(eltern, sizer, beschriftung);
        wxTextCtrl* feld = new wxTextCtrl(eltern, wxID_ANY, wert, wxDefaultPosition, TextGroesse);
        sizer->Add(feld);
        return feld;
    }

    wxChoice* erzeugeGewinnsaetze(wxWindow * eltern, int gewinnsaetze)
    {
        wxChoice* wahl = new wxChoice(eltern, wxID_ANY);
        for (int g = clTTSpiel::MinGewinnsaetze; g <= clTTSpiel::MaxGewinnsaetze; ++g)
            wahl->Append(wxString::Format(_("%d (best of %d)"), g, 2 * g - 1));
        wahl->SetSelection(gewinnsaetze - clTTSpiel::MinGewinnsaetze);
        return wahl;
    }
} // namespace

dlAllgemeinDlg::dlAllgemeinDlg(wxWindow* parent, wxWindowID id, const wxString& title, const allgemein* alg,
                               const wxPoint& pos, const wxSize&, long, const wxString&)
    : wxDialog(parent, id, title, pos, wxSize(450, 320), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_alg(*alg), m_Teilnehmer(0), m_Neu(false), m_PlatzierungGewaehlt(false)
{
    wxBoxSizer* hauptSizer = new wxBoxSizer(wxVERTICAL);

    wxStaticBoxSizer* turnierGruppe = new wxStaticBoxSizer(wxVERTICAL, this, _("Angaben zum Turnier"));
    wxStaticBox* turnierBox = turnierGruppe->GetStaticBox();
    wxFlexGridSizer* felder = new wxFlexGridSizer(4, 2, 5, 5);
    m_Titel = fuegeFeldHinzu(turnierBox, felder, _("Bezeichnung"), m_alg.Bezeichnung);
    m_Veranstalter = fuegeFeldHinzu(turnierBox, felder, _("Veranstalter"), m_alg.Veranstalter);
    m_Ort = fuegeFeldHinzu(turnierBox, felder, _("Austragungsort"), m_alg.Ort);
    m_Termin = fuegeFeldHinzu(turnierBox, felder, _("Termin"), m_alg.Datum);
    turnierGruppe->Add(felder, 0, wxALL | wxALIGN_CENTER, 5);
    hauptSizer->Add(turnierGruppe, 0, wxALL | wxALIGN_CENTER, 5);

    wxStaticBoxSizer* planGruppe = new wxStaticBoxSizer(wxVERTICAL, this, _("Spielplan-Erstellung"));
    wxStaticBox* planBox = planGruppe->GetStaticBox();
    wxFlexGridSizer* plan = new wxFlexGridSizer(1, 4, 5, 5);
    fuegeBeschriftungHinzu(planBox, plan, _("Anzahl Platten"));
    // At 50 pixels the GTK spin control has no room for its buttons: it takes the width it needs.
    m_AnzPlatten =
        new wxSpinCtrl(planBox, wxID_ANY, wxString::Format("%d", m_alg.Platten), wxDefaultPosition,
                       wxDefaultSize, wxSP_ARROW_KEYS, 1, clTurnier::MaxPlatten, m_alg.Platten, "wxSpinCtrl");
    plan->Add(m_AnzPlatten, 0, wxALL, 5);
    fuegeBeschriftungHinzu(planBox, plan, _("Modus"));
    m_Modus = new wxChoice(planBox, wxID_ANY);
    m_Modus->Append(_("Dichte Packung"));
    m_Modus->Append(wxGetTranslation(L"gleichmäßig verteilt"));
    m_Modus->Append(wxGetTranslation(L"zufällig verteilt"));
    m_Modus->SetSelection(m_alg.ModusIdx);
    plan->Add(m_Modus, 0, wxALL, 5);
    planGruppe->Add(plan, 0, wxALL | wxALIGN_CENTER, 5);
    hauptSizer->Add(planGruppe, 0, wxALL | wxALIGN_CENTER, 5);

    wxStaticBoxSizer* wertungGruppe = new wxStaticBoxSizer(wxVERTICAL, this, _("Wertung"));
    wxStaticBox* wertungBox = wertungGruppe->GetStaticBox();
    wxFlexGridSizer* wertung = new wxFlexGridSizer(2, 2, 5, 5);
    fuegeBeschriftungHinzu(wertungBox, wertung, wxGetTranslation(L"Gewinnsätze"));
    m_Gewinnsaetze = erzeugeGewinnsaetze(wertungBox, m_alg.Gewinnsaetze);
    wertung->Add(m_Gewinnsaetze);
    fuegeBeschriftungHinzu(wertungBox, wertung, _("Platzierung"));
    m_Platzierung = new wxChoice(wertungBox, wxID_ANY);
    m_Platzierung->Append(wxGetTranslation(L"Siege, Sätze, Punkte"));
    m_Platzierung->Append(_("ITTF (direkter Vergleich)"));
    m_Platzierung->Append(wxGetTranslation(L"Siege, Satz- und Punktdifferenz"));
    m_Platzierung->SetSelection(m_alg.PlatzierungIdx);
    wertung->Add(m_Platzierung);
    wertungGruppe->Add(wertung, 0, wxALL | wxALIGN_CENTER, 5);
    hauptSizer->Add(wertungGruppe, 0, wxALL | wxALIGN_CENTER, 5);

    wxStaticBoxSizer* formGruppe = new wxStaticBoxSizer(wxVERTICAL, this, _("Turnierform"));
    wxStaticBox* formBox = formGruppe->GetStaticBox();
    wxFlexGridSizer* form = new wxFlexGridSizer(2, 5, 5);
    fuegeBeschriftungHinzu(formBox, form, _("Turnierform"));
    m_Turnierform = new wxChoice(formBox, wxID_ANY);
    m_Turnierform->Append(_("Jeder gegen jeden"));
    m_Turnierform->Append(_("Gruppen mit Endrunde"));
    m_Turnierform->Append(_("KO-System"));
    m_Turnierform->SetSelection(m_alg.Turnierform);
    form->Add(m_Turnierform);
    fuegeBeschriftungHinzu(formBox, form, _("Anzahl Gruppen"));
    wxBoxSizer* gruppenZeile = new wxBoxSizer(wxHORIZONTAL);
    m_Gruppen = new wxSpinCtrl(formBox, wxID_ANY, wxString::Format("%d", m_alg.Gruppen), wxDefaultPosition,
                               wxDefaultSize, wxSP_ARROW_KEYS, 1, clTurnier::MaxTeilnehmer, m_alg.Gruppen);
    gruppenZeile->Add(m_Gruppen, 0, wxALIGN_CENTER_VERTICAL);
    m_GruppenText = new wxStaticText(formBox, wxID_ANY, wxString());
    gruppenZeile->Add(m_GruppenText, 0, wxLEFT | wxALIGN_CENTER_VERTICAL, 10);
    form->Add(gruppenZeile);
    fuegeBeschriftungHinzu(formBox, form, _("Aufsteiger je Gruppe"));
    m_Aufsteiger = new wxChoice(formBox, wxID_ANY);
    m_Aufsteiger->Append("1");
    m_Aufsteiger->Append("2");
    m_Aufsteiger->SetSelection(m_alg.Aufsteiger - 1);
    form->Add(m_Aufsteiger);
    fuegeBeschriftungHinzu(formBox, form, wxGetTranslation(L"Gewinnsätze Endrunde"));
    m_GewinnsaetzeEndrunde = erzeugeGewinnsaetze(formBox, m_alg.GewinnsaetzeEndrunde);
    form->Add(m_GewinnsaetzeEndrunde);
    form->AddSpacer(0);
    m_SpielUmPlatz3 = new wxCheckBox(formBox, wxID_ANY, _("Spiel um Platz 3"));
    m_SpielUmPlatz3->SetValue(m_alg.SpielUmPlatz3);
    form->Add(m_SpielUmPlatz3);
    // Who makes an entry: one player or a pair.
    fuegeBeschriftungHinzu(formBox, form, _("Art:"));
    m_Art = new wxChoice(formBox, wxID_ANY);
    m_Art->Append(_("Einzel"));
    m_Art->Append(_("Doppel"));
    m_Art->Append(_("Mixed"));
    m_Art->SetSelection(m_alg.Art);
    form->Add(m_Art);
    formGruppe->Add(form, 0, wxALL | wxALIGN_CENTER, 5);
    hauptSizer->Add(formGruppe, 0, wxALL | wxALIGN_CENTER, 5);

    // Escape and "Abbrechen" leave the tournament as it was. Not the stock button,
    // whose label GTK would give in its own language.
    wxBoxSizer* knoepfe = new wxBoxSizer(wxHORIZONTAL);
    knoepfe->Add(new wxButton(this, idAktBtnAnwenden, _("Aktualisieren")), 0, wxALL, 5);
    wxButton* abbrechen = new wxButton(this, wxID_HIGHEST + 1, _("Abbrechen"));
    knoepfe->Add(abbrechen, 0, wxALL, 5);
    hauptSizer->Add(knoepfe, 0, wxALL | wxALIGN_CENTER, 5);
    SetEscapeId(abbrechen->GetId());
    abbrechen->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); });

    m_Turnierform->Bind(wxEVT_CHOICE,
                        [this](wxCommandEvent&)
                        {
                            // Where places decide who goes on, a new tournament places by the ITTF
                            // rule, unless the organiser has chosen.
                            if (m_Neu && !m_PlatzierungGewaehlt)
                                m_Platzierung->SetSelection(m_Turnierform->GetSelection() == formGruppen
                                                                ? static_cast<int>(platzITTF)
                                                                : m_alg.PlatzierungIdx);
                            zeigeGruppenform();
                        });
    m_Platzierung->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { m_PlatzierungGewaehlt = true; });
    m_Gruppen->Bind(wxEVT_SPINCTRL, [this](wxSpinEvent&) { zeigeGruppenform(); });
    // Room for the longest text the sizes can take.
    m_GruppenText->SetMinSize(m_GruppenText->GetTextExtent(_("500 Teilnehmer: 500 Gruppen zu 1 und 2")));
    zeigeGruppenform();
    hauptSizer->Layout();
    SetSizerAndFit(hauptSizer);
}

void dlAllgemeinDlg::setTeilnehmer(int anzahl)
{
    m_Teilnehmer = anzahl;
    zeigeGruppenform();
}

void dlAllgemeinDlg::zeigeGruppenform()
{
    const bool gruppen = m_Turnierform->GetSelection() == formGruppen;
    for (wxWindow* feld : std::initializer_list<wxWindow*>{m_Gruppen, m_GruppenText, m_Aufsteiger})
        feld->Enable(gruppen);
    // The knockout form plays the bracket alone.
    for (wxWindow* feld : std::initializer_list<wxWindow*>{m_GewinnsaetzeEndrunde, m_SpielUmPlatz3})
        feld->Enable(m_Turnierform->GetSelection() != formJederGegenJeden);
    const int anzahl = m_Gruppen->GetValue();
    wxString text;
    if (m_Teilnehmer < anzahl)
        text = wxString::Format(_("%d Teilnehmer: zu wenige"), m_Teilnehmer);
    else
    {
        // The larger groups come first, so the first and the last size are all there are.
        const std::vector<int> groessen = clGruppenAuslosung::getGruppenGroessen(m_Teilnehmer, anzahl);
        text = groessen.front() == groessen.back()
                   ? wxString::Format(_("%d Teilnehmer: %d Gruppen zu %d"), m_Teilnehmer, anzahl,
                                      groessen.front())
                   : wxString::Format(_("%d Teilnehmer: %d Gruppen zu %d und %d"), m_Teilnehmer, anzahl,
                                      groessen.back(), groessen.front());
    }
    m_GruppenText->SetLabel(text);
}

dlAllgemeinDlg::~dlAllgemeinDlg() = default;

void dlAllgemeinDlg::OnAktAnwenden(wxCommandEvent&)
{
    m_alg.Bezeichnung = m_Titel->GetValue();
    m_alg.Ort = m_Ort->GetValue();
    m_alg.Veranstalter = m_Veranstalter->GetValue();
    m_alg.Datum = m_Termin->GetValue();
    m_alg.Platten = m_AnzPlatten->GetValue();
    m_alg.ModusIdx = m_Modus->GetSelection();
    m_alg.Gewinnsaetze = m_Gewinnsaetze->GetSelection() + clTTSpiel::MinGewinnsaetze;
    m_alg.PlatzierungIdx = m_Platzierung->GetSelection();
    m_alg.Turnierform = m_Turnierform->GetSelection();
    m_alg.Gruppen = m_Gruppen->GetValue();
    m_alg.Aufsteiger = m_Aufsteiger->GetSelection() + 1;
    m_alg.GewinnsaetzeEndrunde = m_GewinnsaetzeEndrunde->GetSelection() + clTTSpiel::MinGewinnsaetze;
    m_alg.SpielUmPlatz3 = m_SpielUmPlatz3->GetValue();
    m_alg.Art = m_Art->GetSelection();
    EndDialog(wxID_OK);
}
