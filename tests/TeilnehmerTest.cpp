#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "ModellHilfen.h"

namespace
{
using Namen = std::vector<wxString>;

// A row as the organiser types it into the empty line at the end of the list.
spEditData neueZeile(const wxString& vname, const wxString& name, const wxString& anzeige = "")
{
    return {esNew | esDirty, -1, name, vname, anzeige};
}

Namen anzeigen(const clTurnier& t)
{
    Namen namen;
    for (int snr = 1; snr <= t.getAnzahlTeilnehmer(); ++snr)
        namen.push_back(t.getTeilnehmer(snr)->getAnzeige());
    return namen;
}

// The display names a roster of new rows (first name, surname, display name) ends with.
Namen eindeutig(std::initializer_list<spEditData> zeilen)
{
    clTurnier t;
    vecEditListe el(zeilen);
    t.UpdateTeilnehmer(el);
    return anzeigen(t);
}
} // namespace

// The participants table edits a copy of the roster; applying it reconciles the
// roster with the list, and the list is filled again from the roster.
TEST(Teilnehmer, AbgleichUeberDieTabelle)
{
    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    EXPECT_EQ("Vorname Name Anzeige",
              tb.GetColLabelValue(0) + " " + tb.GetColLabelValue(1) + " " + tb.GetColLabelValue(2));
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"});
    clTeilnehmer* carla = tt.turnier.getTeilnehmer(3);
    tb.DatenZurueckSchreiben();
    EXPECT_EQ(carla, tt.turnier.getTeilnehmer(3));

    // Typed into the row labelled 10, the name lands in row 05; a row typed and
    // deleted again before applying brings nobody.
    tb.SetValue(9, 0, L"Dörte");
    EXPECT_EQ(wxString(L"Dörte"), tb.GetValue(4, 0));
    EXPECT_EQ("", tb.GetValue(9, 0));
    tb.SetValue(5, 2, "Ede");
    EXPECT_EQ("", tb.GetValue(5, 0));
    tb.DeleteData(5);
    tb.SwapRows(3, 4);
    tb.SetValue(0, 1, "Berger");
    tb.DeleteData(1);
    EXPECT_TRUE(tb.hatAenderungen());
    tb.DatenZurueckSchreiben();
    EXPECT_EQ((Namen{"Anna", "Carla", L"Dörte", "Dora"}), anzeigen(tt.turnier));
    EXPECT_EQ("Berger", tt.turnier.getTeilnehmer(1)->getName());
    EXPECT_EQ(carla, tt.turnier.getTeilnehmer(2));
    for (int snr = 1; snr <= 4; ++snr)
        EXPECT_EQ(snr, tt.turnier.getTeilnehmer(snr)->getStartNr());
    EXPECT_FALSE(tb.hatAenderungen());
    EXPECT_EQ(4, tt.wertungTB.getAnzahl());

    // Exchanged rows exchange start numbers; a refill drops what was not applied.
    tb.SwapRows(0, 1);
    tb.DatenZurueckSchreiben();
    EXPECT_EQ(carla, tt.turnier.getTeilnehmer(1));
    tb.SwapRows(0, 1);
    tb.SetValue(1, 0, "Xaver");
    tb.Aktualisieren();
    EXPECT_EQ("Carla Anna", tb.GetValue(0, 0) + " " + tb.GetValue(1, 0));
}

TEST(Teilnehmer, AnzeigenameWirdErgaenztUndEindeutig)
{
    EXPECT_EQ((Namen{"Berg", "Anna", "Tom", " x "}),
              eindeutig({neueZeile("", "Berg"), neueZeile("Anna", "Berg2"), neueZeile("", "", "Tom"),
                         neueZeile("Anna", "Berg3", " x ")}));
    clTurnier t;
    vecEditListe el(123, neueZeile("", ""));
    t.UpdateTeilnehmer(el);
    EXPECT_EQ("Teilnehmer01", t.getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ("Teilnehmer07", t.getTeilnehmer(7)->getAnzeige());
    EXPECT_EQ("Teilnehmer123", t.getTeilnehmer(123)->getAnzeige());
    // An existing row whose display name was emptied gets one again.
    el[0].m_EditStatus |= esDirty;
    el[0].m_VName = "Ute";
    el[0].m_Anzeige = "";
    t.UpdateTeilnehmer(el);
    EXPECT_EQ("Ute", t.getTeilnehmer(1)->getAnzeige());

    EXPECT_EQ((Namen{L"HansMü", L"HansMe"}),
              eindeutig({neueZeile("Hans", L"Müller"), neueZeile("Hans", "Meier")}));
    EXPECT_EQ((Namen{"AnnaSchmidt1", "AnnaSchmidt2"}),
              eindeutig({neueZeile("Anna", "Schmidt"), neueZeile("Anna", "Schmidt")}));
    EXPECT_EQ((Namen{"AnnaBerg", "AnnaBergm"}),
              eindeutig({neueZeile("Anna", "Berg"), neueZeile("Anna", "Bergmann")}));
    EXPECT_EQ((Namen{"MaxMai", "MaxMay", L"MaxMü"}),
              eindeutig({neueZeile("Max", "Maier"), neueZeile("Max", "Mayer"), neueZeile("Max", L"Müller")}));
    EXPECT_EQ((Namen{"Tom", "TomL"}), eindeutig({neueZeile("Tom", ""), neueZeile("Tom", "Lee")}));
    EXPECT_EQ((Namen{"Tom1", "Tom2"}), eindeutig({neueZeile("Tom", ""), neueZeile("Tom", "")}));
    EXPECT_EQ((Namen{"EvaRoth1", "Udo", "EvaRot", "EvaRoth2"}),
              eindeutig({neueZeile("Eva", "Roth"), neueZeile("Udo", "Lang"), neueZeile("Eva", "Rot"),
                         neueZeile("Eva", "Roth")}));
    EXPECT_EQ((Namen{"hans", "Hans"}), eindeutig({neueZeile("hans", "A"), neueZeile("Hans", "A")}));
    // An extended name is not compared again with names outside its group.
    EXPECT_EQ((Namen{L"HansMü", L"HansMe", L"HansMü"}),
              eindeutig({neueZeile("Hans", L"Müller"), neueZeile("Hans", "Meier"),
                         neueZeile("X", "Y", L"HansMü")}));
    // Long identical surnames are used up letter by letter, then numbered.
    const wxString lang(L'ä', 300);
    EXPECT_EQ((Namen{"A" + lang + "1", "A" + lang + "2"}),
              eindeutig({neueZeile("A", lang), neueZeile("A", lang)}));
}

// A list that only renames keeps the schedule, the results and the standings;
// one that changes the roster starts them again.
TEST(Teilnehmer, ErgebnisseBleibenNurBeiGleichemBestand)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    vecEditListe el;
    tt.turnier.fillEditListe(el);
    el[0].m_EditStatus |= esDeleted;
    EXPECT_FALSE(tt.turnier.verwirftErgebnisse(el)); // nothing entered yet
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    tt.satz(sp, 1, 11, 5);
    tt.satz(sp, 2, 11, 7);
    const int sieger = sp->getT1()->getStartNr();
    const int verlierer = sp->getT2()->getStartNr();

    // Rename the loser to the winner's name: only names change, made unique as always.
    tt.turnier.fillEditListe(el);
    el[verlierer - 1].m_EditStatus |= esDirty;
    el[verlierer - 1].m_Anzeige = el[sieger - 1].m_Anzeige;
    el[verlierer - 1].m_Name = "Zorn";
    EXPECT_FALSE(tt.turnier.verwirftErgebnisse(el));
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ(sp, tt.turnier.getSpiel(1, 1));
    EXPECT_EQ(11, sp->getSatzErg(2).P1);
    EXPECT_EQ(1, tt.wertungTB.getWertung(sieger).m_AnzahlSpiele);
    EXPECT_EQ(1, tt.wertungTB.getWertung(verlierer).m_AnzahlSpiele);
    EXPECT_EQ(sieger, tt.wertungTB.getStartNrAufPlatz(0));
    EXPECT_EQ(tt.turnier.getTeilnehmer(sieger)->getAnzeige() + "Z",
              tt.turnier.getTeilnehmer(verlierer)->getAnzeige());

    std::swap(el[2], el[3]);
    EXPECT_TRUE(tt.turnier.verwirftErgebnisse(el));
    // One leaves, one comes: the same number of participants, yet the standings
    // must restart with the new schedule.
    tt.turnier.fillEditListe(el);
    el[3].m_EditStatus |= esDeleted;
    el.push_back(neueZeile("Emil", ""));
    EXPECT_TRUE(tt.turnier.verwirftErgebnisse(el));
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ("Emil", tt.turnier.getTeilnehmer(4)->getAnzeige());
    EXPECT_FALSE(tt.turnier.hatErgebnisse());
    for (int snr = 1; snr <= 4; ++snr)
    {
        EXPECT_EQ(0, tt.wertungTB.getWertung(snr).m_AnzahlSpiele);
        EXPECT_EQ(snr, tt.wertungTB.getStartNrAufPlatz(snr - 1));
    }
}
