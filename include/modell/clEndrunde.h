#ifndef CLENDRUNDE_H
#define CLENDRUNDE_H

#include <functional>
#include <memory>
#include <string_view>
#include <vector>
#include <wx/arrstr.h>
#include <wx/string.h>

#include "modell/clTTSpiel.h"
#include "modell/clTeilnehmer.h"

// One row of the final placing: a player and its place, 0 while it is still open.
struct sPlatzierung
{
    clTeilnehmer* tn = nullptr;
    int platz = 0;
};
typedef std::vector<sPlatzierung> vecPlatzierung;

// The knockout bracket ("Endrunde"): B = 2^r lines from top to bottom, each a
// player or a bye ("Freilos"). Round 1 pairs lines 1-2, 3-4, ...; the winner of
// match i (counted from 0) of a round goes into match i/2 of the next round, on
// side 1 for even i and side 2 for odd i. A bye advances its player at once, a
// decided match its winner; with a match for third place the losers of the
// semi-finals meet there. The bracket owns its matches; the players belong to
// the rosters of the groups.
//
// The matches are numbered in playing order: round 1 from the top, then round 2,
// ..., the final, and last the match for third place when it is played. The
// players of a later match are always those its earlier matches advanced: a
// match holds entries only while both its players are there, so a correction
// that changes a pairing removes the entries of that match and of everything
// that followed from it.
//
// In the tournament file the bracket is a section of its own, "Endrunde":
//
//     3,1
//     4,-1,7,2,5,0,3,1
//     (Anna:)
//     (Carla:Dora,11: 9, 8:11,11: 7,11: 5)
//     ...
//
// line 1 the sets to win (2 to 4) and whether the match for third place is
// played (1) or not (0); line 2 the B lines from the top, each the reference the
// caller gives its player (a whole number from 0) or -1 for a bye; then one line
// per match in the order above (B-1 lines, B with the match for third place),
// written as a group of the "Runden" section: the names are for the reader
// only, the sets and a walkover or retirement are read back. The players of a
// match are not stored: they follow from the lines and the results before it.
// A line that cannot be read, a number of lines that is not a power of two, a
// reference the caller does not know or gives twice, entries in a match that
// cannot be played, and a missing or extra match line refuse the section, with
// the number of the line (counted among its data lines).
class clEndrunde
{
public:
    // A tournament holds at most 500 players, so 512 lines always suffice.
    static constexpr int MaxLinien = 512;

    // Lines beyond the given ones, up to the next power of two (at least 2), are
    // byes; a match for third place needs semi-finals, so a bracket of 2 has none.
    clEndrunde(const vecTeilnehmer& linien, int gewinnsaetze, bool spielUmPlatz3);
    virtual ~clEndrunde();
    clEndrunde(const clEndrunde&) = delete;
    clEndrunde& operator=(const clEndrunde&) = delete;

    int getAnzahlLinien() const { return static_cast<int>(m_Linien.size()); }
    const vecTeilnehmer& getLinien() const { return m_Linien; }
    int getGewinnsaetze() const { return m_Gewinnsaetze; }
    bool hatSpielUmPlatz3() const { return m_SpielUmPlatz3; }
    int getAnzahlRunden() const { return m_AnzRunden; }
    // Matches of a round (1 to r): B/2^runde.
    int getAnzahlSpiele(int runde) const;
    // Match nr (1 to getAnzahlSpiele) of a round; null outside the bracket.
    clTTSpiel* getSpiel(int runde, int nr) const;
    clTTSpiel* getSpielUmPlatz3() const;
    // Every match in playing order, and the position of one in it (-1 for none).
    int getAnzahlSpiele() const { return static_cast<int>(m_Spiele.size()); }
    clTTSpiel* getSpiel(int index) const;
    int getIndex(const clTTSpiel* sp) const;

    // "Finale", "Halbfinale", "Viertelfinale", "Achtelfinale", before them "1. Runde", ...
    wxString getRundenname(int runde) const;
    // The round name of a match, or "Spiel um Platz 3".
    wxString getSpielname(const clTTSpiel* sp) const;

    // True when side seite (1 or 2) will never have a player: a bye.
    bool istFrei(const clTTSpiel* sp, int seite) const;
    // True when both players are there, so that entries count.
    bool istSpielbar(const clTTSpiel* sp) const;
    // The player a match advanced or sent to the match for third place; null while
    // it is undecided. A bye's winner is its player, without a loser.
    clTeilnehmer* getSieger(const clTTSpiel* sp) const;
    clTeilnehmer* getVerlierer(const clTTSpiel* sp) const;
    // True when some match has an entry: the draw can then no longer be changed.
    bool hatEingaben() const;
    // Where a player came from ("1. Gr. 3"), as the owner of the players tells it;
    // empty when it tells nothing.
    void setHerkunft(std::function<wxString(const clTeilnehmer*)> herkunft)
    {
        m_Herkunft = std::move(herkunft);
    }
    wxString getHerkunft(const clTeilnehmer* tn) const { return m_Herkunft ? m_Herkunft(tn) : wxString(); }

    // The later matches, in playing order, whose entries would be removed if sp
    // had the entries neu, so that the organiser can be asked first.
    std::vector<clTTSpiel*> getVerloreneErgebnisse(const clTTSpiel* sp, const eingaben& neu) const;
    // Brings the bracket up to date after the entries of sp changed: its winner and
    // loser advance, and later matches whose pairing changes lose their entries;
    // answers those, in playing order. Entries of a match that cannot be played are
    // dropped. Applying the removed matches' entries again, in this order, after
    // sp's old ones restores the bracket as it was.
    std::vector<clTTSpiel*> pruefeSpiel(clTTSpiel* sp);

    // The placing of the bracket's players, best first: the winner 1, the finalist
    // 2, the losers of a round share the place after the players who reach the
    // next one (2^(k-1)+1 in the round of 2^k players, less where byes go on); with
    // the match for third place its winner is 3 and its loser 4. A player still in the bracket has
    // place 0 and stands ahead of those who lost in the round it has reached (the
    // players of the match for third place as 4); equal places keep the order of the
    // lines. The placing is final when no place is open.
    vecPlatzierung getEndstand() const;
    // Appends the players who did not reach the bracket, each given with its place
    // in its group (q+1, q+2, ...): all of one group place share the next place
    // after those already in the placing, the better group places first.
    static void haengeAn(vecPlatzierung& endstand, vecPlatzierung gruppenplaetze);

    // The lines of the section "Endrunde"; referenz gives each player's reference.
    wxArrayString getSaveStrings(const std::function<int(const clTeilnehmer*)>& referenz) const;
    // The bracket of such lines, advancing and all; teilnehmer gives the player of a
    // reference, null for one it does not know. Null and a message naming the line
    // when the lines are damaged.
    static std::unique_ptr<clEndrunde> lies(const std::vector<std::wstring_view>& zeilen,
                                            const std::function<clTeilnehmer*(int)>& teilnehmer,
                                            wxString& fehler);

private:
    // Who a match advances and who it sends to the match for third place.
    struct sAusgang
    {
        clTeilnehmer* sieger = nullptr;
        clTeilnehmer* verlierer = nullptr;
    };
    // A side of a match that gets another player.
    struct sWechsel
    {
        int spiel;
        int seite;
        clTeilnehmer* tn;
    };
    // Where a match stands in the bracket; fixed when the bracket is made.
    struct sKnoten
    {
        int runde = 0;
        int nach = -1;
        int nachSeite = 0;
        int platz3Seite = 0;
        bool frei[2] = {false, false};
    };

    int getPlatz3Index() const { return m_SpielUmPlatz3 ? getAnzahlLinien() - 1 : -1; }
    // The place the losers of a round share.
    int getVerliererPlatz(int runde) const;
    sAusgang getAusgang(int k, const clTTSpiel& sp) const;
    // The sides that change when match k has the outcome of sp, match by match.
    std::vector<sWechsel> getFolgen(int k, const clTTSpiel& sp) const;
    void gibWeiter(int k, const sAusgang& a, std::vector<sWechsel>& folgen) const;
    void setzeSeite(int k, int seite, clTeilnehmer* tn, std::vector<sWechsel>& folgen) const;
    std::vector<clTTSpiel*> wende(const std::vector<sWechsel>& folgen);

    vecTeilnehmer m_Linien;
    int m_Gewinnsaetze;
    bool m_SpielUmPlatz3;
    int m_AnzRunden;
    // The matches stand in one block, made at once and never grown; m_Spiele points
    // into it in playing order.
    std::vector<clTTSpiel> m_Spielblock;
    std::vector<clTTSpiel*> m_Spiele;
    std::vector<sKnoten> m_Knoten;
    std::function<wxString(const clTeilnehmer*)> m_Herkunft;
};

#endif
