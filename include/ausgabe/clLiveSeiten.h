#ifndef CLLIVESEITEN_H
#define CLLIVESEITEN_H

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "modell/clSpielbetrieb.h"
#include "modell/clTTSpiel.h"
#include "netz/sLiveSeite.h"

class clTurnier;
class clTurniertag;

// The live site of a tournament for the phones in the hall: plain pages with
// one inline style sheet and no scripts, each reloading itself every few
// seconds, so that a typed result is on every phone at once.
//
//   "/"            the overview: running matches by table, the next calls, the
//                  latest results and a link to every page and every player
//   "/tabelle"     a round robin's standings, cross table and matches
//   "/gruppe/g"    a group's standings, cross table and matches
//   "/endrunde"    the bracket round by round
//   "/endstand"    the final placing, once the bracket is drawn
//   "/spieler/n"   the matches of the player with main start number n
//
// A day of several classes has these pages of each class under "/k/<nr>" (the
// class's stable number; its overview is "/k/<nr>/"), and
//
//   "/"            the day: the tables being played on and the next calls of the
//                  whole hall, each naming its class, every class with its stage
//                  and a link to every person
//   "/person/p"    the matches of person p in all their classes
//
// With one class the site is that class's, as above.
//
// An object is what the pages show at one moment: the constructor copies it from
// the tournament (in the window's thread, quickly: numbers for every match, texts
// only for players, tables and lists), and erzeuge writes the pages from the copy
// alone. The copy holds no pointer into the tournament and no toolkit string, so
// that erzeuge may run in another thread while the tournament changes.
class clLiveSeiten
{
public:
    // Seconds after which a page reloads itself.
    static constexpr int Auffrischen = 2;
    // How many calls and results the overview lists.
    static constexpr int AnzahlAufrufe = 8;
    static constexpr int AnzahlErgebnisse = 10;
    // A phone shows a cross table up to this many players; a larger one is left
    // to the printed standings.
    static constexpr int MaxKreuztabelle = 32;
    // A round robin or group with more matches than this lists on its page only
    // the matches being played, the next to play and the latest results, this
    // many of each, rather than every match of the day.
    static constexpr int MaxSpieleAufSeite = 120;
    static constexpr int AnzahlSpieleAufSeite = 20;

    // The site of the day, its tables by the hall's numbers; nurUebersicht copies
    // only what the overview shows, for erneuereUebersicht.
    explicit clLiveSeiten(const clTurniertag* tag, bool nurUebersicht = false);

    // The whole site; the pages of zusatz (a QR code, say) are taken over as they are.
    spLiveSeiten erzeuge(mapLiveSeiten zusatz = mapLiveSeiten()) const;
    // The site vorher with the overview written anew: time moves on only the rests
    // of the waiting matches.
    spLiveSeiten erneuereUebersicht(const spLiveSeiten& vorher) const;

private:
    // A match as the pages show it. Names and links go by main start numbers.
    struct sSpiel
    {
        // Where it belongs: its round in a round robin or group, or its name in
        // the bracket (an index into m_Spielnamen).
        int runde = 0;
        // Its group (0 in a round robin, -1 in the bracket) and its table in the
        // schedule (0 for none).
        int gruppe = 0;
        int platte = 0;
        // Whose name each side shows (0 while it is open), and whether it links
        // to that player's page (not for a bye).
        int name[2] = {0, 0};
        bool verweis = true;
        bool frei = false;
        int gewinnsaetze = 3;
        eingaben eingegeben;
        // Its call: the table (0 without one) and whether it is being played.
        int aufrufPlatte = 0;
        bool laeuft = false;
    };
    // A match in a list, with what follows its place ("Platte 2, seit 10:42").
    struct sZeile
    {
        size_t spiel = 0;
        std::string zusatz;
        // Where it stands among the day's: the hall's table, or its place among the next calls.
        size_t ordnung = 0;
    };
    // A person of the day: the name and the main start number in each class entered.
    struct sPerson
    {
        int nr = 0;
        std::string name;
        std::vector<std::pair<size_t, int>> meldungen;
    };
    // A class of the day as the overview lists it.
    struct sKlasse
    {
        std::string name;
        std::string stand;
    };
    struct sGruppe
    {
        std::string tabelle;
        std::string kreuztabelle;
        size_t anzahlSpiele = 0;
    };
    struct sTeilnehmer
    {
        std::string name;
        std::string verein;
    };
    // The texts of the pages in the language of the program, escaped as HTML;
    // a number or text takes the place of each %d or %s.
    struct sTexte
    {
        std::string uebersicht, tabelle, gruppe, gruppeRunde, runde, endrunde, endstand, esSpielen,
            alsNaechstes, letzteErgebnisse, teilnehmerTitel, keinSpielLaeuft, keinSpielWartet, keinErgebnis,
            keineTeilnehmer, spiele, keineSpiele, nochOffen, stand, platte, laeuftTitel, nochZuSpielen,
            keinSpielOffen, gespielt, keinSpielGespielt, kampflos, aufgabe, freilos, zuGrossFuerKreuztabelle;
    };

    clLiveSeiten();
    // Copies class i of tag (or turnier alone), its tables by the hall's numbers
    // (halle), the next calls naechste with their place among the day's.
    void kopiere(clTurnier* turnier, bool nurUebersicht,
                 const std::vector<std::pair<sAufrufbar, size_t>>& naechste,
                 const std::function<int(int)>& halle);
    // The pages of the class into seiten; spieler gets each player's part of a
    // person's page, by main start number.
    void schreibe(mapLiveSeiten& seiten, std::vector<std::string>* spieler) const;
    std::string erzeugeTag() const;
    std::string pfad(const std::string& pfad) const { return m_Praefix + pfad; }

    // The page around inhalt, with the links to the other pages; hier is the
    // path of the page itself.
    std::string seite(const std::string& hier, const std::string& titel, const std::string& inhalt) const;
    std::string erzeugeUebersicht() const;
    std::string erzeugeGruppe(int g, const std::vector<std::string>& paarungen) const;
    std::string erzeugeEndrunde(const std::vector<std::string>& paarungen) const;
    std::string erzeugeSpieler(int startNr, const std::vector<size_t>& spiele,
                               const std::vector<std::string>& paarungen) const;
    // One match as a list item: where and on which table, the pairing, the result
    // or since when it is played; zusatz follows the place, the class (on the day's page) precedes it.
    std::string erzeugeSpielzeile(size_t k, const std::string& paarung, const std::string& zusatz,
                                  const std::string& klasse = std::string()) const;
    // The names, linked to the players' pages, and the result.
    std::string erzeugePaarung(const sSpiel& s) const;
    std::string getOrt(const sSpiel& s) const;

    sTexte m_Texte;
    std::string m_Titel;
    std::string m_Unterzeile;
    // A round robin has the page "/tabelle", groups have theirs.
    bool m_JederGegenJeden = true;
    // Path and title of each page of the tournament, in the order of the links.
    std::vector<std::pair<std::string, std::string>> m_Navigation;
    // By main start number; the first is no player.
    std::vector<sTeilnehmer> m_Teilnehmer;
    // The round robin (0) or each group (from 1).
    std::vector<sGruppe> m_Gruppen;
    std::vector<sSpiel> m_Spiele;
    std::vector<std::string> m_Spielnamen;
    // The bracket's rounds, the match for third place last: title and matches.
    std::vector<std::pair<std::string, std::vector<size_t>>> m_Endrunde;
    std::string m_Endstand;
    std::vector<sZeile> m_Laufende;
    std::vector<sZeile> m_Naechste;
    // The latest results first, as many as a page lists.
    std::vector<sZeile> m_Beendete;
    // "/k/<nr>" for a class of a day of several, else empty.
    std::string m_Praefix;
    // A day of several classes: each class's copy, and the day's own.
    std::vector<clLiveSeiten> m_Klassen;
    std::vector<sKlasse> m_KlassenDaten;
    std::vector<sPerson> m_Personen;
};

#endif
