// The three grid tables as plain objects, the way a grid asks them for cells,
// labels and typed text.
#include <gtest/gtest.h>
#include <utility>

#include "ModellHilfen.h"

namespace
{
const std::initializer_list<const wchar_t*> Fuenf = {L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"};

// Types into the score cell of one side of one set of a match.
void tippe(TestTurnier& tt, int runde, int platte, int seite, int satzNr, const wxString& text)
{
    tt.spieleTB.SetValue(4 * (runde - 1) + seite, 5 * (platte - 1) + satzNr + 1, text);
}
} // namespace

TEST(TeilnehmerTabelle, EingabenLandenAmEndeDerListe)
{
    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    EXPECT_EQ(25, tb.GetNumberRows());
    EXPECT_EQ("25", tb.GetRowLabelValue(24));
    const char* const titel[] = {"Vorname", "Name", "Anzeige", "Fehler"};
    for (int col = 0; col < 4; ++col)
        EXPECT_EQ(titel[col], tb.GetColLabelValue(col));

    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    EXPECT_EQ("Fehler", tb.GetValue(0, 3));
    EXPECT_EQ("", tb.GetValue(3, 3));
    // Typed into the row labelled 10, the name lands in row 04.
    tb.SetValue(9, 0, L"Dörte");
    EXPECT_EQ(wxString(L"Dörte"), tb.GetValue(3, 0));
    EXPECT_EQ("", tb.GetValue(9, 0));
    tb.SetValue(4, 2, "Ede");
    EXPECT_EQ("", tb.GetValue(4, 0));
    tb.SetValue(1, 1, "Berger");
    tb.DeleteData(2);
    const int status[] = {esClear, esDirty, esDeleted, esNew | esDirty, esNew | esDirty};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(status[i], tb.getEditListe()[i].m_EditStatus) << i;

    tb.DatenZurueckSchreiben();
    ASSERT_EQ(4, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ("Berger", tt.turnier.getTeilnehmer(2)->getName());
    EXPECT_EQ("Ede", tt.turnier.getTeilnehmer(4)->getAnzeige());
    for (const spEditData& ed : tb.getEditListe())
        EXPECT_EQ(esClear, ed.m_EditStatus);

    // A refill from the tournament drops what was not applied.
    tb.SwapRows(0, 1);
    tb.SetValue(1, 0, "Xaver");
    tb.Aktualisieren();
    EXPECT_EQ("Anna", tb.GetValue(0, 0));
    EXPECT_EQ("Bernd", tb.GetValue(1, 0));
}

TEST(RundenTabelle, LeeresTurnierUndUnbesetztePlatten)
{
    TestTurnier tt;
    tt.erstelle({}, 3);
    clSpieleTableBase& tb = tt.spieleTB;
    EXPECT_EQ(4, tb.GetNumberRows());
    ASSERT_EQ(17, tb.GetNumberCols());
    const char* const zeilen[] = {"", "Runde 01", "", ""};
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(zeilen[row], tb.GetRowLabelValue(row));
    const char* const spalten[] = {"", "Platte", "", "01", "", "", "Platte", "", "02", ""};
    for (int col = 0; col < 10; ++col)
        EXPECT_EQ(spalten[col], tb.GetColLabelValue(col));
    EXPECT_EQ("", tb.GetColLabelValue(15));
    EXPECT_EQ("spielfrei", tb.GetColLabelValue(16));
    const char* const kopf[] = {"", "Satz", "1", "2", "3"};
    for (int col = 0; col < 15; ++col)
    {
        EXPECT_EQ(kopf[col % 5], tb.GetValue(0, col));
        EXPECT_EQ(col % 5 == 1 ? "nicht besetzt" : "", tb.GetValue(1, col));
        EXPECT_EQ("", tb.GetValue(2, col));
    }
    EXPECT_EQ("", tb.GetValue(1, 16));

    // With 4 tables for 5 participants tables 3 and 4 stay empty in every round.
    tt.erstelle(Fuenf, 4);
    for (int row = 1; row < tb.GetNumberRows(); row += 4)
        EXPECT_EQ("nicht besetzt", tb.GetValue(row, 16));
    tippe(tt, 1, 3, 1, 1, "11");
    EXPECT_EQ("", tb.GetValue(1, 12));
}

TEST(RundenTabelle, NamenSpielfreieUndPunkte)
{
    TestTurnier tt;
    tt.erstelle(Fuenf, 2);
    clSpieleTableBase& tb = tt.spieleTB;
    EXPECT_EQ(20, tb.GetNumberRows());
    EXPECT_EQ(12, tb.GetNumberCols());
    EXPECT_EQ("Runde 05", tb.GetRowLabelValue(17));
    const std::pair<int, const char*> namen[] = {{1, "Carla"}, {6, "Bernd"}, {11, "Anna"}};
    for (const auto& n : namen)
        EXPECT_EQ(n.second, tb.GetValue(1, n.first));
    EXPECT_EQ("Dora", tb.GetValue(2, 1));
    EXPECT_EQ("", tb.GetValue(2, 11));

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
    EXPECT_EQ("Carla", tb.GetValue(1, 1));
    EXPECT_EQ("1", tb.GetValue(0, 2));
    EXPECT_EQ("Anna", tb.GetValue(1, 11));
    EXPECT_FALSE(sp->hatEingaben());
}

TEST(RundenTabelle, WertungFolgtJederEingabe)
{
    TestTurnier tt;
    tt.erstelle(Fuenf, 2);
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    const int t1 = sp->getT1()->getStartNr();
    const int t2 = sp->getT2()->getStartNr();
    tippe(tt, 1, 1, 1, 1, "11");
    tippe(tt, 1, 1, 2, 1, "9");
    tippe(tt, 1, 1, 1, 2, "11");
    EXPECT_EQ(0, tt.wertungTB.getWertung(t1).m_AnzahlSpiele);
    // The fourth entry decides the match; a later change moves the difference.
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
    int row = 1;
    int col = 2;
    const std::pair<int, int> folge[] = {{2, 2}, {1, 3}, {2, 3}, {1, 4}, {2, 4}, {1, 7}, {2, 7}};
    for (const auto& erwartet : folge)
    {
        ASSERT_TRUE(tt.spieleTB.naechsteEingabezelle(row, col));
        EXPECT_EQ(erwartet, std::make_pair(row, col));
    }
    // After the last table of a round (tables 3 and 4 are empty) the next round.
    row = 2;
    col = 9;
    ASSERT_TRUE(tt.spieleTB.naechsteEingabezelle(row, col));
    EXPECT_EQ(std::make_pair(5, 2), std::make_pair(row, col));

    const int letzte = 4 * (tt.turnier.getAnzahlRunden() - 1) + 2;
    for (const auto& start : {std::make_pair(letzte, 9), {1, 1}, {0, 2}, {3, 2}, {1, 12}, {1, 21}})
    {
        row = start.first;
        col = start.second;
        EXPECT_FALSE(tt.spieleTB.naechsteEingabezelle(row, col)) << row << "," << col;
        EXPECT_EQ(start, std::make_pair(row, col));
    }
}

TEST(RundenTabelle, UnmoeglicheSaetzeUndSiegerWerdenHervorgehoben)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    auto attribut = [&](int row, int col, bool fett)
    {
        wxGridCellAttr* attr = tt.spieleTB.GetAttr(row, col, wxGridCellAttr::Any);
        bool ja = false;
        if (attr != nullptr)
        {
            ja = fett ? attr->HasFont() && attr->GetFont().GetWeight() == wxFONTWEIGHT_BOLD
                      : attr->HasBackgroundColour() &&
                            attr->GetBackgroundColour() == clSpieleTableBase::Warnfarbe;
            attr->DecRef();
        }
        return ja;
    };
    const int saetze[][2] = {{11, 9}, {12, 10}, {11, 10}, {13, 10}, {10, 8}, {11, -1}, {-3, 11}, {0, 11}};
    const bool warnung[] = {false, false, true, true, true, false, true, false};
    for (size_t i = 0; i < WXSIZEOF(saetze); ++i)
    {
        tippe(tt, 1, 1, 1, 1, wxString::Format("%d", saetze[i][0]));
        tippe(tt, 1, 1, 2, 1, saetze[i][1] == -1 ? wxString() : wxString::Format("%d", saetze[i][1]));
        EXPECT_EQ(warnung[i], attribut(1, 2, false)) << saetze[i][0] << ":" << saetze[i][1];
        EXPECT_EQ(warnung[i], attribut(2, 2, false));
    }
    EXPECT_FALSE(attribut(1, 1, true));
    tippe(tt, 1, 1, 1, 2, "4");
    tippe(tt, 1, 1, 2, 2, "11");
    EXPECT_FALSE(attribut(1, 1, true));
    EXPECT_TRUE(attribut(2, 1, true));
}

TEST(WertungTabelle, ZeigtDiePlatzierungenUndNimmtKeineEingaben)
{
    TestTurnier tt;
    clWertungTableBase& tb = tt.wertungTB;
    EXPECT_EQ(1, tb.GetNumberRows());
    EXPECT_EQ("1", tb.GetRowLabelValue(0));
    const char* const titel[] = {"Teilnehmer", "Spiele", "Siege", "Satzgewinn", "Punkte", ""};
    for (int col = 0; col < 6; ++col)
    {
        EXPECT_EQ(titel[col], tb.GetColLabelValue(col));
        EXPECT_EQ("", tb.GetValue(0, col));
    }

    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    clTTSpiel* sp = tt.turnier.getSpiel(1, 2);
    tt.satz(sp, 1, 11, 9);
    tt.satz(sp, 2, 8, 11);
    tt.satz(sp, 3, 11, 7);
    const char* const erster[] = {"1", "1:0", "2:1", "30:27"};
    const char* const zweiter[] = {"1", "0:1", "1:2", "27:30"};
    EXPECT_EQ(sp->getT1()->getAnzeige(), tb.GetValue(0, 0));
    EXPECT_EQ(sp->getT2()->getAnzeige(), tb.GetValue(1, 0));
    for (int col = 1; col < 5; ++col)
    {
        EXPECT_EQ(erster[col - 1], tb.GetValue(0, col));
        EXPECT_EQ(zweiter[col - 1], tb.GetValue(1, col));
        EXPECT_EQ(col == 1 ? "0" : "", tb.GetValue(2, col));
    }
    tb.SetValue(0, 2, "0:1");
    EXPECT_EQ("1:0", tb.GetValue(0, 2));
}
