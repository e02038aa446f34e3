#include "wxQuobelMain.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/accel.h>
#include <wx/iconbndl.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/choicdlg.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/versioninfo.h>

#include "ansicht/UeberDlg.h"
#include "ausgabe/clCsvExport.h"
#include "ausgabe/clDruck.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "ansicht/clKreuztabellenpanel.h"
#include "ansicht/clRundenpanel.h"
#include "modell/clTTSpiel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/clTurnierpanel.h"
#include "verlauf/clWiederherstellung.h"
#include "verlauf/clBefehlsverlauf.h"
#include "ansicht/dlAllgemeinDlg.h"

#ifndef __WXMSW__
#include "resources/aaaa_16.xpm"
#include "resources/aaaa_32.xpm"
#endif

namespace
{
const wxSize StartGroesse(1280, 860);
const wxSize MinGroesse(900, 640);

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

wxQuobelFrame::wxQuobelFrame(wxFrame* frame, const wxString& title, const wxString& wiederherstellungsOrdner)
    : wxFrame(frame, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxMAXIMIZE)
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
    // Menu help and what goes wrong in the background are shown here.
    CreateStatusBar();

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
    m_Notebook->AddPage(new clKreuztabellenpanel(m_Notebook, m_Turnier), _("Kreuztabelle"), false);
    m_Notebook->SetSelection(0);
    // The pages fill the window, so that the long rounds grid is never cut off.
    sizer->Add(m_Notebook, 1, wxEXPAND | wxALL, 10);
    m_Hauptpanel->SetSizer(sizer);
    sizer->Layout();
    // Where the window is not maximised (restored, or without a window manager
    // that maximises) it opens at a size at which every page can be worked with,
    // and cannot be made smaller than that.
    SetMinSize(FromDIP(MinGroesse));
    if (!IsMaximized())
        SetSize(FromDIP(StartGroesse));

    m_Dokument.reset(new clTurnierDokument(
        this, m_Turnier, m_Turnierpanel, [this]() { schliesseZellEingaben(); },
        wiederherstellungsOrdner.empty() ? clWiederherstellung::getStandardOrdner()
                                         : wiederherstellungsOrdner));
    m_Dokument->getVerlauf().UseMenu(m_VerlaufMenue);
    m_Dokument->getVerlauf().AddFilesToMenu();
    m_Dokument->getBefehle().SetEditMenu(m_BearbeitenMenue);
    m_Dokument->getBefehle().SetMenuStrings();
    m_Turnier->addBeobachter(this);
}

wxQuobelFrame::~wxQuobelFrame()
{
    m_Turnier->removeBeobachter(this);
    m_Dokument.reset();
    // The pages' grid tables refer to the tournament: they go first.
    DestroyChildren();
    delete m_Turnier;
}

void wxQuobelFrame::erstelleMenue()
{
    wxMenuBar* menuBar = new wxMenuBar;
    m_TurnierMenue = new wxMenu(wxString());
    wxMenu* turnierMenu = m_TurnierMenue;
    turnierMenu->Append(idMenuNeu, _("Neues Turnier..."), _("allgem. Turnierdaten festlegen"));
    turnierMenu->Append(idMenuBearbeiten, _("Turnierdaten bearbeiten..."),
                        wxGetTranslation(L"allgem. Turnierdate ändern"));
    turnierMenu->Append(idMenuLaden, _("Turnier laden..."), _("aus Datei laden"));
    turnierMenu->Append(idMenuSchreiben, _("Turnier sichern..."), _("in Datei schreiben"));
    turnierMenu->AppendSeparator();
    turnierMenu->Append(idMenuSpeichern, _("Speichern\tCtrl+S"), _("in die Turnierdatei schreiben"));
    turnierMenu->Append(idMenuSpeichernUnter, _("Speichern unter..."), _("in eine neue Datei schreiben"));
    turnierMenu->Append(idMenuTeilnehmerImport, _("Teilnehmer importieren..."),
                        wxGetTranslation(L"Teilnehmerliste aus einer CSV- oder Textdatei anfügen"));
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
    m_VerlaufMenue = new wxMenu;
    turnierMenu->AppendSubMenu(m_VerlaufMenue, wxGetTranslation(L"Zuletzt geöffnet"),
                               _("zuletzt benutzte Turnierdateien"));
    // Quit stays the last command, as in every desktop program.
    turnierMenu->AppendSeparator();
    turnierMenu->Append(idMenuQuit, _("&Quit\tAlt-F4"), _("Anwendung beenden"));
    menuBar->Append(turnierMenu, _("&Turnier"));

    m_BearbeitenMenue = new wxMenu(wxString());
    m_BearbeitenMenue->Append(wxID_UNDO, wxGetTranslation(L"Rückgängig\tCtrl+Z"),
                              _("den letzten Schritt zurücknehmen"));
    m_BearbeitenMenue->Append(wxID_REDO, _("Wiederherstellen\tCtrl+Y"),
                              _("den zurückgenommenen Schritt wieder ausführen"));
    menuBar->Append(m_BearbeitenMenue, _("&Bearbeiten"));
    // The other key for redo that desktop programs know.
    wxAcceleratorEntry zusatz(wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', wxID_REDO);
    SetAcceleratorTable(wxAcceleratorTable(1, &zusatz));

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
    menu->Append(erste + clDruck::Kreuztabelle, _("Kreuztabelle..."),
                 _("alle Ergebnisse als Tabelle jeder gegen jeden"));
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

void wxQuobelFrame::turnierGeaendert(modAenderung art, const wxString&)
{
    if (art != aendErgebnis)
        aktualisiereAllgemein(nullptr);
}

void wxQuobelFrame::zeigeAllgemeinDlg(const wxString& titel, bool neu)
{
    dlAllgemeinDlg dlg(this, wxID_ANY, titel, m_Turnier->getAllgemein());
    if (dlg.ShowModal() != wxID_OK)
        return;
    const allgemein alg = *dlg.GetAllgemeinDaten();
    // New has asked already whether to save what would be lost; a new schedule for
    // other tables or another mode keeps every result.
    if (!neu && m_Turnier->verwirftSaetze(alg) &&
        m_Dokument->frage(wxString::Format(wxGetTranslation(L"Mit %d Gewinnsätzen hat ein Spiel höchstens %d "
                                                            L"Sätze. Die eingetragenen Sätze danach gehen "
                                                            L"verloren. Trotzdem fortfahren?"),
                                           alg.Gewinnsaetze, 2 * alg.Gewinnsaetze - 1),
                          titel, wxYES_NO | wxNO_DEFAULT | wxICON_WARNING) != wxID_YES)
        return;
    m_Turnier->setAllgemein(&alg);
    aktualisiereAllgemein(&alg);
    m_Turnier->Aktualisieren(neu);
    if (neu)
        m_Dokument->vergissDatei();
}

void wxQuobelFrame::schliesseZellEingaben()
{
    for (wxGrid* grid : {m_Turnierpanel->getGrid(), static_cast<clRundenpanel*>(m_Rundenpanel)->getGrid()})
    {
        if (grid->IsCellEditControlEnabled())
            grid->DisableCellEditControl();
    }
}

bool wxQuobelFrame::brichZellEingabeAb()
{
    for (wxGrid* grid : {m_Turnierpanel->getGrid(), static_cast<clRundenpanel*>(m_Rundenpanel)->getGrid()})
    {
        if (!grid->IsCellEditControlEnabled())
            continue;
        // The editor takes back its cell's value, so closing it stores nothing new.
        wxGridCellEditor* editor = grid->GetCellEditor(grid->GetGridCursorRow(), grid->GetGridCursorCol());
        editor->Reset();
        editor->DecRef();
        grid->DisableCellEditControl();
        return true;
    }
    return false;
}

void wxQuobelFrame::OnClose(wxCloseEvent& event)
{
    if (!m_Dokument->frageAenderungenSpeichern() && event.CanVeto())
    {
        event.Veto();
        return;
    }
    m_Dokument->beende();
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
    if (m_Dokument->frageAenderungenSpeichern())
        zeigeAllgemeinDlg(_("Allgemeine Daten zum neuen Turnier"), true);
}

void wxQuobelFrame::OnMenuBearbeiten(wxCommandEvent&)
{
    zeigeAllgemeinDlg(_("Allgemeine Turnierdaten bearbeiten"), false);
}

void wxQuobelFrame::OnMenuLaden(wxCommandEvent&)
{
    wxFileDialog dlg(this, _("Turnierdatei oeffnen"), "Turniere", wxString(),
                     clTurnierDokument::getDateitypen(), wxFD_OPEN);
    if (dlg.ShowModal() == wxID_OK && m_Dokument->frageAenderungenSpeichern())
        m_Dokument->oeffneDatei(clTurnierDokument::getGewaehlteDatei(dlg));
}

void wxQuobelFrame::OnMenuSchreiben(wxCommandEvent&)
{
    m_Dokument->sichereUnter(false);
}

void wxQuobelFrame::OnMenuSpeichern(wxCommandEvent&)
{
    m_Dokument->sichere();
}

void wxQuobelFrame::OnMenuSpeichernUnter(wxCommandEvent&)
{
    m_Dokument->sichereUnter();
}

void wxQuobelFrame::OnDateiverlauf(wxCommandEvent& event)
{
    m_Dokument->oeffneVerlauf(event.GetId() - wxID_FILE1);
}

void wxQuobelFrame::OnRueckgaengig(wxCommandEvent&)
{
    // While a cell is typed into, Ctrl+Z takes back the typing, not the last step.
    if (!brichZellEingabeAb())
        m_Dokument->getBefehle().Undo();
}

void wxQuobelFrame::OnWiederherstellen(wxCommandEvent&)
{
    schliesseZellEingaben();
    m_Dokument->getBefehle().Redo();
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
    const wxString& datei = m_Dokument->getDatei();
    const wxString verzeichnis = datei.empty() ? wxString() : wxFileName(datei).GetPath();
    wxFileDialog dlg(this, _("Exportieren"), verzeichnis, vorschlag, typen,
                     wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dlg.ShowModal() != wxID_OK)
        return;
    const wxString pfad = clTurnierDokument::getGewaehlteDatei(dlg);
    wxString fehler;
    bool erfolg = false;
    if (event.GetId() == idMenuExportTabelle)
        erfolg = clCsvExport(m_Turnier).schreibeTabelle(pfad, &fehler);
    else if (event.GetId() == idMenuExportErgebnisse)
        erfolg = clCsvExport(m_Turnier).schreibeErgebnisse(pfad, &fehler);
    else
        erfolg = clHtmlAusgabe(m_Turnier).schreibeSeite(pfad, &fehler);
    if (!erfolg)
        m_Dokument->zeigeFehler(fehler, _("Exportieren"));
}

void wxQuobelFrame::OnMenuTeilnehmerImport(wxCommandEvent&)
{
    wxFileDialog dlg(this, _("Teilnehmer importieren"), wxString(), wxString(),
                     _("Teilnehmerlisten (*.csv;*.txt)|*.csv;*.txt|Alle Dateien (*)|*"), wxFD_OPEN);
    if (dlg.ShowModal() != wxID_OK)
        return;
    // The new rows are shown where they are still to be applied.
    m_Notebook->SetSelection(m_Notebook->FindPage(m_Turnierpanel));
    m_Turnierpanel->importiere(clTurnierDokument::getGewaehlteDatei(dlg));
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
    EVT_MENU_RANGE(idMenuDruckSpielplan, idMenuVorschauKreuztabelle, wxQuobelFrame::OnMenuDrucken)
    EVT_MENU(idMenuSeiteEinrichten, wxQuobelFrame::OnMenuSeiteEinrichten)
    EVT_MENU_RANGE(idMenuExportTabelle, idMenuExportSeite, wxQuobelFrame::OnMenuExportieren)
    EVT_MENU(idMenuTeilnehmerImport, wxQuobelFrame::OnMenuTeilnehmerImport)
    EVT_MENU(wxID_UNDO, wxQuobelFrame::OnRueckgaengig)
    EVT_MENU(wxID_REDO, wxQuobelFrame::OnWiederherstellen)
wxEND_EVENT_TABLE()
    // clang-format on
