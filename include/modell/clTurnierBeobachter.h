#ifndef CLTURNIERBEOBACHTER_H
#define CLTURNIERBEOBACHTER_H

#include <wx/string.h>

// What changed in a tournament.
enum modAenderung
{
    aendErgebnis,    // scores, walkovers or retirements of matches
    aendTeilnehmer,  // the roster was applied
    aendAllgemein,   // the general data was applied
    aendNeu,         // a new tournament
    aendGeladen,     // the whole tournament was read from a file
    aendAbbild,      // undo or redo put back the whole tournament as it stood before or after a step
    aendAuslosung,   // the groups or the bracket were drawn, or two players swapped
    aendAufruf,      // a match was called to a table, a call taken back or moved, or the minimum rest set
    aendKonkurrenzen // a class of the tournament day was added, renamed, copied or removed, or got its tables
};

// Told by the tournament about every change, so that the views, the window's
// title, the recovery file and the undo history follow without polling.
class clTurnierBeobachter
{
public:
    virtual ~clTurnierBeobachter() = default;
    // A change of the kind art (the roster, the general data, a draw or a call) is
    // about to be made: everything still stands as before.
    virtual void turnierWirdGeaendert(modAenderung /*art*/) {}
    // The groups and the bracket are about to be replaced or dropped: whoever shows
    // them lets go of them now, while they still exist.
    virtual void gruppenWerdenErsetzt() {}
    // Classes of the tournament day are about to be destroyed (removed, or the day
    // read anew): whoever refers to a class lets go of it now, while it still exists.
    virtual void konkurrenzenWerdenErsetzt() {}
    // After a change; schritt names it when the tournament knows a name for it.
    virtual void turnierGeaendert(modAenderung art, const wxString& schritt) = 0;
};

#endif
