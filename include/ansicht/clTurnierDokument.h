#ifndef CLTURNIERDOKUMENT_H
#define CLTURNIERDOKUMENT_H

#include <functional>
#include <memory>
#include <wx/filehistory.h>
#include <wx/string.h>

#include "modell/clTurnierBeobachter.h"

class clBefehlsverlauf;
class clTurniertag;
class clTurnierpanel;
class clWiederherstellung;
class wxFileDialog;
class wxFrame;

// The tournament as a document: the file it belongs to, whether it has unsaved
// work, the questions before work would be lost, saving and opening, the recent
// files, the recovery file and the undo history. The window's title follows it.
class clTurnierDokument : public clTurnierBeobachter
{
public:
    // schliesseEingaben ends typing in the grids, so that what is typed counts.
    clTurnierDokument(wxFrame* fenster, clTurniertag* tag, clTurnierpanel* teilnehmer,
                      std::function<void()> schliesseEingaben, const wxString& wiederherstellungsOrdner);
    ~clTurnierDokument() override;
    clTurnierDokument(const clTurnierDokument&) = delete;
    clTurnierDokument& operator=(const clTurnierDokument&) = delete;

    // The file the tournament came from or was last saved to; empty for a new one.
    const wxString& getDatei() const { return m_Datei; }
    wxFileHistory& getVerlauf() { return m_Verlauf; }
    clBefehlsverlauf& getBefehle() { return *m_Befehle; }
    clWiederherstellung& getWiederherstellung() { return *m_Wiederherstellung; }

    // Work that a save would keep: tournament changes and participants typed but not applied.
    bool hatUngesicherteAenderungen() const;
    // The one place that decides whether work may be given up (New, Load, Quit):
    // save, discard or cancel. False when the command must stop.
    bool frageAenderungenSpeichern();
    // Reads a tournament file; a failure is reported and leaves everything as it was.
    bool oeffneDatei(const wxString& pfad);
    // Opens an entry of the recent files; one that cannot be read leaves the list.
    void oeffneVerlauf(size_t nr);
    // Saves to the current file, asking for a name when there is none yet.
    bool sichere();
    // Asks for a file name and saves there; "Turnier sichern..." overwrites an
    // existing file without asking, the other commands ask first.
    bool sichereUnter(bool ueberschreibenFragen = true);
    // A new tournament belongs to no file yet.
    void vergissDatei();
    // Offers what Quobels that ended without saving left behind, at start-up.
    // Answers the port the live site of the tournament taken back ran on, 0 for none.
    int pruefeWiederherstellung();
    // The window closes: with unsaved work the recovery file stays, otherwise, and
    // when the work was given up at "Änderungen speichern?", it goes.
    void beende();

    // The file types of tournament files, and the path chosen in a file dialog.
    static wxString getDateitypen();
    static wxString getGewaehlteDatei(const wxFileDialog& dlg);

    // The message boxes of the window, with German buttons: a question answered
    // with wxID_YES, wxID_NO or wxID_CANCEL, and an error.
    int frage(const wxString& text, const wxString& titel, long stil, const wxString& zusatz = wxString());
    void zeigeFehler(const wxString& text, const wxString& titel);

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    // The title for the file and the unsaved state: "*datei.quobel - Quobel".
    void aktualisiereTitel();

private:
    bool schreibeDatei(const wxString& pfad);
    // Before a save: participants typed but not applied are applied (Ja), left on
    // their page (Nein), or the save is cancelled; false then.
    bool klaereTeilnehmerliste();
    void merkeDatei(const wxString& pfad);
    void speichereVerlauf();
    wxString schlageDateinamenVor() const;
    void zeigeStatus(const wxString& text);
    // After every change of the tournament or of the typed participants.
    void folgeAenderung();
    // A found recovery file that could not be removed or moved aside is offered again.
    void meldeVerbleib(bool erledigt, const wxString& pfad);

    wxFrame* m_Fenster;
    clTurniertag* m_Tag;
    clTurnierpanel* m_Teilnehmer;
    std::function<void()> m_SchliesseEingaben;
    const wxString m_Grundtitel;
    wxString m_Datei;
    wxFileHistory m_Verlauf;
    std::unique_ptr<clBefehlsverlauf> m_Befehle;
    std::unique_ptr<clWiederherstellung> m_Wiederherstellung;
    // The unsaved work was given up at "Änderungen speichern?" and nothing changed since.
    bool m_Verworfen;
    // The tournament was restored after a crash and not saved since.
    bool m_NachAbsturz;
};

#endif
