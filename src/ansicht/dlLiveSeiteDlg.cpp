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
        const wxBitmap code(clQrCode(adressen[0].utf8_string()).alsBild(FromDIP(8)));
        spalte->Add(new wxStaticBitmap(this, wxID_ANY, code), 0, wxALL | wxALIGN_CENTER_HORIZONTAL, 12);
    }
    // The machine's own addresses reach no phone.
    wxArrayString andere;
    for (size_t i = 1; i < adressen.size(); ++i)
        if (!adressen[i].Contains("//127.") && !adressen[i].Contains("[::1]"))
            andere.Add(adressen[i]);
    if (!andere.empty())
    {
        spalte->Add(new wxStaticText(this, wxID_ANY,
                                     wxString::Format(wxGetTranslation(L"Auch erreichbar unter: %s"),
                                                      wxJoin(andere, ' ', '\0'))),
                    0, wxLEFT | wxRIGHT | wxBOTTOM, 12);
    }
    spalte->Add(new wxStaticText(this, wxID_ANY,
                                 wxGetTranslation(L"Wenn die Windows-Firewall fragt: den Zugriff in privaten "
                                                  L"Netzwerken zulassen.")),
                0, wxLEFT | wxRIGHT | wxBOTTOM, 12);
    wxBoxSizer* knoepfe = new wxBoxSizer(wxHORIZONTAL);
    knoepfe->Add(new wxButton(this, wxID_STOP, _("Live-Seite beenden")), 0, wxRIGHT, 8);
    // Not the stock button, whose label GTK would give in its own language.
    wxButton* schliessen = new wxButton(this, wxID_HIGHEST + 1, wxGetTranslation(L"Schließen"));
    schliessen->SetDefault();
    knoepfe->Add(schliessen);
    spalte->Add(knoepfe, 0, wxALL | wxALIGN_RIGHT, 12);
    SetEscapeId(schliessen->GetId());
    Bind(wxEVT_BUTTON,
         [this](wxCommandEvent& e) { EndModal(e.GetId() == wxID_STOP ? wxID_STOP : wxID_CLOSE); });
    SetSizerAndFit(spalte);
    CentreOnParent();
}
