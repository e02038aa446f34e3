#include <gtest/gtest.h>
#include <random>

#include "ModellHilfen.h"

TEST(Wertung, Vergleich)
{
    EXPECT_EQ(0, clWertungTableBase::vergleicheWertung(sWertung(), sWertung()));
    // Better, worse: {matches, sets, points, match points}, each as {own, opponent's}.
    const sWertung besserSchlechter[][2] = {
        {{{2, 0}, {4, 0}, {44, 20}, {}}, {{2, 1}, {5, 2}, {90, 60}, {}}}, // fewer losses beat more sets
        {{{3, 1}, {7, 3}, {1, 1}, {}}, {{2, 0}, {4, 0}, {44, 0}, {}}},
        {{{2, 1}, {5, 4}, {0, 0}, {}}, {{2, 1}, {4, 1}, {99, 0}, {}}}, // sets won, not the difference
        {{{2, 1}, {5, 3}, {0, 0}, {}}, {{2, 1}, {5, 4}, {99, 0}, {}}},
        {{{2, 1}, {5, 3}, {60, 50}, {}}, {{2, 1}, {5, 3}, {55, 40}, {}}},
        {{{2, 1}, {5, 3}, {60, 49}, {}}, {{2, 1}, {5, 3}, {60, 50}, {}}},
    };
    for (const auto& [besser, schlechter] : besserSchlechter)
    {
        EXPECT_EQ(1, clWertungTableBase::vergleicheWertung(besser, schlechter)) << wertung(besser);
        EXPECT_EQ(-1, clWertungTableBase::vergleicheWertung(schlechter, besser)) << wertung(besser);
    }
}

// The standings grow and shrink with the roster, even while results are counted:
// those who stay keep their totals and their order, newcomers stand last, and
// places and start numbers stay inverse to each other.
TEST(Wertung, AnzahlWaechstUndSchrumpft)
{
    TestTurnier tt;
    tt.erstelleN(4, 2);
    tt.trage("4:1 5 7");
    clWertungTableBase& tb = tt.wertungTB;
    const std::pair<int, const char*> schritte[] = {
        {6, "4:1 1:1 2:0 3:0 5:0 6:0 "}, {3, "1:1 2:0 3:0 "}, {-3, ""}, {2, "1:0 2:0 "}};
    for (const auto& [anzahl, stand] : schritte)
    {
        tb.setzeAnzahl(anzahl, false);
        EXPECT_EQ(stand, tt.stand());
        EXPECT_EQ(std::max(anzahl, 1), tb.GetNumberRows());
        for (int p = 0; p < tb.getAnzahl(); ++p)
            EXPECT_EQ(p, tb.getPlatz(tb.getStartNrAufPlatz(p))) << anzahl;
    }
}

// Random score edits on random tournaments. After every edit the placing is
// ordered: participants with a counted match first, by the comparison, and
// equal totals by start number. The totals and the order kept up edit by edit
// equal those the standings are rebuilt with from all matches.
TEST(Wertung, ZufaelligeEingabenHaltenDieRanglisteInOrdnung)
{
    const int pool[] = {-1, 0, 3, 5, 9, 11, 11, 11, 12, 15, 25};
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::mt19937 zufall(seed);
        auto wuerfel = [&zufall](int anz) { return static_cast<int>(zufall() % static_cast<unsigned>(anz)); };
        TestTurnier tt;
        const int n = 2 + wuerfel(14);
        tt.erstelleN(n, 1 + wuerfel(std::max(n / 2, 1)), wuerfel(3));
        const std::vector<clTTSpiel*> spiele = tt.alleSpiele();
        const clWertungTableBase& tb = tt.wertungTB;
        auto summen = [&]
        {
            wxString s;
            for (int i = 1; i <= n; ++i)
                s << tb.getWertung(i).m_AnzahlSpiele << " " << wertung(tb.getWertung(i).wertung) << " "
                  << tb.getPlatz(i) << "|";
            return s;
        };
        for (int schritt = 1; schritt <= 150; ++schritt)
        {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", step " << schritt);
            // A set, one side of it (-1 leaves the other), or one side taken back.
            clTTSpiel* sp = spiele[wuerfel(static_cast<int>(spiele.size()))];
            if (wuerfel(4) == 0)
                sp->loescheSatzErg(1 + wuerfel(3), 1 + wuerfel(2));
            else
                sp->setSatzErg(1 + wuerfel(3), pool[wuerfel(11)], pool[wuerfel(11)]);
            tt.turnier.pruefeWertung(sp);
            for (int p = 0; p + 1 < n; ++p)
            {
                const int a = tb.getStartNrAufPlatz(p), b = tb.getStartNrAufPlatz(p + 1);
                const tabWertung wa = tb.getWertung(a), wb = tb.getWertung(b);
                int vgl = (wa.m_AnzahlSpiele > 0) - (wb.m_AnzahlSpiele > 0);
                if (vgl == 0 && wa.m_AnzahlSpiele > 0)
                    vgl = clWertungTableBase::vergleicheWertung(wa.wertung, wb.wertung);
                ASSERT_TRUE(vgl > 0 || (vgl == 0 && a < b)) << a << " stands above " << b;
                ASSERT_EQ(p, tb.getPlatz(a));
            }
            if (schritt % 10 == 0)
            {
                const wxString laufend = summen();
                tt.turnier.AktualisiereAnzeigen();
                ASSERT_EQ(laufend, summen());
            }
        }
    }
}
