#ifndef SSPIELKENNUNG_H
#define SSPIELKENNUNG_H

#include <functional>
#include <wx/string.h>

// Where a match belongs: the tournament's own schedule, a group or the bracket.
enum modPhase
{
    phaseSpielplan = 0,
    phaseGruppe = 1,
    phaseEndrunde = 2
};

// A match named so that the name survives every rebuilding of the matches: a new
// draw of the groups, a swap, a new bracket, undo. In a round robin (the schedule
// or a group) two players meet once, so the phase, the group and the two players'
// stable numbers (clTeilnehmer::getKennung, the smaller first) name the match; in
// the bracket its number in playing order names its place, and the two players
// there now its pairing, which a correction earlier in the bracket may change.
//
// Its text form, as calls are written to the tournament file, names the players
// by their start numbers in that file: "P:3-7" in the schedule, "G2:3-7" in group
// 2, "E5:3-7" for the bracket's fifth match (counted from 1) with the players 3
// and 7 (0 for a side still empty).
struct sSpielKennung
{
    modPhase phase = phaseSpielplan;
    // The group (1 …) in phaseGruppe, the match's number in playing order (1 …)
    // in phaseEndrunde, else 0.
    int nr = 0;
    int t1 = 0;
    int t2 = 0;

    sSpielKennung() = default;
    // The two players in either order.
    sSpielKennung(modPhase ph, int n, int a, int b);

    // The match's place: in the bracket without its players, who may change; else itself.
    sSpielKennung getOrt() const;
    bool operator==(const sSpielKennung& k) const;
    bool operator!=(const sSpielKennung& k) const { return !(*this == k); }
    bool operator<(const sSpielKennung& k) const;

    // nummer gives the number a player's stable number is written as.
    wxString getText(const std::function<int(int)>& nummer) const;
    // False when text is no such form; the numbers are not checked against a tournament.
    static bool liesText(const wxString& text, sSpielKennung& k);
};

#endif
