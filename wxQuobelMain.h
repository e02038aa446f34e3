#ifndef WXQUOBELMAIN_H
#define WXQUOBELMAIN_H

#include <wx/frame.h>
#include <wx/grid.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <memory>
#include <wx/weakref.h>
#include <random>

#include "modell/clTurnier.h"
#include "modell/clTurnierBeobachter.h"

class clDruck;
class clEndrundenpanel;
class clKreuztabellenpanel;
class clHallenanzeige;
class clLiveBetrieb;
class clLiveServer;
class clRundenpanel;
class clSpielbetriebpanel;
class clTT_Tabellenpanel;
class clTurnierDokument;
class clTurniertag;
class clTurnierpanel;
struct sEndrundenAenderung;
class wxChoice;
class wxHtmlWindow;

enum wxbuildinfoformat
{
    short_f,
    long_f
};

// The toolkit's version and the platform it runs on, for the About dialog.
wxString wxbuildinfo(wxbuildinfoformat format);

// The main window: header with the general data, the working pages and the
// menus. What concerns the tournament as a document (files, questions, undo,
// recovery) is the business of its clTurnierDokument.
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
        idMenuLinienTauschen = 1035,
        // The menu "Halle": the page of calls and the live site.
        idMenuSpielbetrieb = 1036,
        idMenuHallenanzeige = 1037,
        idMenuLiveSeite = 1038,
        idMenuLiveAdresse = 1039
    };

    // The recovery files are kept in wiederherstellungsOrdner, by default the user's.
    wxQuobelFrame(wxFrame* frame, const wxString& title,
                  const wxString& wiederherstellungsOrdner = wxString());
    ~wxQuobelFrame() override;

    clTurnier* getTurnier() const { return m_Turnier; }
    clTurnierDokument& getDokument() const { return *m_Dokument; }
    void zeigeAllgemeinDlg(const wxString& titel, bool neu);
    void aktualisiereAllgemein(const allgemein* alg);

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    void turnierWirdGeaendert(modAenderung art) override;
    void gruppenWerdenErsetzt() override;

    // The group whose rounds, standings and cross table the pages show (1 … N);
    // 0 shows the tournament itself.
    void zeigeGruppe(int g);
    wxChoice* getGruppenWahl() const { return m_GruppenWahl; }
    wxNotebook* getNotebook() const { return m_Notebook; }
    clRundenpanel* getRundenpanel() const { return m_Rundenpanel; }
    clEndrundenpanel* getEndrundenpanel() const { return m_Endrundenpanel; }
    clSpielbetriebpanel* getSpielbetriebpanel() const { return m_Spielbetriebpanel; }
    // Serves the live site on port from now on, to the hall's network, as the
    // command line asks with --live; false, after telling why, when it cannot.
    // Tests keep it to the machine with adresse 127.0.0.1.
    bool starteLiveSeite(int port, const std::string& adresse = "0.0.0.0");
    // The hall display while it is open, else null.
    clHallenanzeige* getHallenanzeige() const { return m_Hallenanzeige; }
    // The server of the live site while it runs, else null.
    const clLiveServer* getLiveServer() const;
    wxHtmlWindow* getGruppenseite() const { return m_Gruppenseite; }
    // The page "Gruppen": every group's standings, club-mates in a group marked.
    wxString erzeugeGruppenseite() const;
    // The random source of the draws, which a test can seed.
    std::mt19937& getZufall() { return m_Zufall; }

private:
    void OnClose(wxCloseEvent& event);
    void OnQuit(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnMenuNeu(wxCommandEvent& event);
    void OnMenuBearbeiten(wxCommandEvent& event);
    void OnMenuLaden(wxCommandEvent& event);
    void OnMenuSchreiben(wxCommandEvent& event);
    void OnMenuSpeichern(wxCommandEvent& event);
    void OnMenuSpeichernUnter(wxCommandEvent& event);
    void OnDateiverlauf(wxCommandEvent& event);
    void OnMenuDrucken(wxCommandEvent& event);
    void OnMenuSeiteEinrichten(wxCommandEvent& event);
    void OnMenuExportieren(wxCommandEvent& event);
    void OnMenuTeilnehmerImport(wxCommandEvent& event);
    void OnRueckgaengig(wxCommandEvent& event);
    void OnWiederherstellen(wxCommandEvent& event);
    void OnGruppenAuslosen(wxCommandEvent& event);
    void OnSpielerTauschen(wxCommandEvent& event);
    void OnEndrundeAuslosen(wxCommandEvent& event);
    void OnLinienTauschen(wxCommandEvent& event);
    void OnMenuDruckEndrunde(wxCommandEvent& event);
    void OnMenuDruckGruppen(wxCommandEvent& event);
    void OnMenuExportEndrunde(wxCommandEvent& event);
    void OnGruppenWahl(wxCommandEvent& event);
    void OnGruppenMenue(wxUpdateUIEvent& event);
    void OnMenuSpielbetrieb(wxCommandEvent& event);
    void OnMenuLiveSeite(wxCommandEvent& event);
    void OnLiveSeiteMenue(wxUpdateUIEvent& event);
    void OnMenuLiveAdresse(wxCommandEvent& event);
    void OnMenuHallenanzeige(wxCommandEvent& event);
    void stoppeLiveSeite();
    // The hall display shows the live site's address while it runs.
    void zeigeLiveAdresse();

    void erstelleMenue();
    wxMenu* erstelleAusgabeMenue(int erste, const wxString& slips);
    // The round whose match slips to print: 0 all rounds, -1 cancelled.
    int frageSpielzettelRunde();
    // Ends typing in the grids so that the typed text counts.
    void schliesseZellEingaben();
    // A cell being typed into gives up what was typed; true when there was one.
    bool brichZellEingabeAb();
    // The pages, menus and group choice of the tournament's form.
    void zeigeForm();
    // Adds the page when zeigen and removes it (keeping it) otherwise.
    void zeigeSeite(wxWindow* seite, const wxString& titel, bool zeigen);
    // The bracket's items of the print, preview and export menus, in the form of groups only.
    void zeigeEndrundenMenues(bool zeigen);
    // A change in the bracket, made on its page, becomes a step of the tournament.
    void uebernimmEndrundenAenderung(const sEndrundenAenderung& aenderung);
    // Why the draw or swap cannot be made now; empty when it can.
    wxString getGruppenSperre() const;
    // The question before the groups are drawn again, naming the matches being played.
    wxString frageNeueAuslosung() const;

    wxPanel* m_Hauptpanel;
    wxStaticText* m_TurnierText;
    wxStaticText* m_TurnierVeranstalterText;
    wxStaticText* m_TurnierDatenText;
    wxNotebook* m_Notebook;
    std::unique_ptr<clTurniertag> m_Tag;
    // The class the pages show.
    clTurnier* m_Turnier;
    clTurnierpanel* m_Turnierpanel;
    clRundenpanel* m_Rundenpanel;
    clTT_Tabellenpanel* m_TT_Tabellenpanel;
    clKreuztabellenpanel* m_Kreuzpanel;
    wxHtmlWindow* m_Gruppenseite;
    clEndrundenpanel* m_Endrundenpanel;
    clSpielbetriebpanel* m_Spielbetriebpanel;
    wxSizer* m_GruppenZeile;
    // The group last shown in the rounds grid and its cursor there: a change that
    // shows the tournament for a moment (a call, a draw) returns to it.
    int m_CursorGruppe = 0;
    wxGridCellCoords m_Cursor;
    wxChoice* m_GruppenWahl;
    wxMenu* m_GruppenMenue;
    wxMenu* m_DruckMenue;
    wxMenu* m_VorschauMenue;
    wxMenu* m_ExportMenue;
    std::mt19937 m_Zufall;
    wxMenu* m_TurnierMenue;
    wxMenu* m_BearbeitenMenue;
    wxMenu* m_VerlaufMenue;
    std::unique_ptr<clTurnierDokument> m_Dokument;
    // Kept for the window's life, so that printer and page settings are kept too.
    std::unique_ptr<clDruck> m_Druck;
    std::unique_ptr<clLiveBetrieb> m_Live;
    // The port the live site was last served on.
    int m_LivePort;
    // Closing the display destroys it, which resets this.
    wxWeakRef<clHallenanzeige> m_Hallenanzeige;

    wxDECLARE_EVENT_TABLE();
};

#endif
