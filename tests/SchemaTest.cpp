#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

#include "ModellHilfen.h"
#include "modell/clRunde.h"

namespace
{
// Participants with the start numbers 1 to n, as the schedule receives them.
vecTeilnehmer teilnehmer(int n)
{
    static clTeilnehmer vorrat[100];
    vecTeilnehmer tl(n);
    for (int i = 0; i < n; ++i)
        (tl[i] = &vorrat[i])->setStartNr(i + 1);
    return tl;
}

std::vector<int> spielfrei(const clRunde* r)
{
    std::vector<int> frei;
    r->getSpielfrei(frei);
    return frei;
}

// The schedule as text, side 1 first, and the skip list it keeps:
// "3-4 2-5 | 4-5 3-1 | ... / 6".
std::string plan(const clSchema& sc)
{
    std::string text;
    for (int r = 1; r <= sc.AnzRunden(); ++r)
        for (int p = 1; const clTTSpiel* sp = sc.getSpiel(r, p); ++p)
            text += (p > 1   ? " "
                     : r > 1 ? " | "
                             : "") +
                    std::to_string(sp->getT1()->getStartNr()) + "-" +
                    std::to_string(sp->getT2()->getStartNr());
    return text + " / " + sc.gibSaveString().ToStdString();
}

std::string plan(int n, int platten, modErzeugung modus, const wxString& auslasser = "")
{
    clSchema sc;
    vecTeilnehmer tl = teilnehmer(n);
    sc.neuerSpielplan(platten, &tl, modus, auslasser);
    return plan(sc);
}

// What every schedule must satisfy, whatever skip list it was made from: every
// pair once in AnzRunden rounds within capacity (fewer than one table is taken as
// one), nobody twice in a round, the others of a round free in it, and the skip
// list it keeps rebuilds it exactly.
void pruefeSpielplan(int n, int platten, modErzeugung modus, const wxString& auslasser)
{
    SCOPED_TRACE(testing::Message() << n << " participants, " << platten << " tables, mode " << modus
                                    << ", skip list \"" << auslasser << "\"");
    clSchema sc;
    vecTeilnehmer tl = teilnehmer(n);
    sc.neuerSpielplan(platten, &tl, modus, auslasser);
    const int paare = n * (n - 1) / 2;
    const int kapazitaet = n > 2 ? std::min(n / 2, std::max(platten, 1)) : 1;
    ASSERT_EQ(std::max((paare + kapazitaet - 1) / kapazitaet, 1), sc.AnzRunden());
    ASSERT_EQ(n % 2 == 0, sc.isEven());
    std::set<std::pair<int, int>> gepaart;
    for (int r = 1; r <= sc.AnzRunden(); ++r)
    {
        std::set<int> spielt;
        for (int p = 1; const clTTSpiel* sp = sc.getSpiel(r, p); ++p)
        {
            const int t1 = sp->getT1()->getStartNr();
            const int t2 = sp->getT2()->getStartNr();
            ASSERT_TRUE(p <= kapazitaet && spielt.insert(t1).second && spielt.insert(t2).second &&
                        gepaart.insert(std::minmax(t1, t2)).second)
                << "round " << r << " table " << p << ": " << t1 << "-" << t2;
        }
        std::vector<int> frei;
        for (int t = 1; t <= n; ++t)
            if (spielt.count(t) == 0)
                frei.push_back(t);
        ASSERT_EQ(frei, spielfrei(sc.getRunde(r))) << "round " << r;
    }
    ASSERT_EQ(paare, static_cast<int>(gepaart.size()));
    ASSERT_EQ(0, sc.getRunde(sc.AnzRunden() + 1)->AnzSpiele());
    ASSERT_EQ(plan(sc), plan(n, platten, modDicht, sc.gibSaveString()));
}
} // namespace

TEST(Schema, DieDurchgerechnetenBeispiele)
{
    clSchema sc;
    vecTeilnehmer tl = teilnehmer(5);
    sc.neuerSpielplan(2, &tl, modDicht, "");
    EXPECT_EQ("3-4 2-5 | 4-5 3-1 | 5-1 4-2 | 1-2 5-3 | 2-3 1-4 / 6", plan(sc));
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(std::vector<int>{r}, spielfrei(sc.getRunde(r)));
    EXPECT_EQ("3-4 2-5 | 1-6 4-5 | 3-1 2-6 | 5-1 4-2 | 3-6 1-2 | 5-3 4-6 | 2-3 1-4 | 5-6 / 9",
              plan(6, 2, modDicht));
    // The evenly spread mode with the offset 3 drawn, as a file stores it. A
    // stored skip list fixes the schedule whatever the mode.
    for (modErzeugung modus : {modGlvt, modDicht, modZfvt})
        EXPECT_EQ("3-4 2-5 | 1-6 4-5 | 3-1 2-6 | 5-1 | 4-2 3-6 | 1-2 5-3 | 4-6 2-3 | 1-4 5-6 / 3",
                  plan(6, 2, modus, "3"));
    EXPECT_EQ("2-3 | 3-1 | 1-2 / 4", plan(3, 1, modDicht));
    // More tables than pairs of participants: only n/2 are used.
    EXPECT_EQ("2-3 1-4 | 3-1 2-4 | 1-2 3-4 / 4", plan(4, 5, modDicht));
    // The random mode with the rounds 7 and 2 drawn; the list is stored sorted.
    EXPECT_EQ("4-5 3-6 2-7 | 1-8 5-6 4-7 | 3-1 2-8 | 6-7 5-1 4-2 | 3-8 7-1 6-2 | 5-3 4-8 1-2 | "
              "7-3 6-4 5-8 | 2-3 1-4 | 7-5 6-8 3-4 | 2-5 1-6 7-8 / 2,7",
              plan(8, 3, modZfvt, "7,2"));

    // One participant: one round without a match, which he sits out. Rounds
    // outside the schedule are one empty round that the schedule keeps.
    tl = teilnehmer(1);
    sc.neuerSpielplan(1, &tl, modDicht, "");
    EXPECT_EQ(1, sc.AnzRunden());
    for (int r : {1, 0})
        EXPECT_EQ(std::vector<int>{1}, spielfrei(sc.getRunde(r)));
    EXPECT_EQ(sc.getRunde(-1), sc.getRunde(2));
}

// Every participant count, table count and mode, and skip lists edited by hand.
TEST(Schema, InvariantenFuerAlleGroessenUndVerdorbeneAuslasserlisten)
{
    std::srand(7);
    for (int n = 0; n <= 40; ++n)
        for (int platten = -1; platten <= 25; ++platten)
            for (modErzeugung modus : {modDicht, modGlvt, modZfvt})
                ASSERT_NO_FATAL_FAILURE(pruefeSpielplan(n, platten, modus, ""));
    // A round keeps who plays in place up to 64 participants, apart beyond.
    for (int n : {64, 65, 100})
        for (int platten : {1, 7, 50})
            ASSERT_NO_FATAL_FAILURE(pruefeSpielplan(n, platten, modDicht, ""));
    for (int n = 3; n <= 20; ++n)
        for (int platten = 1; platten <= 10; ++platten)
            for (const char* text :
                 {"2,2,2", "3,3", "-1,-7", "99", "0,1,2,3,4,5,6,7,8,9,10,11", "5,4,3,2,1,0", "abc", ",,,",
                  "7;2", " 3 , x", "2147483647,-2147483648", "0"})
                ASSERT_NO_FATAL_FAILURE(pruefeSpielplan(n, platten, modGlvt, text));
}

// A round takes a pairing only when both participants belong to it and are still
// free, so that no pairing can break another or leave matches and pairings out of step.
TEST(Runde, AnsetzungenUndAbweisungen)
{
    clRunde runde(5);
    for (auto [t1, t2] : {std::pair{1, 2}, {3, 3}, {0, 3}, {3, 6}, {-1, 3}, {2, 4}, {4, 1}, {4, 3}, {5, 4}})
        runde.addAnsetzung(t1, t2);
    std::string text;
    for (int p = 0; p <= 3; ++p)
        text +=
            std::to_string(runde.getAnsetzung(p).t1) + "-" + std::to_string(runde.getAnsetzung(p).t2) + " ";
    EXPECT_EQ("-1--1 1-2 4-3 -1--1 ", text);
    EXPECT_EQ(std::vector<int>{5}, spielfrei(&runde));

    // Matches go the same way; a match whose participants are missing is none.
    vecTeilnehmer tl = teilnehmer(5);
    clTTSpiel spiele[] = {{tl[0], tl[1]}, {tl[2], tl[2]}, {tl[1], tl[2]}, {}, {tl[4], tl[2]}, {tl[3], tl[2]}};
    clRunde mitSpielen(4);
    for (clTTSpiel& sp : spiele)
        mitSpielen.addSpiel(&sp);
    mitSpielen.addSpiel(nullptr);
    EXPECT_EQ(2, mitSpielen.AnzSpiele());
    EXPECT_EQ(4, mitSpielen.getAnsetzung(2).t1);
    for (int p : {0, 1, 2, 3})
        EXPECT_EQ(p == 1 ? &spiele[0] : p == 2 ? &spiele[5] : nullptr, mitSpielen.getSpiel(p)) << p;
    clRunde negativ(-2);
    negativ.addAnsetzung(1, 2);
    EXPECT_EQ(0, negativ.AnzSpiele());
}
