#include <gtest/gtest.h>
#include <wx/regex.h>
#include <wx/tokenzr.h>

#include "ModellHilfen.h"
#include "ausgabe/clCsvExport.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clGruppenphase.h"

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

// A day of four classes: "Herren" as Fuenf, "Damen" four entries drawn into a
// knockout bracket, "Jugend" six in two groups, best of five, drawn, "Senioren"
// three in a round robin whose first match Tom won; only the first class has
// the standings a window would show.
struct Tag : Fuenf
{
    Tag()
    {
        benenneUm(0, "Herren");
        for (auto [name, form, namen] :
             {std::tuple{"Damen", formKO, std::vector<wxString>{"Gabi", "Hanna", "Ines", "Jana"}},
              {"Jugend", formGruppen, {"Kai", "Lars", "Mia", "Nils", "Ole", "Pia"}},
              {"Senioren", formJederGegenJeden, {"Rita", "Sven", "Tom"}}})
        {
            clTurnier& k = *tag.getKonkurrenz(tag.fuegeHinzu(name));
            vecEditListe el;
            for (const wxString& vorname : namen)
            {
                el.push_back(spEditData());
                el.back().m_EditStatus = esNew;
                el.back().m_VName = el.back().m_Anzeige = vorname;
            }
            k.UpdateTeilnehmer(el);
            allgemein alg = *k.getAllgemein();
            alg.Turnierform = form;
            alg.Gruppen = 2;
            alg.Gewinnsaetze = form == formGruppen ? 3 : 2;
            k.setAllgemein(&alg);
            k.Aktualisieren(false);
            std::mt19937 zufall(3);
            if (form == formJederGegenJeden)
            {
                clTTSpiel* sp = k.getSpiel(1, 1); // Sven against Tom
                sp->setSaetze(std::vector<::satz>(2, ::satz{5, 11}));
                k.pruefeWertung(sp);
            }
            else
                EXPECT_TRUE(form == formKO ? k.loseEndrunde(zufall) : k.loseGruppen(zufall));
        }
    }
    void benenneUm(int i, const wxString& name) { EXPECT_TRUE(tag.benenneUm(i, name)); }
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

// The results of a day of several classes begin each line with the class, in the
// order of the day, under the columns of all of them; a day of one class gives
// its results as they are.
TEST(CsvExport, ErgebnisseDesTages)
{
    Fuenf eine;
    EXPECT_EQ(clCsvExport(&eine.turnier).erzeugeErgebnisse(), clCsvExport::erzeugeErgebnisse(eine.tag));
    Tag tt;
    tt.benenneUm(2, "=Jugend");
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Platten = 3;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    ASSERT_TRUE(tt.tag.setEigenePlatten(2, {3})); // its table 1 is the hall's table 3
    const wxArrayString erg = wxStringTokenize(clCsvExport::erzeugeErgebnisse(tt.tag), "\n");
    ASSERT_EQ(1u + 10u + 6u + 3u, erg.size());
    EXPECT_TRUE(erg[0].StartsWith(L"\"Konkurrenz\";\"Gruppe\";\"Runde\";\"Platte\";\"Teilnehmer 1\""))
        << erg[0];
    EXPECT_TRUE(erg[0].EndsWith(
        L"\"Satz 5: Teilnehmer 2\";\"Sätze: Teilnehmer 1\";\"Sätze: Teilnehmer 2\";\"Sieger\""))
        << erg[0];
    EXPECT_EQ("\"Herren\";\"\";\"1\";\"1\";\"Carla\";\"Dora\";\"11\";\"9\";\"8\";\"11\";\"9\";\"11\";\"\";"
              "\"\";\"\";\"\";\"1\";"
              "\"2\";\"Dora\"",
              erg[1]);
    for (size_t z = 11; z < 17; ++z)
        EXPECT_TRUE(erg[z].StartsWith(wxString::Format("\"'=Jugend\";\"Gruppe %d\";\"%d\";\"3\";\"",
                                                       z < 14 ? 1 : 2, static_cast<int>(z - 11) % 3 + 1)))
            << erg[z];
    // The slip sends the players to the hall's table, not to the class's own number.
    clTurnier* jugend = tt.tag.getKonkurrenz(2);
    const clTTSpiel* sp = jugend->getGruppenphase()->getGruppe(1)->getSpiel(1, 1);
    clHtmlAusgabe zettel(jugend);
    zettel.setHallenPlatten(tt.tag.getEigenePlatten(2));
    EXPECT_TRUE(zettel.erzeugeSpielzettel(sp).Contains("Platte 3")) << zettel.erzeugeSpielzettel(sp);
}

// The page of the day lists its classes and has a section per class, headed by its
// name, with what the page of that class shows; a day of one class is that page.
// Printing every class gives each, in the order of the day, on pages of its own:
// the standings, every group's, the bracket with the final placing.
TEST(HtmlAusgabe, SeiteUndAusdruckAllerKonkurrenzen)
{
    Fuenf eine;
    EXPECT_EQ(clHtmlAusgabe(&eine.turnier).erzeugeSeite(), clHtmlAusgabe::erzeugeSeite(eine.tag));
    Tag tt;
    tt.benenneUm(1, "Damen <A>");
    const wxString seite = clHtmlAusgabe::erzeugeSeite(tt.tag);
    const wxString druck = clHtmlAusgabe::erzeugeAlleKonkurrenzen(tt.tag);
    EXPECT_EQ(1, zaehle(seite, "<title>"));
    // The list of classes comes before the first section.
    wxString liste;
    for (int i = 0; i < 4; ++i)
        liste += wxString::Format("<li><a href=\"#k%d\">", tt.tag.getKennung(i)) +
                 clHtmlAusgabe::maskiere(tt.tag.getName(i)) + "</a></li>\n";
    EXPECT_NE(wxNOT_FOUND, seite.Find("<ul class=\"konkurrenzen\">\n" + liste + "</ul>\n<section"));
    // Per class: what its section and its printout hold, what only its section, what neither.
    struct Fall
    {
        const char* kopf;
        std::vector<const char*> beide, nurSeite, keins;
    };
    const Fall faelle[] = {
        {"Herren", {"1|Dora|1|1:0|"}, {"Kreuztabelle", "Runde 5"}, {"Gruppe", "Gabi", "Endstand"}},
        {"Damen &lt;A&gt;",
         {"EndstandPlatz|Teilnehmer|", "Halbfinale", "Gabi"},
         {},
         {"Platzierungen", "Kai"}},
        {"Jugend",
         {"Gruppe 1Platzierungen", "Gruppe 2Platzierungen", "Kai"},
         {"Spielplan"},
         {"Endstand", "Dora"}},
        {"Senioren", {"1|Tom|1|1:0|"}, {"Kreuztabelle"}, {"Gruppe", "Dora"}}};
    for (size_t i = 0; i < 4; ++i)
    {
        const Fall& fall = faelle[i];
        SCOPED_TRACE(fall.kopf);
        const wxString id = wxString::Format("<section id=\"k%d\">\n<h1 class=\"konkurrenz\">",
                                             tt.tag.getKennung(static_cast<int>(i))) +
                            fall.kopf + "</h1>";
        const wxString titel = "<h1>" + wxString(fall.kopf) + "</h1>";
        ASSERT_NE(wxNOT_FOUND, seite.Find(id)) << seite;
        ASSERT_NE(wxNOT_FOUND, druck.Find(titel)) << druck;
        // In the order of the day; the printout begins each class after the first on a new page.
        if (i > 0)
            EXPECT_LT(seite.Find(faelle[i - 1].kopf), seite.Find(id));
        EXPECT_EQ(i > 0,
                  druck.Left(druck.Find(titel)).EndsWith("<div style=\"page-break-before:always\">\n"));
        const wxString abschnitt = seite.Mid(seite.Find(id));
        const wxString teil = sichtbar(abschnitt.Left(abschnitt.Find("</section>")));
        const wxString blatt = druck.Mid(druck.Find(titel) + 1);
        const wxString gedruckt = sichtbar(blatt.Left(blatt.Find("<h1>")));
        for (const char* text : fall.beide)
            EXPECT_TRUE(teil.Contains(text) && gedruckt.Contains(text)) << text << "\n"
                                                                        << teil << "\n"
                                                                        << gedruckt;
        for (const char* text : fall.nurSeite)
            EXPECT_TRUE(teil.Contains(text) && !gedruckt.Contains(text)) << text << "\n"
                                                                         << teil << "\n"
                                                                         << gedruckt;
        for (const char* text : fall.keins)
            EXPECT_FALSE(teil.Contains(text) || gedruckt.Contains(text)) << text << "\n"
                                                                         << teil << "\n"
                                                                         << gedruckt;
    }
}
