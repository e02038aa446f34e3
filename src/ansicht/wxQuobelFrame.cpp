#include "ansicht/wxQuobelFrame.h"

#include <algorithm>
#include <wx/accel.h>
#include <wx/choice.h>
#include <wx/iconbndl.h>
#include <wx/intl.h>
#include <wx/menu.h>
#include <wx/sizer.h>

#include "ansicht/UeberDlg.h"
#include "ansicht/clAusgabeBefehle.h"
#include "ansicht/clDateiBefehle.h"
#include "ansicht/clPortalBefehle.h"
#include "ansicht/clEndrundenpanel.h"
#include "ansicht/clGruppenBefehle.h"
#include "ansicht/clGruppenseite.h"
#include "ansicht/clHallenBefehle.h"
#include "ansicht/clKonkurrenzenpanel.h"
#include "ansicht/clKreuztabellenpanel.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clSpielbetriebpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "ansicht/clTurnierDokument.h"
#include "ansicht/clTurnierpanel.h"
#include "ausgabe/clDruck.h"
#include "modell/clGruppenphase.h"
#include "modell/clTurniertag.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "verlauf/clBefehlsverlauf.h"
#include "verlauf/clWiederherstellung.h"

#ifndef __WXMSW__
#include "resources/aaaa_16.xpm"
#include "resources/aaaa_32.xpm"
#endif

namespace
{
const wxSize StartGroesse(1280, 860);
const wxSize MinGroesse(900, 640);
} // namespace

wxQuobelFrame::wxQuobelFrame(wxFrame* frame, const wxString& title, const wxString& wiederherstellungsOrdner)
    : wxFrame(frame, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_FRAME_STYLE | wxMAXIMIZE),
      m_Kontext(this, new clTurniertag), m_Leer(new clTurnier)
{
    m_Kennung = m_Kontext.getTag()->getKennung(0);
    clTurnier* turnier = m_Kontext.getTurnier();
    m_Ausgabe.reset(new clAusgabeBefehle(m_Kontext));
    m_Portal.reset(new clPortalBefehle(m_Kontext));

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
    const allgemein* alg = turnier->getAllgemein();
    m_TurnierText = new wxStaticText(m_Hauptpanel, wxID_ANY, alg->Bezeichnung);
    m_TurnierText->SetFont(wxFont(14, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD));
    sizer->Add(m_TurnierText, 0, wxALIGN_CENTER_HORIZONTAL);
    m_TurnierVeranstalterText = new wxStaticText(m_Hauptpanel, wxID_ANY, alg->Veranstalter);
    sizer->Add(m_TurnierVeranstalterText, 0, wxALIGN_CENTER_HORIZONTAL);
    m_TurnierDatenText =
        new wxStaticText(m_Hauptpanel, wxID_ANY, wxString::Format("%s, %s", alg->Ort, alg->Datum));
    sizer->Add(m_TurnierDatenText, 0, wxALIGN_CENTER_HORIZONTAL);

    // The class the pages show, on a day of several classes only, and beside it
    // the group they show, in the form of groups only.
    m_WahlZeile = new wxBoxSizer(wxHORIZONTAL);
    m_KonkurrenzZeile = new wxBoxSizer(wxHORIZONTAL);
    m_KonkurrenzZeile->Add(new wxStaticText(m_Hauptpanel, wxID_ANY, _("Konkurrenz:")), 0,
                           wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    m_KonkurrenzWahl = new wxChoice(m_Hauptpanel, idKonkurrenzWahl);
    m_KonkurrenzZeile->Add(m_KonkurrenzWahl, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 20);
    m_WahlZeile->Add(m_KonkurrenzZeile, 0, wxALIGN_CENTER_VERTICAL);
    m_GruppenZeile = new wxBoxSizer(wxHORIZONTAL);
    m_GruppenZeile->Add(new wxStaticText(m_Hauptpanel, wxID_ANY, _("Gruppe:")), 0,
                        wxALIGN_CENTER_VERTICAL | wxRIGHT, 5);
    m_GruppenWahl = new wxChoice(m_Hauptpanel, idGruppenWahl);
    m_GruppenZeile->Add(m_GruppenWahl, 0, wxALIGN_CENTER_VERTICAL);
    m_WahlZeile->Add(m_GruppenZeile, 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(m_WahlZeile, 0, wxALIGN_CENTER_HORIZONTAL | wxTOP, 5);
    m_WahlZeile->Hide(m_KonkurrenzZeile);
    m_WahlZeile->Hide(m_GruppenZeile);

    m_Notebook = new wxNotebook(m_Hauptpanel, wxID_ANY);
    m_Turnierpanel = new clTurnierpanel(m_Notebook, turnier);
    m_Turnierpanel->setTag(m_Kontext.getTag());
    m_Notebook->AddPage(m_Turnierpanel, _("Turnier und Teilnehmer"), false);
    m_Rundenpanel = new clRundenpanel(m_Notebook, turnier);
    m_Notebook->AddPage(m_Rundenpanel, _("Spielrunden"), false);
    m_Spielbetriebpanel =
        new clSpielbetriebpanel(m_Notebook, m_Kontext.getTag(),
                                [this](clTurnier* konkurrenz, const clTTSpiel* sp)
                                {
                                    const clTurniertag* tag = m_Kontext.getTag();
                                    m_Ausgabe->getDruck().druckeSpielzettel(
                                        sp, konkurrenz, tag->getEigenePlatten(tag->finde(konkurrenz)));
                                });
    m_Notebook->AddPage(m_Spielbetriebpanel, _("Spielbetrieb"), false);
    m_TT_Tabellenpanel = new clTT_Tabellenpanel(m_Notebook, turnier);
    m_Notebook->AddPage(m_TT_Tabellenpanel, _("Turniertabelle"), false);
    m_Kreuzpanel = new clKreuztabellenpanel(m_Notebook, turnier);
    m_Notebook->AddPage(m_Kreuzpanel, _("Kreuztabelle"), false);
    // Always there: it is where a second class is added.
    m_Konkurrenzenpanel = new clKonkurrenzenpanel(m_Notebook, m_Kontext.getTag(),
                                                  [this](int i)
                                                  {
                                                      if (wechsleKonkurrenz(i))
                                                          m_Notebook->SetSelection(0);
                                                  });
    m_Notebook->AddPage(m_Konkurrenzenpanel, _("Konkurrenzen"), false);
    // The pages of groups and bracket join the notebook in the form of groups.
    m_Gruppenseite = new clGruppenseite(m_Notebook, m_Kontext);
    m_Gruppenseite->Hide();
    m_Endrundenpanel = new clEndrundenpanel(
        m_Notebook, nullptr,
        [this](const sEndrundenAenderung& a) { m_Gruppen->uebernimmEndrundenAenderung(a); },
        [this]() { return m_Kontext.getTurnier()->getGruppenphase()->getEndstand(); });
    m_Endrundenpanel->setHalle(&turnier->getSpielbetrieb());
    m_Endrundenpanel->Hide();
    m_Notebook->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED,
                     [this](wxBookCtrlEvent& event)
                     {
                         if (m_Notebook->GetCurrentPage() == m_Gruppenseite)
                             m_Gruppenseite->aktualisiere();
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
    m_Kontext.setSeiten(
        m_Notebook, {m_Turnierpanel->getGrid(), m_Rundenpanel->getGrid(), m_Endrundenpanel->getSatzGrid()});

    m_Dokument.reset(new clTurnierDokument(
        this, m_Kontext.getTag(), m_Turnierpanel, [this]() { m_Kontext.schliesseZellEingaben(); },
        wiederherstellungsOrdner.empty() ? clWiederherstellung::getStandardOrdner()
                                         : wiederherstellungsOrdner));
    m_Kontext.setDokument(m_Dokument.get());
    m_Dokument->getVerlauf().UseMenu(m_VerlaufMenue);
    m_Dokument->getVerlauf().AddFilesToMenu();
    m_Dokument->getBefehle().SetEditMenu(m_BearbeitenMenue);
    m_Dokument->getBefehle().SetMenuStrings();

    m_Datei.reset(new clDateiBefehle(m_Kontext, m_Turnierpanel,
                                     [this](const allgemein* alg) { aktualisiereAllgemein(alg); }));
    m_Gruppen.reset(new clGruppenBefehle(m_Kontext, m_Gruppenseite, m_Endrundenpanel));
    m_Halle.reset(new clHallenBefehle(m_Kontext, m_Spielbetriebpanel));
    verbindeMenue();
    m_Kontext.getTag()->addBeobachter(this);
}

wxQuobelFrame::~wxQuobelFrame()
{
    if (!m_GruppenMenue->IsAttached())
        delete m_GruppenMenue;
    m_Kontext.getTag()->removeBeobachter(this);
    // The live site stops before the document goes.
    m_Halle.reset();
    m_Dokument.reset();
    // The pages' grid tables refer to the tournament: they go first.
    DestroyChildren();
    delete m_Kontext.getTag();
}

void wxQuobelFrame::verbindeMenue()
{
    clDateiBefehle* datei = m_Datei.get();
    Bind(wxEVT_MENU, &clDateiBefehle::OnNeu, datei, idMenuNeu);
    Bind(wxEVT_MENU, &clDateiBefehle::OnBearbeiten, datei, idMenuBearbeiten);
    Bind(wxEVT_MENU, &clDateiBefehle::OnLaden, datei, idMenuLaden);
    Bind(wxEVT_MENU, &clDateiBefehle::OnSchreiben, datei, idMenuSchreiben);
    Bind(wxEVT_MENU, &clDateiBefehle::OnSpeichern, datei, idMenuSpeichern);
    Bind(wxEVT_MENU, &clDateiBefehle::OnSpeichernUnter, datei, idMenuSpeichernUnter);
    Bind(wxEVT_MENU, &clDateiBefehle::OnDateiverlauf, datei, wxID_FILE1, wxID_FILE9);
    Bind(wxEVT_MENU, &clDateiBefehle::OnTeilnehmerImport, datei, idMenuTeilnehmerImport);
    clPortalBefehle* portal = m_Portal.get();
    Bind(wxEVT_MENU, &clPortalBefehle::OnImport, portal, idMenuPortalImport);
    Bind(wxEVT_MENU, &clPortalBefehle::OnWarteliste, portal, idMenuPortalWarteliste);
    Bind(wxEVT_MENU, &clPortalBefehle::OnExport, portal, idMenuPortalExport);
    Bind(wxEVT_MENU, &clDateiBefehle::OnRueckgaengig, datei, wxID_UNDO);
    Bind(wxEVT_MENU, &clDateiBefehle::OnWiederherstellen, datei, wxID_REDO);

    clAusgabeBefehle* ausgabe = m_Ausgabe.get();
    Bind(wxEVT_MENU, &clAusgabeBefehle::OnDrucken, ausgabe, idMenuDruckSpielplan, idMenuVorschauKreuztabelle);
    Bind(wxEVT_MENU, &clAusgabeBefehle::OnSeiteEinrichten, ausgabe, idMenuSeiteEinrichten);
    Bind(wxEVT_MENU, &clAusgabeBefehle::OnExportieren, ausgabe, idMenuExportTabelle, idMenuExportSeite);
    Bind(wxEVT_MENU, &clAusgabeBefehle::OnExportieren, ausgabe, idMenuExportEndrunde, idMenuExportEndstand);
    Bind(wxEVT_MENU, &clAusgabeBefehle::OnDruckEndrunde, ausgabe, idMenuDruckEndrunde,
         idMenuVorschauEndrunde + 2);
    Bind(wxEVT_MENU, &clAusgabeBefehle::OnDruckGruppen, ausgabe, idMenuDruckGruppen, idMenuVorschauGruppen);
    Bind(wxEVT_MENU, &clAusgabeBefehle::OnDruckKonkurrenzen, ausgabe, idMenuDruckKonkurrenzen,
         idMenuVorschauKonkurrenzen);

    clGruppenBefehle* gruppen = m_Gruppen.get();
    Bind(wxEVT_MENU, &clGruppenBefehle::OnGruppenAuslosen, gruppen, idMenuGruppenAuslosen);
    Bind(wxEVT_MENU, &clGruppenBefehle::OnSpielerTauschen, gruppen, idMenuSpielerTauschen);
    Bind(wxEVT_MENU, &clGruppenBefehle::OnEndrundeAuslosen, gruppen, idMenuEndrundeAuslosen);
    Bind(wxEVT_MENU, &clGruppenBefehle::OnLinienTauschen, gruppen, idMenuLinienTauschen);
    // The bracket's and the groups' printouts and exports too.
    Bind(wxEVT_UPDATE_UI, &clGruppenBefehle::OnMenueZustand, gruppen, idMenuSpielerTauschen,
         idMenuVorschauEndrunde + 2);
    Bind(wxEVT_UPDATE_UI, &clGruppenBefehle::OnMenueZustand, gruppen, idMenuExportEndrunde,
         idMenuExportEndstand);
    Bind(wxEVT_UPDATE_UI, &clGruppenBefehle::OnMenueZustand, gruppen, idMenuDruckGruppen,
         idMenuVorschauGruppen);
    Bind(wxEVT_UPDATE_UI, &clGruppenBefehle::OnMenueZustand, gruppen, idMenuLinienTauschen);
    Bind(wxEVT_UPDATE_UI, &clGruppenBefehle::OnMenueZustand, gruppen, idMenuGruppenAuslosen);

    clHallenBefehle* halle = m_Halle.get();
    Bind(wxEVT_MENU, &clHallenBefehle::OnSpielbetrieb, halle, idMenuSpielbetrieb);
    Bind(wxEVT_MENU, &clHallenBefehle::OnHallenanzeige, halle, idMenuHallenanzeige);
    Bind(wxEVT_MENU, &clHallenBefehle::OnLiveSeite, halle, idMenuLiveSeite);
    Bind(wxEVT_MENU, &clHallenBefehle::OnLiveAdresse, halle, idMenuLiveAdresse);
    Bind(wxEVT_UPDATE_UI, &clHallenBefehle::OnLiveSeiteMenue, halle, idMenuLiveSeite, idMenuLiveAdresse);
}

bool wxQuobelFrame::starteLiveSeite(int port, const std::string& adresse)
{
    return m_Halle->starteLiveSeite(port, adresse);
}

clHallenanzeige* wxQuobelFrame::getHallenanzeige() const
{
    return m_Halle->getHallenanzeige();
}

const clLiveServer* wxQuobelFrame::getLiveServer() const
{
    return m_Halle->getLiveServer();
}

std::mt19937& wxQuobelFrame::getZufall()
{
    return m_Gruppen->getZufall();
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
    turnierMenu->Append(idMenuPortalImport, _("Aus dem Turnierportal importieren..."),
                        _("Konkurrenzen und Meldungen aus der XML-Datei des Turnierportals"));
    turnierMenu->Append(idMenuPortalWarteliste, _("Warteliste des Turnierportals..."),
                        _("Meldungen von der Warteliste in die gezeigte Konkurrenz aufnehmen"));
    turnierMenu->Append(idMenuPortalExport,
                        wxGetTranslation(L"Ergebnisse für das Turnierportal exportieren..."),
                        wxGetTranslation(L"Spiele und Platzierungen als XML-Datei für das Turnierportal"));
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
        alg = m_Kontext.getTurnier()->getAllgemein();
    m_TurnierText->SetLabel(alg->Bezeichnung);
    m_TurnierVeranstalterText->SetLabel(alg->Veranstalter);
    m_TurnierDatenText->SetLabel(wxString::Format("%s, %s", alg->Ort, alg->Datum));
    m_Hauptpanel->Layout();
}

void wxQuobelFrame::zeigeKonkurrenz(int i)
{
    clTurniertag* tag = m_Kontext.getTag();
    clTurnier* turnier = tag->getKonkurrenz(i);
    if (turnier == nullptr)
        return;
    if (tag->getKennung(i) != m_Kennung)
    {
        // Another class starts at its first group.
        m_GruppenWahl->Clear();
        m_CursorGruppe = 0;
        m_Kennung = tag->getKennung(i);
    }
    richteAus(turnier);
}

void wxQuobelFrame::richteAus(clTurnier* turnier)
{
    m_Kontext.schliesseZellEingaben();
    m_Kontext.setTurnier(turnier);
    // The rounds, standings and cross table go to the class, the bracket lets go.
    loeseGruppen();
    m_Turnierpanel->setTurnier(turnier);
    m_Endrundenpanel->setHalle(&turnier->getSpielbetrieb());
    if (turnier == m_Leer.get())
        return;
    aktualisiereAllgemein(nullptr);
    zeigeForm();
    aktualisiereKonkurrenzWahl();
}

void wxQuobelFrame::aktualisiereKonkurrenzWahl()
{
    const clTurniertag* tag = m_Kontext.getTag();
    wxArrayString namen;
    for (int i = 0; i < tag->getAnzahl(); ++i)
        namen.Add(tag->getName(i));
    if (m_KonkurrenzWahl->GetStrings() != namen)
        m_KonkurrenzWahl->Set(namen);
    m_KonkurrenzWahl->SetSelection(tag->finde(m_Kontext.getTurnier()));
    // The buttons of the page of classes act on the class shown, unless another row is chosen.
    m_Konkurrenzenpanel->waehle(tag->finde(m_Kontext.getTurnier()));
    const bool mehrere = tag->getAnzahl() > 1;
    if (m_WahlZeile->IsShown(m_KonkurrenzZeile) != mehrere)
    {
        m_WahlZeile->Show(m_KonkurrenzZeile, mehrere);
        m_Hauptpanel->Layout();
    }
}

void wxQuobelFrame::konkurrenzenWerdenErsetzt()
{
    richteAus(m_Leer.get());
}

void wxQuobelFrame::OnKonkurrenzWahl(wxCommandEvent& event)
{
    wechsleKonkurrenz(event.GetSelection());
}

bool wxQuobelFrame::wechsleKonkurrenz(int i)
{
    m_Kontext.schliesseZellEingaben();
    clTeilnehmerTableBase* liste = m_Turnierpanel->getTable();
    if (liste->hatAenderungen())
    {
        // The list typed on the participants page belongs to the class shown.
        const int antwort =
            m_Dokument->frage(wxGetTranslation(L"Die geänderte Teilnehmerliste übernehmen?"),
                              _("Konkurrenz wechseln"), wxYES_NO | wxCANCEL | wxYES_DEFAULT | wxICON_QUESTION,
                              wxGetTranslation(L"Sonst gehen die Änderungen beim Wechsel verloren."));
        if (antwort == wxID_CANCEL || (antwort == wxID_YES && !m_Turnierpanel->uebernehmeTeilnehmerliste()))
        {
            aktualisiereKonkurrenzWahl();
            return false;
        }
    }
    zeigeKonkurrenz(i);
    return true;
}

void wxQuobelFrame::turnierGeaendert(modAenderung art, const wxString& schritt)
{
    clTurniertag* tag = m_Kontext.getTag();
    // The classes were replaced: the pages go back to the class of the same stable
    // number, before anything draws.
    if (m_Kontext.getTurnier() == m_Leer.get())
    {
        const int i = tag->findeKennung(m_Kennung);
        zeigeKonkurrenz(i >= 0 ? i : 0);
    }
    if (art == aendKonkurrenzen || art == aendGeladen || art == aendAbbild || art == aendNeu)
    {
        aktualisiereKonkurrenzWahl();
        m_Turnierpanel->turnierGeaendert(art, schritt);
    }
    // What another class tells concerns only the page of the classes.
    const int geaendert = tag->getGeaenderte();
    if (geaendert >= 0 && tag->getKonkurrenz(geaendert) != m_Kontext.getTurnier())
        return;
    // Results and calls leave the form as it is: the pages showing them follow.
    if (art != aendErgebnis && art != aendAufruf)
    {
        aktualisiereAllgemein(nullptr);
        zeigeForm();
        return;
    }
    // A group's pages hear of what was typed into it, but not of undo and redo.
    if (m_Rundenpanel->getTurnier() != m_Kontext.getTurnier())
    {
        m_Rundenpanel->turnierGeaendert(art, schritt);
        m_TT_Tabellenpanel->turnierGeaendert(art, schritt);
        m_Kreuzpanel->turnierGeaendert(art, schritt);
    }
    if (m_Kontext.getTurnier()->getGruppenphase() != nullptr)
    {
        m_Endrundenpanel->aktualisiere();
        if (m_Gruppenseite->IsShownOnScreen())
            m_Gruppenseite->aktualisiere();
    }
}

void wxQuobelFrame::turnierWirdGeaendert(modAenderung art)
{
    // A draw or a swap may replace groups and bracket; the form shown follows the
    // change. A call changes neither, and the group being typed into stays.
    const clTurniertag* tag = m_Kontext.getTag();
    const int geaendert = tag->getGeaenderte();
    if (art != aendAufruf && (geaendert < 0 || tag->getKonkurrenz(geaendert) == m_Kontext.getTurnier()))
        loeseGruppen();
}

void wxQuobelFrame::gruppenWerdenErsetzt()
{
    const clTurniertag* tag = m_Kontext.getTag();
    if (tag->getKonkurrenz(tag->getGeaenderte()) == m_Kontext.getTurnier())
        loeseGruppen();
}

void wxQuobelFrame::loeseGruppen()
{
    zeigeGruppe(0);
    m_Endrundenpanel->setEndrunde(nullptr);
}

void wxQuobelFrame::zeigeSeite(wxWindow* seite, const wxString& titel, bool zeigen)
{
    const int index = m_Notebook->FindPage(seite);
    if (zeigen && index == wxNOT_FOUND)
    {
        // GTK does not switch to a page whose window is hidden. The page of the
        // classes stays the last.
        seite->Show();
        m_Notebook->InsertPage(m_Notebook->FindPage(m_Konkurrenzenpanel), seite, titel, false);
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
    const clTurnier* turnier = m_Kontext.getTurnier();
    const bool gruppen = turnier->getAllgemein()->Turnierform == formGruppen;
    const clGruppenphase* gp = turnier->getGruppenphase();
    const int anzahl = gp != nullptr ? gp->getAnzahlGruppen() : 0;
    if (static_cast<int>(m_GruppenWahl->GetCount()) != anzahl)
    {
        m_GruppenWahl->Clear();
        for (int g = 1; g <= anzahl; ++g)
            m_GruppenWahl->Append(wxString::Format(_("Gruppe %d"), g));
    }
    const int gewaehlt = anzahl == 0 ? 0 : std::clamp(m_GruppenWahl->GetSelection() + 1, 1, anzahl);
    m_WahlZeile->Show(m_GruppenZeile, gruppen && anzahl > 0);
    zeigeSeite(m_Gruppenseite, _("Gruppen"), gruppen);
    const bool ko = m_Kontext.getTurnier()->getAllgemein()->Turnierform == formKO;
    zeigeSeite(m_Endrundenpanel, _("Endrunde"), gruppen || ko);
    zeigeEndrundenMenues(gruppen || ko);
    m_Ausgabe->zeigeMenues(m_DruckMenue, m_VorschauMenue);
    if (gruppen || ko)
        GetMenuBar()->SetMenuLabel(1, ko ? _("&KO-System") : _("&Gruppen"));
    zeigeGruppe(gruppen ? gewaehlt : 0);
    m_Endrundenpanel->setEndrunde(gp != nullptr ? gp->getEndrunde() : nullptr);
    if (gruppen)
        m_Gruppenseite->aktualisiere();
    m_Hauptpanel->Layout();
}

void wxQuobelFrame::zeigeGruppe(int g)
{
    clTurnier* const ganzes = m_Kontext.getTurnier();
    const clGruppenphase* gp = ganzes->getGruppenphase();
    clTurnier* turnier = gp != nullptr && gp->getGruppe(g) != nullptr ? gp->getGruppe(g) : ganzes;
    const std::vector<int> platten = turnier != ganzes ? gp->getPlatten(g) : std::vector<int>();
    wxGrid* grid = m_Rundenpanel->getGrid();
    if (m_Rundenpanel->getTurnier() != ganzes && turnier != m_Rundenpanel->getTurnier())
    {
        m_CursorGruppe = m_GruppenWahl->GetSelection() + 1;
        m_Cursor.Set(grid->GetGridCursorRow(), grid->GetGridCursorCol());
    }
    const bool anders = turnier != m_Rundenpanel->getTurnier();
    m_Rundenpanel->setTurnier(turnier, platten, ganzes);
    if (anders && turnier != ganzes && g == m_CursorGruppe && m_Cursor.GetRow() < grid->GetNumberRows() &&
        m_Cursor.GetCol() < grid->GetNumberCols())
        grid->GoToCell(m_Cursor);
    m_TT_Tabellenpanel->setTurnier(turnier);
    m_Kreuzpanel->setTurnier(turnier);
    m_Ausgabe->getDruck().setTurnier(turnier, platten,
                                     turnier != ganzes ? wxString::Format(_("Gruppe %d"), g) : wxString());
    if (turnier != ganzes)
        m_GruppenWahl->SetSelection(g - 1);
}

void wxQuobelFrame::OnGruppenWahl(wxCommandEvent& event)
{
    m_Kontext.schliesseZellEingaben();
    zeigeGruppe(event.GetSelection() + 1);
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

// The event table closes the file: formatting would indent what followed it.
// clang-format off
wxBEGIN_EVENT_TABLE(wxQuobelFrame, wxFrame)
    EVT_CLOSE(wxQuobelFrame::OnClose)
    EVT_MENU(idMenuQuit, wxQuobelFrame::OnQuit)
    EVT_MENU(idMenuAbout, wxQuobelFrame::OnAbout)
    EVT_CHOICE(idGruppenWahl, wxQuobelFrame::OnGruppenWahl)
    EVT_CHOICE(idKonkurrenzWahl, wxQuobelFrame::OnKonkurrenzWahl)
wxEND_EVENT_TABLE()
    // clang-format on
