#include "ausgabe/clEndrundenZeichner.h"

#include <algorithm>
#include <utility>
#include <vector>
#include <wx/control.h>
#include <wx/dc.h>

#include "ausgabe/clEndrundenLayout.h"
#include "modell/clSpielbetrieb.h"
#include "tabellen/clSpieleTableBase.h"

namespace
{
const wxColour Aufruffarbe(0, 110, 0);

void schreibe(wxDC& dc, const wxString& text, int x, int y, int breite)
{
    dc.DrawText(wxControl::Ellipsize(text, dc, wxELLIPSIZE_END, std::max(1, breite)), x, y);
}
} // namespace

wxFont clEndrundenZeichner::getSchrift(wxDC& dc, int hoehe, bool fett)
{
    const int basis = 10;
    wxFont schrift(wxFontInfo(basis).Family(wxFONTFAMILY_SWISS).Bold(fett));
    dc.SetFont(schrift);
    const int gemessen = std::max(1, dc.GetTextExtent("Ag").GetHeight());
    schrift.SetFractionalPointSize(std::max(1.0, basis * static_cast<double>(hoehe) / gemessen));
    return schrift;
}

void clEndrundenZeichner::zeichne(wxDC& dc, const clEndrundenLayout& layout, const clTTSpiel* markiert,
                                  const clSpielbetrieb* halle, const sEndrundenFarben& farben)
{
    const int zeile = layout.getZeilenabstand();
    const int spalte = layout.getSpaltenbreite();
    // A name must fit above its line and a result below the line above; the lines
    // of the first round have no result.
    const int texthoehe = std::max(1, std::min(zeile * 11 / 20, spalte / 11));
    const int rand = std::max(1, texthoehe / 4);
    const wxFont normal = getSchrift(dc, texthoehe, false);
    const wxFont fett = getSchrift(dc, texthoehe, true);
    const wxPen stift(farben.text, std::max(1, texthoehe / 12));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    // The matches being played: none has a winner yet, so their table stands
    // where the result will.
    std::vector<std::pair<const clEndrundenLayout::sSpiel*, wxString>> laufende;
    for (const clEndrundenLayout::sSpiel& s : layout.getSpiele())
        if (halle != nullptr && halle->laeuft(s.spiel))
            laufende.emplace_back(&s, clSpieleTableBase::getAufrufText(halle->getAufruf(s.spiel)));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(clSpieleTableBase::Laeuftfarbe));
    for (const auto& l : laufende)
        dc.DrawRectangle(l.first->rahmen);
    if (markiert != nullptr)
    {
        dc.SetBrush(wxBrush(farben.markierung));
        dc.DrawRectangle(layout.getRahmen(markiert));
    }
    dc.SetFont(fett);
    dc.SetTextForeground(farben.text);
    for (const clEndrundenLayout::sText& t : layout.getUeberschriften())
        schreibe(dc, t.text, t.pos.x + rand, t.pos.y, spalte - 2 * rand);
    dc.SetPen(stift);
    dc.SetFont(normal);
    for (const clEndrundenLayout::sLinie& l : layout.getLinien())
    {
        dc.DrawLine(l.links, l.hoehe, l.rechts, l.hoehe);
        dc.SetTextForeground(l.frei ? farben.blass : farben.text);
        schreibe(dc, l.name, l.links + rand, l.hoehe - texthoehe - rand / 2, l.rechts - l.links - 2 * rand);
        dc.SetTextForeground(farben.ergebnis);
        schreibe(dc, l.ergebnis, l.links + rand, l.hoehe + rand / 2, l.rechts - l.links - 2 * rand);
    }
    for (const clEndrundenLayout::sSpiel& s : layout.getSpiele())
        dc.DrawLine(s.x, s.oben, s.x, s.unten);
    dc.SetTextForeground(Aufruffarbe);
    for (const auto& l : laufende)
        schreibe(dc, l.second, l.first->x + rand, (l.first->oben + l.first->unten) / 2 + rand / 2,
                 spalte - 2 * rand);
}
