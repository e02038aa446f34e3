#ifndef WXQUOBELMAIN_H
#define WXQUOBELMAIN_H

#include <wx/filehistory.h>
#include <wx/frame.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <memory>

#include "clTurnier.h"

class clDruck;
class clTurnierpanel;

enum wxbuildinfoformat
{
    short_f,
    long_f
};

// The toolkit's version and the platform it runs on, for the About dialog.
wxString wxbuildinfo(wxbuildinfoformat format);

// The main window: header with the general data, the three working pages and
// the commands that affect the whole tournament.
class wxQuobelFrame : public wxFrame
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
        idMenuTeilnehmerImport = 1020
    };

    wxQuobelFrame(wxFrame* frame, const wxString& title);
    ~wxQuobelFrame() override;

    clTurnier* getTurnier() const { return m_Turnier; }
    void zeigeAllgemeinDlg(const wxString& titel, bool neu);
    void aktualisiereAllgemein(const allgemein* alg);

    // The file the tournament came from or was last saved to; empty for a new one.
    const wxString& getDatei() const { return m_Datei; }
    // Reads a tournament file; a failure is reported and leaves everything as it was.
    bool oeffneDatei(const wxString& pfad);

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
    void OnIdle(wxIdleEvent& event);
    void OnMenuDrucken(wxCommandEvent& event);
    void OnMenuSeiteEinrichten(wxCommandEvent& event);
    void OnMenuExportieren(wxCommandEvent& event);
    void OnMenuTeilnehmerImport(wxCommandEvent& event);

    void erstelleMenue();
    wxMenu* erstelleAusgabeMenue(int erste, const wxString& slips);
    // The round whose match slips to print: 0 all rounds, -1 cancelled.
    int frageSpielzettelRunde();
    // Ends typing in the grids so that the typed text counts.
    void schliesseZellEingaben();
    // Work that a save would keep: tournament changes and participants typed but not applied.
    bool hatUngesicherteAenderungen() const;
    // Asks whether to save before work would be lost; false when the command must stop.
    bool frageAenderungenSpeichern();
    // Saves to the current file, asking for a name when there is none yet.
    bool sichere();
    // Asks for a file name and saves there; "Turnier sichern..." overwrites an
    // existing file without asking, the other commands ask first.
    bool sichereUnter(bool ueberschreibenFragen = true);
    bool schreibeDatei(const wxString& pfad);
    // Applies participants typed on the first page, as its "Uebernehmen" does; false
    // when they stay unapplied.
    bool uebernehmeTeilnehmerliste();
    // Puts the file first in the list of recent files, kept between runs.
    void merkeDatei(const wxString& pfad);
    void speichereVerlauf();
    void aktualisiereTitel();
    bool frageJaNein(const wxString& frage, const wxString& titel);
    void zeigeFehler(const wxString& text, const wxString& titel);

    wxPanel* m_Hauptpanel;
    wxStaticText* m_TurnierText;
    wxStaticText* m_TurnierVeranstalterText;
    wxStaticText* m_TurnierDatenText;
    wxNotebook* m_Notebook;
    clTurnier* m_Turnier;
    clTurnierpanel* m_Turnierpanel;
    wxPanel* m_Rundenpanel;
    wxPanel* m_TT_Tabellenpanel;
    const wxString m_Grundtitel;
    wxString m_Datei;
    wxFileHistory m_Dateiverlauf;
    // Kept for the window's life, so that printer and page settings are kept too.
    std::unique_ptr<clDruck> m_Druck;

    wxDECLARE_EVENT_TABLE();
};

#endif
