#include "ansicht/dlLiveSeiteDlg.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "ausgabe/clQrCode.h"

dlLiveSeiteDlg::dlLiveSeiteDlg(wxWindow* eltern, const wxArrayString& adressen)
    : wxDialog(eltern, wxID_ANY, _("Live-Seite im Netz"))
{
    wxBoxSizer* spalte = new wxBoxSizer(wxVERTICAL);
    spalte->Add(
        new wxStaticText(this, wxID_ANY,
                         wxGetTranslation(L"Im WLAN der Halle im Browser eingeben oder den Code scannen:")),
        0, wxALL, 12);
    if (!adressen.empty())
    {
        wxStaticText* adresse = new wxStaticText(this, wxID_ANY, adressen[0]);
        adresse->SetFont(adresse->GetFont().Scaled(2.0f).Bold());
        spalte->Add(adresse, 0, wxLEFT | wxRIGHT | wxALIGN_CENTER_HORIZONTAL, 12);
        // Large modules: phones scan it from across the desk.
        const wxBitmap code(clQrCode(adressen[0].utf8_string()).alsBild(FromDIP(6)));
        spalte->Add(new wxStaticBitmap(this, wxID_ANY, code), 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 12);
    }
    if (adressen.size() > 1)
    {
        wxArrayString andere(adressen);
        andere.RemoveAt(0);
        spalte->Add(new wxStaticText(this, wxID_ANY,
                                     wxString::Format(wxGetTranslation(L"Auch erreichbar unter: %s"),
                                                      wxJoin(andere, ' ', '\0'))),
                    0, wxLEFT | wxRIGHT | wxBOTTOM, 12);
    }
    spalte->Add(new wxStaticText(this, wxID_ANY,
                                 wxGetTranslation(L"Fragt die Windows-Firewall, den Zugriff in privaten "
                                                  L"Netzwerken erlauben.")),
                0, wxLEFT | wxRIGHT | wxBOTTOM, 12);
    wxBoxSizer* knoepfe = new wxBoxSizer(wxHORIZONTAL);
    knoepfe->Add(new wxButton(this, wxID_STOP, _("Live-Seite beenden")), 0, wxRIGHT, 8);
    wxButton* schliessen = new wxButton(this, wxID_CLOSE, wxGetTranslation(L"Schließen"));
    schliessen->SetDefault();
    knoepfe->Add(schliessen);
    spalte->Add(knoepfe, 0, wxALL | wxALIGN_RIGHT, 12);
    SetEscapeId(wxID_CLOSE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { EndModal(e.GetId()); });
    SetSizerAndFit(spalte);
    CentreOnParent();
}
