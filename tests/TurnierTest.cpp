#include <gtest/gtest.h>

#include "ModellHilfen.h"
#include "clRunde.h"

TEST(Turnier, NeuesTurnierHatDieVorgaben)
{
    TestTurnier tt;
    const allgemein* alg = tt.turnier.getAllgemein();
    EXPECT_EQ("ein Turnier", alg->Bezeichnung);
    EXPECT_EQ("ein Verein", alg->Veranstalter);
    EXPECT_EQ("hier", alg->Ort);
    EXPECT_EQ("heute", alg->Datum);
    EXPECT_EQ(1, alg->Platten);
    EXPECT_EQ(0, alg->ModusIdx);
    EXPECT_EQ(0, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ(1, tt.turnier.getAnzahlRunden());
    EXPECT_EQ("", tt.turnier.getSpielfrei(1));
    EXPECT_FALSE(tt.turnier.istGeaendert());
}

TEST(Turnier, TeilnehmerNurImGueltigenBereich)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    EXPECT_EQ(nullptr, tt.turnier.getTeilnehmer(0));
    EXPECT_EQ(nullptr, tt.turnier.getTeilnehmer(-1));
    EXPECT_EQ(nullptr, tt.turnier.getTeilnehmer(4));
    ASSERT_NE(nullptr, tt.turnier.getTeilnehmer(1));
    EXPECT_EQ("Anna", tt.turnier.getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ("Carla", tt.turnier.getTeilnehmer(3)->getAnzeige());
    for (int snr = 1; snr <= 3; ++snr)
        EXPECT_EQ(snr, tt.turnier.getTeilnehmer(snr)->getStartNr());
}

TEST(Turnier, SpielfreiListetDieAnzeigenamenMitKomma)
{
    TestTurnier tt;
    // 5 participants at 2 tables: participant 1 sits out round 1 alone.
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    EXPECT_EQ("Anna", tt.turnier.getSpielfrei(1));
    EXPECT_EQ("Bernd", tt.turnier.getSpielfrei(2));
    // A round number outside the schedule lists everybody.
    EXPECT_EQ("Anna, Bernd, Carla, Dora, Emil", tt.turnier.getSpielfrei(99));

    // 4 participants at 2 tables: nobody sits out.
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    EXPECT_EQ("", tt.turnier.getSpielfrei(1));
}

TEST(Turnier, NeuLeertTeilnehmerUndSetztAnzeigenZurueck)
{
    TestTurnier tt;
    tt.erstelle({L"A", L"B", L"C", L"D", L"E", L"F"});
    EXPECT_EQ(6, tt.teilnehmerTB.getDataListSize());
    tt.turnier.Aktualisieren(true);
    EXPECT_EQ(0, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ(1, tt.turnier.getAnzahlRunden());
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

TEST(Turnier, NeueAllgemeineDatenWirkenErstNachAktualisieren)
{
    TestTurnier tt;
    tt.erstelleN(6);
    EXPECT_EQ(15, tt.turnier.getAnzahlRunden());
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Platten = 3;
    tt.turnier.setAllgemein(&alg);
    EXPECT_EQ(15, tt.turnier.getAnzahlRunden());
    tt.turnier.Aktualisieren(false);
    EXPECT_EQ(5, tt.turnier.getAnzahlRunden());
    EXPECT_EQ(6, tt.turnier.getAnzahlTeilnehmer());
}

TEST(Turnier, BearbeitenBehaeltErgebnisseWennNurTexteGeaendertSind)
{
    TestTurnier tt;
    tt.erstelleN(4, 2);
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    tt.satz(sp, 1, 11, 5);
    tt.satz(sp, 2, 11, 7);
    EXPECT_TRUE(tt.turnier.hatErgebnisse());

    allgemein alg = *tt.turnier.getAllgemein();
    alg.Bezeichnung = "Stadtmeisterschaft";
    EXPECT_FALSE(tt.turnier.verwirftErgebnisse(alg, false));
    EXPECT_TRUE(tt.turnier.verwirftErgebnisse(alg, true));
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    EXPECT_EQ(sp, tt.turnier.getSpiel(1, 1));
    EXPECT_EQ(1, tt.wertungTB.getWertung(sp->getT1()->getStartNr()).m_AnzahlSpiele);

    alg.Platten = 1;
    EXPECT_TRUE(tt.turnier.verwirftErgebnisse(alg, false));
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    EXPECT_FALSE(tt.turnier.hatErgebnisse());
    for (int snr = 1; snr <= 4; ++snr)
        EXPECT_EQ(0, tt.wertungTB.getWertung(snr).m_AnzahlSpiele);
}

TEST(Turnier, AenderungenWerdenBemerkt)
{
    TestTurnier tt;
    EXPECT_FALSE(tt.turnier.istGeaendert());
    tt.erstelleN(3);
    EXPECT_TRUE(tt.turnier.istGeaendert());
    tt.turnier.setGeaendert(false);
    tt.satz(tt.turnier.getSpiel(1, 1), 1, 11, 3);
    EXPECT_TRUE(tt.turnier.istGeaendert());
}

TEST(Turnier, NeuerSpielplanBehaeltGetippteTeilnehmer)
{
    // Changing the tables while names are typed but not applied must not lose them.
    TestTurnier tt;
    tt.erstelleN(4);
    tt.teilnehmerTB.SetValue(4, 0, "Neu");
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Platten = 2;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    EXPECT_EQ(3, tt.turnier.getAnzahlRunden());
    EXPECT_EQ(5, tt.teilnehmerTB.getDataListSize());
    EXPECT_EQ("Neu", tt.teilnehmerTB.GetValue(4, 0));
    EXPECT_TRUE(tt.teilnehmerTB.hatAenderungen());
}
