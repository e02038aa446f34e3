#ifndef CLSATZREGEL_H
#define CLSATZREGEL_H

#include <algorithm>

#include "modell/clTTSpiel.h"

// What the entries of a match count for, best of 2G-1 sets. A set is won only
// when it is over: at 11 with the loser at 9 at most, or beyond 11 with a lead of
// exactly two. A tied or unfinished set is won by nobody, but every point played
// in it counts. The first side with G won sets wins the match. A side that did not
// play loses G:0 in sets without points; after a retirement the sets played count
// and the opponent is credited the sets it lacks to G, while the side that retired
// keeps at most G-1.
class clSatzregel
{
public:
    // No real set comes near this many points; a score beyond it is a typing
    // error and counts as little as a side not entered, so that no sum can overflow.
    static constexpr int MaxPunkte = 99;

    explicit clSatzregel(int gewinnsaetze)
        : m_Gewinnsaetze(std::clamp(gewinnsaetze, clTTSpiel::MinGewinnsaetze, clTTSpiel::MaxGewinnsaetze))
    {
    }

    // Both sides have a score from 0 to MaxPunkte: the set was played and its points count.
    static bool istGespielt(const satz& s);
    // A set that is over under today's rules.
    static bool istBeendet(const satz& s);
    // The side (1 or 2) that won the set; 0 for a set that is not over.
    static int getSieger(const satz& s);
    // True for a result in which one side has won the match.
    static bool istEntschieden(const sWertung& w) { return w.m_Spiel.eigene > 0 || w.m_Spiel.gegner > 0; }

    // The set (from 1) in which one side won its G-th set; 0 while none has.
    // Walkover and retirement are not looked at.
    int getEntscheidungssatz(const eingaben& e) const;
    // The result of the entries for side 1 and side 2; true when the match is decided.
    bool werte(const eingaben& e, sWertung& w1, sWertung& w2) const;

private:
    int m_Gewinnsaetze;
};

#endif
