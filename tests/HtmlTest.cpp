#include <gtest/gtest.h>

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/regex.h>
#include <wx/tokenzr.h>

#include "ModellHilfen.h"
#include "clCsvExport.h"
#include "clHtmlAusgabe.h"

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

// The bytes written into a fresh temporary file, which is removed again.
template <typename Schreiber>
std::string geschrieben(Schreiber schreibe)
{
    const wxString datei = wxFileName::CreateTempFileName("quobel");
    EXPECT_TRUE(schreibe(datei));
    wxFFile f(datei, "rb");
    std::string bytes(static_cast<size_t>(f.Length()), '\0');
    f.Read(&bytes[0], bytes.size());
    f.Close();
    wxRemoveFile(datei);
    return bytes;
}

// Five participants at two tables: ten matches in five rounds, one bye per round.
// Round 1 is Carla-Dora at table 1 and Bernd-Emil at table 2, Anna sits out.
struct Fuenf : TestTurnier
{
    Fuenf()
    {
        erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
        satz(spiel(1, 1), 1, 11, 9);
        satz(spiel(1, 1), 2, 8, 11);
        satz(spiel(1, 1), 3, 9, 11); // Dora wins 2:1
        satz(spiel(1, 2), 1, 11, 5);
        satz(spiel(1, 2), 2, 4, -1); // open, second set half entered
    }
    clTTSpiel* spiel(int r, int p) { return turnier.getSpiel(r, p); }
};
} // namespace

TEST(HtmlAusgabe, MaskiertJedenTextUndLaesstUmlauteStehen)
{
    EXPECT_EQ("a&lt;b&gt;c&amp;d&quot;e&#39;f", clHtmlAusgabe::maskiere("a<b>c&d\"e'f"));
    TestTurnier tt;
    tt.erstelle({L"<b>Max</b>", L"Tom & \"Jerry\"", L"Jürgen O'Neil"});
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Bezeichnung = "<script>alert(1)</script>";
    alg.Ort = L"Köln <Süd>";
    tt.turnier.setAllgemein(&alg);
    const clHtmlAusgabe aus(&tt.turnier);
    for (const wxString& html : {aus.erzeugeSpielplan(), aus.erzeugeSpielzettel(0), aus.erzeugeTabelle(),
                                 aus.erzeugeKopfzeile("<x>"), aus.erzeugeSeite()})
    {
        EXPECT_EQ(0, zaehle(html, "<script") + zaehle(html, "<b>Max") + zaehle(html, "& \"") +
                         zaehle(html, "'N"))
            << html;
        EXPECT_NE(0, zaehle(html, L"Jürgen O&#39;Neil") + zaehle(html, L"Köln &lt;Süd&gt;")) << html;
    }
    EXPECT_NE(0, zaehle(aus.erzeugeSpielplan(), "Tom &amp; &quot;Jerry&quot;"));
    EXPECT_NE(0, zaehle(aus.erzeugeSeite(), "<title>&lt;script&gt;alert(1)&lt;/script&gt;</title>"));
}

TEST(HtmlAusgabe, SpielplanMitJedemSpielErgebnissenUndSpielfrei)
{
    Fuenf tt;
    tt.spiel(2, 1)->setSatzErg(1, 7, -1);
    const wxString plan = clHtmlAusgabe(&tt.turnier).erzeugeSpielplan();
    const wxString text = sichtbar(plan);
    EXPECT_EQ(5 + 10, zaehle(plan, "<tr>")); // a heading line per round, a line per match
    for (int r = 1; r <= 5; ++r)
    {
        EXPECT_NE(0, zaehle(text, wxString::Format("Runde %d", r)));
        EXPECT_NE(0, zaehle(text, "spielfrei: " + tt.turnier.getSpielfrei(r))) << r;
        for (int p = 1; p <= 2; ++p)
            EXPECT_NE(0, zaehle(text, wxString::Format("|%d|%s|%s|", p, tt.spiel(r, p)->getT1()->getAnzeige(),
                                                       tt.spiel(r, p)->getT2()->getAnzeige())));
    }
    EXPECT_NE(0, zaehle(text, "1|Carla|Dora|11:9|8:11|9:11|1:2|"));
    EXPECT_NE(0, zaehle(text, L"2|Bernd|Emil|11:5|4:\u2013||1:0|"));
    EXPECT_NE(0, zaehle(text, L"1|Dora|Emil|7:\u2013|||"));
    // Only the winner of a decided match and its sets are bold.
    EXPECT_EQ(2, zaehle(plan, "<b>"));
    EXPECT_NE(0, zaehle(plan, "<b>Dora</b>") * zaehle(plan, "<b>1:2</b>"));
}

TEST(HtmlAusgabe, SpielzettelTabelleUndSeite)
{
    Fuenf tt;
    const clHtmlAusgabe aus(&tt.turnier);
    EXPECT_EQ(10, zaehle(aus.erzeugeSpielzettel(0), "Unterschrift"));
    const wxString runde3 = sichtbar(aus.erzeugeSpielzettel(3));
    EXPECT_EQ(2, zaehle(runde3, "Unterschrift"));
    EXPECT_EQ(0, zaehle(runde3, "Runde 2"));
    // Slips stay empty, even for a match that has results.
    EXPECT_NE(0, zaehle(sichtbar(aus.erzeugeSpielzettel(1)),
                        "Runde 1   Platte 1|Teilnehmer|1. Satz|2. Satz|3. Satz|Carla||||Dora||||"));
    EXPECT_EQ(0, zaehle(aus.erzeugeSpielzettel(9), "Unterschrift"));

    EXPECT_EQ(L"Platzierungen"
              L"Platz|Teilnehmer|Spiele|Siege|Satzgewinn|Punkte|"
              L"1|Dora|1|1:0|2:1|31:28|2|Carla|1|0:1|1:2|28:31|"
              L"3|Anna|0||||4|Bernd|0||||5|Emil|0||||",
              sichtbar(aus.erzeugeTabelle()));
    TestTurnier leer;
    EXPECT_EQ(0, zaehle(clHtmlAusgabe(&leer.turnier).erzeugeTabelle() +
                            clHtmlAusgabe(&leer.turnier).erzeugeSpielplan(),
                        "<tr>"));

    // The page for the website: self-contained, standings first, written as UTF-8.
    const wxString seite = aus.erzeugeSeite();
    EXPECT_TRUE(seite.StartsWith("<!DOCTYPE html>"));
    EXPECT_EQ(1, zaehle(seite, "<meta charset=\"utf-8\">") * zaehle(seite, "<style>"));
    for (const char* extern_ : {"<link", "<script", "<img", "src=", "http", "url("})
        EXPECT_EQ(0, zaehle(seite, extern_)) << extern_;
    EXPECT_LT(seite.find("Platzierungen"), seite.find("Spielplan"));
    const std::string bytes =
        geschrieben([&aus](const wxString& d) { return aus.schreibeSeite(d, nullptr); });
    EXPECT_EQ(seite + "\n", wxString::FromUTF8(bytes.data(), bytes.size()));
}

TEST(CsvExport, JedesFeldInAnfuehrungszeichenUndUtf8MitBom)
{
    TestTurnier tt;
    tt.erstelle({L"Anna \"Ass\"", L"Bernd;B", L"Jürgen", L"=HYPERLINK(\"x\")"});
    const clCsvExport csv(&tt.turnier);
    const wxArrayString tab = wxStringTokenize(csv.erzeugeTabelle(), "\n");
    ASSERT_EQ(5u, tab.size());
    // A name a spreadsheet would take for a formula is exported as text.
    EXPECT_TRUE(tab[4].StartsWith("\"4\";\"'=HYPERLINK(\"\"x\"\")\";")) << tab[4];
    EXPECT_EQ("\"1\";\"Anna \"\"Ass\"\"\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\"", tab[1]);
    EXPECT_EQ("\"2\";\"Bernd;B\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\"", tab[2]);

    const std::string bytes =
        geschrieben([&csv](const wxString& d) { return csv.schreibeTabelle(d, nullptr); });
    EXPECT_EQ(0u, bytes.find("\xEF\xBB\xBF\"Platz\";"));
    EXPECT_NE(std::string::npos, bytes.find("\n\"3\";\"J\xC3\xBCrgen\";\"0\""));
    EXPECT_EQ("0\"\n", bytes.substr(bytes.size() - 3));
    wxString fehler;
    EXPECT_FALSE(csv.schreibeErgebnisse("/gibt/es/nicht/x.csv", &fehler));
    EXPECT_NE(0, zaehle(fehler, "/gibt/es/nicht/x.csv"));
}

TEST(CsvExport, ErgebnisseEineZeileJeSpielOhneDieTabelleZuStoeren)
{
    Fuenf tt;
    // Typed but not yet counted: the export must not take the new result over,
    // or the standings would count it twice once pruefeWertung runs.
    tt.spiel(2, 1)->setSatzErg(1, 11, 2);
    tt.spiel(2, 1)->setSatzErg(2, 11, 4);
    const wxArrayString erg = wxStringTokenize(clCsvExport(&tt.turnier).erzeugeErgebnisse(), "\n");
    clHtmlAusgabe(&tt.turnier).erzeugeSpielplan();
    ASSERT_EQ(1u + 10u, erg.size());
    EXPECT_EQ(13, zaehle(erg[0], "\";\"") + 1);
    EXPECT_EQ("\"1\";\"1\";\"Carla\";\"Dora\";\"11\";\"9\";\"8\";\"11\";\"9\";\"11\";\"1\";\"2\";\"Dora\"",
              erg[1]);
    EXPECT_EQ("\"1\";\"2\";\"Bernd\";\"Emil\";\"11\";\"5\";\"4\";\"\";\"\";\"\";\"1\";\"0\";\"\"", erg[2]);
    EXPECT_EQ("\"2\";\"1\";\"Dora\";\"Emil\";\"11\";\"2\";\"11\";\"4\";\"\";\"\";\"2\";\"0\";\"Dora\"",
              erg[3]);
    EXPECT_EQ("\"5\";\"2\";", erg[10].Left(8));

    tt.turnier.pruefeWertung(tt.spiel(2, 1));
    EXPECT_EQ("\"1\";\"Dora\";\"2\";\"2\";\"0\";\"4\";\"1\";\"53\";\"34\"",
              wxStringTokenize(clCsvExport(&tt.turnier).erzeugeTabelle(), "\n")[1]);
}
