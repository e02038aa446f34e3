#include "wxQuobelMain.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/config.h>
#include <wx/iconbndl.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/choicdlg.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/versioninfo.h>

#include "UeberDlg.h"
#include "clCsvExport.h"
#include "clDruck.h"
#include "clHtmlAusgabe.h"
#include "clRundenpanel.h"
#include "clTTSpiel.h"
#include "clTT_Tabellenpanel.h"
#include "clTeilnehmerTableBase.h"
#include "clTurnierpanel.h"
#include "dlAllgemeinDlg.h"

#ifndef __WXMSW__
#include "resources/aaaa_16.xpm"
#include "resources/aaaa_32.xpm"
#endif

namespace
{
// New files get the extension; any name still loads.
const wxString Endung = "quobel";
const wxString VerlaufGruppe = "/Dateiverlauf";

wxString dateitypen()
{
    return _("Quobel-Turniere (*.quobel)|*.quobel|Alle Dateien (*)|*");
}

// GTK's chooser tells the chosen path only once it has been on screen; a dialog
// answered without being shown holds it as directory and name.
wxString gewaehlteDatei(const wxFileDialog& dlg)
{
    const wxString pfad = dlg.GetPath();
    return pfad.empty() ? wxFileName(dlg.GetDirectory(), dlg.GetFilename()).GetFullPath() : pfad;
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

wxQuobelFrame::wxQuobelFrame(wxFrame* frame, const wxString& title)
    : wxFrame(frame, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxMAXIMIZE),
      m_Grundtitel(title)
{
    m_Turnier = new clTurnier;
    m_Druck.reset(new clDruck(this, m_Turnier));

#ifdef __WXMSW__
    // The program's icon resource, in every size it holds for title bar and taskbar.
    SetIcons(wxIconBundle("aaaa", nullptr));
#else
    wxIconBundle icons;
    icons.AddIcon(wxIcon(aaaa_32));
    icons.AddIcon(wxIcon(aaaa_16));
    SetIcons(icons);
#endif

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
    turnierMenu->Append(idMenuBearbeiten, _("Turnierdaten bearbeiten..."),
                        wxGetTranslation(L"allgem. Turnierdate ändern"));
    turnierMenu->Append(idMenuLaden, _("Turnier laden..."), _("aus Datei laden"));
    turnierMenu->Append(idMenuSchreiben, _("Turnier sichern..."), _("in Datei schreiben"));
    turnierMenu->Append(idMenuQuit, _("&Quit\tAlt-F4"), _("Anwendung beenden"));
    // The commands above keep their places; further ones follow them.
    turnierMenu->AppendSeparator();
    turnierMenu->Append(idMenuSpeichern, _("Speichern\tCtrl+S"), _("in die Turnierdatei schreiben"));
    turnierMenu->Append(idMenuSpeichernUnter, _("Speichern unter..."), _("in eine neue Datei schreiben"));
    turnierMenu->AppendSeparator();
    turnierMenu->AppendSubMenu(erstelleAusgabeMenue(idMenuDruckSpielplan, _("Spielzettel drucken...")),
                               _("Drucken"), _("Spielplan, Spielzettel oder Turniertabelle drucken"));
    turnierMenu->AppendSubMenu(erstelleAusgabeMenue(idMenuVorschauSpielplan, _("Spielzettel...")),
                               _("Druckvorschau"), _("Ausdruck am Bildschirm ansehen"));
    turnierMenu->Append(idMenuSeiteEinrichten, _("Seite einrichten..."), _("Papier und Raender festlegen"));
    wxMenu* exportMenu = new wxMenu;
    exportMenu->Append(idMenuExportTabelle, _("Turniertabelle als CSV..."),
                       wxGetTranslation(L"Platzierungen für eine Tabellenkalkulation"));
    exportMenu->Append(idMenuExportErgebnisse, _("Ergebnisse als CSV..."),
                       wxGetTranslation(L"alle Spiele mit Sätzen für eine Tabellenkalkulation"));
    exportMenu->Append(idMenuExportSeite, _("Webseite (HTML)..."),
                       wxGetTranslation(L"Spielplan und Tabelle als Seite für die Vereinswebseite"));
    turnierMenu->AppendSubMenu(exportMenu, _("Exportieren"), _("Tabelle und Ergebnisse exportieren"));
    turnierMenu->AppendSeparator();
    wxMenu* verlaufMenu = new wxMenu;
    turnierMenu->AppendSubMenu(verlaufMenu, wxGetTranslation(L"Zuletzt geöffnet"),
                               _("zuletzt benutzte Turnierdateien"));
    m_Dateiverlauf.UseMenu(verlaufMenu);
    wxConfig konfig(wxTheApp->GetAppName());
    konfig.SetPath(VerlaufGruppe);
    m_Dateiverlauf.Load(konfig);
    menuBar->Append(turnierMenu, _("&Turnier"));
    wxMenu* hilfeMenu = new wxMenu(wxString());
    hilfeMenu->Append(idMenuAbout, _("&About\tF1"), _("Anwendungsinformation"));
    menuBar->Append(hilfeMenu, _("&Hilfe"));
    SetMenuBar(menuBar);
}

wxMenu* wxQuobelFrame::erstelleAusgabeMenue(int erste, const wxString& slips)
{
    wxMenu* menu = new wxMenu;
    menu->Append(erste + clDruck::Spielplan, _("Spielplan..."), _("alle Runden mit Platten und Ergebnissen"));
    menu->Append(erste + clDruck::Spielzettel, slips,
                 wxGetTranslation(L"ein Zettel für jedes Spiel einer Runde"));
    menu->Append(erste + clDruck::Tabelle, _("Turniertabelle..."), _("die Platzierungen"));
    return menu;
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

void wxQuobelFrame::zeigeAllgemeinDlg(const wxString& titel, bool neu)
{
    dlAllgemeinDlg dlg(this, wxID_ANY, titel, m_Turnier->getAllgemein());
    if (dlg.ShowModal() != wxID_OK)
        return;
    const allgemein alg = *dlg.GetAllgemeinDaten();
    if (m_Turnier->verwirftErgebnisse(alg, neu) &&
        !frageJaNein(
            wxGetTranslation(L"Dabei gehen alle eingetragenen Ergebnisse verloren. Trotzdem fortfahren?"),
            titel))
        return;
    m_Turnier->setAllgemein(&alg);
    aktualisiereAllgemein(&alg);
    m_Turnier->Aktualisieren(neu);
    if (neu)
        m_Datei.clear();
    aktualisiereTitel();
}

bool wxQuobelFrame::oeffneDatei(const wxString& pfad)
{
    wxString fehler;
    if (!m_Turnier->liesTurnierDaten(pfad, &fehler))
    {
        zeigeFehler(fehler, _("Turnier laden"));
        return false;
    }
    merkeDatei(pfad);
    aktualisiereAllgemein(nullptr);
    aktualisiereTitel();
    return true;
}

bool wxQuobelFrame::hatUngesicherteAenderungen() const
{
    return m_Turnier->istGeaendert() || m_Turnierpanel->getTable()->hatAenderungen();
}

void wxQuobelFrame::schliesseZellEingaben()
{
    for (wxGrid* grid : {m_Turnierpanel->getGrid(), static_cast<clRundenpanel*>(m_Rundenpanel)->getGrid()})
    {
        if (grid->IsCellEditControlEnabled())
            grid->DisableCellEditControl();
    }
}

bool wxQuobelFrame::frageAenderungenSpeichern()
{
    // A name or score still in its cell editor counts as typed.
    schliesseZellEingaben();
    if (!hatUngesicherteAenderungen())
        return true;
    wxMessageDialog frage(this, wxGetTranslation(L"Änderungen speichern?"), m_Grundtitel,
                          wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxICON_QUESTION);
    frage.SetExtendedMessage(
        m_Datei.empty()
            ? wxGetTranslation(L"Das Turnier ist noch nicht gesichert.")
            : wxString::Format(wxGetTranslation(L"„%s“ hat Änderungen, die noch nicht gesichert sind."),
                               wxFileName(m_Datei).GetFullName()));
    frage.SetYesNoCancelLabels(_("Ja"), _("Nein"), _("Abbrechen"));
    switch (frage.ShowModal())
    {
    case wxID_YES:
        return sichere();
    case wxID_NO:
        return true;
    default:
        return false;
    }
}

bool wxQuobelFrame::sichere()
{
    return m_Datei.empty() ? sichereUnter() : schreibeDatei(m_Datei);
}

bool wxQuobelFrame::sichereUnter(bool ueberschreibenFragen)
{
    const wxFileName bisher(m_Datei);
    wxFileDialog dlg(this, _("Turnierdatei schreiben"), m_Datei.empty() ? "Turniere" : bisher.GetPath(),
                     bisher.GetFullName(), dateitypen(),
                     wxFD_SAVE | (ueberschreibenFragen ? wxFD_OVERWRITE_PROMPT : 0));
    if (dlg.ShowModal() != wxID_OK)
        return false;
    wxFileName datei(gewaehlteDatei(dlg));
    if (!datei.HasExt())
        datei.SetExt(Endung);
    return schreibeDatei(datei.GetFullPath());
}

bool wxQuobelFrame::schreibeDatei(const wxString& pfad)
{
    schliesseZellEingaben();
    if (!uebernehmeTeilnehmerliste())
        return false;
    wxString fehler;
    if (!m_Turnier->speichereTurnierDaten(pfad, &fehler))
    {
        zeigeFehler(fehler, _("Turnier sichern"));
        return false;
    }
    merkeDatei(pfad);
    return true;
}

void wxQuobelFrame::merkeDatei(const wxString& pfad)
{
    m_Datei = pfad;
    m_Dateiverlauf.AddFileToHistory(pfad);
    speichereVerlauf();
    aktualisiereTitel();
}

void wxQuobelFrame::speichereVerlauf()
{
    wxConfig konfig(wxTheApp->GetAppName());
    konfig.SetPath(VerlaufGruppe);
    m_Dateiverlauf.Save(konfig);
}

bool wxQuobelFrame::uebernehmeTeilnehmerliste()
{
    if (!m_Turnierpanel->getTable()->hatAenderungen())
        return true;
    wxCommandEvent uebernehmen(wxEVT_BUTTON, clTurnierpanel::idUebBtnAnwenden);
    uebernehmen.SetEventObject(m_Turnierpanel);
    m_Turnierpanel->ProcessWindowEvent(uebernehmen);
    return !m_Turnierpanel->getTable()->hatAenderungen();
}

void wxQuobelFrame::aktualisiereTitel()
{
    wxString titel = m_Datei.empty()
                         ? m_Grundtitel
                         : wxString::Format("%s - %s", wxFileName(m_Datei).GetFullName(), m_Grundtitel);
    if (hatUngesicherteAenderungen())
        titel.Prepend("*");
    if (titel != GetTitle())
        SetTitle(titel);
}

bool wxQuobelFrame::frageJaNein(const wxString& frage, const wxString& titel)
{
    wxMessageDialog dlg(this, frage, titel, wxYES_NO | wxNO_DEFAULT | wxICON_WARNING);
    dlg.SetYesNoLabels(_("Ja"), _("Nein"));
    return dlg.ShowModal() == wxID_YES;
}

void wxQuobelFrame::zeigeFehler(const wxString& text, const wxString& titel)
{
    wxMessageDialog(this, text, titel, wxOK | wxICON_ERROR).ShowModal();
}

void wxQuobelFrame::OnClose(wxCloseEvent& event)
{
    if (!frageAenderungenSpeichern() && event.CanVeto())
    {
        event.Veto();
        return;
    }
    Destroy();
}

void wxQuobelFrame::OnQuit(wxCommandEvent&)
{
    Close();
}

void wxQuobelFrame::OnAbout(wxCommandEvent&)
{
    UeberDlg dlg(this, wxID_ANY, wxGetTranslation(L"Über das Programm"), wxbuildinfo(long_f));
    dlg.ShowModal();
}

void wxQuobelFrame::OnMenuNeu(wxCommandEvent&)
{
    if (frageAenderungenSpeichern())
        zeigeAllgemeinDlg(_("Allgemeine Daten zum neuen Turnier"), true);
}

void wxQuobelFrame::OnMenuBearbeiten(wxCommandEvent&)
{
    zeigeAllgemeinDlg(_("Allgemeine Turnierdaten bearbeiten"), false);
}

void wxQuobelFrame::OnMenuLaden(wxCommandEvent&)
{
    wxFileDialog dlg(this, _("Turnierdatei oeffnen"), "Turniere", wxString(), dateitypen(), wxFD_OPEN);
    if (dlg.ShowModal() == wxID_OK && frageAenderungenSpeichern())
        oeffneDatei(gewaehlteDatei(dlg));
}

void wxQuobelFrame::OnMenuSchreiben(wxCommandEvent&)
{
    sichereUnter(false);
}

void wxQuobelFrame::OnMenuSpeichern(wxCommandEvent&)
{
    sichere();
}

void wxQuobelFrame::OnMenuSpeichernUnter(wxCommandEvent&)
{
    sichereUnter();
}

void wxQuobelFrame::OnDateiverlauf(wxCommandEvent& event)
{
    const size_t nr = event.GetId() - wxID_FILE1;
    if (!frageAenderungenSpeichern() || oeffneDatei(m_Dateiverlauf.GetHistoryFile(nr)))
        return;
    // A file that cannot be read any more leaves the list, as on any desktop.
    m_Dateiverlauf.RemoveFileFromHistory(nr);
    speichereVerlauf();
}

int wxQuobelFrame::frageSpielzettelRunde()
{
    wxArrayString auswahl;
    auswahl.Add(_("Alle Runden"));
    int vorschlag = 0;
    for (int r = 1; r <= m_Turnier->getAnzahlRunden(); ++r)
    {
        auswahl.Add(wxString::Format(_("Runde %2.2d"), r));
        // Slips are usually wanted for the next round that is not played yet.
        for (int p = 1; vorschlag == 0 && m_Turnier->getSpiel(r, p) != nullptr; ++p)
            if (!m_Turnier->getSpiel(r, p)->hatEingaben())
                vorschlag = r;
    }
    return wxGetSingleChoiceIndex(wxGetTranslation(L"Spielzettel für welche Runde?"), _("Spielzettel"),
                                  auswahl, vorschlag, this);
}

void wxQuobelFrame::OnMenuDrucken(wxCommandEvent& event)
{
    schliesseZellEingaben();
    const bool vorschau = event.GetId() >= idMenuVorschauSpielplan;
    const clDruck::Inhalt inhalt = static_cast<clDruck::Inhalt>(
        (event.GetId() - (vorschau ? idMenuVorschauSpielplan : idMenuDruckSpielplan)));
    int runde = 0;
    if (inhalt == clDruck::Spielzettel && (runde = frageSpielzettelRunde()) < 0)
        return;
    if (vorschau)
        m_Druck->zeigeVorschau(inhalt, runde);
    else
        m_Druck->drucke(inhalt, runde);
}

void wxQuobelFrame::OnMenuSeiteEinrichten(wxCommandEvent&)
{
    m_Druck->richteSeiteEin();
}

void wxQuobelFrame::OnMenuExportieren(wxCommandEvent& event)
{
    schliesseZellEingaben();
    const bool seite = event.GetId() == idMenuExportSeite;
    const wxString vorschlag = event.GetId() == idMenuExportTabelle      ? _("Turniertabelle.csv")
                               : event.GetId() == idMenuExportErgebnisse ? _("Ergebnisse.csv")
                                                                         : _("Turnier.html");
    const wxString typen = seite ? _("Webseiten (*.html)|*.html|Alle Dateien (*)|*")
                                 : _("CSV-Dateien (*.csv)|*.csv|Alle Dateien (*)|*");
    const wxString verzeichnis = m_Datei.empty() ? wxString() : wxFileName(m_Datei).GetPath();
    wxFileDialog dlg(this, _("Exportieren"), verzeichnis, vorschlag, typen,
                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dlg.ShowModal() != wxID_OK)
        return;
    const wxString pfad = gewaehlteDatei(dlg);
    wxString fehler;
    bool erfolg = false;
    if (event.GetId() == idMenuExportTabelle)
        erfolg = clCsvExport(m_Turnier).schreibeTabelle(pfad, &fehler);
    else if (event.GetId() == idMenuExportErgebnisse)
        erfolg = clCsvExport(m_Turnier).schreibeErgebnisse(pfad, &fehler);
    else
        erfolg = clHtmlAusgabe(m_Turnier).schreibeSeite(pfad, &fehler);
    if (!erfolg)
        zeigeFehler(fehler, _("Exportieren"));
}

void wxQuobelFrame::OnIdle(wxIdleEvent& event)
{
    // Scores and names are typed straight into the grids: the title follows here.
    aktualisiereTitel();
    event.Skip();
}

// The event table closes the file: formatting would indent what followed it.
// clang-format off
wxBEGIN_EVENT_TABLE(wxQuobelFrame, wxFrame)
    EVT_CLOSE(wxQuobelFrame::OnClose)
    EVT_MENU(idMenuQuit, wxQuobelFrame::OnQuit)
    EVT_MENU(idMenuNeu, wxQuobelFrame::OnMenuNeu)
    EVT_MENU(idMenuBearbeiten, wxQuobelFrame::OnMenuBearbeiten)
    EVT_MENU(idMenuLaden, wxQuobelFrame::OnMenuLaden)
    EVT_MENU(idMenuSchreiben, wxQuobelFrame::OnMenuSchreiben)
    EVT_MENU(idMenuAbout, wxQuobelFrame::OnAbout)
    EVT_MENU(idMenuSpeichern, wxQuobelFrame::OnMenuSpeichern)
    EVT_MENU(idMenuSpeichernUnter, wxQuobelFrame::OnMenuSpeichernUnter)
    EVT_MENU_RANGE(wxID_FILE1, wxID_FILE9, wxQuobelFrame::OnDateiverlauf)
    EVT_IDLE(wxQuobelFrame::OnIdle)
    EVT_MENU_RANGE(idMenuDruckSpielplan, idMenuVorschauTabelle, wxQuobelFrame::OnMenuDrucken)
    EVT_MENU(idMenuSeiteEinrichten, wxQuobelFrame::OnMenuSeiteEinrichten)
    EVT_MENU_RANGE(idMenuExportTabelle, idMenuExportSeite, wxQuobelFrame::OnMenuExportieren)
wxEND_EVENT_TABLE()
    // clang-format on
