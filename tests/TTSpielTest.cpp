#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "clTTSpiel.h"
#include "clTeilnehmer.h"

namespace
{
// A match between two participants with the given sets (p1, p2) entered.
struct Spiel
{
    Spiel(std::initializer_list<std::pair<int, int>> saetze)
    {
        int snr = 1;
        for (const auto& s : saetze)
            sp.setSatzErg(snr++, s.first, s.second);
    }
    clTeilnehmer a, b;
    clTTSpiel sp{&a, &b};
};

// The own/opponent counts of one side as "matches sets points", e.g. "1:0 2:1 30:27".
std::string text(const sWertung& w)
{
    auto paar = [](const teilwertung& tw)
    { return std::to_string(tw.eigene) + ":" + std::to_string(tw.gegner); };
    return paar(w.m_Spiel) + " " + paar(w.m_Satz) + " " + paar(w.m_Punkte);
}

bool gespiegelt(const sWertung& w1, const sWertung& w2)
{
    return w1.m_Spiel.eigene == w2.m_Spiel.gegner && w1.m_Spiel.gegner == w2.m_Spiel.eigene &&
           w1.m_Satz.eigene == w2.m_Satz.gegner && w1.m_Satz.gegner == w2.m_Satz.eigene &&
           w1.m_Punkte.eigene == w2.m_Punkte.gegner && w1.m_Punkte.gegner == w2.m_Punkte.eigene;
}

// Side 1's result, with " +" when the match is decided; side 2 must mirror side 1.
std::string ergebnis(std::initializer_list<std::pair<int, int>> saetze)
{
    Spiel s(saetze);
    sWertung w1, w2;
    const bool entschieden = s.sp.bestimmeErgebnis(w1, w2);
    EXPECT_TRUE(gespiegelt(w1, w2)) << text(w1) << " / " << text(w2);
    return text(w1) + (entschieden ? " +" : "");
}
} // namespace

TEST(TTSpiel, ErgebnisAusDenSaetzen)
{
    EXPECT_EQ("0:0 0:0 0:0", ergebnis({}));
    EXPECT_EQ("1:0 2:1 30:27 +", ergebnis({{11, 9}, {8, 11}, {11, 7}}));
    EXPECT_EQ("0:1 0:2 10:22 +", ergebnis({{5, 11}, {5, 11}}));
    // A third set after the match is decided still counts for sets and points.
    EXPECT_EQ("1:0 3:0 33:15 +", ergebnis({{11, 5}, {11, 5}, {11, 5}}));
    // A set counts only with both sides entered; a negative score typed in is no score.
    EXPECT_EQ("0:0 0:0 0:0", ergebnis({{11, -1}, {-1, 11}, {-5, 11}}));
    // Equal scores go to side 2; 0:0 is a set without points.
    EXPECT_EQ("0:1 0:2 5:5 +", ergebnis({{5, 5}, {0, 0}}));
    // Points count at most 21 per side and set; the set goes by the scores as entered.
    EXPECT_EQ("0:0 1:0 21:21", ergebnis({{23, 21}}));
    EXPECT_EQ("0:0 1:1 16:16", ergebnis({{11, 5}, {5, 11}}));
}

TEST(TTSpiel, SatzEingabeSeiteFuerSeite)
{
    // -1 leaves a side as it was, so the grid can set one side at a time.
    Spiel s({});
    EXPECT_FALSE(s.sp.hatEingaben());
    s.sp.setSatzErg(2, 11, -1);
    s.sp.setSatzErg(2, -1, 7);
    EXPECT_EQ(11, s.sp.getSatzErg(2).P1);
    EXPECT_EQ(7, s.sp.getSatzErg(2).P2);
    s.sp.loescheSatzErg(2, 1);
    EXPECT_EQ(-1, s.sp.getSatzErg(2).P1);
    EXPECT_TRUE(s.sp.hatEingaben());
    s.sp.loescheSatzErg(2, 2);
    EXPECT_FALSE(s.sp.hatEingaben());

    // Set numbers outside 1 to 3 touch nothing.
    for (int snr : {0, 4, -1})
    {
        s.sp.setSatzErg(snr, 11, 3);
        EXPECT_EQ(-1, s.sp.getSatzErg(snr).P1);
    }
    EXPECT_FALSE(s.sp.hatEingaben());
}

TEST(TTSpiel, AltesErgebnisGibtNurEntschiedeneZurueck)
{
    sWertung w1, w2;
    // Undecided: the partial result is handed back but stays in the match.
    Spiel offen({{11, 5}, {5, 11}});
    offen.sp.bestimmeErgebnis(w1, w2);
    sWertung a1, a2;
    EXPECT_FALSE(offen.sp.altesErgebnis(a1, a2));
    EXPECT_EQ("0:0 1:1 16:16", text(a1));
    EXPECT_FALSE(offen.sp.altesErgebnis(a1, a2));
    EXPECT_EQ("0:0 1:1 16:16", text(a1));

    // Decided: handed back once, then the match holds no result.
    Spiel entschieden({{11, 5}, {11, 7}});
    entschieden.sp.bestimmeErgebnis(w1, w2);
    EXPECT_TRUE(entschieden.sp.altesErgebnis(a1, a2));
    EXPECT_EQ("1:0 2:0 22:12", text(a1));
    EXPECT_EQ("0:1 0:2 12:22", text(a2));
    EXPECT_FALSE(entschieden.sp.altesErgebnis(a1, a2));
    EXPECT_EQ("0:0 0:0 0:0", text(a1));

    // A match without participants hands back nothing and leaves the arguments alone.
    clTTSpiel ohne;
    ohne.setSatzErg(1, 11, 1);
    ohne.setSatzErg(2, 11, 1);
    ohne.bestimmeErgebnis(w1, w2);
    a1.m_Satz.eigene = 9;
    EXPECT_FALSE(ohne.altesErgebnis(a1, a2));
    EXPECT_EQ("0:0 9:0 0:0", text(a1));
    EXPECT_EQ(nullptr, ohne.getT1());
    EXPECT_EQ(nullptr, ohne.getT2());
}
