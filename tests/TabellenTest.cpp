// The rounds and standings tables as plain objects, the way a grid asks them for
// cells and labels and hands them typed text.
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

#include "ModellHilfen.h"

static const std::vector<wxString> Fuenf = {L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"};

// Each round is a header row, a row per side and a gap row; each table five
// columns, the byes the last block. A score cell takes a whole number of points
// up to 99; other text is refused and the cell keeps what it had.
TEST(RundenTabelle, AufbauUndPunkteEintippen)
{
    TestTurnier tt;
    tt.erstelle(Fuenf, 2);
    clSpieleTableBase& tb = tt.spieleTB;
    EXPECT_EQ(":|Dora|||||Emil||||||", zeile(tb, 2, 12));
    EXPECT_EQ("Runde 05:|Bernd|||||Anna|||||Emil|", zeile(tb, 17, 12));
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    const std::pair<const char*, const char*> eingaben[] = {
        {"11", "11"},  {" 5 ", "05"},          {"11:5", "05"}, {"abc", "05"}, {"-3", "05"},
        {"100", "05"}, {"999999999999", "05"}, {"99", "99"},   {"", ""}};
    for (const auto& [text, zelle] : eingaben)
    {
        tippe(tb, 1, 1, 1, 1, text);
        EXPECT_EQ(zelle, tb.GetValue(1, 2)) << text;
    }
    // Cells that take no score change nothing, the gap row included, nor does
    // refused text: nothing is stored and nothing counts as changed.
    tt.turnier.setGeaendert(false);
    for (const auto& [row, col, text] :
         {std::tuple{1, 1, "7"}, {0, 2, "7"}, {1, 0, "7"}, {1, 11, "7"}, {3, 2, "7"}, {1, 2, "x"}})
        tb.SetValue(row, col, text);
    EXPECT_FALSE(tt.turnier.istGeaendert());
    EXPECT_EQ("Runde 01:|Carla|||||Bernd|||||Anna|", zeile(tb, 1, 12));
    EXPECT_FALSE(sp->hatEingaben());
}

// Tables a round does not use are "nicht besetzt"; Enter skips them.
TEST(RundenTabelle, EnterFuehrtZurNaechstenPunktzelle)
{
    TestTurnier tt;
    tt.erstelle(Fuenf, 4);
    // With 4 tables for 5 participants tables 3 and 4 stay empty in every round.
    for (int row = 1; row < tt.spieleTB.GetNumberRows(); row += 4)
        EXPECT_EQ("nicht besetzt", tt.spieleTB.GetValue(row, 16));
    // After the last set of the last match of a round (tables 3 and 4 are empty) the next round.
    int row = 2;
    int col = 9;
    ASSERT_TRUE(tt.spieleTB.naechsteEingabezelle(row, col));
    EXPECT_EQ(std::make_pair(5, 2), std::make_pair(row, col));
    // The last score cell and cells that take no score have no next one.
    const int letzte = 4 * (tt.turnier.getAnzahlRunden() - 1) + 2;
    for (const auto& start : {std::pair{letzte, 9}, {1, 1}, {0, 2}, {3, 2}, {1, 12}, {1, 21}})
    {
        auto [r, c] = start;
        EXPECT_FALSE(tt.spieleTB.naechsteEingabezelle(r, c)) << r << "," << c;
        EXPECT_EQ(start, std::make_pair(r, c));
    }
}

// Sets that cannot have ended like this are marked; the winner's name is bold.
TEST(RundenTabelle, UnmoeglicheSaetzeUndSiegerWerdenHervorgehoben)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    const char* const saetze[][3] = {{"11", "9", "|"},    {"12", "10", "|"},  {"11", "10", "w|w"},
                                     {"13", "10", "w|w"}, {"10", "8", "w|w"}, {"11", "", "|"},
                                     {"0", "11", "|"}};
    for (const auto& [p1, p2, erwartet] : saetze)
    {
        tippe(tt.spieleTB, 1, 1, 1, 1, p1);
        tippe(tt.spieleTB, 1, 1, 2, 1, p2);
        EXPECT_EQ(erwartet, merkmale(tt.spieleTB, 1, 2) + "|" + merkmale(tt.spieleTB, 2, 2))
            << p1 << ":" << p2;
    }
    tippe(tt.spieleTB, 1, 1, 1, 2, "4");
    tippe(tt.spieleTB, 1, 1, 2, 2, "11");
    EXPECT_EQ("|f", merkmale(tt.spieleTB, 1, 1) + "|" + merkmale(tt.spieleTB, 2, 1));
}
