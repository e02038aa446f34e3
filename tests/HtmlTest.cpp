#include <gtest/gtest.h>

#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/tokenzr.h>

#include "ModellHilfen.h"
#include "clCsvExport.h"
#include "clHtmlAusgabe.h"
#include "clRunde.h"

namespace
{
int zaehle(const wxString& text, const wxString& teil)
{
    int anz = 0;
    for (size_t pos = text.find(teil); pos != wxString::npos; pos = text.find(teil, pos + teil.length()))
        ++anz;
    return anz;
}

std::string liesBytes(const wxString& datei)
{
    wxFFile f(datei, "rb");
    std::string bytes(static_cast<size_t>(f.Length()), '\0');
    f.Read(&bytes[0], bytes.size());
    return bytes;
}

wxArrayString zeilen(const wxString& text)
{
    return wxStringTokenize(text, "\n", wxTOKEN_STRTOK);
}

// Five participants at two tables: ten matches in five rounds, one bye per round.
// Round 1 is Carla-Dora at table 1 and Bernd-Emil at table 2, Anna sits out.
struct Fuenf : TestTurnier
{
    Fuenf() { erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2); }
    clTTSpiel* spiel(int r, int p) { return turnier.getSpiel(r, p); }
};
} // namespace

TEST(HtmlAusgabe, MaskiertJedenTextAusDemTurnier)
{
    EXPECT_EQ("a&lt;b&gt;c&amp;d&quot;e&#39;f", clHtmlAusgabe::maskiere("a<b>c&d\"e'f"));

    TestTurnier tt;
    tt.erstelle({L"<b>Max</b>", L"Tom & \"Jerry\"", L"O'Neil"});
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Bezeichnung = "<script>alert(1)</script>";
    alg.Veranstalter = "TTC <Nord> & Co";
    tt.turnier.setAllgemein(&alg);
    const clHtmlAusgabe aus(&tt.turnier);
    for (const wxString& html : {aus.erzeugeSpielplan(), aus.erzeugeSpielzettel(0), aus.erzeugeTabelle(),
                                 aus.erzeugeKopfzeile("<Seite>"), aus.erzeugeSeite()})
    {
        EXPECT_EQ(wxString::npos, html.find("<script>")) << html;
        EXPECT_EQ(wxString::npos, html.find("<b>Max")) << html;
        EXPECT_EQ(wxString::npos, html.find("& \"")) << html;
        EXPECT_EQ(wxString::npos, html.find("O'Neil")) << html;
    }
    EXPECT_NE(wxString::npos, aus.erzeugeTabelle().find("&lt;b&gt;Max&lt;/b&gt;"));
    EXPECT_NE(wxString::npos, aus.erzeugeSpielplan().find("Tom &amp; &quot;Jerry&quot;"));
    EXPECT_NE(wxString::npos,
              aus.erzeugeSeite().find("<title>&lt;script&gt;alert(1)&lt;/script&gt;</title>"));
    EXPECT_NE(wxString::npos, aus.erzeugeKopfzeile("<Seite>").find("TTC &lt;Nord&gt; &amp; Co"));
}

TEST(HtmlAusgabe, SpielplanZeigtJedesSpielErgebnisseUndSpielfrei)
{
    Fuenf tt;
    tt.satz(tt.spiel(1, 1), 1, 11, 9);
    tt.satz(tt.spiel(1, 1), 2, 8, 11);
    tt.satz(tt.spiel(1, 1), 3, 12, 10); // Carla wins 2:1
    tt.satz(tt.spiel(1, 2), 1, 11, 5);  // only one set: open
    tt.spiel(2, 1)->setSatzErg(1, 7, -1);
    tt.turnier.pruefeWertung(tt.spiel(2, 1)); // one side of a set

    const wxString plan = clHtmlAusgabe(&tt.turnier).erzeugeSpielplan();
    EXPECT_EQ(5, zaehle(plan, "<h3>"));
    EXPECT_EQ(5, zaehle(plan, "<table"));
    // One heading line per round plus one line per match.
    EXPECT_EQ(5 + 10, zaehle(plan, "<tr>"));
    for (int r = 1; r <= 5; ++r)
    {
        for (int p = 1; p <= 2; ++p)
        {
            const clTTSpiel* sp = tt.spiel(r, p);
            EXPECT_NE(wxString::npos, plan.find(sp->getT1()->getAnzeige())) << r << "/" << p;
        }
        EXPECT_NE(wxString::npos, plan.find("spielfrei: " + tt.turnier.getSpielfrei(r))) << r;
    }
    EXPECT_NE(wxString::npos, plan.find("<td><b>Carla</b></td><td>Dora</td>"));
    EXPECT_NE(wxString::npos, plan.find(">11:9<"));
    EXPECT_NE(wxString::npos, plan.find(">8:11<"));
    EXPECT_NE(wxString::npos, plan.find("><b>2:1</b><"));
    // The open match shows its sets but no winner.
    EXPECT_NE(wxString::npos, plan.find("<td>Bernd</td><td>Emil</td>"));
    EXPECT_NE(wxString::npos, plan.find(">1:0<"));
    EXPECT_NE(wxString::npos, plan.find(L">7:\u2013<"));
}

TEST(HtmlAusgabe, SpielzettelJeSpielFuerEineRundeOderAlle)
{
    Fuenf tt;
    const clHtmlAusgabe aus(&tt.turnier);
    EXPECT_EQ(10, zaehle(aus.erzeugeSpielzettel(0), "class=\"zettel\""));
    const wxString runde3 = aus.erzeugeSpielzettel(3);
    EXPECT_EQ(2, zaehle(runde3, "class=\"zettel\""));
    EXPECT_EQ(2, zaehle(runde3, "Runde 3"));
    EXPECT_EQ(0, zaehle(runde3, "Runde 2"));
    EXPECT_NE(wxString::npos, runde3.find("Platte 2"));
    EXPECT_EQ(2, zaehle(runde3, "Unterschrift"));
    for (int p = 1; p <= 2; ++p)
    {
        EXPECT_NE(wxString::npos, runde3.find(tt.spiel(3, p)->getT1()->getAnzeige()));
        EXPECT_NE(wxString::npos, runde3.find(tt.spiel(3, p)->getT2()->getAnzeige()));
    }
    // Three empty boxes per side: the slip stays empty even for a played match.
    tt.satz(tt.spiel(3, 1), 1, 11, 3);
    EXPECT_EQ(2 * 2 * 3, zaehle(aus.erzeugeSpielzettel(3), "<td>&nbsp;</td>"));
    EXPECT_EQ(0, zaehle(aus.erzeugeSpielzettel(9), "class=\"zettel\""));
}

TEST(HtmlAusgabe, TabelleHatJedeZeileInPlatzierungsfolge)
{
    Fuenf tt;
    tt.satz(tt.spiel(1, 1), 1, 11, 9);
    tt.satz(tt.spiel(1, 1), 2, 11, 7); // Carla beats Dora 2:0
    const wxString tab = clHtmlAusgabe(&tt.turnier).erzeugeTabelle();
    EXPECT_EQ(6, zaehle(tab, "<tr>"));
    for (const char* titel : {"Platz", "Teilnehmer", "Spiele", "Siege", "Satzgewinn", "Punkte"})
        EXPECT_NE(wxString::npos, tab.find(wxString::Format(">%s</th>", titel))) << titel;
    EXPECT_NE(wxString::npos, tab.find(">1</td><td>Carla</td><td class=\"zahl\" align=\"center\">1</td>"));
    EXPECT_NE(wxString::npos, tab.find(">2:0<"));
    EXPECT_NE(wxString::npos, tab.find(">22:16<"));
    EXPECT_LT(tab.find("Carla"), tab.find("Dora"));
    for (const char* name : {"Anna", "Bernd", "Emil"})
        EXPECT_LT(tab.find("Dora"), tab.find(name)) << name;

    TestTurnier leer;
    EXPECT_EQ(0, zaehle(clHtmlAusgabe(&leer.turnier).erzeugeTabelle(), "<tr>"));
    EXPECT_EQ(0, zaehle(clHtmlAusgabe(&leer.turnier).erzeugeSpielplan(), "<tr>"));
}

TEST(HtmlAusgabe, SeiteIstEigenstaendigUndUtf8)
{
    TestTurnier tt;
    tt.erstelle({L"Jürgen", L"Zoë", L"Ødegaard"});
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Ort = L"Köln-Mülheim";
    tt.turnier.setAllgemein(&alg);
    const clHtmlAusgabe aus(&tt.turnier);
    const wxString seite = aus.erzeugeSeite();
    EXPECT_TRUE(seite.StartsWith("<!DOCTYPE html>"));
    EXPECT_NE(wxString::npos, seite.find("<meta charset=\"utf-8\">"));
    EXPECT_NE(wxString::npos, seite.find("<style>"));
    for (const char* extern_ : {"<link", "<script", "src=", "http:", "https:", "url("})
        EXPECT_EQ(wxString::npos, seite.find(extern_)) << extern_;
    EXPECT_NE(wxString::npos, seite.find(L"Köln-Mülheim"));
    EXPECT_NE(wxString::npos, seite.find("Platzierungen"));
    EXPECT_NE(wxString::npos, seite.find("Spielplan"));

    const wxString datei = wxFileName::CreateTempFileName("quobel-html");
    ASSERT_TRUE(aus.schreibeSeite(datei, nullptr));
    const std::string bytes = liesBytes(datei);
    wxRemoveFile(datei);
    EXPECT_NE(std::string::npos, bytes.find("J\xC3\xBCrgen"));
    EXPECT_NE(std::string::npos, bytes.find("K\xC3\xB6ln-M\xC3\xBClheim"));
    EXPECT_EQ(wxString::FromUTF8(bytes.data(), bytes.size()), seite + "\n");
}

TEST(CsvExport, QuotetJedesFeldUndVerdoppeltAnfuehrungszeichen)
{
    EXPECT_EQ("\"\"", clCsvExport::feld(""));
    EXPECT_EQ("\"a;b\"", clCsvExport::feld("a;b"));
    EXPECT_EQ("\"Der \"\"Profi\"\"\"", clCsvExport::feld("Der \"Profi\""));

    TestTurnier tt;
    tt.erstelle({L"Anna \"Ass\"", L"Bernd;B", L"Jürgen"});
    const wxArrayString tab = zeilen(clCsvExport(&tt.turnier).erzeugeTabelle());
    ASSERT_EQ(4u, tab.size());
    EXPECT_EQ(L"\"Platz\";\"Teilnehmer\";\"Spiele\";\"Siege\";\"Niederlagen\";\"Gewonnene Sätze\";"
              L"\"Verlorene Sätze\";\"Gewonnene Punkte\";\"Verlorene Punkte\"",
              tab[0]);
    EXPECT_EQ("\"1\";\"Anna \"\"Ass\"\"\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\"", tab[1]);
    EXPECT_EQ("\"2\";\"Bernd;B\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\";\"0\"", tab[2]);
    for (const wxString& z : tab)
        EXPECT_EQ(9, zaehle(z, "\";\"") + 1) << z;

    const wxString datei = wxFileName::CreateTempFileName("quobel-csv");
    ASSERT_TRUE(clCsvExport(&tt.turnier).schreibeTabelle(datei, nullptr));
    const std::string bytes = liesBytes(datei);
    wxRemoveFile(datei);
    EXPECT_EQ(0u, bytes.find("\xEF\xBB\xBF\"Platz\";"));
    EXPECT_NE(std::string::npos, bytes.find("\"3\";\"J\xC3\xBCrgen\";"));
    EXPECT_EQ('\n', bytes.back());
    EXPECT_NE('\n', bytes[bytes.size() - 2]);

    wxString fehler;
    EXPECT_FALSE(clCsvExport(&tt.turnier).schreibeErgebnisse("/gibt/es/nicht/x.csv", &fehler));
    EXPECT_NE(wxString::npos, fehler.find("/gibt/es/nicht/x.csv"));
}

TEST(CsvExport, ErgebnisseEineZeileJeSpielMitSaetzenUndSieger)
{
    Fuenf tt;
    tt.satz(tt.spiel(1, 1), 1, 11, 9);
    tt.satz(tt.spiel(1, 1), 2, 8, 11);
    tt.satz(tt.spiel(1, 1), 3, 9, 11); // Dora wins 2:1
    tt.satz(tt.spiel(1, 2), 1, 11, 5);
    tt.spiel(1, 2)->setSatzErg(2, 4, -1); // open, second set half entered
    tt.turnier.pruefeWertung(tt.spiel(1, 2));

    const wxArrayString erg = zeilen(clCsvExport(&tt.turnier).erzeugeErgebnisse());
    ASSERT_EQ(1u + 10u, erg.size());
    EXPECT_EQ(13, zaehle(erg[0], "\";\"") + 1);
    EXPECT_EQ("\"1\";\"1\";\"Carla\";\"Dora\";\"11\";\"9\";\"8\";\"11\";\"9\";\"11\";\"1\";\"2\";\"Dora\"",
              erg[1]);
    EXPECT_EQ("\"1\";\"2\";\"Bernd\";\"Emil\";\"11\";\"5\";\"4\";\"\";\"\";\"\";\"1\";\"0\";\"\"", erg[2]);
    EXPECT_EQ("\"5\";\"2\";", erg[10].Left(8));
    EXPECT_TRUE(erg[10].EndsWith(";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\";\"\""));

    const wxArrayString tab = zeilen(clCsvExport(&tt.turnier).erzeugeTabelle());
    EXPECT_EQ("\"1\";\"Dora\";\"1\";\"1\";\"0\";\"2\";\"1\";\"31\";\"28\"", tab[1]);
    EXPECT_EQ("\"2\";\"Carla\";\"1\";\"0\";\"1\";\"1\";\"2\";\"28\";\"31\"", tab[2]);
}

TEST(CsvExport, AusgabeLaesstDieGezaehltenErgebnisseUnberuehrt)
{
    // A score typed into a match is counted by pruefeWertung; an export in between
    // must not take over the new result, or the standings would count it twice.
    Fuenf tt;
    clTTSpiel* sp = tt.spiel(1, 1);
    sp->setSatzErg(1, 11, 2);
    sp->setSatzErg(2, 11, 4);
    clCsvExport(&tt.turnier).erzeugeErgebnisse();
    clHtmlAusgabe(&tt.turnier).erzeugeSpielplan();
    tt.turnier.pruefeWertung(sp);
    tt.satz(sp, 2, 11, 5);
    const tabWertung carla = tt.wertungTB.getWertung(3);
    EXPECT_EQ(1, carla.m_AnzahlSpiele);
    EXPECT_EQ(1, carla.wertung.m_Spiel.eigene);
    EXPECT_EQ(22, carla.wertung.m_Punkte.eigene);
    EXPECT_EQ(7, carla.wertung.m_Punkte.gegner);
}
