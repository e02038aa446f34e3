#ifndef CLENDRUNDENAUSLOSUNG_H
#define CLENDRUNDENAUSLOSUNG_H

#include <random>
#include <vector>

// The draw of the bracket from the groups' first q players (Q = N·q of them, on
// B lines, B the smallest power of two ≥ Q and at least 2; the first round pairs
// lines 1–2, 3–4, …):
// - the winner of group s is seed s; seed 1 stands on line 1, seed 2 on line B, and
//   seeds 2^k+1 … 2^(k+1) are drawn onto the lines m·B/2^k and m·B/2^k + 1 for odd m;
// - the B − Q byes stand beside seeds 1, 2, 3, … and, when there are more byes than
//   groups, beside the runners-up of groups 1, 2, …; the lot of the seed lines
//   spreads them over the two halves (one half at most one more); seeds beyond B/2
//   are drawn onto the seed lines the byes left free;
// - runners-up are drawn onto the lines that remain, each into the other half from
//   the winner of its group, so that two players of one group meet in the final at
//   the earliest.
// All of these hold together for every N and q. Every placement of the seeds that
// keeps them is equally likely. One group gives its winner and a bye (q = 1) or a
// final of its first two (q = 2).
class clEndrundenAuslosung
{
public:
    // A line without a player.
    static constexpr int Freilos = -1;

    // erste[s]: the first players of group s + 1 by its placing, the winner first;
    // aufsteiger: q, the players of each group in the bracket (1, or 2 for more).
    // When a group has fewer than q players, Q counts the players there are, and
    // the rules hold for them (loseKurz).
    clEndrundenAuslosung(std::vector<std::vector<int>> erste, int aufsteiger);

    // B for Q players: the smallest power of two ≥ Q, at least 2 as a bracket has;
    // 0 for none.
    static int getAnzahlLinien(int spieler);

    // The bracket: on each line, top to bottom, a player of erste or Freilos. The
    // same zufall state gives the same draw.
    std::vector<int> lose(std::mt19937& zufall) const;
    // True when linien (top to bottom, players or Freilos) has as many lines as lose
    // draws and holds exactly its players, each once. Where each stands is left to
    // the organiser, who may exchange lines after the draw.
    bool hatSpieler(const std::vector<int>& linien) const;

private:
    // The draw when some group has fewer than q players, on the fewest lines for
    // the Q players there are. The seeds stand on their lines as above and every
    // runner-up in the other half from its winner; as the halves then need not
    // hold equally many players, each half's byes go beside its best players
    // (seeds first, then runners-up in group order). The seeds are drawn again
    // until each half has room for its players, at most one bye in a pair.
    std::vector<int> loseKurz(std::mt19937& zufall) const;

    std::vector<std::vector<int>> m_Erste;
    int m_Aufsteiger;
};

#endif
