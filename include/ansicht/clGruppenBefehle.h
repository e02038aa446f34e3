#ifndef CLGRUPPENBEFEHLE_H
#define CLGRUPPENBEFEHLE_H

#include <random>
#include <wx/string.h>

class clEndrundenpanel;
class clFensterKontext;
class clGruppenseite;
struct sEndrundenAenderung;
class wxCommandEvent;
class wxUpdateUIEvent;

// The main window's commands of the menu "Gruppen", in the form of groups: the
// draw of the groups and of the bracket, swapping two players of different
// groups and two lines of the bracket; and which of these, and of the groups'
// and bracket's printouts and exports, can be given now.
class clGruppenBefehle
{
public:
    // After a draw the window shows the page of what was drawn.
    clGruppenBefehle(clFensterKontext& kontext, clGruppenseite* gruppenseite, clEndrundenpanel* endrunde);

    // The random source of the draws, which a test can seed.
    std::mt19937& getZufall() { return m_Zufall; }
    // A change in the bracket, made on its page, becomes a step of the tournament.
    void uebernimmEndrundenAenderung(const sEndrundenAenderung& aenderung);

    void OnGruppenAuslosen(wxCommandEvent& event);
    void OnSpielerTauschen(wxCommandEvent& event);
    void OnEndrundeAuslosen(wxCommandEvent& event);
    void OnLinienTauschen(wxCommandEvent& event);
    void OnMenueZustand(wxUpdateUIEvent& event);

private:
    // Why the draw or swap cannot be made now; empty when it can.
    wxString getGruppenSperre() const;
    // The question before the groups are drawn again, naming the matches being played.
    wxString frageNeueAuslosung() const;

    clFensterKontext& m_Kontext;
    clGruppenseite* m_Gruppenseite;
    clEndrundenpanel* m_Endrundenpanel;
    std::mt19937 m_Zufall;
};

#endif
