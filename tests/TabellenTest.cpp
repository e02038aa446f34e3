// The three grid tables as plain objects, the way a grid asks them for cells,
// labels and typed text.
#include <gtest/gtest.h>

#include <utility>

#include "ModellHilfen.h"

namespace
{
// Row and column of a cell of the rounds grid.
int zeile(int runde, int ofs)
{
    return 4 * (runde - 1) + ofs;
}

int spalte(int platte, int ofs)
{
    return 5 * (platte - 1) + ofs;
}

// The points cell of one side of one set of round 1 at a table.
void tippe(TestTurnier& tt, int runde, int platte, int seite, int satzNr, const wxString& text)
{
    tt.spieleTB.SetValue(zeile(runde, seite), spalte(platte, satzNr + 1), text);
}
} // namespace

TEST(TeilnehmerTabelle, LeereListeUndEingabeInIrgendeineLeereZeile)
{
    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    EXPECT_EQ(25, tb.GetNumberRows());
    EXPECT_EQ(3, tb.GetNumberCols());
    EXPECT_EQ("01", tb.GetRowLabelValue(0));
    EXPECT_EQ("25", tb.GetRowLabelValue(24));
    EXPECT_EQ("Vorname", tb.GetColLabelValue(0));
    EXPECT_EQ("Name", tb.GetColLabelValue(1));
    EXPECT_EQ("Anzeige", tb.GetColLabelValue(2));
    EXPECT_EQ("Fehler", tb.GetColLabelValue(3));

    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    EXPECT_EQ("Fehler", tb.GetValue(0, 3));
    EXPECT_EQ("", tb.GetValue(3, 3));

    // Typed into the row labelled 10, the name lands in row 04.
    tb.SetValue(9, 0, L"Dörte");
    EXPECT_EQ(4, tb.getDataListSize());
    EXPECT_EQ(wxString(L"Dörte"), tb.GetValue(3, 0));
    EXPECT_EQ("", tb.GetValue(9, 0));
    EXPECT_EQ(esNew | esDirty, tb.getEditListe()[3].m_EditStatus);

    // Only a display name, in the first empty row.
    tb.SetValue(4, 2, "Ede");
    EXPECT_EQ("", tb.GetValue(4, 0));
    EXPECT_EQ("Ede", tb.GetValue(4, 2));
    EXPECT_EQ(esNew | esDirty, tb.getEditListe()[4].m_EditStatus);

    tb.SetValue(1, 1, "Berger");
    EXPECT_EQ(esDirty, tb.getEditListe()[1].m_EditStatus);
    EXPECT_EQ(esClear, tb.getEditListe()[0].m_EditStatus);

    tb.DatenZurueckSchreiben();
    EXPECT_EQ(5, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ("Berger", tt.turnier.getTeilnehmer(2)->getName());
    for (const spEditData& ed : tb.getEditListe())
        EXPECT_EQ(esClear, ed.m_EditStatus);
}

TEST(TeilnehmerTabelle, WaechstMitDerListeUndBehaeltEineLeereZeile)
{
    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    for (int i = 0; i < 30; ++i)
        tb.SetValue(i, 0, wxString::Format("T%d", i + 1));
    EXPECT_EQ(31, tb.GetNumberRows());
    EXPECT_EQ("30", tb.GetRowLabelValue(29));
    EXPECT_EQ("T30", tb.GetValue(29, 0));

    tt.erstelleN(60);
    EXPECT_EQ(60, tb.getDataListSize());
    EXPECT_EQ(61, tb.GetNumberRows());
    EXPECT_EQ("T60", tb.GetValue(59, 0));
    EXPECT_EQ("", tb.GetValue(60, 0));

    // A new tournament empties the list again; the grid keeps its 25 rows.
    tt.turnier.Aktualisieren(true);
    EXPECT_EQ(25, tb.GetNumberRows());
}

TEST(TeilnehmerTabelle, LoeschenUndVerschiebenNurInTeilnehmerzeilen)
{
    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"});

    tb.DeleteData(1);
    EXPECT_EQ(4, tb.getDataListSize());
    EXPECT_EQ(25, tb.GetNumberRows());
    EXPECT_EQ("Carla", tb.GetValue(1, 0));
    EXPECT_EQ("Emil", tb.GetValue(3, 0));
    EXPECT_EQ("", tb.GetValue(4, 0));
    EXPECT_EQ(esDeleted, tb.getEditListe()[1].m_EditStatus);

    tb.SwapRows(0, 1);
    EXPECT_EQ("Carla", tb.GetValue(0, 0));
    EXPECT_EQ("Anna", tb.GetValue(1, 0));

    // Rows without a participant are left alone.
    tb.DeleteData(4);
    tb.DeleteData(-1);
    tb.SwapRows(3, 4);
    tb.SwapRows(0, -1);
    EXPECT_EQ(4, tb.getDataListSize());
    EXPECT_EQ("Emil", tb.GetValue(3, 0));
    EXPECT_EQ("Carla", tb.GetValue(0, 0));

    tb.DatenZurueckSchreiben();
    ASSERT_EQ(4, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ("Carla", tt.turnier.getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ("Anna", tt.turnier.getTeilnehmer(2)->getAnzeige());
    EXPECT_EQ("Emil", tt.turnier.getTeilnehmer(4)->getAnzeige());

    // A refill from the tournament drops edits that were not applied.
    tb.DeleteData(0);
    tb.SetValue(1, 0, "Xaver");
    tb.Aktualisieren();
    EXPECT_EQ(4, tb.getDataListSize());
    EXPECT_EQ("Carla", tb.GetValue(0, 0));
    EXPECT_EQ("Anna", tb.GetValue(1, 0));
}

TEST(RundenTabelle, LeeresTurnier)
{
    TestTurnier tt;
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Platten = 3;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(true);
    clSpieleTableBase& tb = tt.spieleTB;
    EXPECT_EQ(4, tb.GetNumberRows());
    EXPECT_EQ(17, tb.GetNumberCols());

    EXPECT_EQ("", tb.GetRowLabelValue(0));
    EXPECT_EQ("Runde 01", tb.GetRowLabelValue(1));
    EXPECT_EQ("", tb.GetRowLabelValue(2));
    const char* const kopf[] = {"", "Platte", "", "01", "", ""};
    for (int ofs = 0; ofs < 5; ++ofs)
        EXPECT_EQ(kopf[ofs], tb.GetColLabelValue(ofs)) << ofs;
    EXPECT_EQ("03", tb.GetColLabelValue(spalte(3, 3)));
    EXPECT_EQ("", tb.GetColLabelValue(15));
    EXPECT_EQ("spielfrei", tb.GetColLabelValue(16));

    for (int platte = 1; platte <= 3; ++platte)
    {
        const char* const kopfzeile[] = {"", "Satz", "1", "2", "3"};
        for (int ofs = 0; ofs < 5; ++ofs)
            EXPECT_EQ(kopfzeile[ofs], tb.GetValue(0, spalte(platte, ofs)));
        EXPECT_EQ("nicht besetzt", tb.GetValue(1, spalte(platte, 1)));
        EXPECT_EQ("", tb.GetValue(1, spalte(platte, 2)));
        EXPECT_EQ("", tb.GetValue(2, spalte(platte, 1)));
        EXPECT_EQ("", tb.GetValue(3, spalte(platte, 1)));
    }
    EXPECT_EQ("", tb.GetValue(1, 16));
}

TEST(RundenTabelle, SpielplanMitNamenUndSpielfreien)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    clSpieleTableBase& tb = tt.spieleTB;
    EXPECT_EQ(20, tb.GetNumberRows());
    EXPECT_EQ(12, tb.GetNumberCols());
    EXPECT_EQ("Runde 05", tb.GetRowLabelValue(zeile(5, 1)));
    EXPECT_EQ("spielfrei", tb.GetColLabelValue(11));

    EXPECT_EQ("Carla", tb.GetValue(1, spalte(1, 1)));
    EXPECT_EQ("Dora", tb.GetValue(2, spalte(1, 1)));
    EXPECT_EQ("Bernd", tb.GetValue(1, spalte(2, 1)));
    EXPECT_EQ("Emil", tb.GetValue(2, spalte(2, 1)));
    EXPECT_EQ("Anna", tb.GetValue(1, 11));
    EXPECT_EQ("", tb.GetValue(2, 11));
    EXPECT_EQ("", tb.GetValue(1, 10));

    // More tables than the schedule uses show as unoccupied in every round.
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 4);
    EXPECT_EQ(22, tb.GetNumberCols());
    for (int runde = 1; runde <= tt.turnier.getAnzahlRunden(); ++runde)
    {
        EXPECT_EQ("nicht besetzt", tb.GetValue(zeile(runde, 1), spalte(3, 1)));
        EXPECT_EQ("nicht besetzt", tb.GetValue(zeile(runde, 1), spalte(4, 1)));
    }
    tippe(tt, 1, 3, 1, 1, "11");
    EXPECT_EQ("", tb.GetValue(1, spalte(3, 2)));

    // The grid follows a growing schedule.
    tt.erstelleN(60, 3);
    EXPECT_EQ(4 * tt.turnier.getAnzahlRunden(), tb.GetNumberRows());
    EXPECT_GT(tb.GetNumberRows(), 2000);
}

TEST(RundenTabelle, PunkteEingebenAnzeigenUndZuruecknehmen)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    clSpieleTableBase& tb = tt.spieleTB;
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    const int t1 = sp->getT1()->getStartNr();
    const int t2 = sp->getT2()->getStartNr();

    tippe(tt, 1, 1, 1, 1, "11");
    EXPECT_EQ(11, sp->getSatzErg(1).P1);
    EXPECT_EQ(-1, sp->getSatzErg(1).P2);
    EXPECT_EQ("11", tb.GetValue(1, 2));
    EXPECT_EQ("", tb.GetValue(2, 2));
    tippe(tt, 1, 1, 2, 1, "9");
    EXPECT_EQ("09", tb.GetValue(2, 2));
    tippe(tt, 1, 1, 1, 2, "11");
    EXPECT_EQ(0, tt.wertungTB.getWertung(t1).m_AnzahlSpiele);
    // The fourth entry decides the match.
    tippe(tt, 1, 1, 2, 2, " 7");
    EXPECT_EQ(1, tt.wertungTB.getWertung(t1).m_AnzahlSpiele);
    EXPECT_EQ(1, tt.wertungTB.getWertung(t1).wertung.m_Spiel.eigene);
    EXPECT_EQ(16, tt.wertungTB.getWertung(t2).wertung.m_Punkte.eigene);

    // A later change moves the difference.
    tippe(tt, 1, 1, 2, 2, "5");
    EXPECT_EQ(14, tt.wertungTB.getWertung(t2).wertung.m_Punkte.eigene);
    EXPECT_EQ(1, tt.wertungTB.getWertung(t2).m_AnzahlSpiele);

    // Clearing a cell takes the entry back, and the match no longer counts.
    tippe(tt, 1, 1, 2, 2, "");
    EXPECT_EQ(-1, sp->getSatzErg(2).P2);
    EXPECT_EQ(11, sp->getSatzErg(2).P1);
    EXPECT_EQ("", tb.GetValue(2, 3));
    EXPECT_EQ(0, tt.wertungTB.getWertung(t1).m_AnzahlSpiele);
    EXPECT_EQ(0, tt.wertungTB.getWertung(t2).m_AnzahlSpiele);

    // Text is read as far as it is a number.
    tippe(tt, 1, 1, 1, 3, "11:5");
    EXPECT_EQ(11, sp->getSatzErg(3).P1);
    tippe(tt, 1, 1, 1, 3, "abc");
    EXPECT_EQ(0, sp->getSatzErg(3).P1);
    EXPECT_EQ("00", tb.GetValue(1, 4));
    tippe(tt, 1, 1, 1, 3, "-3");
    EXPECT_EQ("-03", tb.GetValue(1, 4));
}

TEST(RundenTabelle, EingabenAusserhalbDerPunktzellenAendernNichts)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    clSpieleTableBase& tb = tt.spieleTB;
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    tippe(tt, 1, 1, 1, 1, "11");
    tippe(tt, 1, 1, 2, 1, "4");

    tb.SetValue(1, spalte(1, 1), "Zora");
    tb.SetValue(0, spalte(1, 2), "7");
    tb.SetValue(1, spalte(1, 0), "7");
    tb.SetValue(1, 11, "Zora");
    tb.SetValue(1, 10, "7");
    // The gap row below a score cell stores nothing.
    tb.SetValue(3, spalte(1, 2), "7");
    EXPECT_EQ("Carla", tb.GetValue(1, spalte(1, 1)));
    EXPECT_EQ("1", tb.GetValue(0, spalte(1, 2)));
    EXPECT_EQ("Anna", tb.GetValue(1, 11));
    EXPECT_EQ("", tb.GetValue(3, spalte(1, 2)));
    EXPECT_EQ(11, sp->getSatzErg(1).P1);
    EXPECT_EQ(4, sp->getSatzErg(1).P2);
    for (int snr = 2; snr <= 3; ++snr)
    {
        EXPECT_EQ(-1, sp->getSatzErg(snr).P1);
        EXPECT_EQ(-1, sp->getSatzErg(snr).P2);
    }
    EXPECT_FALSE(tt.turnier.getSpiel(1, 2)->hatEingaben());
}

TEST(WertungTabelle, ZeigtDiePlatzierungenUndNimmtKeineEingaben)
{
    TestTurnier tt;
    clWertungTableBase& tb = tt.wertungTB;
    EXPECT_EQ(1, tb.GetNumberRows());
    EXPECT_EQ(5, tb.GetNumberCols());
    EXPECT_EQ("1", tb.GetRowLabelValue(0));
    for (int col = 0; col < 5; ++col)
        EXPECT_EQ("", tb.GetValue(0, col));
    const char* const titel[] = {"Teilnehmer", "Spiele", "Siege", "Satzgewinn", "Punkte", ""};
    for (int col = 0; col < 6; ++col)
        EXPECT_EQ(titel[col], tb.GetColLabelValue(col));

    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    EXPECT_EQ(4, tb.GetNumberRows());
    EXPECT_EQ("4", tb.GetRowLabelValue(3));
    clTTSpiel* sp = tt.turnier.getSpiel(1, 2);
    tt.satz(sp, 1, 11, 9);
    tt.satz(sp, 2, 8, 11);
    tt.satz(sp, 3, 11, 7);
    const wxString sieger = sp->getT1()->getAnzeige();
    const wxString verlierer = sp->getT2()->getAnzeige();
    const char* const ersterPlatz[] = {"", "1", "1:0", "2:1", "30:27"};
    const char* const zweiterPlatz[] = {"", "1", "0:1", "1:2", "27:30"};
    EXPECT_EQ(sieger, tb.GetValue(0, 0));
    EXPECT_EQ(verlierer, tb.GetValue(1, 0));
    for (int col = 1; col < 5; ++col)
    {
        EXPECT_EQ(ersterPlatz[col], tb.GetValue(0, col));
        EXPECT_EQ(zweiterPlatz[col], tb.GetValue(1, col));
    }
    // Without a counted match only the name and the 0 are shown.
    EXPECT_EQ("0", tb.GetValue(2, 1));
    EXPECT_EQ("", tb.GetValue(2, 2));
    EXPECT_EQ("", tb.GetValue(3, 4));
    EXPECT_NE("", tb.GetValue(3, 0));

    tb.SetValue(0, 0, "Zora");
    tb.SetValue(0, 2, "0:1");
    EXPECT_EQ(sieger, tb.GetValue(0, 0));
    EXPECT_EQ("1:0", tb.GetValue(0, 2));
}

TEST(RundenTabelle, EnterFuehrtZurNaechstenPunktzelle)
{
    TestTurnier tt;
    // 5 participants at 4 tables: tables 3 and 4 stay empty in every round.
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 4);
    const int letzteRunde = tt.turnier.getAnzahlRunden();
    int row = 1;
    int col = 2;
    const std::pair<int, int> folge[] = {{2, 2}, {1, 3}, {2, 3}, {1, 4}, {2, 4}, {1, 7}, {2, 7}};
    for (const auto& erwartet : folge)
    {
        ASSERT_TRUE(tt.spieleTB.naechsteEingabezelle(row, col));
        EXPECT_EQ(erwartet, std::make_pair(row, col));
    }
    // After the last set of the last table of a round: the first table of the next.
    row = 2;
    col = 9;
    ASSERT_TRUE(tt.spieleTB.naechsteEingabezelle(row, col));
    EXPECT_EQ(std::make_pair(5, 2), std::make_pair(row, col));

    // No next cell after the last match, and none from cells that take no score.
    const std::pair<int, int> ohne[] = {{zeile(letzteRunde, 2), 9}, {1, 1}, {0, 2}, {3, 2}, {1, 12}, {1, 21}};
    for (const auto& start : ohne)
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
    clSpieleTableBase& tb = tt.spieleTB;
    auto warnung = [&](int col)
    {
        wxGridCellAttr* attr = tb.GetAttr(1, col, wxGridCellAttr::Any);
        const bool w = attr != nullptr && attr->HasBackgroundColour() &&
                       attr->GetBackgroundColour() == clSpieleTableBase::Warnfarbe;
        if (attr != nullptr)
            attr->DecRef();
        return w;
    };
    auto fett = [&](int row)
    {
        wxGridCellAttr* attr = tb.GetAttr(row, 1, wxGridCellAttr::Any);
        const bool f = attr != nullptr && attr->HasFont() && attr->GetFont().GetWeight() == wxFONTWEIGHT_BOLD;
        if (attr != nullptr)
            attr->DecRef();
        return f;
    };
    const int saetze[][2] = {{11, 9}, {12, 10}, {11, 10}, {13, 10}, {10, 8}, {11, -1}, {-3, 11}, {0, 11}};
    const bool erwartet[] = {false, false, true, true, true, false, true, false};
    for (size_t i = 0; i < WXSIZEOF(saetze); ++i)
    {
        tippe(tt, 1, 1, 1, 1, wxString::Format("%d", saetze[i][0]));
        tippe(tt, 1, 1, 2, 1, saetze[i][1] == -1 ? wxString() : wxString::Format("%d", saetze[i][1]));
        EXPECT_EQ(erwartet[i], warnung(2)) << saetze[i][0] << ":" << saetze[i][1];
    }
    // The stored value stays as typed.
    EXPECT_EQ(0, tt.turnier.getSpiel(1, 1)->getSatzErg(1).P1);

    EXPECT_FALSE(fett(1));
    tippe(tt, 1, 1, 1, 2, "4");
    tippe(tt, 1, 1, 2, 2, "11");
    EXPECT_FALSE(fett(1));
    EXPECT_TRUE(fett(2));
    EXPECT_FALSE(warnung(3));
}
