#ifndef CLENDRUNDENZEICHNER_H
#define CLENDRUNDENZEICHNER_H

#include <wx/colour.h>
#include <wx/font.h>

class wxDC;
class clEndrundenLayout;
class clSpielbetrieb;
class clTTSpiel;

// The colours of a drawn bracket: dark on paper unless a dark screen asks for light ones.
struct sEndrundenFarben
{
    wxColour text{0, 0, 0};
    wxColour blass{140, 140, 140};
    wxColour ergebnis{0, 70, 150};
    wxColour markierung{255, 236, 160};
};

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
                        const clSpielbetrieb* halle = nullptr,
                        const sEndrundenFarben& farben = sEndrundenFarben());
    // A font whose letters are about hoehe high on dc, whatever its resolution and scale.
    static wxFont getSchrift(wxDC& dc, int hoehe, bool fett);
};

#endif
