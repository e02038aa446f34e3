#ifndef WXQUOBELFRAME_H
#define WXQUOBELFRAME_H

#include <wx/frame.h>
#include <wx/grid.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <memory>
#include <random>

#include "ansicht/clFensterKontext.h"
#include "modell/clTurnier.h"
#include "modell/clTurnierBeobachter.h"

class clAusgabeBefehle;
class clDateiBefehle;
class clPortalBefehle;
class clEndrundenpanel;
class clGruppenBefehle;
class clGruppenseite;
class clHallenBefehle;
class clHallenanzeige;
class clKonkurrenzenpanel;
class clKreuztabellenpanel;
class clLiveServer;
class clRundenpanel;
class clSpielbetriebpanel;
class clTT_Tabellenpanel;
class clTurnierDokument;
class clTurniertag;
class clTurnierpanel;
class wxChoice;

// The main window: header with the general data, the working pages and the
// menus. Each menu's commands are the business of an object of their own, which
// the window routes the menu's events to; what concerns the tournament as a
// document (files, questions, undo, recovery) is the business of its
// clTurnierDokument.
class wxQuobelFrame : public wxFrame, public clTurnierBeobachter
{
public:
    enum
    {
        idMenuQuit = 1000,
        idMenuNeu = 1001,
        idMenuBearbeiten = 1002,
        idMenuLaden = 1003,
        idMenuSchreiben = 1004,
        idMenuAbout = 1005,
        idMenuSpeichern = 1006,
        idMenuSpeichernUnter = 1007,
        // Printing: each content of clDruck printed and previewed, in its order.
        idMenuDruckSpielplan = 1008,
        idMenuDruckSpielzettel = 1009,
        idMenuDruckTabelle = 1010,
        idMenuDruckKreuztabelle = 1011,
        idMenuVorschauSpielplan = 1012,
        idMenuVorschauSpielzettel = 1013,
        idMenuVorschauTabelle = 1014,
        idMenuVorschauKreuztabelle = 1015,
        idMenuSeiteEinrichten = 1016,
        idMenuExportTabelle = 1017,
        idMenuExportErgebnisse = 1018,
        idMenuExportSeite = 1019,
        idMenuTeilnehmerImport = 1020,
        // Groups and bracket, offered in the form "Gruppen mit Endrunde".
        idMenuGruppenAuslosen = 1021,
        idMenuSpielerTauschen = 1022,
        idMenuEndrundeAuslosen = 1023,
        // Printing of the bracket: each content of clDruck::EndrundenInhalt, in its order.
        idMenuDruckEndrunde = 1024,
        idMenuVorschauEndrunde = 1027,
        idMenuExportEndrunde = 1030,
        idMenuExportEndstand = 1031,
        idGruppenWahl = 1032,
        // Standings and cross table of every group.
        idMenuDruckGruppen = 1033,
        idMenuVorschauGruppen = 1034,
        // The standings of every class of the day, offered when it has several.
        idMenuDruckKonkurrenzen = 1060,
        idMenuVorschauKonkurrenzen = 1061,
        idMenuLinienTauschen = 1035,
        // The menu "Halle": the page of calls and the live site.
        idMenuSpielbetrieb = 1036,
        idMenuHallenanzeige = 1037,
        idMenuLiveSeite = 1038,
        idMenuLiveAdresse = 1039,
        idKonkurrenzWahl = 1040,
        // The federation's tournament portal.
        idMenuPortalImport = 1070,
        idMenuPortalWarteliste = 1071,
        idMenuPortalExport = 1072
    };

    // The recovery files are kept in wiederherstellungsOrdner, by default the user's.
    wxQuobelFrame(wxFrame* frame, const wxString& title,
                  const wxString& wiederherstellungsOrdner = wxString());
    ~wxQuobelFrame() override;

    clTurnier* getTurnier() const { return m_Kontext.getTurnier(); }
    clTurniertag* getTag() const { return m_Kontext.getTag(); }
    clTurnierDokument& getDokument() const { return *m_Dokument; }
    void aktualisiereAllgemein(const allgemein* alg);

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    void turnierWirdGeaendert(modAenderung art) override;
    void gruppenWerdenErsetzt() override;
    void konkurrenzenWerdenErsetzt() override;

    // Shows class i of the day on every page, in the menus and the commands.
    void zeigeKonkurrenz(int i);
    // As the organiser switches: a participants list typed and not applied is
    // applied or dropped as answered first; false when the class shown stays.
    bool wechsleKonkurrenz(int i);
    wxChoice* getKonkurrenzWahl() const { return m_KonkurrenzWahl; }
    clKonkurrenzenpanel* getKonkurrenzenpanel() const { return m_Konkurrenzenpanel; }
    clTurnierpanel* getTurnierpanel() const { return m_Turnierpanel; }
    clTT_Tabellenpanel* getTabellenpanel() const { return m_TT_Tabellenpanel; }
    clKreuztabellenpanel* getKreuzpanel() const { return m_Kreuzpanel; }

    // The group whose rounds, standings and cross table the pages show (1 … N);
    // 0 shows the tournament itself.
    void zeigeGruppe(int g);
    wxChoice* getGruppenWahl() const { return m_GruppenWahl; }
    wxNotebook* getNotebook() const { return m_Notebook; }
    clRundenpanel* getRundenpanel() const { return m_Rundenpanel; }
    clEndrundenpanel* getEndrundenpanel() const { return m_Endrundenpanel; }
    clSpielbetriebpanel* getSpielbetriebpanel() const { return m_Spielbetriebpanel; }
    // The page "Gruppen": every group's standings, club-mates in a group marked.
    clGruppenseite* getGruppenseite() const { return m_Gruppenseite; }
    // Serves the live site on port from now on, to the hall's network, as the
    // command line asks with --live; false, after telling why, when it cannot.
    // Tests keep it to the machine with adresse 127.0.0.1.
    bool starteLiveSeite(int port, const std::string& adresse = "0.0.0.0");
    // The hall display while it is open, else null.
    clHallenanzeige* getHallenanzeige() const;
    // The server of the live site while it runs, else null.
    const clLiveServer* getLiveServer() const;
    // The random source of the draws, which a test can seed.
    std::mt19937& getZufall();

private:
    void OnClose(wxCloseEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnGruppenWahl(wxCommandEvent& event);
    void OnKonkurrenzWahl(wxCommandEvent& event);
    // Points every page, the menus of the form and the commands at the class.
    void richteAus(clTurnier* turnier);
    // The choice of classes follows the day's names and the class shown.
    void aktualisiereKonkurrenzWahl();
    // The pages let go of the groups and the bracket shown.
    void loeseGruppen();

    void erstelleMenue();
    wxMenu* erstelleAusgabeMenue(int erste, const wxString& slips);
    // Each menu's events go to the object of its commands.
    void verbindeMenue();
    // The pages, menus and group choice of the tournament's form.
    void zeigeForm();
    // Adds the page when zeigen and removes it (keeping it) otherwise.
    void zeigeSeite(wxWindow* seite, const wxString& titel, bool zeigen);
    // The bracket's items of the print, preview and export menus, in the form of groups only.
    void zeigeEndrundenMenues(bool zeigen);

    // The tournament shown, its document and the pages, shared with the commands.
    clFensterKontext m_Kontext;
    wxPanel* m_Hauptpanel;
    wxStaticText* m_TurnierText;
    wxStaticText* m_TurnierVeranstalterText;
    wxStaticText* m_TurnierDatenText;
    wxNotebook* m_Notebook;
    clTurnierpanel* m_Turnierpanel;
    clRundenpanel* m_Rundenpanel;
    clTT_Tabellenpanel* m_TT_Tabellenpanel;
    clKreuztabellenpanel* m_Kreuzpanel;
    clGruppenseite* m_Gruppenseite;
    clEndrundenpanel* m_Endrundenpanel;
    clSpielbetriebpanel* m_Spielbetriebpanel;
    wxSizer* m_GruppenZeile;
    wxSizer* m_KonkurrenzZeile;
    wxSizer* m_WahlZeile;
    wxChoice* m_KonkurrenzWahl;
    clKonkurrenzenpanel* m_Konkurrenzenpanel;
    // What the pages show while the day replaces its classes: nothing of it may
    // refer to a class being destroyed.
    std::unique_ptr<clTurnier> m_Leer;
    // The stable number of the class shown, found again after the classes were replaced.
    int m_Kennung = 0;
    // The group last shown in the rounds grid and its cursor there: a change that
    // shows the tournament for a moment (a call, a draw) returns to it.
    int m_CursorGruppe = 0;
    wxGridCellCoords m_Cursor;
    wxChoice* m_GruppenWahl;
    wxMenu* m_GruppenMenue;
    wxMenu* m_DruckMenue;
    wxMenu* m_VorschauMenue;
    wxMenu* m_ExportMenue;
    wxMenu* m_TurnierMenue;
    wxMenu* m_BearbeitenMenue;
    wxMenu* m_VerlaufMenue;
    std::unique_ptr<clTurnierDokument> m_Dokument;
    // The commands of the menus.
    std::unique_ptr<clAusgabeBefehle> m_Ausgabe;
    std::unique_ptr<clDateiBefehle> m_Datei;
    std::unique_ptr<clPortalBefehle> m_Portal;
    std::unique_ptr<clGruppenBefehle> m_Gruppen;
    std::unique_ptr<clHallenBefehle> m_Halle;

    wxDECLARE_EVENT_TABLE();
};

#endif
