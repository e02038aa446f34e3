#include <gtest/gtest.h>

#include "ModellHilfen.h"

TEST(Turnier, TeilnehmerSpielfreiUndNeu)
{
    TestTurnier tt;
    // 5 participants at 2 tables: one sits out each round, participant 1 first.
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    for (int snr : {0, -1, 6})
        EXPECT_EQ(nullptr, tt.turnier.getTeilnehmer(snr)) << snr;
    EXPECT_EQ("Anna", tt.turnier.getSpielfrei(1));
    EXPECT_EQ("Bernd", tt.turnier.getSpielfrei(2));
    // A round number outside the schedule lists everybody.
    EXPECT_EQ("Anna, Bernd, Carla, Dora, Emil", tt.turnier.getSpielfrei(99));

    // New empties the roster and resets every table.
    tt.turnier.Aktualisieren(true);
    EXPECT_EQ(0, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ(1, tt.turnier.getAnzahlRunden());
    EXPECT_EQ("", tt.turnier.getSpielfrei(1));
    EXPECT_EQ(0, tt.teilnehmerTB.getDataListSize());
    EXPECT_EQ(4, tt.spieleTB.GetNumberRows());
    EXPECT_EQ(1, tt.wertungTB.GetNumberRows());
}

TEST(Turnier, ModusWirdAnDenSpielplanWeitergegeben)
{
    TestTurnier tt;
    // 8 participants at 3 tables leave two rounds with one table fewer; in the
    // dense mode they are none but the last, in the random modes they are drawn.
    tt.erstelleN(8, 3, 0);
    EXPECT_EQ("11", tt.turnier.getSchema().gibSaveString());
    tt.erstelleN(8, 3, 2);
    EXPECT_NE("11", tt.turnier.getSchema().gibSaveString());
    EXPECT_EQ(10, tt.turnier.getAnzahlRunden());
}

// A new schedule for new tables keeps names typed but not yet applied.
TEST(Turnier, NeuerSpielplanBehaeltGetippteTeilnehmer)
{
    TestTurnier tt;
    tt.erstelleN(4);
    tt.teilnehmerTB.SetValue(4, 0, "Neu");
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Platten = 2;
    tt.turnier.setAllgemein(&alg);
    EXPECT_EQ(6, tt.turnier.getAnzahlRunden());
    tt.turnier.Aktualisieren(false);
    EXPECT_EQ(3, tt.turnier.getAnzahlRunden());
    EXPECT_EQ(5, tt.teilnehmerTB.getDataListSize());
    EXPECT_EQ("Neu", tt.teilnehmerTB.GetValue(4, 0));
    EXPECT_TRUE(tt.teilnehmerTB.hatAenderungen());
}
