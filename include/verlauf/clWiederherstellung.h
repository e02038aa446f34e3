#ifndef CLWIEDERHERSTELLUNG_H
#define CLWIEDERHERSTELLUNG_H

#include <functional>
#include <memory>
#include <vector>
#include <wx/datetime.h>
#include <wx/event.h>
#include <wx/string.h>
#include <wx/timer.h>

#include "modell/clTurnierBeobachter.h"

class clTurnier;

// A recovery file left by a Quobel that is no longer running.
struct sWiederherstellung
{
    wxString pfad;
    wxString bezeichnung; // the tournament's title
    wxString original;    // the file the tournament came from; empty for a new one
    wxDateTime zeit;      // the last change
};

// Keeps a copy of the tournament with unsaved changes in a recovery file, written
// shortly after every change, so that a crash or a cut power loses nothing. Each
// running Quobel has a file of its own, named by its process.
class clWiederherstellung : public wxEvtHandler, public clTurnierBeobachter
{
public:
    // How soon after a change the file is written; changes in between share the write.
    static const int Verzoegerung = 500;

    clWiederherstellung(clTurnier* turnier, const wxString& ordner);
    ~clWiederherstellung() override;

    // The user's folder for such files: $XDG_STATE_HOME/quobel, else
    // ~/.local/state/quobel; on Windows %LOCALAPPDATA%\Quobel.
    static wxString getStandardOrdner();

    const wxString& getPfad() const { return m_Pfad; }
    // The file the tournament belongs to, named in the recovery file.
    void setOriginal(const wxString& datei) { m_Original = datei; }
    // Where a failure to write is reported; it is reported once until a write succeeds.
    void setFehlerMeldung(std::function<void(const wxString&)> meldung) { m_Meldung = std::move(meldung); }

    // Writes the recovery file now; false when that failed.
    bool schreibe();
    // No unsaved changes any more: the file goes.
    void entferne();

    // The recovery files in ordner of Quobels that are no longer running.
    static std::vector<sWiederherstellung> suche(const wxString& ordner);
    // Moves a recovery file aside, into the folder "beiseite" beside it, where it
    // is not found again but can still be opened. Answers its new path, empty on failure.
    static wxString legeBeiseite(const wxString& pfad);

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;

private:
    void OnTimer(wxTimerEvent& event);

    clTurnier* m_Turnier;
    wxString m_Pfad;
    wxString m_Original;
    // Made when it is first needed: a timer needs the application's event loop.
    std::unique_ptr<wxTimer> m_Timer;
    std::function<void(const wxString&)> m_Meldung;
    bool m_FehlerGemeldet;
};

#endif
