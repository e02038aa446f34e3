#ifndef CLENDRUNDENZEICHNER_H
#define CLENDRUNDENZEICHNER_H

#include <wx/font.h>

class wxDC;
class clEndrundenLayout;
class clSpielbetrieb;
class clTTSpiel;

// Draws a laid-out bracket, on the page as on paper. The text is sized from the
// distance of the lines, so that a bracket scaled down stays readable as long as
// its lines are.
class clEndrundenZeichner
{
public:
    // markiert: the match the organiser has chosen, drawn on a highlight; halle:
    // where the called matches are played, a match being played drawn on a
    // background of its own with its table where its result will stand.
    static void zeichne(wxDC& dc, const clEndrundenLayout& layout, const clTTSpiel* markiert = nullptr,
                        const clSpielbetrieb* halle = nullptr);
    // A font whose letters are about hoehe high on dc, whatever its resolution and scale.
    static wxFont getSchrift(wxDC& dc, int hoehe, bool fett);
};

#endif
