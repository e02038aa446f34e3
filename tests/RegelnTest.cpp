#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <tuple>

#include "ModellHilfen.h"
#include "clDirekterVergleich.h"
#include "clKreuzTableBase.h"
#include "clKurzeingabe.h"
#include <wx/ffile.h>
#include <wx/filename.h>

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

// Enters the result of a against b in short form, seen from a.
void ergebnis(TestTurnier& tt, int a, int b, const wxString& kurz)
{
    clTTSpiel* sp = tt.spielZwischen(a, b);
    std::vector<satz> saetze;
    wxString fehler;
    ASSERT_TRUE(clKurzeingabe::lies(kurz, sp->getGewinnsaetze(), saetze, fehler)) << fehler;
    if (sp->getT1()->getStartNr() != a)
        for (satz& s : saetze)
            std::swap(s.P1, s.P2);
    sp->setSaetze(saetze);
    tt.turnier.pruefeWertung(sp);
}

void kampflos(TestTurnier& tt, int verlierer, int gegner, modAusfall art = ausfKampflos)
{
    clTTSpiel* sp = tt.spielZwischen(verlierer, gegner);
    sp->setAusfall(art, sp->getT1()->getStartNr() == verlierer ? 1 : 2);
    tt.turnier.pruefeWertung(sp);
}

// The standings as shown: place and name, the lot marked.
wxString tabelle(TestTurnier& tt)
{
    wxString text;
    for (int platz = 0; platz < tt.wertungTB.getAnzahl(); ++platz)
        text += wxString::Format(
            "%s%s %s ", tt.wertungTB.GetRowLabelValue(platz), tt.wertungTB.entscheidetLos(platz) ? "L" : "",
            tt.turnier.getTeilnehmer(tt.wertungTB.getStartNrAufPlatz(platz))->getAnzeige());
    return text.Trim();
}

wxString wertung(const sWertung& w)
{
    return wxString::Format("%d:%d %d:%d %d:%d %d:%d", w.m_Spiel.eigene, w.m_Spiel.gegner, w.m_Satz.eigene,
                            w.m_Satz.gegner, w.m_Punkte.eigene, w.m_Punkte.gegner, w.m_Spielpunkte.eigene,
                            w.m_Spielpunkte.gegner);
}
} // namespace

// Matches, sets, points and match points of side 1 for each way a match can end.
TEST(Regeln, ErgebnisJeNachGewinnsaetzenUndAusfall)
{
    const std::vector<std::tuple<int, std::vector<satz>, modAusfall, int, bool, const char*>> faelle = {
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
        // Retirement: the sets played count, the winner gets the sets missing to G.
        {3, {{11, 5}, {5, 11}, {4, 1}}, ausfAufgabe, 2, true, "1:0 3:1 20:17 2:0"},
        {3, {}, ausfAufgabe, 1, true, "0:1 0:3 0:0 0:2"},
        // A side that retires cannot have won the match.
        {2, {{11, 5}, {11, 5}}, ausfAufgabe, 1, true, "0:1 1:2 22:10 0:2"},
    };
    for (const auto& [g, saetze, art, seite, entschieden, erwartet] : faelle)
    {
        SCOPED_TRACE(erwartet);
        clTeilnehmer a, b;
        clTTSpiel sp(&a, &b);
        sp.setGewinnsaetze(g);
        sp.setSaetze(saetze);
        sp.setAusfall(art, seite);
        sWertung w1, w2;
        EXPECT_EQ(entschieden, sp.bestimmeErgebnis(w1, w2));
        EXPECT_EQ(erwartet, wertung(w1));
        std::swap(w2.m_Spiel.eigene, w2.m_Spiel.gegner);
        std::swap(w2.m_Satz.eigene, w2.m_Satz.gegner);
        std::swap(w2.m_Punkte.eigene, w2.m_Punkte.gegner);
        std::swap(w2.m_Spielpunkte.eigene, w2.m_Spielpunkte.gegner);
        EXPECT_EQ(erwartet, wertung(w2));
    }
}

TEST(Regeln, EntscheidungssatzUndWenigerGewinnsaetze)
{
    clTeilnehmer a, b;
    clTTSpiel sp(&a, &b);
    sp.setGewinnsaetze(3);
    sp.setSaetze({{11, 5}, {5, 11}, {11, 5}, {11, 9}, {11, 2}});
    EXPECT_EQ(4, sp.getEntscheidungssatz());
    EXPECT_TRUE(sp.hatSaetzeUeber(2));
    EXPECT_FALSE(sp.hatSaetzeUeber(3));
    sp.setGewinnsaetze(2);
    EXPECT_EQ(3, sp.getAnzSaetze());
    EXPECT_EQ(-1, sp.getSatzErg(4).P1);
    EXPECT_EQ(3, sp.getEntscheidungssatz());
    sp.setGewinnsaetze(3);
    EXPECT_EQ(-1, sp.getSatzErg(4).P1) << "discarded sets do not come back";
}

TEST(Regeln, Kurzeingabe)
{
    const std::vector<std::tuple<const char*, int, const char*>> gueltig = {
        {"5 -7 9", 2, "11:5, 7:11, 11:9"},
        {"5,-7,9", 2, "11:5, 7:11, 11:9"},
        {" 5 , -7 ,9 ", 2, "11:5, 7:11, 11:9"},
        {"-12 -3", 2, "12:14, 3:11"},
        {"10 15", 2, "12:10, 17:15"},
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

// Worked examples of the ITTF placing, computed by hand.
TEST(Regeln, ITTFPlatzierung)
{
    struct stFall
    {
        const char* name;
        int n;
        std::function<void(TestTurnier&)> ergebnisse;
        const char* tabelle;
    };
    const stFall faelle[] = {
        // A and B have 5 match points, C and D 4: their matches decide.
        {"Zweikampf", 4,
         [](TestTurnier& tt)
         {
             ergebnis(tt, 2, 1, "5 5");
             ergebnis(tt, 1, 3, "5 5");
             ergebnis(tt, 1, 4, "5 5");
             ergebnis(tt, 3, 2, "5 5");
             ergebnis(tt, 2, 4, "5 5");
             ergebnis(tt, 4, 3, "5 5");
         },
         "1 B 2 A 3 D 4 C"},
        // A circle of three: the set ratio among them (3:2, 3:3, 2:3).
        {"Satzquotient", 3,
         [](TestTurnier& tt)
         {
             ergebnis(tt, 1, 2, "5 5");
             ergebnis(tt, 2, 3, "5 -5 5");
             ergebnis(tt, 3, 1, "5 -5 5");
         },
         "1 A 2 C 3 B"},
        // Sets 3:3 each; points 43:38, 42:51 and 56:52. By points won C would lead.
        {"Punktquotient", 3,
         [](TestTurnier& tt)
         {
             ergebnis(tt, 1, 2, "0 -0 0");
             ergebnis(tt, 2, 3, "9 -9 9");
             ergebnis(tt, 3, 1, "5 -5 5");
         },
         "1 A 2 C 3 B"},
        // Nothing separates the circle: one shared place, the lot decides.
        {"Los", 3,
         [](TestTurnier& tt)
         {
             ergebnis(tt, 1, 2, "5 -5 5");
             ergebnis(tt, 2, 3, "5 -5 5");
             ergebnis(tt, 3, 1, "5 -5 5");
         },
         "1L A 1L B 1L C"},
        // A won by walkover gets 2, B lost by walkover 0 and stays behind; A and
        // C have 3 each and C beat A.
        {"Kampflos", 3,
         [](TestTurnier& tt)
         {
             kampflos(tt, 2, 1);
             ergebnis(tt, 2, 3, "5 5");
             ergebnis(tt, 3, 1, "5 5");
         },
         "1 C 2 A 3 B"},
        // A retirement gives no match point either. B and C, D and E stay equal,
        // but not for the lot: they have matches to play.
        {"Aufgabe", 5,
         [](TestTurnier& tt)
         {
             kampflos(tt, 1, 2, ausfAufgabe);
             ergebnis(tt, 3, 1, "5 5");
         },
         "1 B 1 C 3 A 4 D 4 E"},
    };
    for (const stFall& fall : faelle)
    {
        SCOPED_TRACE(fall.name);
        TestTurnier tt;
        erstelleMitRegeln(tt, fall.n, 2, platzITTF);
        fall.ergebnisse(tt);
        EXPECT_EQ(fall.tabelle, tabelle(tt));
    }
}

// A group of four with equal match points: A wins all three matches among them,
// B, C and D make a circle. They are ordered again among themselves by their set
// ratio (B 3:2, D 3:3, C 2:3); with A's matches counted it would be D, B, C.
TEST(Regeln, ITTFTeilgruppeWirdNeuGeordnet)
{
    std::vector<spBegegnung> bg;
    for (auto [a, b, sa, sb] :
         {std::tuple{0, 1, 2, 0}, {0, 2, 2, 1}, {0, 3, 2, 1}, {1, 2, 2, 0}, {2, 3, 2, 1}, {3, 1, 2, 1}})
    {
        spBegegnung x;
        x.a = a;
        x.b = b;
        x.wa.m_Spielpunkte = {2, 1};
        x.wa.m_Satz = {sa, sb};
        bg.push_back(x);
    }
    std::vector<int> rangliste, gleichAb;
    clDirekterVergleich({6, 6, 6, 6}, bg).ordne(rangliste, gleichAb);
    EXPECT_EQ((std::vector<int>{0, 1, 3, 2}), rangliste);
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), gleichAb);
}

TEST(Regeln, QuotientenGanzzahligVerglichen)
{
    // 1/3 and 2/6 are equal; floating point would not see that 100000001/100000000 is bigger than 1.
    EXPECT_EQ(0, clDirekterVergleich::vergleicheQuotient(1, 3, 2, 6));
    EXPECT_EQ(1, clDirekterVergleich::vergleicheQuotient(100000001, 100000000, 7, 7));
    EXPECT_EQ(1, clDirekterVergleich::vergleicheQuotient(1, 0, 1000, 1));
    EXPECT_EQ(0, clDirekterVergleich::vergleicheQuotient(0, 0, 3, 0));
    EXPECT_EQ(-1, clDirekterVergleich::vergleicheQuotient(2, 3, 3, 4));
}

// Random tournaments with walkovers and retirements against a plain recomputation
// of the rule: the same order and the same shared places.
TEST(Regeln, ITTFWieNachgerechnet)
{
    for (unsigned saat = 1; saat <= 40; ++saat)
    {
        SCOPED_TRACE(saat);
        std::mt19937 zufall(saat);
        auto zahl = [&zufall](int von, int bis)
        { return std::uniform_int_distribution<int>(von, bis)(zufall); };
        const int n = zahl(3, 9);
        const int g = zahl(2, 4);
        TestTurnier tt;
        erstelleMitRegeln(tt, n, g, platzITTF);
        for (clTTSpiel* sp : tt.alleSpiele())
        {
            const int art = zahl(0, 9);
            if (art < 2)
                continue;
            if (art < 4)
                sp->setAusfall(art == 2 ? ausfKampflos : ausfAufgabe, zahl(1, 2));
            // Few distinct scores, so that ties are common.
            std::vector<satz> saetze;
            for (int gew[2] = {0, 0}; gew[0] < g && gew[1] < g && art >= 4;)
            {
                const int seite = zahl(0, 1);
                ++gew[seite];
                const int verlierer = 3 * zahl(0, 2);
                saetze.push_back(seite == 0 ? satz{11, verlierer} : satz{verlierer, 11});
            }
            if (art >= 4)
                sp->setSaetze(saetze);
            tt.turnier.pruefeWertung(sp);
        }

        // Every decided match, seen from both sides.
        std::vector<std::vector<const sWertung*>> gegen(n, std::vector<const sWertung*>(n, nullptr));
        std::vector<std::pair<sWertung, sWertung>> ergebnisse;
        ergebnisse.reserve(tt.alleSpiele().size());
        for (clTTSpiel* sp : tt.alleSpiele())
        {
            sWertung w1, w2;
            if (!sp->getErgebnis(w1, w2))
                continue;
            ergebnisse.emplace_back(w1, w2);
            gegen[sp->getT1()->getStartNr() - 1][sp->getT2()->getStartNr() - 1] = &ergebnisse.back().first;
            gegen[sp->getT2()->getStartNr() - 1][sp->getT1()->getStartNr() - 1] = &ergebnisse.back().second;
        }
        // Sums of x over the matches against the members of gruppe (all when empty).
        auto summe = [&](int x, const std::vector<int>& gruppe, auto teil)
        {
            long long eigen = 0, gegner = 0;
            for (int y = 0; y < n; ++y)
                if (gegen[x][y] && (gruppe.empty() || std::count(gruppe.begin(), gruppe.end(), y)))
                {
                    eigen += teil(*gegen[x][y]).eigene;
                    gegner += teil(*gegen[x][y]).gegner;
                }
            return std::pair{eigen, gegner};
        };
        const auto sp = [](const sWertung& w) { return w.m_Spielpunkte; };
        const auto st = [](const sWertung& w) { return w.m_Satz; };
        const auto pk = [](const sWertung& w) { return w.m_Punkte; };
        // -1 when x ranks before y by one step among gruppe.
        auto schritt = [&](int k, int x, int y, const std::vector<int>& gruppe)
        {
            if (k == 0)
                return (summe(y, gruppe, sp).first > summe(x, gruppe, sp).first) -
                       (summe(y, gruppe, sp).first < summe(x, gruppe, sp).first);
            const auto a = k == 1 ? summe(x, gruppe, st) : summe(x, gruppe, pk);
            const auto b = k == 1 ? summe(y, gruppe, st) : summe(y, gruppe, pk);
            return -clDirekterVergleich::vergleicheQuotient(a.first, a.second, b.first, b.second);
        };
        std::vector<std::pair<int, int>> erwartet; // participant, first place equal with it
        std::function<void(std::vector<int>, int)> ordne = [&](std::vector<int> gruppe, int k)
        {
            if (gruppe.size() == 1 || k == 3)
            {
                const int erster = static_cast<int>(erwartet.size());
                for (int x : gruppe)
                    erwartet.emplace_back(x, erster);
                return;
            }
            const std::vector<int> unter = gruppe;
            std::stable_sort(gruppe.begin(), gruppe.end(),
                             [&](int x, int y) { return schritt(k, x, y, unter) < 0; });
            for (size_t i = 0; i < gruppe.size();)
            {
                size_t j = i + 1;
                while (j < gruppe.size() && schritt(k, gruppe[i], gruppe[j], unter) == 0)
                    ++j;
                const std::vector<int> teil(gruppe.begin() + i, gruppe.begin() + j);
                ordne(teil, teil.size() == gruppe.size() ? k + 1 : 0);
                i = j;
            }
        };
        std::vector<int> alle(n);
        for (int i = 0; i < n; ++i)
            alle[i] = i;
        std::stable_sort(alle.begin(), alle.end(), [&](int x, int y) { return schritt(0, x, y, {}) < 0; });
        for (size_t i = 0; i < alle.size();)
        {
            size_t j = i + 1;
            while (j < alle.size() && schritt(0, alle[i], alle[j], {}) == 0)
                ++j;
            ordne(std::vector<int>(alle.begin() + i, alle.begin() + j), 0);
            i = j;
        }
        for (int platz = 0; platz < n; ++platz)
        {
            EXPECT_EQ(erwartet[platz].first + 1, tt.wertungTB.getStartNrAufPlatz(platz));
            EXPECT_EQ(erwartet[platz].second, tt.wertungTB.getGeteilterPlatz(platz));
        }
    }
}

// By wins, sets and points a walkover is a match won and lost like any other:
// B's 3:0 without points stands behind C's 3:0 with 33 points.
TEST(Regeln, KampflosInDerSiegwertung)
{
    TestTurnier tt;
    erstelleMitRegeln(tt, 3, 3, platzSiege);
    kampflos(tt, 1, 2);
    ergebnis(tt, 3, 1, "5 5 5");
    EXPECT_EQ("1 C 2 B 3 A", tabelle(tt));
    EXPECT_EQ(2, tt.wertungTB.getWertung(1).m_AnzahlSpiele);
    EXPECT_EQ("0:2 0:6 15:33 1:4", wertung(tt.wertungTB.getWertung(1).wertung));
}

// Lines 7 and 8 of the general data and the walkover marks, as written and as a
// hand may have changed them: values out of range fall back to the default, sets
// are read by position up to 2G-1, a mark may stand anywhere after the names.
TEST(Regeln, DateiMitRegeln)
{
    const wxString datei = wxFileName::CreateTempFileName("quobel-regeln");
    auto lade = [&datei](TestTurnier& tt, const char* allgemein7und8, const char* runden)
    {
        wxFFile(datei, "w")
            .Write(wxString::Format("#!! Allgemein\nT\nV\nD\nO\n1\n0\n%s#!! Teilnehmer\nA, A, A\nB, B, B\nC, "
                                    "C, C\n#!! Spielplan\n4\n"
                                    "#!! Runden\n%s#!! EOF\n",
                                    allgemein7und8, runden));
        wxString fehler;
        ASSERT_TRUE(tt.turnier.liesTurnierDaten(datei, &fehler)) << fehler;
    };
    TestTurnier tt;
    lade(tt, "3\n1\n", "(B:C,11: 5, 5:11,11: 5, 5:11,11: 5,11: 5)\n(C:A, wo1 )\n(A:B,ab2,11:9)\n");
    EXPECT_EQ(3, tt.turnier.getAllgemein()->Gewinnsaetze);
    EXPECT_EQ(platzITTF, tt.wertungTB.getPlatzierungsmodus());
    EXPECT_EQ(5, tt.turnier.getSpiel(1, 1)->getEntscheidungssatz());
    EXPECT_EQ(-1, tt.turnier.getSpiel(1, 1)->getSatzErg(6).P1);
    EXPECT_EQ(1, tt.turnier.getSpiel(2, 1)->getAusfallSeite());
    EXPECT_EQ(ausfAufgabe, tt.turnier.getSpiel(3, 1)->getAusfallArt());
    EXPECT_EQ(11, tt.turnier.getSpiel(3, 1)->getSatzErg(1).P1);
    EXPECT_EQ("1 A 2 B 3 C", tabelle(tt));

    // Written back, the marks follow the sets; the sixth set is gone.
    ASSERT_TRUE(tt.turnier.speichereTurnierDaten(datei));
    wxString text;
    wxFFile(datei).ReadAll(&text);
    EXPECT_TRUE(text.Contains("T\nV\nD\nO\n1\n0\n3\n1\n#")) << text;
    EXPECT_TRUE(text.Contains("(B:C,11: 5, 5:11,11: 5, 5:11,11: 5)\n(C:A,wo1)\n(A:B,11: 9,ab2)\n")) << text;

    TestTurnier standard;
    lade(standard, "9\n-1\n", "");
    EXPECT_EQ(2, standard.turnier.getAllgemein()->Gewinnsaetze);
    EXPECT_EQ(0, standard.turnier.getAllgemein()->PlatzierungIdx);
    ASSERT_TRUE(standard.turnier.speichereTurnierDaten(datei));
    wxFFile(datei).ReadAll(&text);
    EXPECT_TRUE(text.Contains("O\n1\n0\n#")) << "a default tournament has six general lines";
    wxRemoveFile(datei);
}

// Best of five in the rounds grid: seven columns a table, the head row, Enter
// leaves a match after its deciding set, a set typed after it is marked.
TEST(Regeln, RundenrasterBestOfFive)
{
    TestTurnier tt;
    erstelleMitRegeln(tt, 4, 3, platzSiege);
    clSpieleTableBase& tb = tt.spieleTB;
    const int platten = tt.turnier.getAllgemein()->Platten;
    EXPECT_EQ(7 * platten + 2, tb.GetNumberCols());
    wxString kopf;
    for (int col = 0; col < 7; ++col)
        kopf += tb.GetValue(0, col) + "|";
    EXPECT_EQ("|Satz|1|2|3|4|5|", kopf);

    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    for (auto [col, p1, p2] : {std::tuple{2, "11", "5"}, {3, "11", "7"}, {4, "11", "9"}, {6, "11", "2"}})
    {
        tb.SetValue(1, col, p1);
        tb.SetValue(2, col, p2);
    }
    EXPECT_EQ(3, sp->getEntscheidungssatz());
    auto warnung = [&tb](int row, int col)
    {
        wxGridCellAttr* attr = tb.GetAttr(row, col, wxGridCellAttr::Any);
        const bool ja = attr != nullptr && attr->HasBackgroundColour() &&
                        attr->GetBackgroundColour() == clSpieleTableBase::Warnfarbe;
        if (attr != nullptr)
            attr->DecRef();
        return ja;
    };
    EXPECT_FALSE(warnung(1, 4));
    EXPECT_TRUE(warnung(2, 6)) << "the fifth set was typed after the match was decided";
    // Side 2 of set 2 goes on to set 3; after set 3, which decided the match, the next match.
    int row = 2, col = 3;
    ASSERT_TRUE(tb.naechsteEingabezelle(row, col));
    EXPECT_EQ(std::make_pair(1, 4), std::make_pair(row, col));
    row = 2;
    col = 4;
    ASSERT_TRUE(tb.naechsteEingabezelle(row, col));
    EXPECT_EQ(std::make_pair(5, 2), std::make_pair(row, col));
    // The short form goes on to the next match without any entry.
    tt.satz(tt.turnier.getSpiel(2, 1), 1, 11, 3);
    ASSERT_TRUE(tb.naechstesSpiel(1, 1, true, row, col));
    EXPECT_EQ(std::make_pair(9, 2), std::make_pair(row, col));
}

// Each cell is the result from the row's side, walkovers and retirements marked;
// then the wins or match points and the shared place.
TEST(Regeln, Kreuztabelle)
{
    TestTurnier tt;
    erstelleMitRegeln(tt, 4, 2, platzITTF);
    ergebnis(tt, 1, 2, "5 -5 5");
    kampflos(tt, 3, 1);
    kampflos(tt, 4, 2, ausfAufgabe);
    clKreuzTableBase kt(&tt.turnier);
    ASSERT_EQ(6, kt.GetNumberCols());
    wxString text;
    for (int row = -1; row < kt.GetNumberRows(); ++row)
    {
        text += (row < 0 ? wxString() : kt.GetRowLabelValue(row)) + ":";
        for (int col = 0; col < kt.GetNumberCols(); ++col)
            text += (row < 0 ? kt.GetColLabelValue(col) : kt.GetValue(row, col)) + "|";
        text += "\n";
    }
    EXPECT_EQ(":1|2|3|4|Spielpunkte|Platz|\n"
              "1  A:|2:1|2:0 w.o.||4|1|\n"
              "2  B:1:2|||2:0 Aufg.|3|2|\n"
              "3  C:0:2 w.o.||||0|3|\n"
              "4  D:|0:2 Aufg.|||0|3|\n",
              text.utf8_string());
    wxGridCellAttr* diagonale = kt.GetAttr(2, 2, wxGridCellAttr::Any);
    ASSERT_NE(nullptr, diagonale);
    EXPECT_EQ(clKreuzTableBase::Diagonalfarbe, diagonale->GetBackgroundColour());
    diagonale->DecRef();
}
