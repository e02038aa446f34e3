#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "clTTSpiel.h"
#include "clTeilnehmer.h"
#include "clRunde.h"
#include "clSchema.h"

namespace
{
const modErzeugung Modi[] = {modDicht, modGlvt, modZfvt};

// Participants with the start numbers 1 to n, as the schedule receives them.
vecTeilnehmer teilnehmer(int n)
{
    static clTeilnehmer vorrat[40];
    vecTeilnehmer tl;
    for (int i = 0; i < n; ++i)
    {
        vorrat[i].setStartNr(i + 1);
        tl.push_back(&vorrat[i]);
    }
    return tl;
}

std::vector<int> spielfrei(const clRunde* r)
{
    std::vector<int> frei;
    r->getSpielfrei(frei);
    return frei;
}

// The schedule as text: "3-4 2-5 | 4-5 3-1 | ...", side 1 first.
std::string plan(const clSchema& sc)
{
    std::string text;
    for (int r = 1; r <= sc.AnzRunden(); ++r)
    {
        text += r > 1 ? " | " : "";
        for (int p = 1; p <= sc.getRunde(r)->AnzSpiele(); ++p)
        {
            const clTTSpiel* sp = sc.getSpiel(r, p);
            text += (p > 1 ? " " : "") + std::to_string(sp->getT1()->getStartNr()) + "-" +
                    std::to_string(sp->getT2()->getStartNr());
        }
    }
    return text;
}

std::string plan(vecTeilnehmer tl, int platten, modErzeugung modus, const wxString& auslasser = "")
{
    clSchema sc;
    sc.neuerSpielplan(platten, &tl, modus, auslasser);
    return plan(sc);
}

// What every schedule must satisfy, whatever skip list it was made from: every
// pair once in AnzRunden rounds within capacity, nobody twice in a round, and
// the skip list it keeps rebuilds it exactly.
void pruefeSpielplan(const clSchema& sc, vecTeilnehmer tl, int platten)
{
    const int n = static_cast<int>(tl.size());
    SCOPED_TRACE(testing::Message() << n << " participants, " << platten << " tables, skip list "
                                    << sc.gibSaveString());
    const int anzAnsetzungen = n * (n - 1) / 2;
    const int kapazitaet = n > 2 ? std::min(n / 2, std::max(platten, 1)) : 1;
    if (n > 2)
    {
        ASSERT_EQ(kapazitaet, sc.AnzPlatten());
    }
    ASSERT_EQ(std::max((anzAnsetzungen + kapazitaet - 1) / kapazitaet, 1), sc.AnzRunden());

    std::vector<bool> gepaart(static_cast<size_t>(n + 1) * (n + 1), false);
    int anzPaare = 0;
    for (int r = 1; r <= sc.AnzRunden(); ++r)
    {
        const clRunde* runde = sc.getRunde(r);
        ASSERT_LE(runde->AnzSpiele(), kapazitaet) << "round " << r;
        std::vector<bool> spielt(n + 1, false);
        for (int p = 1; p <= runde->AnzSpiele(); ++p)
        {
            const clTTSpiel* sp = sc.getSpiel(r, p);
            ASSERT_NE(nullptr, sp);
            const int t1 = sp->getT1()->getStartNr();
            const int t2 = sp->getT2()->getStartNr();
            ASSERT_FALSE(t1 == t2 || spielt[t1] || spielt[t2]) << "round " << r << " table " << p;
            spielt[t1] = spielt[t2] = true;
            const size_t paar = static_cast<size_t>(std::min(t1, t2)) * (n + 1) + std::max(t1, t2);
            ASSERT_FALSE(gepaart[paar]) << t1 << "-" << t2 << " twice";
            gepaart[paar] = true;
            ++anzPaare;
        }
        ASSERT_EQ(nullptr, sc.getSpiel(r, runde->AnzSpiele() + 1));
    }
    ASSERT_EQ(anzAnsetzungen, anzPaare);
    ASSERT_EQ(0, sc.getRunde(sc.AnzRunden() + 1)->AnzSpiele());

    clSchema geladen;
    geladen.neuerSpielplan(platten, &tl, modDicht, sc.gibSaveString());
    ASSERT_EQ(plan(sc), plan(geladen));
    ASSERT_EQ(sc.gibSaveString(), geladen.gibSaveString());
}
} // namespace

TEST(Schema, DieDurchgerechnetenBeispiele)
{
    clSchema sc;
    vecTeilnehmer tl = teilnehmer(5);
    sc.neuerSpielplan(2, &tl, modDicht, "");
    EXPECT_EQ("3-4 2-5 | 4-5 3-1 | 5-1 4-2 | 1-2 5-3 | 2-3 1-4", plan(sc));
    EXPECT_EQ("6", sc.gibSaveString());
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(std::vector<int>{r}, spielfrei(sc.getRunde(r)));

    tl = teilnehmer(6);
    sc.neuerSpielplan(2, &tl, modDicht, "");
    EXPECT_EQ("3-4 2-5 | 1-6 4-5 | 3-1 2-6 | 5-1 4-2 | 3-6 1-2 | 5-3 4-6 | 2-3 1-4 | 5-6", plan(sc));
    EXPECT_EQ("9", sc.gibSaveString());

    // The evenly spread mode with the offset 3 drawn, as a file stores it.
    sc.neuerSpielplan(2, &tl, modGlvt, "3");
    EXPECT_EQ("3-4 2-5 | 1-6 4-5 | 3-1 2-6 | 5-1 | 4-2 3-6 | 1-2 5-3 | 4-6 2-3 | 1-4 5-6", plan(sc));
    EXPECT_EQ("3", sc.gibSaveString());
    // A stored skip list fixes the schedule whatever the mode.
    EXPECT_EQ(plan(sc), plan(tl, 2, modDicht, "3"));
    EXPECT_EQ(plan(sc), plan(tl, 2, modZfvt, "3"));

    tl = teilnehmer(3);
    sc.neuerSpielplan(1, &tl, modDicht, "");
    EXPECT_EQ("2-3 | 3-1 | 1-2", plan(sc));
    EXPECT_EQ("4", sc.gibSaveString());
    EXPECT_FALSE(sc.isEven());

    // The random mode with the rounds 7 and 2 drawn; the list is stored sorted.
    tl = teilnehmer(8);
    sc.neuerSpielplan(3, &tl, modZfvt, "7,2");
    EXPECT_EQ("4-5 3-6 2-7 | 1-8 5-6 4-7 | 3-1 2-8 | 6-7 5-1 4-2 | 3-8 7-1 6-2 | 5-3 4-8 1-2 | "
              "7-3 6-4 5-8 | 2-3 1-4 | 7-5 6-8 3-4 | 2-5 1-6 7-8",
              plan(sc));
    EXPECT_EQ("2,7", sc.gibSaveString());
    EXPECT_TRUE(sc.isEven());
}

TEST(Schema, WenigeTeilnehmerUndTischeAmRand)
{
    clSchema sc;
    // More tables than pairs of participants: only n/2 are used.
    EXPECT_EQ("2-3 1-4 | 3-1 2-4 | 1-2 3-4", plan(teilnehmer(4), 5, modDicht));
    // Fewer than one table is taken as one.
    vecTeilnehmer tl = teilnehmer(5);
    for (int platten : {0, -3})
    {
        sc.neuerSpielplan(platten, &tl, modGlvt, "");
        pruefeSpielplan(sc, tl, platten);
    }

    // One participant: one round without a match, which he sits out. Rounds
    // outside the schedule are one empty round that the schedule keeps.
    tl = teilnehmer(1);
    sc.neuerSpielplan(1, &tl, modDicht, "");
    EXPECT_EQ(1, sc.AnzRunden());
    EXPECT_EQ(nullptr, sc.getSpiel(1, 1));
    for (int r : {1, 0})
        EXPECT_EQ(std::vector<int>{1}, spielfrei(sc.getRunde(r)));
    EXPECT_EQ(sc.getRunde(-1), sc.getRunde(2));
}

// Every participant count, table count and mode.
TEST(Schema, InvariantenFuerAlleGroessen)
{
    std::srand(7);
    for (int n = 0; n <= 40; ++n)
        for (int platten = 1; platten <= 25; ++platten)
            for (modErzeugung modus : Modi)
            {
                SCOPED_TRACE(testing::Message() << "mode " << modus);
                clSchema sc;
                vecTeilnehmer tl = teilnehmer(n);
                sc.neuerSpielplan(platten, &tl, modus, "");
                pruefeSpielplan(sc, tl, platten);
                if (testing::Test::HasFatalFailure())
                    return;
            }
}

// A skip list edited by hand still gives a complete schedule within capacity.
TEST(Schema, VerdorbeneAuslasserlisten)
{
    const wxString texte[] = {"2,2,2", "3,3", "-1,-7", "99",     "0,1,2,3,4,5,6,7,8,9,10,11", "5,4,3,2,1,0",
                              "abc",   ",,,", "7;2",   " 3 , x", "2147483647,-2147483648",    "0"};
    for (int n = 3; n <= 20; ++n)
        for (int platten = 1; platten <= 10; ++platten)
            for (const wxString& text : texte)
            {
                SCOPED_TRACE(testing::Message() << "skip list text \"" << text << "\"");
                clSchema sc;
                vecTeilnehmer tl = teilnehmer(n);
                sc.neuerSpielplan(platten, &tl, modGlvt, text);
                pruefeSpielplan(sc, tl, platten);
                if (testing::Test::HasFatalFailure())
                    return;
            }
}
