// The three grid tables as plain objects, the way a grid asks them for cells,
// labels and typed text.
#include <gtest/gtest.h>
#include <utility>

#include "ModellHilfen.h"

namespace
{
const std::vector<wxString> Fuenf = {L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"};

// Types into the score cell of one side of one set of a match.
void tippe(TestTurnier& tt, int runde, int platte, int seite, int satzNr, const wxString& text)
{
    tt.spieleTB.SetValue(4 * (runde - 1) + seite, 5 * (platte - 1) + satzNr + 1, text);
}

// Column labels, or the cells of a row, joined by '|'.
wxString zeile(wxGridTableBase& tb, int row, int bis)
{
    wxString text;
    for (int col = 0; col < bis; ++col)
        text += (row < 0 ? tb.GetColLabelValue(col) : tb.GetValue(row, col)) + "|";
    return text;
}
} // namespace

TEST(RundenTabelle, BeschriftungenNamenUndUnbesetztePlatten)
{
    TestTurnier tt;
    tt.erstelle({}, 3);
    clSpieleTableBase& tb = tt.spieleTB;
    ASSERT_EQ(4, tb.GetNumberRows());
    ASSERT_EQ(17, tb.GetNumberCols());
    EXPECT_EQ("Runde 01", tb.GetRowLabelValue(1));
    EXPECT_EQ("", tb.GetRowLabelValue(2));
    EXPECT_EQ("|Platte||01|||Platte||02||", zeile(tb, -1, 10));
    EXPECT_EQ("spielfrei", tb.GetColLabelValue(16));
    EXPECT_EQ("|Satz|1|2|3||Satz|1|2|3||Satz|1|2|3|||", zeile(tb, 0, 17));
    EXPECT_EQ("|nicht besetzt||||", zeile(tb, 1, 5));
    EXPECT_EQ("|||||", zeile(tb, 2, 5));

    // 5 participants at 2 tables: names, byes, and the rows of round 5.
    tt.erstelle(Fuenf, 2);
    EXPECT_EQ("Runde 05", tb.GetRowLabelValue(17));
    EXPECT_EQ("|Carla|||||Bernd|||||Anna|", zeile(tb, 1, 12));
    EXPECT_EQ("|Dora|||||Emil||||||", zeile(tb, 2, 12));
    // With 4 tables for 5 participants tables 3 and 4 stay empty in every round.
    tt.erstelle(Fuenf, 4);
    for (int row = 1; row < tb.GetNumberRows(); row += 4)
        EXPECT_EQ("nicht besetzt", tb.GetValue(row, 16));
    tippe(tt, 1, 3, 1, 1, "11");
    EXPECT_EQ("", tb.GetValue(1, 12));
}

TEST(RundenTabelle, PunkteEintippenUndZuruecknehmen)
{
    TestTurnier tt;
    tt.erstelle(Fuenf, 2);
    clSpieleTableBase& tb = tt.spieleTB;
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    const std::pair<const char*, const char*> eingaben[] = {{"11", "11"},  {"5", "05"},   {"11:5", "11"},
                                                            {"abc", "00"}, {"-3", "-03"}, {"", ""}};
    for (const auto& e : eingaben)
    {
        tippe(tt, 1, 1, 1, 1, e.first);
        EXPECT_EQ(e.second, tb.GetValue(1, 2)) << e.first;
    }
    EXPECT_EQ(-1, sp->getSatzErg(1).P1);
    // Cells that take no score change nothing; the gap row stores nothing.
    for (const auto& zelle : {std::make_pair(1, 1), {0, 2}, {1, 0}, {1, 11}, {3, 2}})
        tb.SetValue(zelle.first, zelle.second, "7");
    EXPECT_EQ("|Carla|||||Bernd|||||Anna|", zeile(tb, 1, 12));
    EXPECT_EQ("1", tb.GetValue(0, 2));
    EXPECT_FALSE(sp->hatEingaben());

    // The fourth entry decides the match; a later change moves the difference.
    const int t1 = sp->getT1()->getStartNr();
    const int t2 = sp->getT2()->getStartNr();
    tippe(tt, 1, 1, 1, 1, "11");
    tippe(tt, 1, 1, 2, 1, "9");
    tippe(tt, 1, 1, 1, 2, "11");
    EXPECT_EQ(0, tt.wertungTB.getWertung(t1).m_AnzahlSpiele);
    tippe(tt, 1, 1, 2, 2, "7");
    EXPECT_EQ(1, tt.wertungTB.getWertung(t1).wertung.m_Spiel.eigene);
    EXPECT_EQ(16, tt.wertungTB.getWertung(t2).wertung.m_Punkte.eigene);
    tippe(tt, 1, 1, 2, 2, "5");
    EXPECT_EQ(14, tt.wertungTB.getWertung(t2).wertung.m_Punkte.eigene);
    // Clearing a score takes it back, and the match no longer counts.
    tippe(tt, 1, 1, 2, 2, "");
    EXPECT_EQ(-1, sp->getSatzErg(2).P2);
    EXPECT_EQ(11, sp->getSatzErg(2).P1);
    EXPECT_EQ(0, tt.wertungTB.getWertung(t1).m_AnzahlSpiele);
    EXPECT_EQ(0, tt.wertungTB.getWertung(t2).m_AnzahlSpiele);
}

TEST(RundenTabelle, EnterFuehrtZurNaechstenPunktzelle)
{
    TestTurnier tt;
    tt.erstelle(Fuenf, 4);
    // After the last set of the last match of a round (tables 3 and 4 are empty) the next round.
    int r = 2;
    int c = 9;
    ASSERT_TRUE(tt.spieleTB.naechsteEingabezelle(r, c));
    EXPECT_EQ(std::make_pair(5, 2), std::make_pair(r, c));
    // The last score cell and cells that take no score have no next one.
    const int letzte = 4 * (tt.turnier.getAnzahlRunden() - 1) + 2;
    for (const auto& start : {std::pair{letzte, 9}, {1, 1}, {0, 2}, {3, 2}, {1, 12}, {1, 21}})
    {
        auto [row, col] = start;
        EXPECT_FALSE(tt.spieleTB.naechsteEingabezelle(row, col)) << row << "," << col;
        EXPECT_EQ(start, std::make_pair(row, col));
    }
}

// Sets that cannot have ended like this are marked; the winner's name is bold.
TEST(RundenTabelle, UnmoeglicheSaetzeUndSiegerWerdenHervorgehoben)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    auto hat = [&tt](int row, int col, bool (*merkmal)(const wxGridCellAttr&))
    {
        wxGridCellAttr* attr = tt.spieleTB.GetAttr(row, col, wxGridCellAttr::Any);
        const bool ja = attr != nullptr && merkmal(*attr);
        if (attr != nullptr)
            attr->DecRef();
        return ja;
    };
    auto warnung = [](const wxGridCellAttr& a)
    { return a.HasBackgroundColour() && a.GetBackgroundColour() == clSpieleTableBase::Warnfarbe; };
    auto fett = [](const wxGridCellAttr& a)
    { return a.HasFont() && a.GetFont().GetWeight() == wxFONTWEIGHT_BOLD; };
    const char* const saetze[][3] = {{"11", "9", ""},  {"12", "10", ""}, {"11", "10", "!"}, {"13", "10", "!"},
                                     {"10", "8", "!"}, {"11", "", ""},   {"-3", "11", "!"}, {"0", "11", ""}};
    for (const auto& s : saetze)
    {
        tippe(tt, 1, 1, 1, 1, s[0]);
        tippe(tt, 1, 1, 2, 1, s[1]);
        EXPECT_EQ(*s[2] != 0, hat(1, 2, warnung)) << s[0] << ":" << s[1];
        EXPECT_EQ(*s[2] != 0, hat(2, 2, warnung));
    }
    EXPECT_FALSE(hat(1, 1, fett));
    tippe(tt, 1, 1, 1, 2, "4");
    tippe(tt, 1, 1, 2, 2, "11");
    EXPECT_FALSE(hat(1, 1, fett));
    EXPECT_TRUE(hat(2, 1, fett));
}

TEST(WertungTabelle, LeereZeileUndKeineEingaben)
{
    TestTurnier tt;
    clWertungTableBase& tb = tt.wertungTB;
    EXPECT_EQ(1, tb.GetNumberRows());
    EXPECT_EQ("1", tb.GetRowLabelValue(0));
    EXPECT_EQ("Teilnehmer|Spiele|Siege|Satzgewinn|Punkte||", zeile(tb, -1, 6));
    EXPECT_EQ("||||||", zeile(tb, 0, 6));
    // The standings only show; typed text changes nothing.
    tt.erstelle({L"Anna", L"Bernd"});
    tb.SetValue(0, 1, "5");
    tb.SetValue(1, 0, "Zora");
    EXPECT_EQ("Anna|0|", zeile(tb, 0, 2));
    EXPECT_EQ("Bernd|0|", zeile(tb, 1, 2));
}
