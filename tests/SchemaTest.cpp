#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>
#include <wx/arrstr.h>

#include "ModellHilfen.h"
#include "clRunde.h"
#include "clSchema.h"

namespace
{
const modErzeugung Modi[] = {modDicht, modGlvt, modZfvt};

// The first n participants of a tournament's roster, as the schedule receives them.
struct Teilnehmervorrat
{
    explicit Teilnehmervorrat(int anzahl) { tt.erstelleN(anzahl); }
    vecTeilnehmer liste(int n) const
    {
        vecTeilnehmer tl;
        for (int snr = 1; snr <= n; ++snr)
            tl.push_back(tt.turnier.getTeilnehmer(snr));
        return tl;
    }
    TestTurnier tt;
};

// The schedule as text: "3-4 2-5 | 4-5 3-1 | ...", side 1 first.
std::string plan(const clSchema& sc)
{
    std::string text;
    for (int r = 1; r <= sc.AnzRunden(); ++r)
    {
        if (r > 1)
            text += " | ";
        for (int p = 1; p <= sc.getRunde(r)->AnzSpiele(); ++p)
        {
            const clTTSpiel* sp = sc.getSpiel(r, p);
            if (p > 1)
                text += " ";
            text +=
                std::to_string(sp->getT1()->getStartNr()) + "-" + std::to_string(sp->getT2()->getStartNr());
        }
    }
    return text;
}

std::string plan(const vecTeilnehmer& tl, int platten, modErzeugung modus, const wxString& auslasser = "")
{
    clSchema sc;
    vecTeilnehmer kopie = tl;
    sc.neuerSpielplan(platten, &kopie, modus, auslasser);
    return plan(sc);
}

// What every schedule must satisfy, whatever skip list it was made from.
void pruefeSpielplan(const clSchema& sc, int n, int platten)
{
    SCOPED_TRACE(testing::Message() << n << " participants, " << platten << " tables, skip list "
                                    << sc.gibSaveString());
    ASSERT_EQ(n, sc.getOrdnung());
    const int anzAnsetzungen = n * (n - 1) / 2;
    if (n > 2)
    {
        const int erwartetePlatten = std::min(n / 2, std::max(platten, 1));
        ASSERT_EQ(erwartetePlatten, sc.AnzPlatten());
        ASSERT_EQ((anzAnsetzungen + erwartetePlatten - 1) / erwartetePlatten, sc.AnzRunden());
    }
    else
        ASSERT_EQ(1, sc.AnzRunden());

    std::vector<bool> gepaart(static_cast<size_t>(n + 1) * (n + 1), false);
    int anzPaare = 0;
    for (int r = 1; r <= sc.AnzRunden(); ++r)
    {
        const clRunde* runde = sc.getRunde(r);
        ASSERT_TRUE(n == 0 || runde->AnzSpiele() > 0 || n == 1) << "round " << r << " is empty";
        ASSERT_LE(runde->AnzSpiele(), std::max(sc.AnzPlatten(), 1)) << "round " << r;
        std::vector<bool> spielt(n + 1, false);
        for (int p = 1; p <= runde->AnzSpiele(); ++p)
        {
            const clTTSpiel* sp = sc.getSpiel(r, p);
            ASSERT_NE(nullptr, sp);
            const int t1 = sp->getT1()->getStartNr();
            const int t2 = sp->getT2()->getStartNr();
            const ansetzung ans = runde->getAnsetzung(p);
            ASSERT_EQ(t1, ans.t1);
            ASSERT_EQ(t2, ans.t2);
            ASSERT_NE(t1, t2);
            ASSERT_FALSE(spielt[t1] || spielt[t2]) << "round " << r << " table " << p;
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
    ASSERT_EQ(nullptr, sc.getSpiel(sc.AnzRunden() + 1, 1));
}

// The skip list as numbers, read back from its text.
std::set<int> auslasser(const clSchema& sc)
{
    std::set<int> werte;
    for (const wxString& wert : wxSplit(sc.gibSaveString(), ','))
        werte.insert(wxAtoi(wert));
    return werte;
}
} // namespace

TEST(Schema, DieDurchgerechnetenBeispiele)
{
    Teilnehmervorrat tv(8);
    clSchema sc;

    vecTeilnehmer tl = tv.liste(5);
    sc.neuerSpielplan(2, &tl, modDicht, "");
    EXPECT_EQ("3-4 2-5 | 4-5 3-1 | 5-1 4-2 | 1-2 5-3 | 2-3 1-4", plan(sc));
    EXPECT_EQ("6", sc.gibSaveString());
    for (int r = 1; r <= 5; ++r)
    {
        std::vector<int> frei;
        sc.getRunde(r)->getSpielfrei(frei);
        EXPECT_EQ(std::vector<int>{r}, frei);
    }

    tl = tv.liste(6);
    sc.neuerSpielplan(2, &tl, modDicht, "");
    EXPECT_EQ("3-4 2-5 | 1-6 4-5 | 3-1 2-6 | 5-1 4-2 | 3-6 1-2 | 5-3 4-6 | 2-3 1-4 | 5-6", plan(sc));
    EXPECT_EQ("9", sc.gibSaveString());

    // The evenly spread mode with the offset 3 drawn, as a file stores it.
    sc.neuerSpielplan(2, &tl, modGlvt, "3");
    EXPECT_EQ("3-4 2-5 | 1-6 4-5 | 3-1 2-6 | 5-1 | 4-2 3-6 | 1-2 5-3 | 4-6 2-3 | 1-4 5-6", plan(sc));
    EXPECT_EQ("3", sc.gibSaveString());

    tl = tv.liste(3);
    sc.neuerSpielplan(1, &tl, modDicht, "");
    EXPECT_EQ("2-3 | 3-1 | 1-2", plan(sc));
    EXPECT_EQ("4", sc.gibSaveString());

    // The random mode with the rounds 7 and 2 drawn; the list is stored sorted.
    tl = tv.liste(8);
    sc.neuerSpielplan(3, &tl, modZfvt, "7,2");
    EXPECT_EQ("4-5 3-6 2-7 | 1-8 5-6 4-7 | 3-1 2-8 | 6-7 5-1 4-2 | 3-8 7-1 6-2 | 5-3 4-8 1-2 | "
              "7-3 6-4 5-8 | 2-3 1-4 | 7-5 6-8 3-4 | 2-5 1-6 7-8",
              plan(sc));
    EXPECT_EQ("2,7", sc.gibSaveString());
    EXPECT_TRUE(sc.isEven());
}

TEST(Schema, WenigeTeilnehmerUndTischeAmRand)
{
    Teilnehmervorrat tv(6);
    clSchema sc;
    EXPECT_EQ(1, sc.AnzRunden());
    EXPECT_EQ(0, sc.getRunde(1)->AnzSpiele());

    // More tables than pairs of participants: only n/2 are used.
    vecTeilnehmer tl = tv.liste(4);
    sc.neuerSpielplan(5, &tl, modDicht, "");
    EXPECT_EQ(2, sc.AnzPlatten());
    EXPECT_EQ("2-3 1-4 | 3-1 2-4 | 1-2 3-4", plan(sc));

    // Fewer than one table is taken as one.
    tl = tv.liste(5);
    for (int platten : {0, -3})
    {
        sc.neuerSpielplan(platten, &tl, modGlvt, "");
        EXPECT_EQ(1, sc.AnzPlatten());
        pruefeSpielplan(sc, 5, platten);
    }

    // 15 pairings fill 5 rounds of 3 tables exactly, so the mode does not matter.
    tl = tv.liste(6);
    for (modErzeugung modus : Modi)
    {
        sc.neuerSpielplan(3, &tl, modus, "");
        EXPECT_EQ(5, sc.AnzRunden());
        EXPECT_EQ("6", sc.gibSaveString());
    }

    // A stored skip list fixes the schedule whatever the mode.
    const std::string mitAuslasser = plan(tl, 2, modDicht, "3");
    EXPECT_EQ(mitAuslasser, plan(tl, 2, modGlvt, "3"));
    EXPECT_EQ(mitAuslasser, plan(tl, 2, modZfvt, "3"));

    // Two participants: a single match.
    sc.neuerSpielplan(2, &tl, modDicht, "");
    tl = tv.liste(2);
    sc.neuerSpielplan(1, &tl, modZfvt, "");
    EXPECT_EQ("1-2", plan(sc));
    EXPECT_TRUE(sc.isEven());

    tl = tv.liste(1);
    sc.neuerSpielplan(1, &tl, modDicht, "");
    EXPECT_EQ(1, sc.AnzRunden());
    EXPECT_EQ(0, sc.getRunde(1)->AnzSpiele());
    std::vector<int> frei;
    sc.getRunde(1)->getSpielfrei(frei);
    EXPECT_EQ(std::vector<int>{1}, frei);
    EXPECT_FALSE(sc.isEven());
    // Rounds outside the schedule are one empty round that the schedule keeps.
    frei.clear();
    sc.getRunde(0)->getSpielfrei(frei);
    EXPECT_EQ(std::vector<int>{1}, frei);
    EXPECT_EQ(sc.getRunde(-1), sc.getRunde(2));

    tl.clear();
    sc.neuerSpielplan(1, &tl, modDicht, "");
    EXPECT_EQ(1, sc.AnzRunden());
    EXPECT_EQ(0, sc.getRunde(1)->AnzSpiele());
    EXPECT_EQ(nullptr, sc.getSpiel(1, 1));
}

// Every participant count, table count and mode: the schedule is a round robin
// in rounds within capacity, and its skip list rebuilds it exactly.
TEST(Schema, InvariantenFuerAlleGroessen)
{
    std::srand(7);
    Teilnehmervorrat tv(40);
    for (int n = 0; n <= 40; ++n)
    {
        vecTeilnehmer tl = tv.liste(n);
        for (int platten = 1; platten <= 25; ++platten)
        {
            for (modErzeugung modus : Modi)
            {
                clSchema sc;
                sc.neuerSpielplan(platten, &tl, modus, "");
                pruefeSpielplan(sc, n, platten);
                if (testing::Test::HasFatalFailure())
                    return;
                if (n > 2)
                {
                    // Every round holds exactly its capacity; only a schedule that
                    // shortens no round may leave the last one short.
                    const std::set<int> kurz = auslasser(sc);
                    const bool keinerKurz = kurz.size() == 1 && *kurz.begin() == sc.AnzRunden() + 1;
                    for (int r = 1; r <= sc.AnzRunden(); ++r)
                    {
                        const int soll = sc.AnzPlatten() - static_cast<int>(kurz.count(r - 1));
                        if (!(keinerKurz && r == sc.AnzRunden()))
                            ASSERT_EQ(soll, sc.getRunde(r)->AnzSpiele())
                                << n << "/" << platten << "/" << modus << " round " << r;
                    }
                    if (modus == modDicht)
                        ASSERT_TRUE(keinerKurz);
                }
                clSchema geladen;
                geladen.neuerSpielplan(platten, &tl, modDicht, sc.gibSaveString());
                ASSERT_EQ(plan(sc), plan(geladen)) << n << "/" << platten << "/" << modus;
                ASSERT_EQ(sc.gibSaveString(), geladen.gibSaveString());
            }
        }
    }
}

// A skip list edited by hand still gives a complete schedule within capacity,
// and the list the schedule keeps rebuilds that schedule.
TEST(Schema, VerdorbeneAuslasserlisten)
{
    const wxString texte[] = {"2,2,2", "3,3", "-1,-7", "99",     "0,1,2,3,4,5,6,7,8,9,10,11", "5,4,3,2,1,0",
                              "abc",   ",,,", "7;2",   " 3 , x", "2147483647,-2147483648",    "0"};
    Teilnehmervorrat tv(20);
    for (int n = 3; n <= 20; ++n)
    {
        vecTeilnehmer tl = tv.liste(n);
        for (int platten = 1; platten <= 10; ++platten)
        {
            for (const wxString& text : texte)
            {
                SCOPED_TRACE(testing::Message() << "skip list text \"" << text << "\"");
                clSchema sc;
                sc.neuerSpielplan(platten, &tl, modGlvt, text);
                pruefeSpielplan(sc, n, platten);
                if (testing::Test::HasFatalFailure())
                    return;
                clSchema geladen;
                geladen.neuerSpielplan(platten, &tl, modDicht, sc.gibSaveString());
                ASSERT_EQ(plan(sc), plan(geladen));
            }
        }
    }
}
