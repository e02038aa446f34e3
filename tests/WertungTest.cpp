#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "ModellHilfen.h"

namespace
{
sWertung wertung(int siege, int niederlagen, int saetze, int satzVerlust, int punkte, int punkteVerlust)
{
    sWertung w;
    w.m_Spiel = {siege, niederlagen};
    w.m_Satz = {saetze, satzVerlust};
    w.m_Punkte = {punkte, punkteVerlust};
    return w;
}

// Start numbers from first place to last.
std::vector<int> rangfolge(const clWertungTableBase& tb)
{
    std::vector<int> snr;
    for (int p = 0; p < tb.getAnzahl(); ++p)
        snr.push_back(tb.getStartNrAufPlatz(p));
    return snr;
}

// Enters a two-set win of a over b, whichever side of the match a plays.
void gewinnt(TestTurnier& tt, int a, int b, int p1 = 5, int p2 = 7)
{
    clTTSpiel* sp = tt.spielZwischen(a, b);
    const bool vorne = sp->getT1()->getStartNr() == a;
    tt.satz(sp, 1, vorne ? 11 : p1, vorne ? p1 : 11);
    tt.satz(sp, 2, vorne ? 11 : p2, vorne ? p2 : 11);
}

// All six counts equal: that is what the comparison looks at, one count per criterion.
bool gleich(const tabWertung& a, const tabWertung& b)
{
    return a.m_AnzahlSpiele == b.m_AnzahlSpiele &&
           clWertungTableBase::vergleicheWertung(a.wertung, b.wertung) == 0;
}

void addiere(teilwertung& summe, const teilwertung& tw)
{
    summe.eigene += tw.eigene;
    summe.gegner += tw.gegner;
}
} // namespace

TEST(Wertung, Vergleich)
{
    const sWertung null = clTTSpiel::getNullwertung();
    EXPECT_EQ(0, clWertungTableBase::vergleicheWertung(null, null));
    struct Fall
    {
        sWertung besser, schlechter;
    };
    const Fall faelle[] = {
        {wertung(2, 0, 4, 0, 44, 20), wertung(2, 1, 5, 2, 90, 60)}, // fewer losses beat more sets
        {wertung(3, 1, 7, 3, 1, 1), wertung(2, 0, 4, 0, 44, 0)},
        {wertung(2, 1, 5, 4, 0, 0), wertung(2, 1, 4, 1, 99, 0)}, // sets won, not the difference
        {wertung(2, 1, 5, 3, 0, 0), wertung(2, 1, 5, 4, 99, 0)},
        {wertung(2, 1, 5, 3, 60, 50), wertung(2, 1, 5, 3, 55, 40)},
        {wertung(2, 1, 5, 3, 60, 49), wertung(2, 1, 5, 3, 60, 50)},
    };
    for (const Fall& f : faelle)
    {
        EXPECT_EQ(1, clWertungTableBase::vergleicheWertung(f.besser, f.schlechter));
        EXPECT_EQ(-1, clWertungTableBase::vergleicheWertung(f.schlechter, f.besser));
    }
}

TEST(Wertung, ErsteErgebnisseUndGleichstand)
{
    TestTurnier tt;
    tt.erstelleN(4, 2);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), rangfolge(tt.wertungTB));

    // The loser also passes everybody without a counted match.
    gewinnt(tt, 3, 4);
    EXPECT_EQ((std::vector<int>{3, 4, 1, 2}), rangfolge(tt.wertungTB));
    const tabWertung w3 = tt.wertungTB.getWertung(3);
    EXPECT_EQ(1, w3.m_AnzahlSpiele);
    EXPECT_EQ(0, clWertungTableBase::vergleicheWertung(wertung(1, 0, 2, 0, 22, 12), w3.wertung));

    // The same totals: the one that got them later stays below.
    gewinnt(tt, 1, 2);
    EXPECT_EQ((std::vector<int>{3, 1, 4, 2}), rangfolge(tt.wertungTB));

    // Typing the same score again changes nothing.
    clTTSpiel* sp = tt.spielZwischen(1, 2);
    tt.turnier.pruefeWertung(sp);
    tt.satz(sp, 2, sp->getSatzErg(2).P1, sp->getSatzErg(2).P2);
    EXPECT_EQ((std::vector<int>{3, 1, 4, 2}), rangfolge(tt.wertungTB));
    EXPECT_EQ(1, tt.wertungTB.getWertung(1).m_AnzahlSpiele);

    // Out-of-range start numbers are ignored.
    tt.wertungTB.addiereWertung(0, wertung(1, 0, 2, 0, 22, 0));
    tt.wertungTB.subtrahiereWertung(5, wertung(1, 0, 2, 0, 22, 0));
    EXPECT_FALSE(tt.wertungTB.korrigierePlatzierung(5));
    EXPECT_EQ((std::vector<int>{3, 1, 4, 2}), rangfolge(tt.wertungTB));
}

// 1 beats 2 and 3 beats 4; then the first match becomes undecided. Both of its
// participants lose their only counted match and must end below 3 and 4.
TEST(Wertung, UnentschiedenGewordenesSpielSinktAb)
{
    TestTurnier tt;
    tt.erstelleN(4, 2);
    gewinnt(tt, 1, 2);
    gewinnt(tt, 3, 4);
    clTTSpiel* sp = tt.spielZwischen(1, 2);
    const bool vorne = sp->getT1()->getStartNr() == 1;
    tt.satz(sp, 2, vorne ? 7 : 11, vorne ? 11 : 7);

    EXPECT_EQ(0, tt.wertungTB.getWertung(1).m_AnzahlSpiele);
    EXPECT_EQ(0, tt.wertungTB.getWertung(2).m_AnzahlSpiele);
    const std::vector<int> r = rangfolge(tt.wertungTB);
    EXPECT_EQ(3, r[0]);
    EXPECT_EQ(4, r[1]);
}

TEST(Wertung, AnzahlSetzen)
{
    TestTurnier tt;
    tt.erstelleN(4, 2);
    gewinnt(tt, 4, 3);
    ASSERT_EQ((std::vector<int>{4, 3, 1, 2}), rangfolge(tt.wertungTB));

    // The same number without reset: nothing changes.
    tt.wertungTB.setzeAnzahl(4, false);
    EXPECT_EQ((std::vector<int>{4, 3, 1, 2}), rangfolge(tt.wertungTB));
    EXPECT_EQ(1, tt.wertungTB.getWertung(4).m_AnzahlSpiele);

    // Shrinking removes the highest start numbers wherever they stand.
    tt.wertungTB.setzeAnzahl(3, false);
    EXPECT_EQ((std::vector<int>{3, 1, 2}), rangfolge(tt.wertungTB));
    for (int snr = 1; snr <= 3; ++snr)
        EXPECT_EQ(snr, tt.wertungTB.getStartNrAufPlatz(tt.wertungTB.getPlatz(snr)));
    EXPECT_EQ(3, tt.wertungTB.GetNumberRows());

    // Growing appends new participants at the end.
    tt.wertungTB.setzeAnzahl(5, false);
    EXPECT_EQ((std::vector<int>{3, 1, 2, 4, 5}), rangfolge(tt.wertungTB));
    EXPECT_EQ(0, tt.wertungTB.getWertung(4).m_AnzahlSpiele);

    tt.wertungTB.setzeAnzahl(-3, false);
    EXPECT_EQ(0, tt.wertungTB.getAnzahl());
    EXPECT_EQ(1, tt.wertungTB.GetNumberRows());

    // Without participants there is one empty line for the one grid row.
    tt.wertungTB.setzeAnzahl(0, true);
    EXPECT_EQ(1, tt.wertungTB.getAnzahl());
    EXPECT_EQ(1, tt.wertungTB.GetNumberRows());
    EXPECT_EQ(0, tt.wertungTB.getWertung(1).m_AnzahlSpiele);
    EXPECT_EQ(-1, tt.wertungTB.getPlatz(2));
}

// A refresh of the views rebuilds the standings from the results the schedule
// holds, so later changes are taken out of totals that contain them.
TEST(Wertung, AuffrischenBautDieWertungAusDenErgebnissen)
{
    TestTurnier tt;
    tt.erstelleN(4, 2);
    gewinnt(tt, 3, 4);
    gewinnt(tt, 1, 2);
    tt.turnier.AktualisiereAnzeigen();
    EXPECT_EQ(1, tt.wertungTB.getWertung(4).m_AnzahlSpiele);
    EXPECT_EQ(1, tt.wertungTB.getWertung(3).wertung.m_Spiel.eigene);

    clTTSpiel* sp = tt.spielZwischen(3, 4);
    sp->loescheSatzErg(2, 1);
    tt.turnier.pruefeWertung(sp);
    EXPECT_EQ(0, tt.wertungTB.getWertung(3).m_AnzahlSpiele);
    EXPECT_EQ(0, tt.wertungTB.getWertung(3).wertung.m_Spiel.eigene);
    EXPECT_EQ(1, rangfolge(tt.wertungTB)[0]);
    EXPECT_EQ(2, rangfolge(tt.wertungTB)[1]);
}

// Random score edits on random tournaments. After every edit the totals equal a
// recomputation from all matches, and the placing is ordered: participants with
// a counted match first, by the comparison, and whoever compares equal keeps the
// order from before the edit.
TEST(Wertung, ZufaelligeEingabenHaltenDieRanglisteInOrdnung)
{
    const int pool[] = {0, 3, 5, 9, 11, 11, 11, 12, 15, 25};
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::mt19937 zufall(seed);
        auto wuerfel = [&zufall](int anz) { return static_cast<int>(zufall() % static_cast<unsigned>(anz)); };
        TestTurnier tt;
        const int n = 2 + wuerfel(14);
        tt.erstelleN(n, 1 + wuerfel(std::max(n / 2, 1)), wuerfel(3));
        const std::vector<clTTSpiel*> spiele = tt.alleSpiele();
        ASSERT_EQ(n * (n - 1) / 2, static_cast<int>(spiele.size()));
        const clWertungTableBase& tb = tt.wertungTB;

        for (int schritt = 0; schritt < 150; ++schritt)
        {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << schritt);
            clTTSpiel* sp = spiele[wuerfel(static_cast<int>(spiele.size()))];
            const int snr = 1 + wuerfel(3);
            const int art = wuerfel(10);
            if (art < 5)
                sp->setSatzErg(snr, pool[wuerfel(10)], pool[wuerfel(10)]);
            else if (art < 7)
                sp->setSatzErg(snr, art == 5 ? pool[wuerfel(10)] : -1, art == 6 ? pool[wuerfel(10)] : -1);
            else if (art < 9)
                sp->loescheSatzErg(snr, 1 + wuerfel(2));
            else
                for (int s = 1; s <= 3; ++s)
                    for (int seite = 1; seite <= 2; ++seite)
                        sp->loescheSatzErg(s, seite);
            std::vector<int> vorher(n + 1);
            for (int i = 1; i <= n; ++i)
                vorher[i] = tb.getPlatz(i);
            tt.turnier.pruefeWertung(sp);

            std::vector<tabWertung> soll(n + 1);
            for (const clTTSpiel* s : spiele)
            {
                clTTSpiel kopie = *s;
                sWertung w1, w2;
                if (!kopie.bestimmeErgebnis(w1, w2))
                    continue;
                for (auto [idx, w] :
                     {std::pair{s->getT1()->getStartNr(), w1}, {s->getT2()->getStartNr(), w2}})
                {
                    soll[idx].m_AnzahlSpiele++;
                    addiere(soll[idx].wertung.m_Spiel, w.m_Spiel);
                    addiere(soll[idx].wertung.m_Satz, w.m_Satz);
                    addiere(soll[idx].wertung.m_Punkte, w.m_Punkte);
                }
            }
            for (int i = 1; i <= n; ++i)
            {
                ASSERT_TRUE(gleich(soll[i], tb.getWertung(i))) << "totals of " << i;
            }

            for (int p = 0; p < n; ++p)
                ASSERT_EQ(p, tb.getPlatz(tb.getStartNrAufPlatz(p))) << "place " << p;
            for (int p = 0; p + 1 < n; ++p)
            {
                const int a = tb.getStartNrAufPlatz(p);
                const int b = tb.getStartNrAufPlatz(p + 1);
                const tabWertung wa = tb.getWertung(a);
                const tabWertung wb = tb.getWertung(b);
                int vgl = 0;
                if ((wa.m_AnzahlSpiele > 0) != (wb.m_AnzahlSpiele > 0))
                    vgl = wa.m_AnzahlSpiele > 0 ? 1 : -1;
                else if (wa.m_AnzahlSpiele > 0)
                    vgl = clWertungTableBase::vergleicheWertung(wa.wertung, wb.wertung);
                ASSERT_GE(vgl, 0) << a << " stands above " << b;
                if (vgl == 0)
                    ASSERT_LT(vorher[a], vorher[b]) << a << " and " << b << " changed their order";
            }
        }
    }
}
