#include <gtest/gtest.h>
#include <wx/regex.h>
#include <wx/tokenzr.h>

#include "ModellHilfen.h"
#include "ausgabe/clCsvExport.h"
#include "ausgabe/clHtmlAusgabe.h"

namespace
{
int zaehle(wxString text, const wxString& teil)
{
    return static_cast<int>(text.Replace(teil, wxString()));
}

// What a reader sees of the HTML: table cells end in '|', other tags vanish.
wxString sichtbar(wxString html)
{
    wxRegEx("</t[dh]>").Replace(&html, "|");
    wxRegEx("<[^>]*>|\n|&nbsp;").Replace(&html, "");
    return html;
}

// Five participants at two tables: ten matches in five rounds, one bye per round.
// Round 1 is Carla-Dora at table 1 and Bernd-Emil at table 2, Anna sits out.
struct Fuenf : TestTurnier
{
    Fuenf()
    {
        erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
        for (auto [p, s, p1, p2] :
             {std::tuple{1, 1, 11, 9}, {1, 2, 8, 11}, {1, 3, 9, 11}, {2, 1, 11, 5}, {2, 2, 4, -1}})
            satz(turnier.getSpiel(1, p), s, p1, p2); // Dora wins 2:1, the second match is open
    }
};
} // namespace

TEST(HtmlAusgabe, MaskiertJedenTextUndLaesstUmlauteStehen)
{
    EXPECT_EQ("a&lt;b&gt;c&amp;d&quot;e&#39;f", clHtmlAusgabe::maskiere("a<b>c&d\"e'f"));
    TestTurnier tt;
    tt.erstelle({L"<b>Max</b>", L"Tom & \"Jerry\"", L"Jürgen O'Neil"});
    const allgemein alg{"<script>alert(1)</script>", "", L"Köln <Süd>"};
    tt.turnier.setAllgemein(&alg);
    const clHtmlAusgabe aus(&tt.turnier);
    for (const wxString& html : {aus.erzeugeSpielplan(), aus.erzeugeSpielzettel(0), aus.erzeugeTabelle(),
                                 aus.erzeugeKopfzeile("<x>"), aus.erzeugeSeite()})
        EXPECT_TRUE(zaehle(html, "<script") + zaehle(html, "<b>Max") + zaehle(html, "& \"") +
                            zaehle(html, "'N") ==
                        0 &&
                    zaehle(html, L"Jürgen O&#39;Neil") + zaehle(html, L"Köln &lt;Süd&gt;") > 0)
            << html;
    EXPECT_NE(0, zaehle(aus.erzeugeSpielplan(), "Tom &amp; &quot;Jerry&quot;"));
}

TEST(HtmlAusgabe, SpielplanZettelTabelleUndSeite)
{
    Fuenf tt;
    tt.turnier.getSpiel(2, 1)->setSatzErg(1, 7, -1);
    const clHtmlAusgabe aus(&tt.turnier);
    const wxString plan = aus.erzeugeSpielplan();
    const wxString text = sichtbar(plan);
    EXPECT_EQ(5 + 10, zaehle(plan, "<tr>")); // a heading line per round, a line per match
    EXPECT_EQ(5, zaehle(text, "spielfrei: "));
    for (const wchar_t* zeile :
         {L"Runde 1Platte|Begegnung|1. Satz|2. Satz|3. Satz|Sätze|1|Carla|Dora|11:9|8:11|9:11|1:2|"
          L"2|Bernd|Emil|11:5|4:\u2013||1:0|spielfrei: AnnaRunde 2",
          L"1|Dora|Emil|7:\u2013|||", L"spielfrei: DoraRunde 5"})
        EXPECT_NE(0, zaehle(text, zeile)) << zeile;
    EXPECT_TRUE(text.EndsWith("spielfrei: Emil"));
    // Only the winner of a decided match and its sets are bold.
    EXPECT_EQ(2, zaehle(plan, "<b>"));
    EXPECT_NE(0, zaehle(plan, "<b>Dora</b>") * zaehle(plan, "<b>1:2</b>"));

    // Slips stay empty, even for a match that has results; without a round only
    // the open matches get one.
    auto zettel = [&aus](int runde) { return zaehle(aus.erzeugeSpielzettel(runde), "Unterschrift"); };
    EXPECT_EQ("9 2 0", wxString::Format("%d %d %d", zettel(0), zettel(1), zettel(9)));
    EXPECT_EQ("Runde 1   Platte 1|Teilnehmer|1. Satz|2. Satz|3. Satz|Carla||||Dora||||Sieger: ",
              sichtbar(aus.erzeugeSpielzettel(1)).BeforeFirst('_'));
    EXPECT_EQ(L"Platzierungen"
              L"Platz|Teilnehmer|Spiele|Siege|Satzgewinn|Punkte|"
              L"1|Dora|1|1:0|2:1|31:28|2|Carla|1|0:1|1:2|28:31|"
              L"3|Anna|0||||4|Bernd|0||||5|Emil|0||||",
              sichtbar(aus.erzeugeTabelle()));

    // The page for the website: its own style, standings first, written as UTF-8.
    const wxString seite = aus.erzeugeSeite();
    EXPECT_EQ(1, zaehle(seite, "<meta charset=\"utf-8\">") * zaehle(seite, "<style>"));
    EXPECT_LT(seite.find("Platzierungen"), seite.find("Spielplan"));
    const TempDatei datei;
    ASSERT_TRUE(aus.schreibeSeite(datei.pfad, nullptr));
    EXPECT_EQ(seite + "\n", wxString::FromUTF8(liesBytes(datei.pfad)));
}

// Every field in quotes, as UTF-8 with a byte order mark; players by full name and
// club; a name a spreadsheet would run as a formula is exported as text. A result
// typed but not yet counted must not be taken over by an export, or the standings
// would count it twice once pruefeWertung runs.
TEST(CsvExport, TabelleUndErgebnisse)
{
    Fuenf tt;
    // Named in full, with the club: the display names the grids show are not for the federation.
    tt.teilnehmerTB.SetValue(0, 1, L"\"Ass\"");
    tt.teilnehmerTB.SetValue(1, 0, L"=HYPERLINK(\"x\")");
    tt.teilnehmerTB.SetValue(2, 1, L"Jürgen");
    tt.teilnehmerTB.SetValue(2, 2, L"Cj");
    tt.teilnehmerTB.SetValue(2, 3, L"TTC;J");
    tt.teilnehmerTB.DatenZurueckSchreiben();
    tt.turnier.getSpiel(2, 1)->setSatzErg(1, 11, 2);
    tt.turnier.getSpiel(2, 1)->setSatzErg(2, 11, 4);
    const clCsvExport csv(&tt.turnier);
    const wxArrayString erg = wxStringTokenize(csv.erzeugeErgebnisse(), "\n");
    clHtmlAusgabe(&tt.turnier).erzeugeSpielplan();
    ASSERT_EQ(1u + 10u, erg.size());
    EXPECT_EQ(L"\"1\";\"1\";\"Carla Jürgen "
              L"(TTC;J)\";\"Dora\";\"11\";\"9\";\"8\";\"11\";\"9\";\"11\";\"1\";\"2\";\"Dora\"",
              erg[1]);
    EXPECT_EQ(
        "\"1\";\"2\";\"'=HYPERLINK(\"\"x\"\")\";\"Emil\";\"11\";\"5\";\"4\";\"\";\"\";\"\";\"1\";\"0\";\"\"",
        erg[2]);
    EXPECT_EQ("\"2\";\"1\";\"Dora\";\"Emil\";\"11\";\"2\";\"11\";\"4\";\"\";\"\";\"2\";\"0\";\"Dora\"",
              erg[3]);
    tt.turnier.pruefeWertung(tt.turnier.getSpiel(2, 1));
    const TempDatei datei;
    ASSERT_TRUE(csv.schreibeTabelle(datei.pfad, nullptr));
    EXPECT_EQ(
        wxString(L"\uFEFF\"Platz\";\"Teilnehmer\";\"Spiele\";\"Siege\";\"Niederlagen\";\"Gewonnene Sätze\";"
                 L"\"Verlorene Sätze\";\"Gewonnene Punkte\";\"Verlorene Punkte\"\n"
                 L"\"1\";\"Dora\";\"2\";\"2\";\"0\";\"4\";\"1\";\"53\";\"34\"\n"
                 L"\"2\";\"Carla Jürgen (TTC;J)\";\"1\";\"0\";\"1\";\"1\";\"2\";\"28\";\"31\"\n"
                 L"\"3\";\"Emil\";\"1\";\"0\";\"1\";\"0\";\"2\";\"6\";\"22\"\n"
                 L"\"4\";\"Anna \"\"Ass\"\"\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\"\n"
                 L"\"5\";\"'=HYPERLINK(\"\"x\"\")\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\"\n"),
        wxString::FromUTF8(liesBytes(datei.pfad)));
}
