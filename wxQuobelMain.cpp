#include "wxQuobelMain.h"

#include <algorithm>
#include <functional>
#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/accel.h>
#include <wx/iconbndl.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/choicdlg.h>
#include <wx/choice.h>
#include <wx/html/htmlwin.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/versioninfo.h>

#include "ansicht/UeberDlg.h"
#include "ausgabe/clCsvExport.h"
#include "ausgabe/clDruck.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "ansicht/clEndrundenpanel.h"
#include "ansicht/clKreuztabellenpanel.h"
#include "modell/clGruppenAuslosung.h"
#include "modell/clGruppenphase.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clStartoptionen.h"
#include "ansicht/clHallenanzeige.h"
#include "ansicht/clLiveBetrieb.h"
#include "ansicht/dlLiveSeiteDlg.h"
#include "netz/clLiveServer.h"
#include "ansicht/clSpielbetriebpanel.h"
#include "modell/clTTSpiel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/clTurnierpanel.h"
#include "verlauf/clWiederherstellung.h"
#include "verlauf/clBefehlsverlauf.h"
#include "ansicht/dlAllgemeinDlg.h"
#include "ansicht/dlGleichstandDlg.h"

#ifndef __WXMSW__
#include "resources/aaaa_16.xpm"
#include "resources/aaaa_32.xpm"
#endif

namespace
{
const wxSize StartGroesse(1280, 860);
const wxSize MinGroesse(900, 640);

// "Anna (TSV Nord, 1950)": what the draw went by.
wxString mitVereinUndTTR(const clTeilnehmer& tn)
{
    wxString angaben = tn.getVerein();
    if (tn.getTTR() >= 0)
        angaben << (angaben.empty() ? "" : ", ") << tn.getTTR();
    return angaben.empty() ? tn.getAnzeige() : tn.getAnzeige() + " (" + angaben + ")";
}

// Two of namen, one after the other: the second from those that passt allows
// with the first (indices into namen); false when either choice is cancelled.
bool waehlePaar(wxWindow* fenster, const wxString& titel, const wxArrayString& namen, const wxString& frage,
                const wxString& frageZweiter, const std::function<bool(int, int)>& passt, int& erster,
                int& zweiter)
{
    erster = wxGetSingleChoiceIndex(frage, titel, namen, 0, fenster);
    if (erster < 0)
        return false;
    wxArrayString andere;
    std::vector<int> partner;
    for (int i = 0; i < static_cast<int>(namen.size()); ++i)
        if (passt(erster, i))
        {
            andere.Add(namen[i]);
            partner.push_back(i);
        }
    const int wahl =
        wxGetSingleChoiceIndex(wxString::Format(frageZweiter, namen[erster]), titel, andere, 0, fenster);
    if (wahl < 0)
        return false;
    zweiter = partner[wahl];
    return true;
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

wxQuobelFrame::wxQuobelFrame(wxFrame* frame, const wxString& title, const wxString& wiederherstellungsOrdner)
    : wxFrame(frame, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxMAXIMIZE),
      m_LivePort(clStartoptionen::LivePortStandard)
{
    m_Turnier = new clTurnier;
    m_Druck.reset(new clDruck(this, m_Turnier));
    m_Live.reset(new clLiveBetrieb(m_Turnier));

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

    // The group the pages show, in the form of groups only.
    m_GruppenZeile = new wxBoxSizer(wxHORIZONTAL);
    m_GruppenZeile->Add(new wxStaticText(m_Hauptpanel, wxID_ANY, _("Gruppe:")), 0,
                        wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    m_GruppenWahl = new wxChoice(m_Hauptpanel, idGruppenWahl);
    m_GruppenZeile->Add(m_GruppenWahl, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(m_GruppenZeile, 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 5);
    sizer->Hide(m_GruppenZeile);

    m_Notebook = new wxNotebook(m_Hauptpanel, wxID_ANY);
    m_Turnierpanel = new clTurnierpanel(m_Notebook, m_Turnier);
    m_Notebook->AddPage(m_Turnierpanel, _("Turnier und Teilnehmer"), false);
    m_Rundenpanel = new clRundenpanel(m_Notebook, m_Turnier);
    m_Notebook->AddPage(m_Rundenpanel, _("Spielrunden"), false);
    m_Spielbetriebpanel = new clSpielbetriebpanel(
        m_Notebook, m_Turnier, [this](const clTTSpiel* sp) { m_Druck->druckeSpielzettel(sp); });
    m_Notebook->AddPage(m_Spielbetriebpanel, _("Spielbetrieb"), false);
    m_TT_Tabellenpanel = new clTT_Tabellenpanel(m_Notebook, m_Turnier);
    m_Notebook->AddPage(m_TT_Tabellenpanel, _("Turniertabelle"), false);
    m_Kreuzpanel = new clKreuztabellenpanel(m_Notebook, m_Turnier);
    m_Notebook->AddPage(m_Kreuzpanel, _("Kreuztabelle"), false);
    // The pages of groups and bracket join the notebook in the form of groups.
    m_Gruppenseite = new wxHtmlWindow(m_Notebook);
    m_Gruppenseite->Hide();
    m_Endrundenpanel = new clEndrundenpanel(
        m_Notebook, nullptr, [this](const sEndrundenAenderung& a) { uebernimmEndrundenAenderung(a); },
        [this]() { return m_Turnier->getGruppenphase()->getEndstand(); });
    m_Endrundenpanel->setHalle(&m_Turnier->getSpielbetrieb());
    m_Endrundenpanel->Hide();
    m_Notebook->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED,
                     [this](wxBookCtrlEvent& event)
                     {
                         if (m_Notebook->GetCurrentPage() == m_Gruppenseite)
                             m_Gruppenseite->SetPage(erzeugeGruppenseite());
                         event.Skip();
                     });
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
    if (!m_GruppenMenue->IsAttached())
        delete m_GruppenMenue;
    m_Turnier->removeBeobachter(this);
    m_Live.reset();
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
    m_DruckMenue = erstelleAusgabeMenue(idMenuDruckSpielplan, _("Spielzettel drucken..."));
    turnierMenu->AppendSubMenu(m_DruckMenue, _("Drucken"),
                               _("Spielplan, Spielzettel oder Turniertabelle drucken"));
    m_VorschauMenue = erstelleAusgabeMenue(idMenuVorschauSpielplan, _("Spielzettel..."));
    turnierMenu->AppendSubMenu(m_VorschauMenue, _("Druckvorschau"), _("Ausdruck am Bildschirm ansehen"));
    turnierMenu->Append(idMenuSeiteEinrichten, _("Seite einrichten..."), _("Papier und Raender festlegen"));
    m_ExportMenue = new wxMenu;
    wxMenu* exportMenu = m_ExportMenue;
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
    turnierMenu->Append(idMenuQuit, _("&Beenden\tAlt-F4"), _("Anwendung beenden"));
    menuBar->Append(turnierMenu, _("&Turnier"));

    // In the menu bar while the form is groups.
    m_GruppenMenue = new wxMenu;
    m_GruppenMenue->Append(idMenuGruppenAuslosen, _("Gruppen auslosen"),
                           _("die Teilnehmer nach TTR und Verein in die Gruppen losen"));
    m_GruppenMenue->Append(idMenuSpielerTauschen, _("Spieler tauschen..."),
                           _("zwei Spieler verschiedener Gruppen tauschen"));
    m_GruppenMenue->Append(idMenuEndrundeAuslosen, _("Endrunde auslosen"),
                           _("die Besten jeder Gruppe in die Endrunde losen"));
    m_GruppenMenue->Append(idMenuLinienTauschen, _("Linien tauschen..."),
                           _("zwei Linien der Endrunde tauschen"));

    m_BearbeitenMenue = new wxMenu(wxString());
    m_BearbeitenMenue->Append(wxID_UNDO, wxGetTranslation(L"Rückgängig\tCtrl+Z"),
                              wxGetTranslation(L"den letzten Schritt zurücknehmen"));
    m_BearbeitenMenue->Append(wxID_REDO, _("Wiederherstellen\tCtrl+Y"),
                              wxGetTranslation(L"den zurückgenommenen Schritt wieder ausführen"));
    menuBar->Append(m_BearbeitenMenue, _("&Bearbeiten"));

    wxMenu* halleMenu = new wxMenu;
    halleMenu->Append(idMenuSpielbetrieb, _("Spielbetrieb\tCtrl+B"), _("Spiele an freie Platten aufrufen"));
    halleMenu->Append(idMenuHallenanzeige, _("Hallenanzeige\tF12"),
                      _("laufende Spiele, Aufrufe und Tabellen in einem zweiten Fenster, etwa am Beamer"));
    halleMenu->AppendSeparator();
    halleMenu->AppendCheckItem(idMenuLiveSeite, _("Live-Seite im Netz"),
                               _("Spielstand und Aufrufe als Webseite im Netz der Halle anbieten"));
    halleMenu->Append(idMenuLiveAdresse, _("Adresse der Live-Seite..."),
                      _("Adresse und QR-Code der Live-Seite zeigen"));
    menuBar->Append(halleMenu, _("H&alle"));
    // The other key for redo that desktop programs know.
    wxAcceleratorEntry zusatz(wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', wxID_REDO);
    SetAcceleratorTable(wxAcceleratorTable(1, &zusatz));

    wxMenu* hilfeMenu = new wxMenu(wxString());
    hilfeMenu->Append(idMenuAbout, wxGetTranslation(L"&Über Quobel...\tF1"), _("Anwendungsinformation"));
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

void wxQuobelFrame::turnierGeaendert(modAenderung art, const wxString& schritt)
{
    // Results and calls leave the form as it is: the pages showing them follow.
    if (art != aendErgebnis && art != aendAufruf)
    {
        aktualisiereAllgemein(nullptr);
        zeigeForm();
        return;
    }
    // A group's pages hear of what was typed into it, but not of undo and redo.
    if (m_Rundenpanel->getTurnier() != m_Turnier)
    {
        m_Rundenpanel->turnierGeaendert(art, schritt);
        m_TT_Tabellenpanel->turnierGeaendert(art, schritt);
        m_Kreuzpanel->turnierGeaendert(art, schritt);
    }
    if (m_Turnier->getGruppenphase() != nullptr)
    {
        m_Endrundenpanel->aktualisiere();
        if (m_Gruppenseite->IsShownOnScreen())
            m_Gruppenseite->SetPage(erzeugeGruppenseite());
    }
}

void wxQuobelFrame::turnierWirdGeaendert(modAenderung art)
{
    // A draw or a swap may replace groups and bracket; the form shown follows the
    // change. A call changes neither, and the group being typed into stays.
    if (art != aendAufruf)
        gruppenWerdenErsetzt();
}

void wxQuobelFrame::gruppenWerdenErsetzt()
{
    zeigeGruppe(0);
    m_Endrundenpanel->setEndrunde(nullptr);
}

void wxQuobelFrame::zeigeSeite(wxWindow* seite, const wxString& titel, bool zeigen)
{
    const int index = m_Notebook->FindPage(seite);
    if (zeigen && index == wxNOT_FOUND)
    {
        // GTK does not switch to a page whose window is hidden.
        seite->Show();
        m_Notebook->AddPage(seite, titel, false);
    }
    else if (!zeigen && index != wxNOT_FOUND)
    {
        m_Notebook->RemovePage(index);
        seite->Hide();
    }
}

void wxQuobelFrame::zeigeEndrundenMenues(bool zeigen)
{
    const wxString texte[] = {_("Endrunde..."), _("Endrundenzettel..."), _("Endstand..."),
                              _("Alle Gruppen...")};
    const std::pair<wxMenu*, std::vector<int>> menues[] = {
        {m_DruckMenue,
         {idMenuDruckEndrunde, idMenuDruckEndrunde + 1, idMenuDruckEndrunde + 2, idMenuDruckGruppen}},
        {m_VorschauMenue,
         {idMenuVorschauEndrunde, idMenuVorschauEndrunde + 1, idMenuVorschauEndrunde + 2,
          idMenuVorschauGruppen}}};
    for (const auto& menue : menues)
        for (size_t i = 0; i < menue.second.size(); ++i)
        {
            const bool da = menue.first->FindItem(menue.second[i]) != nullptr;
            if (zeigen && !da)
                menue.first->Append(menue.second[i], texte[i]);
            else if (!zeigen && da)
                menue.first->Delete(menue.second[i]);
        }
    const bool exportDa = m_ExportMenue->FindItem(idMenuExportEndrunde) != nullptr;
    if (zeigen && !exportDa)
    {
        m_ExportMenue->Append(idMenuExportEndrunde, _("Endrunde als CSV..."));
        m_ExportMenue->Append(idMenuExportEndstand, _("Endstand als CSV..."));
    }
    else if (!zeigen && exportDa)
    {
        m_ExportMenue->Delete(idMenuExportEndrunde);
        m_ExportMenue->Delete(idMenuExportEndstand);
    }
    if (zeigen && !m_GruppenMenue->IsAttached())
        GetMenuBar()->Insert(1, m_GruppenMenue, _("&Gruppen"));
    else if (!zeigen && m_GruppenMenue->IsAttached())
        GetMenuBar()->Remove(1);
}

void wxQuobelFrame::zeigeForm()
{
    const bool gruppen = m_Turnier->getAllgemein()->Turnierform == formGruppen;
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    const int anzahl = gp != nullptr ? gp->getAnzahlGruppen() : 0;
    if (static_cast<int>(m_GruppenWahl->GetCount()) != anzahl)
    {
        m_GruppenWahl->Clear();
        for (int g = 1; g <= anzahl; ++g)
            m_GruppenWahl->Append(wxString::Format(_("Gruppe %d"), g));
    }
    const int gewaehlt = anzahl == 0 ? 0 : std::clamp(m_GruppenWahl->GetSelection() + 1, 1, anzahl);
    m_Hauptpanel->GetSizer()->Show(m_GruppenZeile, gruppen && anzahl > 0);
    zeigeSeite(m_Gruppenseite, _("Gruppen"), gruppen);
    zeigeSeite(m_Endrundenpanel, _("Endrunde"), gruppen);
    zeigeEndrundenMenues(gruppen);
    zeigeGruppe(gruppen ? gewaehlt : 0);
    m_Endrundenpanel->setEndrunde(gp != nullptr ? gp->getEndrunde() : nullptr);
    if (gruppen)
        m_Gruppenseite->SetPage(erzeugeGruppenseite());
    m_Hauptpanel->Layout();
}

void wxQuobelFrame::zeigeGruppe(int g)
{
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    clTurnier* turnier = gp != nullptr && gp->getGruppe(g) != nullptr ? gp->getGruppe(g) : m_Turnier;
    const std::vector<int> platten = turnier != m_Turnier ? gp->getPlatten(g) : std::vector<int>();
    wxGrid* grid = m_Rundenpanel->getGrid();
    if (m_Rundenpanel->getTurnier() != m_Turnier && turnier != m_Rundenpanel->getTurnier())
    {
        m_CursorGruppe = m_GruppenWahl->GetSelection() + 1;
        m_Cursor.Set(grid->GetGridCursorRow(), grid->GetGridCursorCol());
    }
    const bool anders = turnier != m_Rundenpanel->getTurnier();
    m_Rundenpanel->setTurnier(turnier, platten, m_Turnier);
    if (anders && turnier != m_Turnier && g == m_CursorGruppe && m_Cursor.GetRow() < grid->GetNumberRows() &&
        m_Cursor.GetCol() < grid->GetNumberCols())
        grid->GoToCell(m_Cursor);
    m_TT_Tabellenpanel->setTurnier(turnier);
    m_Kreuzpanel->setTurnier(turnier);
    m_Druck->setTurnier(turnier, platten,
                        turnier != m_Turnier ? wxString::Format(_("Gruppe %d"), g) : wxString());
    if (turnier != m_Turnier)
        m_GruppenWahl->SetSelection(g - 1);
}

bool wxQuobelFrame::starteLiveSeite(int port, const std::string& adresse)
{
    wxString fehler;
    if (!m_Live->starte(port, fehler, adresse))
    {
        m_Dokument->zeigeFehler(fehler, _("Live-Seite im Netz"));
        return false;
    }
    m_LivePort = m_Live->getServer()->getPort();
    m_Dokument->getWiederherstellung().setLivePort(m_LivePort);
    const wxArrayString adressen = m_Live->getAdressen();
    SetStatusText(wxString::Format(wxGetTranslation(L"Die Live-Seite läuft: %s"),
                                   adressen.empty() ? wxString::Format("Port %d", m_LivePort) : adressen[0]));
    zeigeLiveAdresse();
    return true;
}

void wxQuobelFrame::stoppeLiveSeite()
{
    m_Live->stoppe();
    m_Dokument->getWiederherstellung().setLivePort(0);
    SetStatusText(_("Die Live-Seite ist beendet."));
    zeigeLiveAdresse();
}

void wxQuobelFrame::zeigeLiveAdresse()
{
    if (!m_Hallenanzeige)
        return;
    const wxArrayString adressen = getLiveServer() != nullptr ? m_Live->getAdressen() : wxArrayString();
    m_Hallenanzeige->setLiveAdresse(adressen.empty() ? wxString() : adressen[0]);
}

const clLiveServer* wxQuobelFrame::getLiveServer() const
{
    return m_Live->getServer();
}

void wxQuobelFrame::OnMenuLiveSeite(wxCommandEvent& event)
{
    if (!event.IsChecked())
        stoppeLiveSeite();
    else if (starteLiveSeite(m_LivePort))
        OnMenuLiveAdresse(event);
}

void wxQuobelFrame::OnMenuLiveAdresse(wxCommandEvent&)
{
    if (getLiveServer() == nullptr)
        return;
    dlLiveSeiteDlg dlg(this, m_Live->getAdressen());
    if (dlg.ShowModal() == wxID_STOP)
        stoppeLiveSeite();
}

void wxQuobelFrame::OnMenuHallenanzeige(wxCommandEvent&)
{
    if (!m_Hallenanzeige)
    {
        m_Hallenanzeige = new clHallenanzeige(this, m_Turnier);
        zeigeLiveAdresse();
    }
    m_Hallenanzeige->zeige();
}

void wxQuobelFrame::OnLiveSeiteMenue(wxUpdateUIEvent& event)
{
    if (event.GetId() == idMenuLiveSeite)
        event.Check(getLiveServer() != nullptr);
    else
        event.Enable(getLiveServer() != nullptr);
}

void wxQuobelFrame::OnMenuSpielbetrieb(wxCommandEvent&)
{
    schliesseZellEingaben();
    m_Notebook->SetSelection(m_Notebook->FindPage(m_Spielbetriebpanel));
    // Enter calls the proposed match at once.
    m_Spielbetriebpanel->getAufrufbare()->SetFocus();
}

void wxQuobelFrame::OnGruppenWahl(wxCommandEvent& event)
{
    schliesseZellEingaben();
    zeigeGruppe(event.GetSelection() + 1);
}

wxString wxQuobelFrame::erzeugeGruppenseite() const
{
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (gp == nullptr)
        return clHtmlAusgabe::erzeugeDokument(
            "<p>" +
            clHtmlAusgabe::maskiere(
                wxGetTranslation(L"Die Gruppen sind noch nicht ausgelost (Menü „Gruppen“).")) +
            "</p>");
    wxString html = "<table cellpadding=\"6\"><tr>";
    for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
    {
        clTurnier* gruppe = gp->getGruppe(g);
        vecLosSpieler spieler;
        std::vector<int> alle;
        // The players as drawn, with club and rating, by which the draw can be checked.
        wxString gelost;
        for (int p = 1; p <= gruppe->getAnzahlTeilnehmer(); ++p)
        {
            const clTeilnehmer* tn = gruppe->getTeilnehmer(p);
            spieler.push_back({p, tn->getTTR(), tn->getPerson().m_Verein, tn->getPartner().m_Verein});
            alle.push_back(p);
            gelost += (p > 1 ? ", " : "") + mitVereinUndTTR(*tn);
        }
        html += "<td valign=\"top\"><h3>" + clHtmlAusgabe::maskiere(wxString::Format(_("Gruppe %d"), g)) +
                "</h3><font size=\"-1\">" + clHtmlAusgabe::maskiere(gelost) + "</font>" +
                clHtmlAusgabe(gruppe, gp->getPlatten(g))
                    .erzeugeTabelle(gp->istFertig(g) && !gp->brauchtEntscheidung(g)
                                        ? static_cast<int>(gp->getAufsteiger(g).size())
                                        : 0);
        // Club-mates the draw could not keep apart stand out.
        for (const std::pair<int, int>& paar : clGruppenAuslosung(spieler).getVereinsPaare(alle))
            html +=
                "<font color=\"#c00000\">" +
                clHtmlAusgabe::maskiere(wxString::Format(wxGetTranslation(L"Gleicher Verein: %s und %s (%s)"),
                                                         gruppe->getTeilnehmer(paar.first)->getAnzeige(),
                                                         gruppe->getTeilnehmer(paar.second)->getAnzeige(),
                                                         gruppe->getTeilnehmer(paar.first)->getVerein())) +
                "</font><br>";
        html += "</td>";
        // Two groups side by side.
        if (g % 2 == 0 && g < gp->getAnzahlGruppen())
            html += "</tr><tr>";
    }
    return clHtmlAusgabe::erzeugeDokument(html + "</tr></table>");
}

void wxQuobelFrame::uebernimmEndrundenAenderung(const sEndrundenAenderung& aenderung)
{
    std::vector<clTTSpiel*> spiele{aenderung.spiel};
    for (const std::pair<clTTSpiel*, eingaben>& verloren : aenderung.verloren)
        spiele.push_back(verloren.first);
    m_Turnier->pruefeWertungen(spiele);
}

wxString wxQuobelFrame::getGruppenSperre() const
{
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    for (int g = 1; gp != nullptr && g <= gp->getAnzahlGruppen(); ++g)
        if (gp->hatErgebnisse(g))
            return wxString::Format(
                wxGetTranslation(L"Gruppe %d hat schon Ergebnisse: die Gruppen bleiben, wie sie sind."), g);
    return wxString();
}

void wxQuobelFrame::OnGruppenMenue(wxUpdateUIEvent& event)
{
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (event.GetId() == idMenuEndrundeAuslosen)
        event.Enable(gp != nullptr && gp->sindGruppenFertig());
    else if (event.GetId() == idMenuSpielerTauschen)
        event.Enable(gp != nullptr && gp->getAnzahlGruppen() > 1);
    else if (event.GetId() == idMenuDruckGruppen || event.GetId() == idMenuVorschauGruppen)
        event.Enable(gp != nullptr);
    else
        event.Enable(gp != nullptr && gp->getEndrunde() != nullptr);
}

wxString wxQuobelFrame::frageNeueAuslosung() const
{
    wxString frage = _("Die Gruppen neu auslosen? Die bisherige Auslosung geht verloren.");
    // Their players are at the tables: the organiser sends them back.
    const std::vector<sAufruf> laufende = m_Turnier->getSpielbetrieb().getLaufende();
    if (!laufende.empty())
        frage +=
            "\n\n" + wxGetTranslation(
                         L"Diese laufenden Spiele verlieren ihren Aufruf, wenn ihre Paarung nicht bleibt:");
    for (const sAufruf& a : laufende)
        frage += "\n" + wxString::Format(_("Platte %d: %s"), a.platte, a.spiel->getPaarung());
    return frage;
}

void wxQuobelFrame::OnGruppenAuslosen(wxCommandEvent&)
{
    schliesseZellEingaben();
    const wxString titel = _("Gruppen auslosen");
    const wxString sperre = getGruppenSperre();
    if (m_Turnier->getAnzahlTeilnehmer() == 0)
        m_Dokument->zeigeFehler(wxGetTranslation(L"Es sind noch keine Teilnehmer übernommen."), titel);
    else if (!sperre.empty())
        m_Dokument->zeigeFehler(sperre, titel);
    else if (m_Turnier->getGruppenphase() == nullptr ||
             m_Dokument->frage(frageNeueAuslosung(), titel, wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION) ==
                 wxID_YES)
    {
        m_Turnier->loseGruppen(m_Zufall);
        m_Notebook->SetSelection(m_Notebook->FindPage(m_Gruppenseite));
    }
}

void wxQuobelFrame::OnSpielerTauschen(wxCommandEvent&)
{
    schliesseZellEingaben();
    const wxString titel = _("Spieler tauschen");
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    const wxString sperre = getGruppenSperre();
    if (gp == nullptr)
        return;
    if (!sperre.empty())
    {
        m_Dokument->zeigeFehler(sperre, titel);
        return;
    }
    // Every player as "Gruppe 2: Bernd", with the group and the start number there.
    wxArrayString namen;
    std::vector<std::pair<int, int>> spieler;
    for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
        for (int p = 1; p <= gp->getGruppe(g)->getAnzahlTeilnehmer(); ++p)
        {
            namen.Add(wxString::Format(_("Gruppe %d: %s"), g,
                                       mitVereinUndTTR(*gp->getGruppe(g)->getTeilnehmer(p))));
            spieler.emplace_back(g, p);
        }
    int erster = 0, zweiter = 0;
    if (waehlePaar(
            this, titel, namen, _("Welcher Spieler wechselt die Gruppe?"), _("Mit wem tauscht %s?"),
            [&spieler](int a, int b) { return spieler[a].first != spieler[b].first; }, erster, zweiter))
        m_Turnier->tauscheGruppenspieler(spieler[erster].first, spieler[erster].second,
                                         spieler[zweiter].first, spieler[zweiter].second);
}

void wxQuobelFrame::OnEndrundeAuslosen(wxCommandEvent&)
{
    schliesseZellEingaben();
    const wxString titel = _("Endrunde auslosen");
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (gp == nullptr || !gp->sindGruppenFertig())
        m_Dokument->zeigeFehler(
            _("Erst wenn jedes Gruppenspiel ein Ergebnis hat, wird die Endrunde ausgelost."), titel);
    else if (!gp->kannEndrundeAuslosen())
        m_Dokument->zeigeFehler(_("Die Endrunde hat schon Ergebnisse: sie bleibt, wie sie ist."), titel);
    else if (gp->getEndrunde() == nullptr ||
             m_Dokument->frage(_("Die Endrunde neu auslosen? Die bisherige Auslosung geht verloren."), titel,
                               wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION) == wxID_YES)
    {
        // Players who share a place that decides who goes on are put in order first.
        std::vector<sEntscheidung> entscheidungen;
        if (!dlGleichstandDlg::frage(this, titel, *m_Turnier, entscheidungen))
            return;
        m_Turnier->loseEndrunde(m_Zufall, entscheidungen);
        m_Notebook->SetSelection(m_Notebook->FindPage(m_Endrundenpanel));
    }
}

void wxQuobelFrame::OnLinienTauschen(wxCommandEvent&)
{
    schliesseZellEingaben();
    const wxString titel = _("Linien tauschen");
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    // The menu offers this only with a bracket; a key or a stale menu may still ask.
    if (gp == nullptr || gp->getEndrunde() == nullptr)
        return;
    if (gp->getEndrunde()->hatEingaben())
    {
        m_Dokument->zeigeFehler(_("Die Endrunde hat schon Ergebnisse: sie bleibt, wie sie ist."), titel);
        return;
    }
    // Every line as "Linie 3: Anna (TSV Nord)" or "Linie 4: Freilos".
    const vecTeilnehmer& linien = gp->getEndrunde()->getLinien();
    wxArrayString namen;
    for (size_t l = 0; l < linien.size(); ++l)
        namen.Add(wxString::Format(_("Linie %d: %s"), static_cast<int>(l + 1),
                                   linien[l] != nullptr ? mitVereinUndTTR(*linien[l]) : _("Freilos")));
    // Swapping two byes changes nothing, so a bye is offered only the players.
    int erste = 0, zweite = 0;
    if (waehlePaar(
            this, titel, namen, _("Welche Linie wird getauscht?"), _("Mit welcher Linie tauscht %s?"),
            [gp](int a, int b) { return gp->kannLinienTauschen(a + 1, b + 1); }, erste, zweite))
    {
        m_Turnier->tauscheEndrundenLinien(erste + 1, zweite + 1);
        m_Notebook->SetSelection(m_Notebook->FindPage(m_Endrundenpanel));
    }
}

void wxQuobelFrame::OnMenuDruckGruppen(wxCommandEvent& event)
{
    schliesseZellEingaben();
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (gp == nullptr)
        return;
    wxString html;
    for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
    {
        // Neither table of a group is cut by a page end, which would leave its
        // continuation without the column heads.
        const clHtmlAusgabe gruppe(gp->getGruppe(g), gp->getPlatten(g));
        html +=
            clHtmlAusgabe::zusammen("<h1>" + clHtmlAusgabe::maskiere(wxString::Format(_("Gruppe %d"), g)) +
                                    "</h1>\n" + gruppe.erzeugeTabelle()) +
            clHtmlAusgabe::zusammen(gruppe.erzeugeKreuztabelle());
    }
    if (event.GetId() == idMenuVorschauGruppen)
        m_Druck->zeigeVorschau(html, _("Alle Gruppen"));
    else
        m_Druck->drucke(html, _("Alle Gruppen"));
}

void wxQuobelFrame::OnMenuDruckEndrunde(wxCommandEvent& event)
{
    const bool vorschau = event.GetId() >= idMenuVorschauEndrunde;
    const clDruck::EndrundenInhalt inhalt = static_cast<clDruck::EndrundenInhalt>(
        event.GetId() - (vorschau ? idMenuVorschauEndrunde : idMenuDruckEndrunde));
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if (gp == nullptr || gp->getEndrunde() == nullptr)
        return;
    if (vorschau)
        m_Druck->zeigeVorschau(*gp->getEndrunde(), inhalt, gp->getEndstand());
    else
        m_Druck->drucke(*gp->getEndrunde(), inhalt, gp->getEndstand());
}

void wxQuobelFrame::zeigeAllgemeinDlg(const wxString& titel, bool neu)
{
    dlAllgemeinDlg dlg(this, wxID_ANY, titel, m_Turnier->getAllgemein());
    // New starts without participants.
    dlg.setTeilnehmer(neu ? 0 : m_Turnier->getAnzahlTeilnehmer());
    if (neu)
        dlg.setNeu();
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
    const wxString partner = neu ? wxString() : m_Turnier->verworfenePartner(alg);
    if (!partner.empty() && m_Dokument->frage(partner + "\n\n" + _("Trotzdem fortfahren?"), titel,
                                              wxYES_NO | wxNO_DEFAULT | wxICON_WARNING) != wxID_YES)
        return;
    const wxString gruppen = neu ? wxString() : m_Turnier->verworfeneGruppen(alg);
    if (!gruppen.empty() && m_Dokument->frage(gruppen + "\n\n" + _("Trotzdem fortfahren?"), titel,
                                              wxYES_NO | wxNO_DEFAULT | wxICON_WARNING) != wxID_YES)
        return;
    m_Turnier->setAllgemein(&alg);
    aktualisiereAllgemein(&alg);
    m_Turnier->Aktualisieren(neu);
    if (neu)
        m_Dokument->vergissDatei();
}

void wxQuobelFrame::schliesseZellEingaben()
{
    for (wxGrid* grid :
         {m_Turnierpanel->getGrid(), m_Rundenpanel->getGrid(), m_Endrundenpanel->getSatzGrid()})
    {
        if (grid->IsCellEditControlEnabled())
            grid->DisableCellEditControl();
    }
}

bool wxQuobelFrame::brichZellEingabeAb()
{
    for (wxGrid* grid :
         {m_Turnierpanel->getGrid(), m_Rundenpanel->getGrid(), m_Endrundenpanel->getSatzGrid()})
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
    int vorschlag = 0;
    const wxArrayString auswahl = m_Druck->getZettelAuswahl(vorschlag);
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
    const int id = event.GetId();
    // The menu offers the bracket's exports only with a bracket; a stale menu may still ask.
    const clGruppenphase* gp = m_Turnier->getGruppenphase();
    if ((id == idMenuExportEndrunde || id == idMenuExportEndstand) &&
        (gp == nullptr || gp->getEndrunde() == nullptr))
        return;
    const wxString vorschlag = id == idMenuExportTabelle      ? _("Turniertabelle.csv")
                               : id == idMenuExportErgebnisse ? _("Ergebnisse.csv")
                               : id == idMenuExportEndrunde   ? _("Endrunde.csv")
                               : id == idMenuExportEndstand   ? _("Endstand.csv")
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
    // In groups the standings and results of every group.
    if (id == idMenuExportTabelle)
        erfolg = clCsvExport(m_Turnier).schreibeTabelle(pfad, &fehler);
    else if (id == idMenuExportErgebnisse)
        erfolg = clCsvExport(m_Turnier).schreibeErgebnisse(pfad, &fehler);
    else if (id == idMenuExportEndrunde)
        erfolg = clCsvExport::schreibeEndrunde(pfad, *gp->getEndrunde(), &fehler);
    else if (id == idMenuExportEndstand)
        erfolg = clCsvExport::schreibeEndstand(pfad, gp->getEndstand(), &fehler);
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
    EVT_MENU(idMenuGruppenAuslosen, wxQuobelFrame::OnGruppenAuslosen)
    EVT_MENU(idMenuSpielerTauschen, wxQuobelFrame::OnSpielerTauschen)
    EVT_MENU(idMenuEndrundeAuslosen, wxQuobelFrame::OnEndrundeAuslosen)
    EVT_MENU(idMenuLinienTauschen, wxQuobelFrame::OnLinienTauschen)
    EVT_MENU(idMenuSpielbetrieb, wxQuobelFrame::OnMenuSpielbetrieb)
    EVT_MENU(idMenuLiveSeite, wxQuobelFrame::OnMenuLiveSeite)
    EVT_UPDATE_UI(idMenuLiveSeite, wxQuobelFrame::OnLiveSeiteMenue)
    EVT_MENU(idMenuLiveAdresse, wxQuobelFrame::OnMenuLiveAdresse)
    EVT_UPDATE_UI(idMenuLiveAdresse, wxQuobelFrame::OnLiveSeiteMenue)
    EVT_MENU(idMenuHallenanzeige, wxQuobelFrame::OnMenuHallenanzeige)
    EVT_MENU_RANGE(idMenuDruckEndrunde, idMenuVorschauEndrunde + 2, wxQuobelFrame::OnMenuDruckEndrunde)
    EVT_MENU_RANGE(idMenuExportEndrunde, idMenuExportEndstand, wxQuobelFrame::OnMenuExportieren)
    EVT_CHOICE(idGruppenWahl, wxQuobelFrame::OnGruppenWahl)
    EVT_MENU_RANGE(idMenuDruckGruppen, idMenuVorschauGruppen, wxQuobelFrame::OnMenuDruckGruppen)
    EVT_UPDATE_UI_RANGE(idMenuSpielerTauschen, idMenuVorschauEndrunde + 2, wxQuobelFrame::OnGruppenMenue)
    EVT_UPDATE_UI_RANGE(idMenuExportEndrunde, idMenuExportEndstand, wxQuobelFrame::OnGruppenMenue)
    EVT_UPDATE_UI_RANGE(idMenuDruckGruppen, idMenuVorschauGruppen, wxQuobelFrame::OnGruppenMenue)
    EVT_UPDATE_UI(idMenuLinienTauschen, wxQuobelFrame::OnGruppenMenue)
wxEND_EVENT_TABLE()
    // clang-format on
