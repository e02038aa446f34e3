#include <gtest/gtest.h>

#include <functional>

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

namespace
{
// Every entry of the schedule as "A:B sets mark" by the display names of its
// pairing, seen from the name that sorts first ("w1": A did not play, "a2": B
// retired); sorted, separated by '|'. Lines with a name of weg are left out.
wxString paarungen(const TestTurnier& tt, const std::vector<wxString>& weg = {})
{
    wxArrayString zeilen;
    for (const clTTSpiel* sp : tt.alleSpiele())
    {
        const bool tausch = sp->getT2()->getAnzeige() < sp->getT1()->getAnzeige();
        const wxString a = (tausch ? sp->getT2() : sp->getT1())->getAnzeige();
        const wxString b = (tausch ? sp->getT1() : sp->getT2())->getAnzeige();
        if (!sp->hatEingaben() || std::find(weg.begin(), weg.end(), a) != weg.end() ||
            std::find(weg.begin(), weg.end(), b) != weg.end())
            continue;
        wxString z = a + ":" + b;
        for (int s = 1; s <= sp->getAnzSaetze(); ++s)
        {
            const satz x = sp->getSatzErg(s);
            if (x.P1 >= 0)
                z << " " << (tausch ? x.P2 : x.P1) << ":" << (tausch ? x.P1 : x.P2);
        }
        if (sp->getAusfallSeite() != 0)
            z << " " << (sp->getAusfallArt() == ausfKampflos ? "w" : "a")
              << ((sp->getAusfallSeite() == 1) != tausch ? 1 : 2);
        zeilen.Add(z);
    }
    zeilen.Sort();
    return wxJoin(zeilen, '|');
}
} // namespace

// A new schedule for a changed roster, tables or mode keeps every pairing that is
// drawn again with its sets, walkover and retirement, whichever side it is drawn on
// now; only the results of a participant who leaves are lost, and named before.
// The standings follow as if the tournament had been loaded.
TEST(Turnier, NeuerSpielplanBehaeltJedeGebliebenePaarung)
{
    const struct
    {
        const char* verlust;
        std::function<void(vecEditListe&)> liste;
        int platten, modusIdx;
        std::vector<wxString> weg;
    } faelle[] = {
        {"",
         [](vecEditListe& el) {
             el.push_back({esNew, -1, "", "Hanna", ""});
         },
         2,
         0,
         {}},
        {"", [](vecEditListe& el) { el[6].m_EditStatus = esDeleted; }, 2, 0, {"Gerd"}},
        {"2 Ergebnisse von Dora gehen verloren.",
         [](vecEditListe& el) { el[3].m_EditStatus = esDeleted; },
         2,
         0,
         {"Dora"}},
        {"3 Ergebnisse von Dora und Emil gehen verloren.",
         [](vecEditListe& el) { el[3].m_EditStatus = el[4].m_EditStatus = esDeleted; },
         2,
         0,
         {"Dora", "Emil"}},
        {"", [](vecEditListe& el) { std::swap(el[0], el[1]); }, 2, 0, {}},
        {"", [](vecEditListe&) {}, 3, 0, {}},
        {"", [](vecEditListe&) {}, 2, 2, {}},
    };
    for (const auto& f : faelle)
    {
        SCOPED_TRACE(::testing::Message() << f.verlust << f.platten << f.modusIdx);
        TestTurnier tt;
        tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frank", L"Gerd"}, 2);
        tt.trage("1:2 5 7|1:3 -5 9 3|2:4 w|3:6 a|4:5 8 8|2:5 7 -8 4|1:6 w");
        const wxString vorher = paarungen(tt, f.weg);
        vecEditListe el;
        tt.turnier.fillEditListe(el);
        f.liste(el);
        EXPECT_EQ(wxString(f.verlust), tt.turnier.verloreneErgebnisse(el));
        tt.turnier.UpdateTeilnehmer(el);
        allgemein alg = *tt.turnier.getAllgemein();
        alg.Platten = f.platten;
        alg.ModusIdx = f.modusIdx;
        tt.turnier.setAllgemein(&alg);
        tt.turnier.Aktualisieren(false);
        EXPECT_EQ(vorher, paarungen(tt));
        TestTurnier geladen;
        geladen.turnier.setzeAbbild(tt.turnier.getAbbild());
        for (int platz = 0; platz < tt.wertungTB.getAnzahl(); ++platz)
            EXPECT_EQ(zeile(geladen.wertungTB, platz, tt.wertungTB.GetNumberCols()),
                      zeile(tt.wertungTB, platz, tt.wertungTB.GetNumberCols()));
    }
}
