#ifndef CLWIEDERHERSTELLUNG_H
#define CLWIEDERHERSTELLUNG_H

#include <functional>
#include <memory>
#include <vector>
#include <wx/datetime.h>
#include <wx/event.h>
#include <wx/string.h>
#include <wx/timer.h>

#include "modell/clTeilnehmer.h"

class clDateiSperre;
class clTeilnehmerTableBase;
class clTurniertag;

// Size and modification time of a file, to see whether it was written since.
struct sDateiStand
{
    long long groesse = -1; // -1: there was no file
    long long zeit = 0;     // milliseconds since 1970

    static sDateiStand von(const wxString& pfad);
    bool operator!=(const sDateiStand& b) const { return groesse != b.groesse || zeit != b.zeit; }
};

// A recovery file left by a Quobel that is no longer running.
struct sWiederherstellung
{
    wxString pfad;
    wxString bezeichnung;  // the tournament's title
    wxString original;     // the file the tournament came from; empty for a new one
    sDateiStand stand;     // of that file when the tournament was read from it or saved there
    wxDateTime zeit;       // the last change
    vecEditListe eingaben; // participants typed but not applied; empty when there were none
    int livePort = 0;      // the port the live site ran on; 0 when it was off
};

// Keeps a copy of the tournament with unsaved changes, and of the participants
// typed but not applied, in a recovery file written shortly after every change, so
// that a crash or a cut power loses nothing. Each running Quobel has a file of its
// own, tied to it by a lock on a file beside it that ends with the process.
class clWiederherstellung : public wxEvtHandler
{
public:
    // How soon after a change the file is written; changes in between share the write.
    static const int Verzoegerung = 500;

    clWiederherstellung(clTurniertag* tag, clTeilnehmerTableBase* eingaben, const wxString& ordner);
    ~clWiederherstellung() override;

    // The user's folder for such files: $XDG_STATE_HOME/quobel, else
    // ~/.local/state/quobel; on Windows %LOCALAPPDATA%\Quobel.
    static wxString getStandardOrdner();

    const wxString& getPfad() const { return m_Pfad; }
    // The file the tournament belongs to, named in the recovery file, as it stands
    // now or, for a restored tournament, as it stood before the crash.
    void setOriginal(const wxString& datei) { setOriginal(datei, sDateiStand::von(datei)); }
    void setOriginal(const wxString& datei, const sDateiStand& stand);
    const sDateiStand& getOriginalStand() const { return m_Stand; }
    // The port the live site runs on, 0 while it is off: after a crash it comes back on.
    void setLivePort(int port);
    // Where a failure to write is reported; it is reported once until a write succeeds.
    void setFehlerMeldung(std::function<void(const wxString&)> meldung) { m_Meldung = std::move(meldung); }

    // The file is written shortly, once for all changes until then.
    void merkeVor();
    // Writes the recovery file now; false when that failed.
    bool schreibe();
    // No unsaved changes any more: the file goes.
    void entferne();

    // The recovery files in ordner of Quobels that are no longer running.
    static std::vector<sWiederherstellung> suche(const wxString& ordner);
    // Moves a recovery file aside, into the folder "beiseite" beside it, where it
    // is not found again but can still be opened. Answers its new path, empty on failure.
    static wxString legeBeiseite(const wxString& pfad);

private:
    void OnTimer(wxTimerEvent& event);

    clTurniertag* m_Tag;
    clTeilnehmerTableBase* m_Eingaben;
    std::unique_ptr<clDateiSperre> m_Sperre;
    wxString m_Pfad;
    wxString m_Original;
    sDateiStand m_Stand;
    // Made when it is first needed: a timer needs the application's event loop.
    std::unique_ptr<wxTimer> m_Timer;
    std::function<void(const wxString&)> m_Meldung;
    bool m_FehlerGemeldet;
    int m_LivePort = 0;
};

#endif
