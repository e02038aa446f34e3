#include <gtest/gtest.h>

#include "ModellHilfen.h"

// A new schedule for new tables keeps names typed but not yet applied. 8
// participants at 3 tables leave two rounds with one table fewer; in the dense
// mode they are none but the last, in the random modes they are drawn.
TEST(Turnier, NeuerSpielplanJeModusUndMitGetipptenTeilnehmern)
{
    TestTurnier tt;
    tt.erstelleN(8, 3, 0);
    EXPECT_EQ("11", tt.turnier.getSchema().gibSaveString());
    tt.erstelleN(8, 3, 2);
    EXPECT_NE("11", tt.turnier.getSchema().gibSaveString());

    tt.teilnehmerTB.SetValue(8, 0, "Neu");
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Platten = 2;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    EXPECT_EQ(14, tt.turnier.getAnzahlRunden());
    EXPECT_EQ("Neu", tt.teilnehmerTB.GetValue(8, 0));
    EXPECT_TRUE(tt.teilnehmerTB.hatAenderungen());
}
