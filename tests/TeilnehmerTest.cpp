#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "ModellHilfen.h"

namespace
{
// A row as the organiser types it into the empty line at the end of the list.
spEditData neueZeile(const wxString& vname, const wxString& name, const wxString& anzeige = "")
{
    spEditData ed;
    ed.m_EditStatus = esNew | esDirty;
    ed.m_VName = vname;
    ed.m_Name = name;
    ed.m_Anzeige = anzeige;
    return ed;
}

std::vector<wxString> anzeigen(const clTurnier& t)
{
    std::vector<wxString> namen;
    for (int snr = 1; snr <= t.getAnzahlTeilnehmer(); ++snr)
        namen.push_back(t.getTeilnehmer(snr)->getAnzeige());
    return namen;
}

std::vector<clTeilnehmer*> roster(const clTurnier& t)
{
    std::vector<clTeilnehmer*> tl;
    for (int snr = 1; snr <= t.getAnzahlTeilnehmer(); ++snr)
        tl.push_back(t.getTeilnehmer(snr));
    return tl;
}

// The display names a roster of new rows (first name, surname, display name) ends with.
std::vector<wxString> eindeutig(std::initializer_list<spEditData> zeilen)
{
    clTurnier t;
    vecEditListe el(zeilen);
    t.UpdateTeilnehmer(el);
    return anzeigen(t);
}

using Namen = std::vector<wxString>;
} // namespace

TEST(Teilnehmer, AbgleichLoeschtVerschiebtUndErgaenzt)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"});
    const std::vector<clTeilnehmer*> vorher = roster(tt.turnier);

    // Unchanged: the same participants in the same order.
    vecEditListe el;
    tt.turnier.fillEditListe(el);
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ(vorher, roster(tt.turnier));

    // Delete the second; the others close up.
    el[1].m_EditStatus |= esDeleted;
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ((std::vector<clTeilnehmer*>{vorher[0], vorher[2], vorher[3]}), roster(tt.turnier));
    for (int snr = 1; snr <= 3; ++snr)
        EXPECT_EQ(snr, tt.turnier.getTeilnehmer(snr)->getStartNr());
    // The list is refilled from the new roster.
    ASSERT_EQ(3u, el.size());
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(esClear, el[i].m_EditStatus);
        EXPECT_EQ(i, el[i].m_OldPos);
        EXPECT_EQ(tt.turnier.getTeilnehmer(i + 1)->getAnzeige(), el[i].m_Anzeige);
    }

    // Exchange the first two rows.
    std::swap(el[0], el[1]);
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ((Namen{"Carla", "Anna", "Dora"}), anzeigen(tt.turnier));
    EXPECT_EQ(1, tt.turnier.getTeilnehmer(1)->getStartNr());

    // Added and deleted again before applying: nobody comes, nobody goes.
    el.push_back(neueZeile("Emil", ""));
    el.back().m_EditStatus |= esDeleted;
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ((Namen{"Carla", "Anna", "Dora"}), anzeigen(tt.turnier));

    // A new row among the others takes its place in the list.
    el.insert(el.begin() + 1, neueZeile("Emil", "Ernst"));
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ((Namen{"Carla", "Emil", "Anna", "Dora"}), anzeigen(tt.turnier));
    EXPECT_EQ(4, tt.wertungTB.getAnzahl());
}

TEST(Teilnehmer, AnzeigenameWirdErgaenzt)
{
    EXPECT_EQ((Namen{"Berg", "Anna", "Tom", " x "}),
              eindeutig({neueZeile("", "Berg"), neueZeile("Anna", "Berg2"), neueZeile("", "", "Tom"),
                         neueZeile("Anna", "Berg3", " x ")}));

    clTurnier t;
    vecEditListe el;
    for (int i = 0; i < 123; ++i)
        el.push_back(neueZeile("", ""));
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
}

TEST(Teilnehmer, GleicheAnzeigenamenWerdenEindeutig)
{
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

TEST(Teilnehmer, NurNamenGeaendertBehaeltSpielplanUndErgebnisse)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    tt.satz(sp, 1, 11, 5);
    tt.satz(sp, 2, 11, 7);
    const int sieger = sp->getT1()->getStartNr();
    const int verlierer = sp->getT2()->getStartNr();

    // Rename the loser to the winner's name: only names change, made unique as always.
    vecEditListe el;
    tt.turnier.fillEditListe(el);
    el[verlierer - 1].m_EditStatus |= esDirty;
    el[verlierer - 1].m_Anzeige = el[sieger - 1].m_Anzeige;
    el[verlierer - 1].m_Name = "Zorn";
    EXPECT_FALSE(tt.turnier.verwirftErgebnisse(el));
    tt.turnier.UpdateTeilnehmer(el);

    EXPECT_EQ(sp, tt.turnier.getSpiel(1, 1));
    EXPECT_EQ(11, sp->getSatzErg(2).P1);
    EXPECT_TRUE(tt.turnier.hatErgebnisse());
    EXPECT_EQ(1, tt.wertungTB.getWertung(sieger).m_AnzahlSpiele);
    EXPECT_EQ(1, tt.wertungTB.getWertung(verlierer).m_AnzahlSpiele);
    EXPECT_EQ(sieger, tt.wertungTB.getStartNrAufPlatz(0));
    EXPECT_EQ(tt.turnier.getTeilnehmer(sieger)->getAnzeige() + "Z",
              tt.turnier.getTeilnehmer(verlierer)->getAnzeige());
}

TEST(Teilnehmer, NeuerBestandVerwirftErgebnisseUndWertung)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    vecEditListe el;
    tt.turnier.fillEditListe(el);
    // Nothing entered yet: nothing to lose, whatever the list does.
    el[0].m_EditStatus |= esDeleted;
    EXPECT_FALSE(tt.turnier.verwirftErgebnisse(el));

    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    tt.satz(sp, 1, 11, 5);
    tt.satz(sp, 2, 11, 7);
    EXPECT_TRUE(tt.turnier.verwirftErgebnisse(el));
    tt.turnier.fillEditListe(el);
    std::swap(el[2], el[3]);
    EXPECT_TRUE(tt.turnier.verwirftErgebnisse(el));
    tt.turnier.fillEditListe(el);
    el.push_back(neueZeile("Emil", ""));
    EXPECT_TRUE(tt.turnier.verwirftErgebnisse(el));

    // One leaves, one comes: the same number of participants, yet the standings
    // must restart with the new schedule.
    tt.turnier.fillEditListe(el);
    el[3].m_EditStatus |= esDeleted;
    el.push_back(neueZeile("Emil", ""));
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ((Namen{"Anna", "Bernd", "Carla", "Emil"}), anzeigen(tt.turnier));
    EXPECT_FALSE(tt.turnier.hatErgebnisse());
    for (int snr = 1; snr <= 4; ++snr)
    {
        EXPECT_EQ(0, tt.wertungTB.getWertung(snr).m_AnzahlSpiele);
        EXPECT_EQ(snr, tt.wertungTB.getStartNrAufPlatz(snr - 1));
    }
    EXPECT_EQ(3, tt.turnier.getAnzahlRunden());
}
