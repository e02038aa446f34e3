#include "ansicht/dlAllgemeinDlg.h"

#include "modell/clTTSpiel.h"

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
} // namespace

dlAllgemeinDlg::dlAllgemeinDlg(wxWindow* parent, wxWindowID id, const wxString& title, const allgemein* alg,
                               const wxPoint& pos, const wxSize&, long, const wxString&)
    : wxDialog(parent, id, title, pos, wxSize(450, 320), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_alg(*alg)
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
    m_Gewinnsaetze = new wxChoice(wertungBox, wxID_ANY);
    for (int g = clTTSpiel::MinGewinnsaetze; g <= clTTSpiel::MaxGewinnsaetze; ++g)
        m_Gewinnsaetze->Append(wxString::Format(_("%d (best of %d)"), g, 2 * g - 1));
    m_Gewinnsaetze->SetSelection(m_alg.Gewinnsaetze - clTTSpiel::MinGewinnsaetze);
    wertung->Add(m_Gewinnsaetze);
    fuegeBeschriftungHinzu(wertungBox, wertung, _("Platzierung"));
    m_Platzierung = new wxChoice(wertungBox, wxID_ANY);
    m_Platzierung->Append(wxGetTranslation(L"Siege, Sätze, Punkte"));
    m_Platzierung->Append(_("ITTF (direkter Vergleich)"));
    m_Platzierung->SetSelection(m_alg.PlatzierungIdx);
    wertung->Add(m_Platzierung);
    wertungGruppe->Add(wertung, 0, wxALL | wxALIGN_CENTER, 5);
    hauptSizer->Add(wertungGruppe, 0, wxALL | wxALIGN_CENTER, 5);

    hauptSizer->Add(new wxButton(this, idAktBtnAnwenden, _("Aktualisieren")), 0, wxALL | wxALIGN_CENTER, 5);

    hauptSizer->Layout();
    SetSizerAndFit(hauptSizer);
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
    EndDialog(wxID_OK);
}
