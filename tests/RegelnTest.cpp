#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "ModellHilfen.h"
#include "modell/clDirekterVergleich.h"
#include "tabellen/clKreuzTableBase.h"

namespace
{
// A tournament by the given rules whose participants are named A, B, C, ...
void erstelleMitRegeln(TestTurnier& tt, int n, int gewinnsaetze, modPlatzierung platzierung)
{
    std::vector<wxString> namen;
    for (int i = 0; i < n; ++i)
        namen.push_back(wxString(wxUniChar('A' + i)));
    tt.erstelle(namen);
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Gewinnsaetze = gewinnsaetze;
    alg.PlatzierungIdx = platzierung;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
}

// The standings as shown: place and name, "L" where the note says that the lot decides.
wxString tabelle(TestTurnier& tt)
{
    int hinweis = 0;
    while (hinweis < tt.wertungTB.GetNumberCols() && tt.wertungTB.GetColLabelValue(hinweis) != "Hinweis")
        ++hinweis;
    wxString text;
    for (int platz = 0; platz < tt.wertungTB.getAnzahl(); ++platz)
        text += wxString::Format("%s%s %s ", tt.wertungTB.GetRowLabelValue(platz),
                                 tt.wertungTB.GetValue(platz, hinweis).empty() ? "" : "L",
                                 tt.wertungTB.GetValue(platz, 0));
    return text.Trim();
}

} // namespace

// Matches, sets, points and match points of side 1 for each way a match can end;
// side 2 sees them mirrored.
TEST(Regeln, ErgebnisJeNachGewinnsaetzenUndAusfall)
{
    const std::vector<std::tuple<int, std::vector<satz>, modAusfall, int, bool, const char*>> faelle = {
        {2, {}, ausfKeiner, 0, false, "0:0 0:0 0:0 0:0"},
        {2, {{11, 9}, {8, 11}, {11, 7}}, ausfKeiner, 0, true, "1:0 2:1 30:27 2:1"},
        // A set after the match is decided still counts for sets and points.
        {2, {{11, 5}, {11, 5}, {11, 5}}, ausfKeiner, 0, true, "1:0 3:0 33:15 2:1"},
        // A set counts only with both sides entered; a negative score typed in is no score.
        {2, {{11, -1}, {-1, 11}, {-5, 11}, {100, 98}}, ausfKeiner, 0, false, "0:0 0:0 0:0 0:0"},
        // A tied or unfinished set is won by nobody, but its points count; so does every point of a deuce.
        {2, {{5, 5}, {0, 0}, {8, 6}}, ausfKeiner, 0, false, "0:0 0:0 13:11 0:0"},
        {2, {{11, 5}, {11, 10}, {23, 21}}, ausfKeiner, 0, true, "1:0 2:0 45:36 2:1"},
        {3, {{11, 5}, {7, 11}, {11, 9}, {11, 3}}, ausfKeiner, 0, true, "1:0 3:1 40:28 2:1"},
        {3, {{11, 5}, {7, 11}, {11, 9}, {3, 11}}, ausfKeiner, 0, false, "0:0 2:2 32:36 0:0"},
        {4,
         {{11, 5}, {5, 11}, {11, 5}, {5, 11}, {11, 5}, {5, 11}, {12, 14}},
         ausfKeiner,
         0,
         true,
         "0:1 3:4 60:62 1:2"},
        // The side that did not play loses G:0 without points, whatever was entered.
        {3, {{11, 5}}, ausfKampflos, 1, true, "0:1 0:3 0:0 0:2"},
        {2, {}, ausfKampflos, 2, true, "1:0 2:0 0:0 2:0"},
        // Retirement: the sets played count, the winner gets the sets missing to G;
        // the set broken off counts for nobody.
        {3, {{11, 5}, {5, 11}, {1, 4}}, ausfAufgabe, 2, true, "1:0 3:1 17:20 2:0"},
        {3, {}, ausfAufgabe, 1, true, "0:1 0:3 0:0 0:2"},
        // A side that retires cannot have won the match.
        {2, {{11, 5}, {11, 5}}, ausfAufgabe, 1, true, "0:1 1:2 22:10 0:2"},
    };
    for (const auto& [g, saetze, art, seite, entschieden, erwartet] : faelle)
    {
        clTeilnehmer a, b;
        clTTSpiel sp(&a, &b);
        sp.setGewinnsaetze(g);
        sp.setSaetze(saetze);
        sp.setAusfall(art, seite);
        sWertung w1, w2;
        EXPECT_EQ(entschieden, sp.bestimmeErgebnis(w1, w2)) << erwartet;
        EXPECT_EQ(erwartet, wertung(w1));
        EXPECT_EQ(erwartet, wertung(w2, true));
    }
}

// Once the standings counted a match, every later change of its entries, and
// taking it out of the standings, shows in the result asked for.
TEST(Regeln, ErgebnisFolgtDenEingaben)
{
    using Aenderung = std::function<void(clTTSpiel&, sWertung&, sWertung&)>;
    const std::vector<satz> nurEinSatz = {{4, 11}};
    const eingaben kampflos = {{}, ausfKampflos, 1};
    const std::vector<std::pair<Aenderung, const char*>> faelle = {
        {[](clTTSpiel& sp, sWertung&, sWertung&) { sp.setSatzErg(4, 9, 11); }, "0:0 2:2 36:34 0:0"},
        {[](clTTSpiel& sp, sWertung&, sWertung&) { sp.loescheSatzErg(1, 2); }, "0:0 2:1 27:27 0:0"},
        {[&](clTTSpiel& sp, sWertung&, sWertung&) { sp.setSaetze(nurEinSatz); }, "0:0 0:1 4:11 0:0"},
        {[&](clTTSpiel& sp, sWertung&, sWertung&) { sp.setEingaben(kampflos); }, "0:1 0:3 0:0 0:2"},
        {[](clTTSpiel& sp, sWertung&, sWertung&) { sp.setAusfall(ausfAufgabe, 1); }, "0:1 2:3 38:32 0:2"},
        {[](clTTSpiel& sp, sWertung&, sWertung&) { sp.setGewinnsaetze(2); }, "1:0 2:1 27:23 2:1"},
        {[](clTTSpiel& sp, sWertung& w1, sWertung& w2) { sp.altesErgebnis(w1, w2); }, "1:0 3:1 38:32 2:1"},
    };
    for (const auto& [aendere, erwartet] : faelle)
    {
        clTeilnehmer a, b;
        clTTSpiel sp(&a, &b);
        sp.setGewinnsaetze(3);
        sp.setSaetze({{11, 5}, {11, 7}, {5, 11}, {11, 9}});
        sWertung w1, w2;
        sp.bestimmeErgebnis(w1, w2);
        aendere(sp, w1, w2);
        sp.getErgebnis(w1, w2);
        EXPECT_EQ(erwartet, wertung(w1));
        EXPECT_EQ(erwartet, wertung(w2, true));
    }
}

TEST(Regeln, Kurzeingabe)
{
    const std::vector<std::tuple<const char*, int, const char*>> gueltig = {
        {"5 -7 9", 2, "11:5, 7:11, 11:9"},
        {" 5 , -7 ,9 ", 2, "11:5, 7:11, 11:9"},
        {"-12 -3", 2, "12:14, 3:11"},
        {"10 15", 2, "12:10, 17:15"},
        {"97 -9 5", 2, "99:97, 9:11, 11:5"},
        {"0 -0 +0", 2, "11:0, 0:11, 11:0"},
        {"3 4 5", 3, "11:3, 11:4, 11:5"},
        {"-1 -2 3 4 5 -6 7", 4, "1:11, 2:11, 11:3, 11:4, 11:5, 6:11, 11:7"},
    };
    for (const auto& [text, g, saetze] : gueltig)
    {
        std::vector<satz> s;
        wxString fehler;
        EXPECT_TRUE(clKurzeingabe::lies(text, g, s, fehler)) << text << ": " << fehler;
        EXPECT_EQ(saetze, clKurzeingabe::beschreibe(s)) << text;
    }
    // Each refusal names its reason and leaves nothing to store.
    const std::vector<std::tuple<const char*, int, const char*>> ungueltig = {
        {"", 2, "eingeben"},         {"5 x 9", 2, "„x“"},           {"5 -7", 2, "nicht entschieden"},
        {"5 6 7", 2, "nach dem 2."}, {"5 6 7 8", 3, "nach dem 3."}, {"100 5", 2, "„100“"},
        {"5.5 3", 2, "„5.5“"},       {"--5 3", 2, "„--5“"},         {"-5 -6 -7 8", 4, "nicht entschieden"},
        {"99 5", 2, "101:99"},       {"5 -98", 2, "98:100"},
    };
    for (const auto& [text, g, grund] : ungueltig)
    {
        std::vector<satz> s = {{1, 2}};
        wxString fehler;
        EXPECT_FALSE(clKurzeingabe::lies(wxString::FromUTF8(text), g, s, fehler)) << text;
        EXPECT_TRUE(s.empty());
        EXPECT_TRUE(fehler.Contains(wxString::FromUTF8(grund))) << text << ": " << fehler;
    }
}

// Worked examples of the three placings, computed by hand.
TEST(Regeln, Platzierung)
{
    // A (Ida) and B (Jörg) both win two of four matches (best of five), Ida with
    // sets 9:8, Jörg with 8:6; Ida beat Jörg.
    const char* const idaJoerg = "1:2 5 -5 5 -5 5|1:3 5 5 5|4:1 5 -5 5 -5 5|5:1 5 -5 5 5|2:3 5 5 5|2:4 5 5 5|"
                                 "5:2 5 5 5|3:4 5 5 5|5:3 5 5 5|5:4 5 5 5";
    const std::tuple<const char*, int, modPlatzierung, const char*, const char*> faelle[] = {
        // By sets won Ida goes first, by set difference Jörg, by the ITTF rule the
        // match between them decides.
        {"IdaJoergSiege", 5, platzSiege, idaJoerg, "1 E 2 A 3 B 4 C 5 D"},
        {"IdaJoergDifferenz", 5, platzDifferenz, idaJoerg, "1 E 2 B 3 A 4 C 5 D"},
        {"IdaJoergITTF", 5, platzITTF, idaJoerg, "1 E 2 A 3 B 4 C 5 D"},
        // Equal in wins, set and point difference: the matches among them decide.
        {"DifferenzZweikampf", 4, platzDifferenz, "2:1 5 5|1:3 5 5|1:4 5 5|3:2 5 5|2:4 5 5|4:3 5 5",
         "1 B 2 A 3 D 4 C"},
        // A circle of three: the set difference separates (+1, 0, -1); equal in
        // everything they share the place, and the lot decides.
        {"DifferenzKreis", 3, platzDifferenz, "1:2 5 5|2:3 5 -5 5|3:1 5 -5 5", "1 A 2 C 3 B"},
        {"DifferenzLos", 3, platzDifferenz, "1:2 5 -5 5|2:3 5 -5 5|3:1 5 -5 5", "1L A 1L B 1L C"},
        {"SiegeKreis", 3, platzSiege, "1:2 5 -5 5|2:3 5 -5 5|3:1 5 -5 5", "1 A 2 B 3 C"},
        // Before any match is counted the standings show no places.
        {"OhneSpiel", 3, platzSiege, "", " A  B  C"},
        {"OhneSpielITTF", 3, platzITTF, "", " A  B  C"},
        // A and B have 5 match points, C and D 4: their matches decide.
        {"Zweikampf", 4, platzITTF, "2:1 5 5|1:3 5 5|1:4 5 5|3:2 5 5|2:4 5 5|4:3 5 5", "1 B 2 A 3 D 4 C"},
        // A circle of three: the set ratio among them (3:2, 3:3, 2:3).
        {"Satzquotient", 3, platzITTF, "1:2 5 5|2:3 5 -5 5|3:1 5 -5 5", "1 A 2 C 3 B"},
        // Sets 3:3 each; points 43:38, 42:51 and 56:52. By points won C would lead.
        {"Punktquotient", 3, platzITTF, "1:2 0 -0 0|2:3 9 -9 9|3:1 5 -5 5", "1 A 2 C 3 B"},
        // Nothing separates the circle: one shared place, the lot decides, but only
        // once all of them have played every match (A lost to D by walkover).
        {"Los", 3, platzITTF, "1:2 5 -5 5|2:3 5 -5 5|3:1 5 -5 5", "1L A 1L B 1L C"},
        {"LosErstZuletzt", 4, platzITTF, "1:2 5 -5 5|2:3 5 -5 5|3:1 5 -5 5|1:4 w", "1 A 1 B 1 C 4 D"},
        // B lost to A by walkover: 0 match points; A and C have 3 each, C beat A.
        {"Kampflos", 3, platzITTF, "2:1 w|2:3 5 5|3:1 5 5", "1 C 2 A 3 B"},
        // A retirement gives no match point either. B and C, D and E stay equal,
        // but not for the lot: they have matches to play.
        {"Aufgabe", 5, platzITTF, "1:2 a|3:1 5 5", "1 B 1 C 3 A 4 D 4 E"},
        // A withdraws: its match without an entry goes to D by walkover, its matches
        // played stay (C and D share place 2: they have not met).
        {"Rueckzug", 4, platzITTF, "1:2 5 5|3:1 5 5|1:4 z", "1 A 2 C 2 D 4 B"},
        // By wins, sets and points a walkover is a match like any other: B's 2:0
        // without points stands behind C's 2:0 with 22.
        {"Siegwertung", 3, platzSiege, "1:2 w|3:1 5 5", "1 C 2 B 3 A"},
    };
    for (const auto& [name, n, platzierung, ergebnisse, erwartet] : faelle)
    {
        TestTurnier tt;
        erstelleMitRegeln(tt, n, ergebnisse == idaJoerg ? 3 : 2, platzierung);
        tt.trage(ergebnisse);
        EXPECT_EQ(erwartet, tabelle(tt)) << name;
    }
}

// A group of four with equal match points: A wins all three matches among them,
// B, C and D make a circle. They are ordered again among themselves by their set
// ratio (B 3:2, D 3:3, C 2:3); with A's matches counted it would be D, B, C.
TEST(Regeln, ITTFTeilgruppeWirdNeuGeordnet)
{
    std::vector<spBegegnung> bg;
    for (auto [a, b, sa, sb] :
         {std::tuple{0, 1, 2, 0}, {0, 2, 2, 1}, {3, 0, 1, 2}, {1, 2, 2, 0}, {2, 3, 2, 1}, {3, 1, 2, 1}})
    {
        spBegegnung x;
        x.a = a;
        x.b = b;
        x.wa.m_Spielpunkte = {sa > sb ? 2 : 1, sa > sb ? 1 : 2};
        x.wa.m_Satz = {sa, sb};
        bg.push_back(x);
    }
    std::vector<int> rangliste, gleichAb;
    clDirekterVergleich({6, 6, 6, 6}, bg).ordne(rangliste, gleichAb);
    EXPECT_EQ((std::vector<int>{0, 1, 3, 2}), rangliste);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), gleichAb);
    // Ratios exactly: 1/3 equals 2/6, 100000001/100000000 is more than 1, nothing lost is more than anything.
    for (auto [a, b, c, d, erwartet] : {std::tuple{1, 3, 2, 6, 0},
                                        {100000001, 100000000, 7, 7, 1},
                                        {1, 0, 1000, 1, 1},
                                        {0, 0, 3, 0, 0},
                                        {2, 3, 3, 4, -1}})
        EXPECT_EQ(erwartet, clDirekterVergleich::vergleicheQuotient(a, b, c, d));
}

// Lines 7 and 8 of the general data and the walkover marks, as written and as a
// hand may have changed them: values out of range fall back to the default, sets
// are read by position up to 2G-1, a mark may stand anywhere after the names.
TEST(Regeln, DateiMitRegeln)
{
    const TempDatei datei;
    wxString text;
    auto lade = [&](TestTurnier& tt, const char* allgemein7und8, const char* runden)
    {
        schreibeBytes(datei.pfad,
                      std::string("#!! Allgemein\nT\nV\nD\nO\n1\n0\n") + allgemein7und8 +
                          "#!! Teilnehmer\nA, A, A\nB, B, B\nC, C, C\n#!! Spielplan\n4\n#!! Runden\n" +
                          runden + "#!! EOF\n");
        ASSERT_TRUE(tt.turnier.liesTurnierDaten(datei.pfad));
        ASSERT_TRUE(tt.turnier.speichereTurnierDaten(datei.pfad));
        text = liesBytes(datei.pfad);
    };
    TestTurnier tt;
    lade(tt, "3\n1\n", "(B:C,11: 5, 5:11,11: 5, 5:11,11: 5,11: 5)\n(C:A, wo1 )\n(A:B,ab2,11:9)\n");
    EXPECT_EQ(platzITTF, tt.wertungTB.getPlatzierungsmodus());
    EXPECT_EQ(5, tt.turnier.getSpiel(1, 1)->getEntscheidungssatz());
    EXPECT_EQ("1 A 2 B 3 C", tabelle(tt));
    // Written back, the marks follow the sets; the sixth set is gone.
    EXPECT_TRUE(text.Contains("T\nV\nD\nO\n1\n0\n3\n1\n#")) << text;
    EXPECT_TRUE(text.Contains("(B:C,11: 5, 5:11,11: 5, 5:11,11: 5)\n(C:A,wo1)\n(A:B,11: 9,ab2)\n")) << text;

    TestTurnier standard;
    lade(standard, "9\n5\n", "");
    EXPECT_EQ(2, standard.turnier.getAllgemein()->Gewinnsaetze);
    EXPECT_TRUE(text.Contains("O\n1\n0\n#")) << "a default tournament has six general lines";
}

// Best of five in the rounds grid: seven columns a table, the head row, Enter
// leaves a match after its deciding set, a set typed after it is marked.
TEST(Regeln, RundenrasterBestOfFive)
{
    TestTurnier tt;
    erstelleMitRegeln(tt, 4, 3, platzSiege);
    clSpieleTableBase& tb = tt.spieleTB;
    EXPECT_EQ(":|Satz|1|2|3|4|5|", zeile(tb, 0, 7));
    for (auto [col, p1, p2] : {std::tuple{2, "11", "5"}, {3, "11", "7"}, {4, "11", "9"}, {6, "11", "2"}})
    {
        tb.SetValue(1, col, p1);
        tb.SetValue(2, col, p2);
    }
    EXPECT_EQ("", merkmale(tb, 1, 4));
    EXPECT_EQ("w", merkmale(tb, 2, 6)) << "the fifth set was typed after the match was decided";
    // Set 2 goes on to set 3; after set 3, which decided the match, to the next
    // match; the short form to the next match without any entry.
    tt.satz(tt.turnier.getSpiel(2, 1), 1, 11, 3);
    for (auto [von, nach, ohneErgebnis] : {std::tuple{std::pair{2, 3}, std::pair{1, 4}, false},
                                           {{2, 4}, {5, 2}, false},
                                           {{1, 1}, {9, 2}, true}})
    {
        auto [row, col] = von;
        ASSERT_TRUE(ohneErgebnis ? tb.naechstesSpiel(1, 1, true, row, col)
                                 : tb.naechsteEingabezelle(row, col));
        EXPECT_EQ(nach, std::make_pair(row, col));
    }
    // Fewer sets to win discard the sets beyond them: more sets do not bring them back.
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    sp->setGewinnsaetze(2);
    sp->setGewinnsaetze(3);
    EXPECT_EQ(-1, sp->getSatzErg(5).P1);
}

// Each cell is the result from the row's side, walkovers and retirements marked;
// then the match points and the shared place.
TEST(Regeln, Kreuztabelle)
{
    TestTurnier tt;
    erstelleMitRegeln(tt, 4, 2, platzITTF);
    tt.trage("1:2 5 -5 5|3:1 w|4:2 a");
    clKreuzTableBase kt(&tt.turnier);
    wxString text;
    for (int row = -1; row < kt.GetNumberRows(); ++row)
        text += zeile(kt, row, kt.GetNumberCols()) + "\n";
    EXPECT_EQ("1|2|3|4|Spielpunkte|Platz|\n"
              "1  A:|2:1|2:0 w.o.||4|1|\n"
              "2  B:1:2|||2:0 Aufg.|3|2|\n"
              "3  C:0:2 w.o.||||0|3|\n"
              "4  D:|0:2 Aufg.|||0|3|\n",
              text);
    wxGridCellAttr* diagonale = kt.GetAttr(2, 2, wxGridCellAttr::Any);
    ASSERT_NE(nullptr, diagonale);
    EXPECT_EQ(clKreuzTableBase::Diagonalfarbe, diagonale->GetBackgroundColour());
    diagonale->DecRef();
}
