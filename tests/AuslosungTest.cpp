#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <set>
#include <tuple>

#include "modell/clEndrundenAuslosung.h"
#include "modell/clGruppenAuslosung.h"
#include "modell/clGruppenphase.h"

#include "ModellHilfen.h"

namespace
{
vecGruppen lose(const clGruppenAuslosung& los, int gruppen, unsigned saat)
{
    std::mt19937 zufall(saat);
    return los.lose(gruppen, zufall);
}

// The fewest club pairs of any draw of the players after the first k of each
// group, found by trying every one.
int wenigstePaare(const clGruppenAuslosung& los, vecGruppen gruppen, size_t k)
{
    std::vector<int> frei;
    for (const std::vector<int>& g : gruppen)
        frei.insert(frei.end(), g.begin() + std::min(k, g.size()), g.end());
    std::sort(frei.begin(), frei.end());
    int wenigste = los.zaehleVereinsPaare(gruppen);
    do
    {
        auto it = frei.begin();
        for (std::vector<int>& g : gruppen)
            for (size_t i = std::min(k, g.size()); i < g.size(); ++i)
                g[i] = *it++;
        wenigste = std::min(wenigste, los.zaehleVereinsPaare(gruppen));
    } while (std::next_permutation(frei.begin(), frei.end()));
    return wenigste;
}

// The winner of group s (from 0) is s, its runner-up 100 + s; groups from
// zweite on have no runner-up.
std::vector<int> ziehe(int gruppen, int aufsteiger, unsigned saat, int zweite = 1000)
{
    std::vector<std::vector<int>> erste;
    for (int s = 0; s < gruppen; ++s)
        erste.push_back(s < zweite ? std::vector<int>{s, 100 + s} : std::vector<int>{s});
    std::mt19937 zufall(saat);
    return clEndrundenAuslosung(erste, aufsteiger).lose(zufall);
}
} // namespace

TEST(GruppenAuslosung, SchlangeUndVereine)
{
    // Players by rank, one letter per club ('-' none), groups, the seeded of each group by
    // rank (the snake: ranks 1 … N into groups 1 … N, the next N back into N … 1, …),
    // the fewest pairs: the seeded stay, so "AABBCCDDEEFF" has B twice in group 3.
    const std::tuple<std::string, int, vecGruppen, int> faelle[] = {
        {"-------------", 2, {{0, 3, 4}, {1, 2, 5}}, 0},
        {"-----------", 3, {{0}, {1}, {2}}, 0},
        {"----------------", 4, {{0, 7}, {1, 6}, {2, 5}, {3, 4}}, 0},
        {"----------------", 2, {{0, 3, 4, 7}, {1, 2, 5, 6}}, 0},
        {"------------------", 3, {{0, 5, 6}, {1, 4, 7}, {2, 3, 8}}, 0},
        {"AABBCCDD", 2, {{0, 3}, {1, 2}}, 0},
        {"ABCDAAA-", 2, {{0, 3}, {1, 2}}, 2},
        {"AABBCCDDEEFF", 3, {{0, 5}, {1, 4}, {2, 3}}, 1}};
    for (const auto& [vereine, anzahl, gesetzt, paare] : faelle)
    {
        vecLosSpieler spieler; // the lowest rating first: the draw orders them
        for (int i = static_cast<int>(vereine.size()); i-- > 0;)
            spieler.push_back({i, 2000 - i, vereine[i] == '-' ? wxString() : wxString(vereine[i])});
        const clGruppenAuslosung los(spieler);
        // The groups of each player: one for the seeded, more for the others where clubs allow.
        std::vector<std::set<size_t>> gruppeVon(spieler.size());
        for (unsigned saat = 0; saat < 20; ++saat)
        {
            const vecGruppen gruppen = lose(los, anzahl, saat);
            EXPECT_EQ(los.zaehleVereinsPaare(gruppen), paare) << vereine;
            for (size_t g = 0; g < gesetzt.size(); ++g)
            {
                EXPECT_TRUE(std::equal(gesetzt[g].begin(), gesetzt[g].end(), gruppen[g].begin())) << vereine;
                for (size_t j = gesetzt[g].size(); j < gruppen[g].size(); ++j)
                    gruppeVon[gruppen[g][j]].insert(g);
            }
        }
        for (size_t i = anzahl * gesetzt[0].size(); i < gruppeVon.size() && paare == 0; ++i)
            EXPECT_GT(gruppeVon[i].size(), 1u) << vereine << ", rank " << i + 1;
    }
    // Equal ratings by lot; clubs compared without blanks and case.
    const clGruppenAuslosung los({{7, 1500, "TTC Nord"}, {3, 1500, " ttc NORD "}, {5, 1400, ""}});
    EXPECT_EQ(los.getVereinsPaare({5, 7, 9, 3}), (vecVereinsPaare{{7, 3}})); // 9 is none of them
    std::set<int> erster;
    for (unsigned saat = 0; saat < 20; ++saat)
        erster.insert(lose(los, 3, saat)[0][0]);
    EXPECT_EQ(erster, (std::set<int>{7, 3}));
}

TEST(GruppenAuslosung, GleicheSaatGleicheAuslosungUndJedeHaeltDieRegeln)
{
    std::mt19937 feld(1);
    for (unsigned versuch = 0; versuch < 120; ++versuch)
    {
        const int n = 2 + feld() % 9, anzahl = 1 + feld() % (n + 1);
        vecLosSpieler spieler;
        std::vector<int> groessen;
        for (int i = 0; i < n; ++i)
            spieler.push_back({i, static_cast<int>(feld() % 5) - 1, wxString("AB C"[feld() % 4])});
        const clGruppenAuslosung los(spieler);
        const vecGruppen gruppen = lose(los, anzahl, versuch);
        EXPECT_EQ(lose(los, anzahl, versuch), gruppen);
        const size_t k = std::max<size_t>(1, gruppen.back().size() / 2);
        std::set<int> alle;
        for (const std::vector<int>& g : gruppen)
        {
            alle.insert(g.begin(), g.end());
            groessen.push_back(static_cast<int>(g.size()));
        }
        EXPECT_TRUE(std::is_sorted(groessen.rbegin(), groessen.rend()) && groessen[0] - groessen.back() <= 1);
        EXPECT_EQ(std::accumulate(groessen.begin(), groessen.end(), 0) + alle.size(), 2u * n);
        EXPECT_EQ(los.zaehleVereinsPaare(gruppen), wenigstePaare(los, gruppen, k)) << versuch;
    }
}

// Two players of one group meet in the final at the earliest: each runner-up stands
// in the other half of the bracket from its winner, read from the drawn lines alone.
// Two groups come first, where the halves take any draw of the runners-up.
TEST(EndrundenAuslosung, ZweiterInDerAnderenHaelfteAlsSeinSieger)
{
    for (int n = 2; n <= 16; ++n)
        for (unsigned saat = 0; saat < 8; ++saat)
        {
            const std::vector<int> linien = ziehe(n, 2, saat);
            const std::set<int> oben(linien.begin(), linien.begin() + linien.size() / 2);
            for (int s = 0; s < n; ++s)
                ASSERT_NE(oben.count(s), oben.count(100 + s))
                    << n << " Gruppen, Saat " << saat << ": " << s + 1;
        }
}

// Also when groups have fewer players than go on (groups from "zweite" on have
// one player and q is 2): Q counts the players there are, and the lines are the
// fewest for them.
TEST(EndrundenAuslosung, GleicheSaatGleicheAuslosungUndJedeHaeltDieRegeln)
{
    std::set<std::pair<int, int>> gelost;
    std::vector<std::tuple<int, int, int>> faelle;
    for (int nq = 2; nq <= 129; ++nq)
        faelle.emplace_back(nq / 2, 1 + nq % 2, 1000);
    for (int n = 1; n <= 40; ++n)
        for (int zweite = 0; zweite < n; ++zweite)
            faelle.emplace_back(n, 2, zweite);
    for (const auto& [n, q, zweite] : faelle)
    {
        const int nq = n * q, spieler = q == 2 ? n + std::min(n, zweite) : n;
        for (unsigned saat = 0; saat < 12; ++saat)
        {
            const std::vector<int> linien = ziehe(n, q, saat, zweite);
            const int b = static_cast<int>(linien.size()), freilose = b - spieler;
            EXPECT_EQ(ziehe(n, q, saat, zweite), linien);
            ASSERT_TRUE((b & (b - 1)) == 0 && b >= 2 && freilose >= 0 && (b < 2 * spieler || b == 2))
                << n << "x" << q << ", " << zweite;
            EXPECT_EQ(std::set<int>(linien.begin(), linien.end()).size(), spieler + (freilose > 0 ? 1u : 0u));
            EXPECT_TRUE(linien[0] == 0 && (n < 2 || linien[b - 1] == 1));
            int obenFreilose = 0;
            for (int l = 0; l < b; ++l)
            {
                const int s = linien[l] % 100, oben = l<b / 2, neben = b> 1 ? linien[l ^ 1] : 0;
                const int d = s >= 2 ? b >> static_cast<int>(std::log2(s)) : 1;
                obenFreilose += linien[l] < 0 && oben;
                if (linien[l] < 0 && zweite < n) // beside players only, the best of its half first
                {
                    EXPECT_GE(neben, 0);
                    for (int k = oben ? 0 : b / 2; k < (oben ? b / 2 : b); ++k)
                        if (linien[k] >= 0 && linien[k ^ 1] >= 0)
                            EXPECT_LT(neben % 100 + n * (neben / 100),
                                      linien[k] % 100 + n * (linien[k] / 100))
                                << n << "x" << q << ", " << zweite;
                }
                else if (linien[l] < 0) // beside seeds 1, 2, …, then beside the runners-up of groups 1, 2, …
                {
                    EXPECT_TRUE(neben >= 0 && neben % 100 + n * (neben / 100) < freilose)
                        << n << "x" << q << ", " << zweite;
                }
                else if (linien[l] < 100 && s >= 2) // on line m·B/2^k or m·B/2^k + 1 (from 1), m odd
                {
                    EXPECT_TRUE((l + 1) % d < 2 && (l + 1) / d % 2) << n << "x" << q << ": seed " << s + 1;
                }
                // By lot: seed 3 of 16 in either half, and with 9 groups which of seeds 5 to 7 share a half.
                if (zweite == 1000 && ((linien[l] == 2 && nq == 32) || (linien[l] == 4 && nq == 18)))
                    gelost.insert({nq, oben});
            }
            EXPECT_TRUE(zweite < n || std::abs(2 * obenFreilose - freilose) <= 1)
                << n << "x" << q << ", " << zweite;
        }
    }
    EXPECT_EQ(gelost.size(), 4u);
}

// A pair belongs to both persons' clubs: the draw keeps it apart from the members
// of either, where the groups allow, and names it among club-mates.
TEST(GruppenAuslosung, PaarGehoertZuBeidenVereinen)
{
    TestTurnier tt;
    // Seeded: A/B into one group, C/D into the other. X/A must go to C/D, X/Y to A/B.
    ASSERT_EQ("", erstelleDoppel(tt,
                                 {L"A1,A,A,1000,B1,B,B,1000", L"C1,C,C,900,D1,D,D,900",
                                  L"X1,X,X,400,A2,A,A,400", L"X2,X,X,400,Y1,Y,Y,400"},
                                 formGruppen));
    for (unsigned saat = 0; saat < 20; ++saat)
    {
        std::mt19937 zufall(saat);
        ASSERT_TRUE(tt.turnier.loseGruppen(zufall));
        const clGruppenphase* gp = tt.turnier.getGruppenphase();
        wxString gruppen;
        for (int g = 1; g <= 2; ++g)
            for (int p = 1; p <= 2; ++p)
                gruppen << gp->getGruppe(g)->getTeilnehmer(p)->getAnzeige() << (p < 2 ? "," : ";");
        EXPECT_EQ("A/B,X/Y;C/D,X/A;", gruppen) << saat;
    }
    const clGruppenAuslosung los({{1, 1, "A", "B"}, {2, 1, "C", "a "}, {3, 1, "B", ""}, {4, 1, "D", "E"}});
    EXPECT_EQ(los.getVereinsPaare({1, 2, 3, 4}), (vecVereinsPaare{{1, 2}, {1, 3}}));
}
