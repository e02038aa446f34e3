#ifndef CLLIVESEITEN_H
#define CLLIVESEITEN_H

#include <ctime>
#include <string>
#include <unordered_map>
#include <vector>
#include <wx/string.h>

#include "netz/sLiveSeite.h"

class clTTSpiel;
class clTurnier;

// The live site of a tournament for the phones in the hall: plain pages with
// one inline style sheet and no scripts, each reloading itself every few
// seconds, so that a typed result is on every phone at once.
//
//   "/"            the overview: running matches by table, the next calls, the
//                  latest results and a link to every page and every player
//   "/tabelle"     a round robin's standings and cross table
//   "/gruppe/g"    a group's standings, cross table and matches
//   "/endrunde"    the bracket round by round
//   "/endstand"    the final placing, once the bracket is drawn
//   "/spieler/n"   the matches of the player with main start number n
class clLiveSeiten
{
public:
    // Seconds after which a page reloads itself.
    static constexpr int Auffrischen = 2;
    // How many calls and results the overview lists.
    static constexpr int AnzahlAufrufe = 8;
    static constexpr int AnzahlErgebnisse = 10;

    explicit clLiveSeiten(clTurnier* turnier);

    // The whole site; the pages of zusatz (a QR code, say) are taken over as they are.
    spLiveSeiten erzeuge(mapLiveSeiten zusatz = mapLiveSeiten()) const;

    // A match from side 1: "3:1 (11:7, 9:11, 11:5, 11:8)", a walkover or retirement
    // added; while it is undecided the sets so far, "1:0 (11:7)"; empty before a set is in.
    static wxString getErgebnis(const clTTSpiel* sp);

private:
    // Where a match belongs ("Gruppe 2, Runde 1", "Halbfinale"): its group (0 in a
    // round robin, -1 in the bracket), its table in the schedule (0 for none), and
    // the main start numbers of its players (0 while a side is open or a bye).
    struct sSpiel
    {
        clTTSpiel* spiel = nullptr;
        wxString ort;
        int gruppe = 0;
        int platte = 0;
        int startNr[2] = {0, 0};
        // The pairing with its links and the result, written once for the pages
        // of its group and of both its players.
        wxString paarung;
    };

    void sammleSpiele();
    const sSpiel* finde(const clTTSpiel* sp) const;
    // The page around inhalt, with the links to the other pages.
    std::string seite(const wxString& titel, const wxString& inhalt) const;
    wxString erzeugeUebersicht() const;
    wxString erzeugeGruppe(int g) const;
    wxString erzeugeEndrunde() const;
    wxString erzeugeSpieler(int startNr) const;
    // One match as a list item: where and on which table, the pairing, the result
    // or since when it is played; zusatz follows the place.
    wxString erzeugeSpielzeile(const clTTSpiel* sp, const wxString& zusatz = wxString()) const;
    wxString erzeugeNamen(const clTTSpiel* sp) const;
    // The names, linked to the players' pages, and the result.
    wxString erzeugePaarung(const clTTSpiel* sp) const;

    clTurnier* m_Turnier;
    std::vector<sSpiel> m_Spiele;
    std::unordered_map<const clTTSpiel*, size_t> m_Index;
    wxString m_Navigation;
};

#endif
