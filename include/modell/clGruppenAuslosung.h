#ifndef CLGRUPPENAUSLOSUNG_H
#define CLGRUPPENAUSLOSUNG_H

#include <map>
#include <random>
#include <utility>
#include <vector>
#include <wx/string.h>

// A player as the group draw sees them.
struct spLosSpieler
{
    int index = 0;   // the caller's number of the player; the groups hold it
    int ttr = -1;    // the rating; negative: none
    wxString verein; // the club; empty: none
    // Of a doubles pair the partner's club: the pair is a club-mate of the
    // members of either club.
    wxString partnerVerein{};
};
using vecLosSpieler = std::vector<spLosSpieler>;
// The players of each group as their indices, group 1 first.
using vecGruppen = std::vector<std::vector<int>>;
// Pairs of club-mates as their indices.
using vecVereinsPaare = std::vector<std::pair<int, int>>;

// The draw of the players into groups:
// - group sizes differ by at most one, the larger groups come first;
// - players are ordered by rating, those without one after every rated player,
//   equal ratings by lot;
// - with k = max(1, smallest group size / 2), the N·k best are seeded by the snake:
//   ranks 1 … N into groups 1 … N, N+1 … 2N into groups N … 1, and so on;
// - all others are drawn by lot into the free places, so that as few club-mates
//   as possible share a group (none where some draw of them avoids it); the seeded
//   stay where the snake put them.
// Clubs are compared without blanks around them and regardless of case.
class clGruppenAuslosung
{
public:
    explicit clGruppenAuslosung(const vecLosSpieler& spieler);

    // The number of groups of at most groesse players: n / groesse rounded up, at least 1.
    static int getAnzahlGruppen(int anzahlSpieler, int groesse);
    // The sizes of anzahlGruppen groups (at least 1), the larger first.
    static std::vector<int> getGruppenGroessen(int anzahlSpieler, int anzahlGruppen);
    // k, the players seeded into each group.
    static int getGesetzteJeGruppe(int anzahlSpieler, int anzahlGruppen);

    // Draws the players into anzahlGruppen groups (at least 1). Each group lists
    // its seeded players first, by rank, then the drawn ones by their places.
    // The same zufall state gives the same draw.
    vecGruppen lose(int anzahlGruppen, std::mt19937& zufall) const;

    // The club-mates in a group, as pairs of indices in the group's order; an
    // index that is not one of the players has no club.
    vecVereinsPaare getVereinsPaare(const std::vector<int>& gruppe) const;
    // The pairs of club-mates in all groups together.
    int zaehleVereinsPaare(const vecGruppen& gruppen) const;

private:
    // True when the players at these positions share a club.
    bool sindVereinskameraden(int pos1, int pos2) const;
    // Pairs of two clubs can make clashes the transport cannot see: exchanges of
    // drawn players between groups take them away while they lower the number of
    // club-mates.
    void trenneDoppel(const vecGruppen& gesetzt, vecGruppen& lot) const;
    // Mends the lot of the unseeded players (lot[g]: the positions drawn into group
    // g) to the fewest club-mates; gesetzt[g]: the positions seeded into group g.
    void trenneVereine(const vecGruppen& gesetzt, vecGruppen& lot) const;

    vecLosSpieler m_Spieler;
    // Per position in m_Spieler: the club numbers, none for none.
    std::vector<std::vector<int>> m_Vereine;
    // Some player is a pair of two clubs.
    bool m_Doppel = false;
    // The members of each club.
    std::vector<int> m_Mitglieder;
    std::map<int, int> m_Position;
};

#endif
