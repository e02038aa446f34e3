#include <gtest/gtest.h>

#include "ModellHilfen.h"

TEST(Turnier, ModusUndSpielfrei)
{
    TestTurnier tt;
    // 8 participants at 3 tables leave two rounds with one table fewer; in the
    // dense mode they are none but the last, in the random modes they are drawn.
    tt.erstelleN(8, 3, 0);
    EXPECT_EQ("11", tt.turnier.getSchema().gibSaveString());
    tt.erstelleN(8, 3, 2);
    EXPECT_NE("11", tt.turnier.getSchema().gibSaveString());

    // A round number outside the schedule lists everybody.
    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    EXPECT_EQ("Anna, Bernd, Carla", tt.turnier.getSpielfrei(99));
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
    tt.turnier.Aktualisieren(false);
    EXPECT_EQ(3, tt.turnier.getAnzahlRunden());
    EXPECT_EQ("Neu", tt.teilnehmerTB.GetValue(4, 0));
    EXPECT_TRUE(tt.teilnehmerTB.hatAenderungen());
}
