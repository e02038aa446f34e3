#ifndef CLHALLENANZEIGE_H
#define CLHALLENANZEIGE_H

#include <vector>
#include <wx/arrstr.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/timer.h>

#include "ausgabe/clEndrundenLayout.h"
#include "modell/clTurnierBeobachter.h"

class clTTSpiel;
class clTurnier;
class clTurniertag;

// The hall display ("Hallenanzeige"): a window of its own for a projector or a
// television, light on black and sized to its height so that it reads from the
// far end of the hall. On the left the matches being played, by table, and the
// next calls; on the right, changing every few seconds, the standings of the
// groups and the parts of the bracket. On a day of several classes the calls name
// their class and the pages go through the classes one after the other. It
// follows every change of the day, redrawing a moment later so that typing never
// waits for it; it holds the classes by their place in the day only, as a change
// may make them new. F11 switches to full screen and back, Escape leaves it.
// Closing it destroys it; the day must outlive it.
class clHallenanzeige : public wxFrame, private clTurnierBeobachter
{
public:
    // Milliseconds each page of standings or bracket stays, and after a change
    // until the display follows.
    static constexpr int Wechselzeit = 10000;
    static constexpr int Verzoegerung = 300;

    clHallenanzeige(wxWindow* parent, clTurniertag* tag);
    ~clHallenanzeige() override;

    // Shows it and brings it to the front; with a second display full screen on
    // the display the parent is not on.
    void zeige();

    // What it shows now, line by line: the running matches, the next calls, then
    // the title and the lines of the current page.
    wxArrayString getInhalt() const;
    int getAnzahlSeiten() const { return static_cast<int>(m_Seiten.size()); }
    int getSeite() const { return m_Seite; }
    void naechsteSeite();
    // Reads the tournament again at once, as the display does a moment after a change.
    void aktualisiere();
    // The live site's address, shown with its QR code at the foot of the calls so
    // that the hall scans it from the screen; empty while the site is off.
    void setLiveAdresse(const wxString& adresse);
    wxWindow* getFlaeche() const { return m_Flaeche; }

private:
    // A running match or a call: the table (0 for none yet), the pairing by full
    // names, the same with the clubs and by the display names, the longest that
    // fits being shown, and what is said of it ("seit 10:42").
    struct sZeile
    {
        int platte = 0;
        wxString namen;
        wxString mitVereinen;
        wxString kurz;
        wxString zusatz;
    };
    sZeile erzeugeZeile(int konkurrenz, int platte, const clTTSpiel* sp, const wxString& zusatz) const;
    // A page on the right: standings as rows of cells (each block headed by its
    // title and column heads), or a part of the bracket.
    struct sSeite
    {
        wxString titel;
        std::vector<wxArrayString> zeilen;
        bool endrunde = false;
        clEndrundenLayout::sAusschnitt ausschnitt;
        // The class in the order of the day.
        int konkurrenz = 0;
    };

    void turnierGeaendert(modAenderung art, const wxString& schritt) override;
    void gruppenWerdenErsetzt() override;
    void veraltet();
    void sammleSeiten(int konkurrenz);
    void haengeTabelleAn(clTurnier* turnier, const wxString& titel, int konkurrenz);

    void OnZeichnen(wxPaintEvent& event);
    void OnTaste(wxKeyEvent& event);
    // The rows in one or two columns, as many as fit; the rest is counted.
    void zeichneZeilen(wxDC& dc, const wxRect& r, const wxString& titel, const wxColour& farbe,
                       const std::vector<sZeile>& zeilen, int spalten) const;
    void zeichneSeite(wxDC& dc, const wxRect& r) const;
    // The address and its code in r (left, at most r.height high); answers the height taken.
    int zeichneLiveAdresse(wxDC& dc, const wxRect& r) const;

    clTurniertag* m_Tag;
    wxWindow* m_Flaeche;
    wxTimer m_Wechsel;
    wxTimer m_Verzoegerung;
    // Set by every change until the display has read the tournament again.
    bool m_Veraltet = true;
    std::vector<sZeile> m_Laufende;
    std::vector<sZeile> m_Naechste;
    std::vector<sSeite> m_Seiten;
    int m_Seite = 0;
    wxString m_LiveAdresse;
    // Its QR code, a pixel per module with the quiet zone.
    wxImage m_LiveCode;
};

#endif
