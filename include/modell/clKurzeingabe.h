#ifndef CLKURZEINGABE_H
#define CLKURZEINGABE_H

#include <vector>
#include <wx/string.h>

#include "modell/clSatzregel.h"
#include "modell/clTTSpiel.h"

// A match result in short form, as result forms write it: one signed number per
// set, the points of the set's loser, negative when side 2 won the set. "5 -7 9"
// is 11:5, 7:11, 11:9; a loser at 10 or more means the winner has two more, so
// "-12" is 12:14. Blanks and commas separate the sets.
class clKurzeingabe
{
public:
    // Reads text as the whole result of a match with gewinnsaetze sets to win.
    // When it is one, saetze holds its sets and the answer is true; otherwise
    // fehler says why and saetze is empty.
    static bool lies(const wxString& text, int gewinnsaetze, std::vector<satz>& saetze, wxString& fehler);
    // The sets as the organiser checks them before they are stored: "11:5, 7:11, 11:9".
    static wxString beschreibe(const std::vector<satz>& saetze);

    // The points of one side of a set as typed into a score cell: a whole number
    // from 0 to MaxPunkte, blanks around it allowed. Otherwise fehler says why.
    static bool liesPunkte(const wxString& text, int& punkte, wxString& fehler);

    // Points above this, of a side in a cell or of either side of a set the short
    // form gives ("99" would be 101:99), are taken for a typing error, as the set
    // rule takes them.
    static const int MaxPunkte = clSatzregel::MaxPunkte;
};

#endif
