#include "ansicht/UeberDlg.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/stdpaths.h>
#include <wx/platinfo.h>
#include <wx/versioninfo.h>

// clang-format off
wxBEGIN_EVENT_TABLE(UeberDlg, wxDialog)
    EVT_BUTTON(idBtnFertig, UeberDlg::OnFertig)
wxEND_EVENT_TABLE()
    // clang-format on

    namespace
{
    const wxString LogoDatei = "quobel_logo.png";

    void fuegeTextHinzu(wxWindow * eltern, wxSizer * spalte, const wxString& text, int punkte,
                        wxFontWeight gewicht, int rahmen, int abstand)
    {
        wxStaticText* st = new wxStaticText(eltern, wxID_ANY, text);
        st->SetFont(wxFont(punkte, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, gewicht));
        spalte->Add(st, 0, wxALIGN_CENTER | rahmen, abstand);
    }
} // namespace

wxString wxbuildinfo(wxbuildinfoformat format)
{
    // The library actually loaded, which may be newer than the headers we were built with.
    wxString info = wxGetLibraryVersionInfo().GetVersionString();
    if (format == long_f)
    {
        // Windows by its family name rather than as "Microsoft Windows NT"; other
        // systems by their own name, such as Linux.
        const wxPlatformInfo& plattform = wxPlatformInfo::Get();
        info << "-"
             << ((plattform.GetOperatingSystemId() & wxOS_WINDOWS) ? plattform.GetOperatingSystemFamilyName()
                                                                   : plattform.GetOperatingSystemIdName())
             << "-Unicode build";
    }
    return info;
}

UeberDlg::UeberDlg(wxWindow* parent, wxWindowID id, const wxString& title, const wxString& buildstr,
                   const wxPoint& pos, const wxSize&, long, const wxString&)
    : wxDialog(parent, id, title, pos, wxSize(600, 450), wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
{
    wxBoxSizer* hauptSizer = new wxBoxSizer(wxVERTICAL);
    wxBoxSizer* zeile = new wxBoxSizer(wxHORIZONTAL);

    // Without a logo the texts simply take the whole row.
    const wxString logo = sucheLogo();
    wxBitmap bild;
    if (!logo.empty() && bild.LoadFile(logo, wxBITMAP_TYPE_PNG))
        zeile->Add(new wxStaticBitmap(this, wxID_ANY, bild), 1, wxALL | wxALIGN_CENTER_VERTICAL, 25);

    wxBoxSizer* spalte = new wxBoxSizer(wxVERTICAL);
    fuegeTextHinzu(this, spalte, _("Quobel-Manager"), 14, wxFONTWEIGHT_BOLD, wxBOTTOM, 10);
    fuegeTextHinzu(this, spalte, _("Version 0.0.1 (alpha)"), 10, wxFONTWEIGHT_NORMAL, wxBOTTOM, 30);
    fuegeTextHinzu(this, spalte, wxGetTranslation(L"© 2026 Quobel-Projekt"), 12, wxFONTWEIGHT_NORMAL,
                   wxBOTTOM, 10);
    fuegeTextHinzu(this, spalte, buildstr, 10, wxFONTWEIGHT_NORMAL, wxTOP | wxBOTTOM, 5);
    zeile->Add(spalte, 4, wxALL | wxALIGN_CENTER, 5);

    hauptSizer->Add(zeile, 10, wxALL, 5);
    hauptSizer->Add(new wxButton(this, idBtnFertig, _("Fertig")), 0, wxALL | wxALIGN_CENTER, 5);
    SetSizer(hauptSizer);
    Layout();
    // Windows would put it in the corner of the screen.
    if (pos == wxDefaultPosition)
        CentreOnParent();
}

UeberDlg::~UeberDlg() = default;

wxString UeberDlg::sucheLogo()
{
    const wxString orte[] = {
        wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath(),
#ifdef QUOBEL_DATENVERZEICHNIS
        QUOBEL_QUELL_RESSOURCEN,
        // An installed copy that was moved keeps its data beside it: prefix/share/quobel.
        wxStandardPaths::Get().GetDataDir(),
        QUOBEL_DATENVERZEICHNIS,
#endif
    };
    for (const wxString& ort : orte)
    {
        const wxFileName datei(ort, LogoDatei);
        if (datei.FileExists())
            return datei.GetFullPath();
    }
    return wxString();
}

void UeberDlg::OnFertig(wxCommandEvent&)
{
    Close(false);
}
