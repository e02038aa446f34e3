#include <gtest/gtest.h>

#include <tuple>

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
// The result of every match with an entry between participants named in namen
// (display names separated by blanks), as "A:B result" from both sides; sorted.
wxString paarungen(const TestTurnier& tt, const wxString& namen)
{
    wxArrayString zeilen;
    for (const clTTSpiel* sp : tt.alleSpiele())
    {
        const wxString a = sp->getT1()->getAnzeige(), b = sp->getT2()->getAnzeige();
        sWertung w1, w2;
        sp->getErgebnis(w1, w2);
        if (sp->hatEingaben() && (" " + namen + " ").Contains(" " + a + " ") &&
            (" " + namen + " ").Contains(" " + b + " "))
        {
            zeilen.Add(a + ":" + b + " " + wertung(w1));
            zeilen.Add(b + ":" + a + " " + wertung(w2));
        }
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
    // The rows by first name in their new order, tables, mode and the loss named.
    const std::tuple<const char*, int, int, const char*> faelle[] = {
        {"Anna Bernd Carla Dora Emil Frank Gerd Hanna", 2, 0, ""},
        {"Anna Bernd Carla Dora Emil Frank", 2, 0, ""},
        {"Anna Bernd Carla Emil Frank Gerd", 2, 0, "2 Ergebnisse von Dora gehen verloren."},
        {"Anna Bernd Carla Frank Gerd", 2, 0, "3 Ergebnisse von Dora und Emil gehen verloren."},
        {"Bernd Anna Carla Dora Emil Frank Gerd", 2, 0, ""},
        {"Anna Bernd Carla Dora Emil Frank Gerd", 3, 0, ""},
        {"Anna Bernd Carla Dora Emil Frank Gerd", 2, 2, ""},
    };
    for (const auto& [liste, platten, modusIdx, verlust] : faelle)
    {
        SCOPED_TRACE(::testing::Message() << liste << platten << modusIdx);
        TestTurnier tt;
        tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frank", L"Gerd"}, 2);
        tt.trage("1:2 5 7|1:3 -5 9 3|2:4 w|3:6 a|4:5 8 8|2:5 7 -8 4|1:6 w");
        const wxString vorher = paarungen(tt, liste);
        vecEditListe alt, el;
        tt.turnier.fillEditListe(alt);
        // Anna to Gerd keep their rows (their initials run A to G); any other name is new.
        for (const wxString& name : wxSplit(liste, ' '))
            el.push_back(name[0] < 'H' ? alt[name[0] - 'A']
                                       : spEditData{esNew, -1, "", name, "", "", KeineTTR});
        EXPECT_EQ(wxString(verlust), tt.turnier.verloreneErgebnisse(el));
        tt.turnier.UpdateTeilnehmer(el);
        const allgemein alg{"ein Turnier", "ein Verein", "hier", "heute", platten, modusIdx};
        tt.turnier.setAllgemein(&alg);
        tt.turnier.Aktualisieren(false);
        EXPECT_EQ(vorher, paarungen(tt, liste));
        TestTurnier geladen;
        geladen.turnier.setzeAbbild(tt.turnier.getAbbild());
        EXPECT_EQ(geladen.stand(), tt.stand());
    }
}
