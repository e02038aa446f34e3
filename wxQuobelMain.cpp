#include "wxQuobelMain.h"

#include <wx/iconbndl.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/sizer.h>

#include "clRundenpanel.h"
#include "clTT_Tabellenpanel.h"
#include "clTurnierpanel.h"

#include "resources/aaaa_16.xpm"
#include "resources/aaaa_32.xpm"

wxString wxbuildinfo(wxbuildinfoformat format)
{
    wxString info = wxVERSION_STRING;
    if (format == long_f)
        info << "-" << wxPlatformInfo::Get().GetOperatingSystemIdName() << "-Unicode build";
    return info;
}

// clang-format off
wxBEGIN_EVENT_TABLE(wxQuobelFrame, wxFrame)
    EVT_CLOSE(wxQuobelFrame::OnClose)
    EVT_MENU(idMenuQuit, wxQuobelFrame::OnQuit)
    EVT_MENU(idMenuNeu, wxQuobelFrame::OnMenuNeu)
    EVT_MENU(idMenuBearbeiten, wxQuobelFrame::OnMenuBearbeiten)
    EVT_MENU(idMenuLaden, wxQuobelFrame::OnMenuLaden)
    EVT_MENU(idMenuSchreiben, wxQuobelFrame::OnMenuSchreiben)
    EVT_MENU(idMenuAbout, wxQuobelFrame::OnAbout)
wxEND_EVENT_TABLE()
// clang-format on

wxQuobelFrame::wxQuobelFrame(wxFrame* frame, const wxString& title)
    : wxFrame(frame, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxMAXIMIZE)
{
    m_Turnier = new clTurnier;

    wxIconBundle icons;
    icons.AddIcon(wxIcon(aaaa_32));
    icons.AddIcon(wxIcon(aaaa_16));
    SetIcons(icons);

    erstelleMenue();

    m_Hauptpanel = new wxPanel(this);
    wxBoxSizer* sizer = new wxBoxSizer(wxVERTICAL);
    const allgemein* alg = m_Turnier->getAllgemein();
    m_TurnierText = new wxStaticText(m_Hauptpanel, wxID_ANY, alg->Bezeichnung);
    m_TurnierText->SetFont(wxFont(14, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    sizer->Add(m_TurnierText, 0, wxALIGN_CENTER_HORIZONTAL);
    m_TurnierVeranstalterText = new wxStaticText(m_Hauptpanel, wxID_ANY, alg->Veranstalter);
    sizer->Add(m_TurnierVeranstalterText, 0, wxALIGN_CENTER_HORIZONTAL);
    m_TurnierDatenText =
        new wxStaticText(m_Hauptpanel, wxID_ANY, wxString::Format("%s, %s", alg->Ort, alg->Datum));
    sizer->Add(m_TurnierDatenText, 0, wxALIGN_CENTER_HORIZONTAL);

    m_Notebook = new wxNotebook(m_Hauptpanel, wxID_ANY);
    m_Turnierpanel = new clTurnierpanel(m_Notebook, m_Turnier);
    m_Notebook->AddPage(m_Turnierpanel, _("Turnier und Teilnehmer"), false);
    m_Rundenpanel = new clRundenpanel(m_Notebook, m_Turnier);
    m_Notebook->AddPage(m_Rundenpanel, _("Spielrunden"), false);
    m_TT_Tabellenpanel = new clTT_Tabellenpanel(m_Notebook, m_Turnier);
    m_Notebook->AddPage(m_TT_Tabellenpanel, _("Turniertabelle"), false);
    m_Notebook->SetSelection(0);
    // The pages fill the window, so that the long rounds grid is never cut off.
    sizer->Add(m_Notebook, 1, wxEXPAND | wxALL, 10);
    m_Hauptpanel->SetSizer(sizer);
    sizer->Layout();
}

wxQuobelFrame::~wxQuobelFrame()
{
    // The pages' grid tables refer to the tournament: they go first.
    DestroyChildren();
    delete m_Turnier;
}

void wxQuobelFrame::erstelleMenue()
{
    wxMenuBar* menuBar = new wxMenuBar;
    wxMenu* turnierMenu = new wxMenu(wxString());
    turnierMenu->Append(idMenuNeu, _("Neues Turnier..."), _("allgem. Turnierdaten festlegen"));
    turnierMenu->Append(idMenuBearbeiten, _("Turnierdaten bearbeiten..."), wxGetTranslation(L"allgem. Turnierdate ändern"));
    turnierMenu->Append(idMenuLaden, _("Turnier laden..."), _("aus Datei laden"));
    turnierMenu->Append(idMenuSchreiben, _("Turnier sichern..."), _("in Datei schreiben"));
    turnierMenu->Append(idMenuQuit, _("&Quit\tAlt-F4"), _("Anwendung beenden"));
    menuBar->Append(turnierMenu, _("&Turnier"));
    wxMenu* hilfeMenu = new wxMenu(wxString());
    hilfeMenu->Append(idMenuAbout, _("&About\tF1"), _("Anwendungsinformation"));
    menuBar->Append(hilfeMenu, _("&Hilfe"));
    SetMenuBar(menuBar);
}

void wxQuobelFrame::aktualisiereAllgemein(const allgemein* alg)
{
    if (alg == nullptr)
        alg = m_Turnier->getAllgemein();
    m_TurnierText->SetLabel(alg->Bezeichnung);
    m_TurnierVeranstalterText->SetLabel(alg->Veranstalter);
    m_TurnierDatenText->SetLabel(wxString::Format("%s, %s", alg->Ort, alg->Datum));
    m_Hauptpanel->Layout();
}

void wxQuobelFrame::zeigeAllgemeinDlg(const wxString&, bool) {}

void wxQuobelFrame::OnClose(wxCloseEvent&)
{
    Destroy();
}

void wxQuobelFrame::OnQuit(wxCommandEvent&)
{
    Destroy();
}

void wxQuobelFrame::OnAbout(wxCommandEvent&) {}

void wxQuobelFrame::OnMenuNeu(wxCommandEvent&) {}

void wxQuobelFrame::OnMenuBearbeiten(wxCommandEvent&) {}

void wxQuobelFrame::OnMenuLaden(wxCommandEvent&) {}

void wxQuobelFrame::OnMenuSchreiben(wxCommandEvent&) {}
