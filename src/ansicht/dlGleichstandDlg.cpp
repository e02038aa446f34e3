#include "ansicht/dlGleichstandDlg.h"

#include <algorithm>
#include <numeric>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "modell/clGruppenphase.h"
#include "modell/clTurnier.h"

namespace
{
// Not the stock ids, whose labels GTK would give in its own language.
const int IdOk = wxID_HIGHEST + 1;
const int IdAbbrechen = wxID_HIGHEST + 2;
const int IdHoch = wxID_HIGHEST + 3;
const int IdRunter = wxID_HIGHEST + 4;
} // namespace

dlGleichstandDlg::dlGleichstandDlg(wxWindow* eltern, const wxString& titel, const wxString& frage,
                                   const wxArrayString& namen)
    : wxDialog(eltern, wxID_ANY, titel), m_Namen(namen), m_Reihenfolge(namen.size())
{
    std::iota(m_Reihenfolge.begin(), m_Reihenfolge.end(), 0);
    wxBoxSizer* spalte = new wxBoxSizer(wxVERTICAL);
    wxStaticText* text = new wxStaticText(this, wxID_ANY, frage);
    text->Wrap(FromDIP(420));
    spalte->Add(text, 0, wxALL, 12);
    m_Los = new wxRadioButton(this, wxID_ANY, _("Quobel lost die Reihenfolge aus"), wxDefaultPosition,
                              wxDefaultSize, wxRB_GROUP);
    m_Eigene = new wxRadioButton(this, wxID_ANY, _("Die Turnierleitung legt die Reihenfolge fest:"));
    spalte->Add(m_Los, 0, wxLEFT | wxRIGHT, 12);
    spalte->Add(m_Eigene, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    wxBoxSizer* zeile = new wxBoxSizer(wxHORIZONTAL);
    m_Liste = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, namen);
    zeile->Add(m_Liste, 1, wxEXPAND | wxRIGHT, 8);
    wxBoxSizer* pfeile = new wxBoxSizer(wxVERTICAL);
    m_Knoepfe = {new wxButton(this, IdHoch, _("Nach oben")), new wxButton(this, IdRunter, _("Nach unten"))};
    for (wxWindow* k : m_Knoepfe)
        pfeile->Add(k, 0, wxBOTTOM | wxEXPAND, 4);
    zeile->Add(pfeile);
    spalte->Add(zeile, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    wxBoxSizer* knoepfe = new wxBoxSizer(wxHORIZONTAL);
    wxButton* ok = new wxButton(this, IdOk, _("Endrunde auslosen"));
    ok->SetDefault();
    knoepfe->Add(new wxButton(this, IdAbbrechen, _("Abbrechen")), 0, wxRIGHT, 8);
    knoepfe->Add(ok);
    spalte->Add(knoepfe, 0, wxALL | wxALIGN_RIGHT, 12);
    SetEscapeId(IdAbbrechen);
    m_Liste->SetSelection(0);
    m_Los->SetValue(true);
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { zeigeWahl(); });
    Bind(wxEVT_BUTTON,
         [this](wxCommandEvent& e)
         {
             if (e.GetId() == IdHoch || e.GetId() == IdRunter)
                 verschiebe(e.GetId() == IdHoch ? -1 : 1);
             else
                 EndModal(e.GetId() == IdOk ? wxID_OK : wxID_CANCEL);
         });
    zeigeWahl();
    SetSizerAndFit(spalte);
    CentreOnParent();
}

void dlGleichstandDlg::zeigeWahl()
{
    const bool eigene = m_Eigene->GetValue();
    m_Liste->Enable(eigene);
    for (wxWindow* k : m_Knoepfe)
        k->Enable(eigene);
}

void dlGleichstandDlg::verschiebe(int richtung)
{
    const int von = m_Liste->GetSelection();
    const int nach = von + richtung;
    if (von == wxNOT_FOUND || nach < 0 || nach >= static_cast<int>(m_Reihenfolge.size()))
        return;
    std::swap(m_Reihenfolge[von], m_Reihenfolge[nach]);
    m_Liste->SetString(von, m_Namen[m_Reihenfolge[von]]);
    m_Liste->SetString(nach, m_Namen[m_Reihenfolge[nach]]);
    m_Liste->SetSelection(nach);
}

std::vector<int> dlGleichstandDlg::getReihenfolge() const
{
    return m_Eigene->GetValue() ? m_Reihenfolge : std::vector<int>();
}

bool dlGleichstandDlg::frage(wxWindow* eltern, const wxString& titel, const clTurnier& turnier,
                             std::vector<sEntscheidung>& entscheidungen)
{
    const clGruppenphase* gp = turnier.getGruppenphase();
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
    {
        if (!gp->brauchtEntscheidung(g))
            continue;
        const std::vector<int> gleich = gp->getGleichstand(g);
        wxArrayString namen;
        for (int snr : gleich)
            namen.Add(turnier.getTeilnehmer(snr)->getAnzeige());
        // "Anna, Bernd und Carla"
        wxString aufzaehlung = namen[0];
        for (size_t i = 1; i < namen.size(); ++i)
            aufzaehlung << (i + 1 < namen.size() ? ", " : _(" und ")) << namen[i];
        // With all of them going on the order decides only who wins the group.
        const std::vector<int> weiter = gp->getAufsteiger(g);
        const bool alleWeiter = std::all_of(
            gleich.begin(), gleich.end(),
            [&weiter](int snr) { return std::find(weiter.begin(), weiter.end(), snr) != weiter.end(); });
        dlGleichstandDlg dlg(
            eltern, titel,
            wxString::Format(wxGetTranslation(L"In Gruppe %d stehen %s gleich, und nur das Los "
                                              L"kann sie trennen. %s"),
                             g, aufzaehlung,
                             alleWeiter ? wxGetTranslation(L"Ihre Reihenfolge entscheidet, wer die "
                                                           L"Gruppe gewinnt.")
                                        : wxGetTranslation(L"Ihre Reihenfolge entscheidet, wer "
                                                           L"weiterkommt.")),
            namen);
        if (dlg.ShowModal() != wxID_OK)
            return false;
        sEntscheidung e;
        e.gruppe = g;
        for (int i : dlg.getReihenfolge())
            e.reihenfolge.push_back(gleich[i]);
        entscheidungen.push_back(e);
    }
    return true;
}
