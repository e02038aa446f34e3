#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

#include "modell/clEndrundenAuslosung.h"
#include "modell/clGruppenAuslosung.h"

namespace
{
// Players in the order of their ratings, the index their rank; one letter per club, '-' for none.
vecLosSpieler nachRang(const std::string& vereine)
{
    vecLosSpieler sp;
    for (int i = 0; i < static_cast<int>(vereine.size()); ++i)
        sp.push_back({i, 2000 - i, vereine[i] == '-' ? wxString() : wxString(vereine[i])});
    return sp;
}

// The fewest club pairs of any draw of the unseeded players (those after the
// first k of each group), found by trying every one.
int wenigstePaare(const clGruppenAuslosung& los, vecGruppen gruppen, size_t k)
{
    std::vector<int> frei;
    for (const std::vector<int>& g : gruppen)
        frei.insert(frei.end(), g.begin() + std::min(k, g.size()), g.end());
    std::sort(frei.begin(), frei.end());
    int wenigste = INT_MAX;
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
} // namespace

TEST(GruppenAuslosung, SetztDieBestenNachDerSchlange)
{
    const struct
    {
        int spieler, gruppen;
        vecGruppen gesetzt; // by rank
    } faelle[] = {{12, 3, {{0, 5}, {1, 4}, {2, 3}}}, {14, 3, {{0, 5}, {1, 4}, {2, 3}}},
                  {13, 2, {{0, 3, 4}, {1, 2, 5}}},   {7, 3, {{0}, {1}, {2}}},
                  {3, 5, {{0}, {1}, {2}, {}, {}}},   {18, 4, {{0, 7}, {1, 6}, {2, 5}, {3, 4}}}};
    for (const auto& f : faelle)
    {
        std::mt19937 zufall(f.spieler);
        const vecGruppen gruppen =
            clGruppenAuslosung(nachRang(std::string(f.spieler, '-'))).lose(f.gruppen, zufall);
        ASSERT_EQ(gruppen.size(), f.gesetzt.size());
        for (size_t g = 0; g < gruppen.size(); ++g)
            EXPECT_EQ(std::vector<int>(gruppen[g].begin(), gruppen[g].begin() + f.gesetzt[g].size()),
                      f.gesetzt[g])
                << f.spieler << " players, group " << g + 1;
    }
    // Equal ratings by lot, no rating after every rating.
    std::set<int> erster;
    for (unsigned saat = 0; saat < 20; ++saat)
    {
        std::mt19937 zufall(saat);
        const vecGruppen g =
            clGruppenAuslosung({{0, 1500, ""}, {1, 1500, ""}, {2, -1, ""}, {3, 0, ""}}).lose(3, zufall);
        erster.insert(g[0][0]);
        EXPECT_EQ(g[2], std::vector<int>{3});
    }
    EXPECT_EQ(erster, (std::set<int>{0, 1}));
}

TEST(GruppenAuslosung, TrenntVereinskameradenSoweitEsGeht)
{
    // Clubs by rank, the groups, the fewest pairs; the seeded stay, so "AABBCCDDEEFF"
    // has B twice in group 3.
    const struct
    {
        std::string vereine;
        int gruppen, paare;
    } faelle[] = {{"AABBCCDD", 2, 0}, {"ABCDAAA-", 2, 2}, {"AABBCCDDEEFF", 3, 1}, {"AAAAAAAA", 4, 4}};
    for (const auto& f : faelle)
    {
        std::set<vecGruppen> verschieden;
        for (unsigned saat = 0; saat < 20; ++saat)
        {
            std::mt19937 zufall(saat);
            const clGruppenAuslosung los(nachRang(f.vereine));
            verschieden.insert(los.lose(f.gruppen, zufall));
            EXPECT_EQ(los.zaehleVereinsPaare(*verschieden.rbegin()), f.paare) << f.vereine;
        }
        EXPECT_GT(verschieden.size(), 1u) << f.vereine;
    }
    const clGruppenAuslosung los(
        {{7, 1500, "TTC Nord"}, {3, -1, " ttc NORD "}, {5, 1400, ""}, {9, 1300, ""}});
    EXPECT_EQ(los.getVereinsPaare({5, 7, 9, 3}), (vecVereinsPaare{{7, 3}}));
}

TEST(GruppenAuslosung, GleicheSaatGleicheAuslosungUndJedeHaeltDieRegeln)
{
    std::mt19937 feld(1);
    for (int versuch = 0; versuch < 120; ++versuch)
    {
        const int n = 2 + feld() % 9, anzahl = 1 + feld() % (n + 1);
        vecLosSpieler spieler;
        for (int i = 0; i < n; ++i)
            spieler.push_back({i, static_cast<int>(feld() % 4) * 100 - 1, wxString("AB C"[feld() % 4])});
        const clGruppenAuslosung los(spieler);
        std::mt19937 zufall(versuch), wieder(versuch);
        const vecGruppen gruppen = los.lose(anzahl, zufall);
        EXPECT_EQ(los.lose(anzahl, wieder), gruppen);

        std::vector<int> alle, wertungen, groessen;
        for (const spLosSpieler& sp : spieler)
            wertungen.push_back(sp.ttr);
        std::sort(wertungen.rbegin(), wertungen.rend());
        const size_t k = clGruppenAuslosung::getGesetzteJeGruppe(n, anzahl);
        for (size_t g = 0; g < gruppen.size(); ++g)
        {
            alle.insert(alle.end(), gruppen[g].begin(), gruppen[g].end());
            groessen.push_back(static_cast<int>(gruppen[g].size()));
            for (size_t j = 0; j < std::min(k, gruppen[g].size()); ++j)
                EXPECT_EQ(spieler[gruppen[g][j]].ttr, wertungen[j * anzahl + (j % 2 ? anzahl - 1 - g : g)]);
        }
        EXPECT_TRUE(std::is_sorted(groessen.rbegin(), groessen.rend()) && groessen[0] - groessen.back() <= 1);
        std::sort(alle.begin(), alle.end());
        std::vector<int> indizes(n);
        std::iota(indizes.begin(), indizes.end(), 0);
        EXPECT_EQ(alle, indizes);
        EXPECT_EQ(los.zaehleVereinsPaare(gruppen), wenigstePaare(los, gruppen, k)) << versuch;
    }
}

namespace
{
// The winner of group s (from 0) is s, its runner-up 100 + s.
std::vector<int> ziehe(int gruppen, int aufsteiger, unsigned saat)
{
    std::vector<std::vector<int>> erste;
    for (int s = 0; s < gruppen; ++s)
        erste.push_back({s, 100 + s});
    std::mt19937 zufall(saat);
    return clEndrundenAuslosung(erste, aufsteiger).lose(zufall);
}

// The players a bye stands beside.
std::set<int> nebenFreilos(const std::vector<int>& linien)
{
    std::set<int> neben;
    for (size_t l = 0; l < linien.size(); ++l)
        if (linien[l] == clEndrundenAuslosung::Freilos)
            neben.insert(linien[l ^ 1]);
    return neben;
}
} // namespace

TEST(EndrundenAuslosung, SetzlinienDerGesetzten)
{
    const struct
    {
        int linien, von, bis;
        std::set<int> erlaubt; // from line 1
    } faelle[] = {{4, 3, 4, {2, 3}},    {8, 3, 4, {4, 5}},          {8, 5, 8, {2, 3, 6, 7}},
                  {16, 3, 4, {8, 9}},   {16, 5, 8, {4, 5, 12, 13}}, {16, 9, 16, {2, 3, 6, 7, 10, 11, 14, 15}},
                  {32, 3, 4, {16, 17}}, {32, 5, 8, {8, 9, 24, 25}}, {64, 5, 8, {16, 17, 48, 49}},
                  {128, 3, 4, {64, 65}}};
    for (const auto& f : faelle)
        for (unsigned saat = 0; saat < 5; ++saat)
        {
            const std::vector<int> linien = ziehe(f.linien, 1, saat);
            std::set<int> gezogen;
            for (int s = f.von; s <= f.bis; ++s)
                gezogen.insert(std::find(linien.begin(), linien.end(), s - 1) - linien.begin() + 1);
            EXPECT_EQ(gezogen, f.erlaubt) << f.linien << " lines, seeds " << f.von << "-" << f.bis;
            EXPECT_EQ(linien.front(), 0);
            EXPECT_EQ(linien.back(), 1);
        }
}

TEST(EndrundenAuslosung, FreiloseNebenDenErstenGesetzten)
{
    const struct
    {
        int gruppen, aufsteiger;
        std::set<int> neben;
    } faelle[] = {{5, 1, {0, 1, 2}},
                  {3, 2, {0, 1}},
                  {12, 1, {0, 1, 2, 3}},
                  {5, 2, {0, 1, 2, 3, 4, 100}},
                  {6, 2, {0, 1, 2, 3}},
                  {9, 2, {0, 1, 2, 3, 4, 5, 6, 7, 8, 100, 101, 102, 103, 104}},
                  {7, 2, {0, 1}},
                  {1, 1, {}},
                  {32, 1, {}}};
    for (const auto& f : faelle)
        for (unsigned saat = 0; saat < 10; ++saat)
            EXPECT_EQ(nebenFreilos(ziehe(f.gruppen, f.aufsteiger, saat)), f.neben)
                << f.gruppen << "x" << f.aufsteiger;
}

TEST(EndrundenAuslosung, JedeAuslosungHaeltAlleRegeln)
{
    for (int n = 1; n <= 64; ++n)
        for (int q = 1; q <= 2; ++q)
        {
            std::set<std::vector<int>> verschieden;
            for (unsigned saat = 0; saat < 12; ++saat)
            {
                const std::vector<int> linien = ziehe(n, q, saat);
                EXPECT_EQ(linien, ziehe(n, q, saat));
                verschieden.insert(linien);
                const int b = static_cast<int>(linien.size());
                ASSERT_EQ(b, clEndrundenAuslosung::getAnzahlLinien(n * q));
                ASSERT_TRUE(b >= n * q && b < 2 * n * q);
                std::multiset<int> spieler(linien.begin(), linien.end());
                EXPECT_EQ(spieler.count(clEndrundenAuslosung::Freilos), static_cast<size_t>(b - n * q));
                int freiloseOben = 0;
                for (int l = 0; l < b; ++l)
                {
                    const int s = linien[l] % 100, haelfte = l < b / 2;
                    freiloseOben += linien[l] < 0 && haelfte;
                    if (linien[l] < 0)
                        continue;
                    EXPECT_EQ(spieler.count(linien[l]), 1u);
                    const int gruppenSieger = std::find(linien.begin(), linien.end(), s) - linien.begin();
                    if (linien[l] >= 100)
                        EXPECT_NE(haelfte, gruppenSieger < b / 2) << n << "x" << q;
                    else if (s >= 2) // lines m·B/2^k and m·B/2^k + 1 (from 1) for odd m
                    {
                        const int abstand = b >> static_cast<int>(std::log2(s));
                        EXPECT_TRUE((l + 1) % abstand == 0 ? (l + 1) / abstand % 2
                                                           : l % abstand == 0 && l / abstand % 2)
                            << n << "x" << q << ": seed " << s + 1 << " on line " << l + 1;
                    }
                }
                EXPECT_LE(std::abs(2 * freiloseOben - (b - n * q)), 1) << n << "x" << q;
                std::set<int> erwartet;
                for (int f = 0; f < b - n * q; ++f)
                    erwartet.insert(f < n ? f : 100 + f - n);
                EXPECT_EQ(nebenFreilos(linien), erwartet) << n << "x" << q;
            }
            EXPECT_EQ(verschieden.size() > 1, n > 3 || (n == 3 && q == 2)) << n << "x" << q;
        }
}
