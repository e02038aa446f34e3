#ifndef CLSPIELBETRIEB_H
#define CLSPIELBETRIEB_H

#include <cstdint>
#include <ctime>
#include <functional>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

#include "modell/sSpielKennung.h"

class clTTSpiel;
class clTeilnehmer;
class clTurnier;

// A match called to a table: since when it is played there and, once its result
// is in, when it ended.
struct sAufruf
{
    clTTSpiel* spiel = nullptr;
    int platte = 0;
    std::time_t beginn = 0;
    // 0 while the match is being played.
    std::time_t ende = 0;
};

// A call as undo keeps it: its match by identity, since the match itself may be
// made anew meanwhile.
struct sAufrufDaten
{
    sSpielKennung kennung;
    int platte = 0;
    std::time_t beginn = 0;
    std::time_t ende = 0;
};

// A match that can be called now.
struct sAufrufbar
{
    clTTSpiel* spiel = nullptr;
    // The table it would get: its own table of the schedule when that is free,
    // else the lowest free one; 0 when every table is busy.
    int platte = 0;
    // When the later of its two players ended their last called match; 0 when
    // neither has played yet.
    std::time_t zuletzt = 0;
    // False while one of the players still has the minimum rest to take.
    bool bereit = true;
    // Its round in its round robin, from 0; 0 in the bracket.
    int runde = 0;
};

// What the hall holds beyond one class's own calls, as that class sees it: on a
// tournament day the other classes share its tables and its players' persons.
struct sHallenLage
{
    // The class's tables, by its own numbers, on which another class plays now.
    std::set<int> belegt;
    // The class's entries (stable numbers) of whom a person is on a table now.
    std::unordered_set<int> amTisch;
    // When a person of each entry last ended a called match anywhere in the hall.
    std::unordered_map<int, std::time_t> zuletzt;
};

// The hall on the day ("Spielbetrieb"): which match is played on which table
// since when, and which matches can be called next. Only the tournament changes
// it, so that every call is a step of undo, saved and recovered; the tournament
// owns it.
//
// A match can be called when both its players are known, it has no result and
// no call yet, neither player is on a table, and the earlier rounds of its round
// robin (the whole schedule, or its group) have all been called or decided.
// Knockout matches can be called as soon as both players are known. Those whose
// players have rested longest come first, then the earlier rounds.
//
// In the tournament file it is the section "Spielbetrieb", written only when
// there is a call or a minimum rest: line 1 the minimum rest in minutes, then a
// line per call "match,table,begin,end", the match by the text form of its
// identity ("G2:3-7", see sSpielKennung), the times in seconds since 1970 (end 0
// while it is played). A match given as a plain number counts from 0 in the
// order of clTurnier::getAlleSpiele; such lines are still read.
class clSpielbetrieb
{
public:
    static constexpr int MaxMindestpause = 120;

    clSpielbetrieb();
    // The clock the calls are timed with; tests give their own.
    void setUhr(std::function<std::time_t()> uhr) { m_Uhr = std::move(uhr); }
    // Where the class shares the hall with others: what they hold of it now. A
    // class alone in the hall has none.
    void setUmfeld(std::function<sHallenLage()> umfeld) { m_Umfeld = std::move(umfeld); }
    sHallenLage getLage() const { return m_Umfeld ? m_Umfeld() : sHallenLage(); }
    std::time_t jetzt() const { return m_Uhr(); }
    // The local time of day of a call, as the hall reads it: "10:42".
    static wxString getUhrzeit(std::time_t zeit);

    // Minutes a player rests between two called matches (0: none).
    int getMindestpause() const { return m_Mindestpause; }

    // The call of a match, whether it is played or has ended; null when it has none.
    const sAufruf* getAufruf(const clTTSpiel* sp) const;
    // True while the match is called and has no result.
    bool laeuft(const clTTSpiel* sp) const;
    // The match being played at table p (1 …), null when the table is free.
    clTTSpiel* getSpielAn(int platte) const;
    // The matches being played, by table.
    std::vector<sAufruf> getLaufende() const;
    // The ended calls and the results of matches without a call that came in
    // while Quobel ran (table 0), the latest first; only the latest anzahl.
    std::vector<sAufruf> getBeendete(size_t anzahl = SIZE_MAX) const;
    // True when there is nothing to save: no call and no minimum rest.
    bool istLeer() const { return m_Aufrufe.empty() && m_Mindestpause == 0; }

    // The matches of turnier that can be called now, the first to call first.
    std::vector<sAufrufbar> getAufrufbare(const clTurnier& turnier) const;
    // The calls the latest change of results dropped, because a correction earlier
    // in the bracket changed their pairing or a result taken back found their
    // table taken; undo of that change brings them back.
    const std::vector<sAufrufDaten>& getVerworfene() const { return m_Verworfen; }

private:
    friend class clTurnier;
    friend class clTurniertag;

    // The changes, made by the tournament only; each answers whether it changed anything.
    // Calls sp to table platte (0: the one it would get); refused when sp cannot
    // be called or the table is busy or not one of the hall's 1 … platten.
    bool rufeAuf(const clTurnier& turnier, clTTSpiel* sp, int platte);
    // Takes a running call back: the match can be called again.
    bool nimmZurueck(const clTTSpiel* sp);
    // Moves a running match to the free table platte.
    bool verlege(const clTTSpiel* sp, int platte, int platten);
    bool setMindestpause(int minuten);
    // After results changed in the matches alle: a called match that got its
    // result ends now and frees its table; one that lost it is played again, or,
    // when its table is taken meanwhile, loses its call. A match without a call
    // that got its result is remembered with the time.
    void folgeErgebnissen(const std::vector<clTTSpiel*>& alle);
    // After the matches were made anew (kennungen name each of alle): a call stays
    // with the match of its identity, the very same pairing; one whose match is
    // gone, a running one on a table beyond the hall's platten, and a running one
    // whose player is on another table already are dropped.
    void ordneZu(const std::vector<clTTSpiel*>& alle, const std::vector<sSpielKennung>& kennungen,
                 int platten);
    // Brings back calls that a change dropped, each where its match still has the
    // same pairing and no call, a running one only where its table and players are
    // free; answers whether any came back.
    bool stelleWieder(const std::vector<sAufrufDaten>& aufrufe, const std::vector<clTTSpiel*>& alle,
                      const std::vector<sSpielKennung>& kennungen, int platten);
    // The results alle hold now count as old: they are no news of the day.
    void vergissEingaenge(const std::vector<clTTSpiel*>& alle);
    using vecEingaenge = std::vector<std::pair<clTTSpiel*, std::time_t>>;
    // Where sp's entry among m_Eingaenge is or would go; puts them in order first.
    vecEingaenge::iterator findeEingang(const clTTSpiel* sp);
    void leere();

    // nummer gives the number a player's stable number is written as.
    wxArrayString getSaveStrings(const std::function<int(int)>& nummer) const;
    // Reads the section's lines for a tournament whose matches are named kennungen
    // (in the order of clTurnier::getAlleSpiele, players by their start numbers) and
    // a hall of platten tables, changing nothing else; false and fehler naming the
    // line when a line is damaged, names no match of the tournament or a table of
    // the hall, a match is called twice, two running matches share a table or a
    // player, or a time lies outside the years 2000 to 2099.
    bool lies(const wxArrayString& zeilen, const std::vector<sSpielKennung>& kennungen, int platten,
              wxString& fehler);
    // Takes what lies read, for the tournament's matches alle named kennungen; the clock stays.
    void uebernehme(clSpielbetrieb&& gelesen, const std::vector<clTTSpiel*>& alle,
                    const std::vector<sSpielKennung>& kennungen);

    struct sEintrag
    {
        sAufruf aufruf;
        // The match's identity: a new schedule keeps calls by it.
        sSpielKennung kennung;
    };

    // After every change of the calls: getAufruf is asked for every match shown.
    void indiziere();
    // True when a player of the match k plays on a table now.
    bool amTisch(const sSpielKennung& k) const;
    static std::map<sSpielKennung, clTTSpiel*> verzeichne(const std::vector<clTTSpiel*>& alle,
                                                          const std::vector<sSpielKennung>& kennungen);
    // Takes e with the match its identity names among spiele, unless that has a
    // call or, for a running e, its table is beyond platten or busy or a player
    // is on a table; answers whether it was taken.
    bool ordneEin(sEintrag e, const std::map<sSpielKennung, clTTSpiel*>& spiele, int platten,
                  const sHallenLage& lage);

    std::function<std::time_t()> m_Uhr;
    std::function<sHallenLage()> m_Umfeld;
    int m_Mindestpause;
    std::vector<sEintrag> m_Aufrufe;
    std::unordered_map<const clTTSpiel*, size_t> m_Index;
    // When the result of each decided match without a call came in; 0 for those
    // that were there before (loaded, or kept through a new schedule). Not saved.
    // Kept in order of the matches' addresses rather than hashed: a loaded
    // tournament puts tens of thousands here at once, and a node for each cost a
    // sixth of loading. Out of order only from vergissEingaenge to the next search.
    vecEingaenge m_Eingaenge;
    bool m_EingaengeGeordnet = true;
    std::vector<sAufrufDaten> m_Verworfen;
};

#endif
