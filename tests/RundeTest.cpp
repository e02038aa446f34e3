#include <gtest/gtest.h>

#include <vector>

#include "clRunde.h"
#include "clTTSpiel.h"
#include "clTeilnehmer.h"

namespace
{
// Participants with start numbers 1 to 6.
struct Sechs
{
    Sechs()
    {
        for (int i = 0; i < 6; ++i)
            tn[i].setStartNr(i + 1);
    }
    clTeilnehmer* operator()(int snr) { return &tn[snr - 1]; }
    clTeilnehmer tn[6];
};

std::vector<int> spielfrei(const clRunde& r)
{
    std::vector<int> frei;
    r.getSpielfrei(frei);
    return frei;
}

void erwarteAnsetzung(const clRunde& r, int platte, int t1, int t2)
{
    const ansetzung a = r.getAnsetzung(platte);
    EXPECT_EQ(t1, a.t1) << "table " << platte;
    EXPECT_EQ(t2, a.t2) << "table " << platte;
}
} // namespace

TEST(Runde, LeereRunde)
{
    clRunde r(5);
    EXPECT_EQ(0, r.AnzSpiele());
    EXPECT_EQ(nullptr, r.getSpiel(1));
    erwarteAnsetzung(r, 1, -1, -1);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5}), spielfrei(r));
    EXPECT_EQ(std::vector<int>{1}, spielfrei(clRunde(1)));
    EXPECT_TRUE(spielfrei(clRunde(0)).empty());
}

TEST(Runde, SpieleInTischreihenfolge)
{
    Sechs t;
    clTTSpiel a(t(3), t(4)), b(t(2), t(5));
    clRunde r(5);
    r.addSpiel(&a);
    r.addSpiel(&b);

    EXPECT_EQ(2, r.AnzSpiele());
    EXPECT_EQ(&a, r.getSpiel(1));
    EXPECT_EQ(&b, r.getSpiel(2));
    for (int platte : {0, -1, 3})
    {
        EXPECT_EQ(nullptr, r.getSpiel(platte));
        erwarteAnsetzung(r, platte, -1, -1);
    }
    erwarteAnsetzung(r, 1, 3, 4);
    erwarteAnsetzung(r, 2, 2, 5);
    EXPECT_EQ(std::vector<int>{1}, spielfrei(r));
    EXPECT_TRUE(r.istSpielfrei(1));
    EXPECT_TRUE(r.istAngesetzt(4));
    EXPECT_FALSE(r.istAngesetzt(1));

    // The list is extended, not replaced.
    std::vector<int> frei{9, 8};
    r.getSpielfrei(frei);
    EXPECT_EQ((std::vector<int>{9, 8, 1}), frei);

    // A pairing without a match is listed too.
    clRunde ohneSpiel(4);
    const ansetzung ans{4, 1};
    ohneSpiel.addAnsetzung(&ans);
    erwarteAnsetzung(ohneSpiel, 1, 4, 1);
    EXPECT_EQ((std::vector<int>{2, 3}), spielfrei(ohneSpiel));
}

TEST(Runde, UngueltigeAnsetzungenLassenDieRundeStimmig)
{
    Sechs t;
    // Participant 6 does not belong to a round of 5; 3 is paired already; nobody
    // plays himself. None of them may enter the round.
    clTTSpiel gut(t(3), t(4)), fremd(t(1), t(6)), doppelt(t(3), t(5)), selbst(t(2), t(2));
    clRunde r(5);
    r.addSpiel(&gut);
    r.addSpiel(&fremd);
    r.addSpiel(&doppelt);
    r.addSpiel(&selbst);
    r.addAnsetzung(0, 1);
    r.addAnsetzung(1, 99);
    EXPECT_EQ(1, r.AnzSpiele());
    EXPECT_EQ(&gut, r.getSpiel(1));
    EXPECT_EQ(nullptr, r.getSpiel(2));
    erwarteAnsetzung(r, 1, 3, 4);
    EXPECT_EQ((std::vector<int>{1, 2, 5}), spielfrei(r));
    EXPECT_FALSE(r.istAngesetzt(0));
    EXPECT_FALSE(r.istAngesetzt(6));

    clTTSpiel danach(t(5), t(1));
    r.addSpiel(&danach);
    EXPECT_EQ(&danach, r.getSpiel(2));
    erwarteAnsetzung(r, 2, 5, 1);
}
