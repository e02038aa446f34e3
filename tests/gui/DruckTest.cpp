#include <gtest/gtest.h>

#include <memory>
#include <wx/html/htmprint.h>
// After a header that sets up the library: this one tests wxUSE_SVG first.
#include <wx/dcsvg.h>
#include <wx/regex.h>

#include "../ModellHilfen.h"
#include "ausgabe/clDruck.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clGruppenphase.h"

namespace
{
// The text of one page, laid out on A4 at 96 dpi as a printer of that resolution
// would, and read back from the vector device, which writes every piece of text
// it draws into its file; anzahl is the number of pages.
wxString seitentext(clDruck& druck, clDruck::Inhalt inhalt, int runde, int seite, int& anzahl)
{
    const TempDatei datei;
    {
        wxSVGFileDC dc(datei.pfad, 794, 1123, 96);
        std::unique_ptr<wxHtmlPrintout> ausdruck(druck.erzeugeAusdruck(inhalt, runde));
        ausdruck->SetDC(&dc);
        ausdruck->SetPPIScreen(96, 96);
        ausdruck->SetPPIPrinter(96, 96);
        ausdruck->SetPageSizePixels(794, 1123);
        ausdruck->SetPageSizeMM(210, 297);
        ausdruck->SetPaperRectPixels(wxRect(0, 0, 794, 1123));
        ausdruck->OnPreparePrinting();
        int von = 0, auswahlVon = 0, auswahlBis = 0;
        ausdruck->GetPageInfo(&von, &anzahl, &auswahlVon, &auswahlBis);
        EXPECT_TRUE(ausdruck->OnPrintPage(seite));
    }
    wxString svg = wxString::FromUTF8(liesBytes(datei.pfad));
    wxString text;
    wxRegEx stueck(">([^<>]*)</text>");
    for (size_t anfang = 0, laenge = 0; stueck.Matches(svg); svg = svg.Mid(anfang + laenge))
    {
        stueck.GetMatch(&anfang, &laenge, 0);
        text += stueck.GetMatch(svg, 1);
    }
    return text;
}
} // namespace

// Several slips to a page, none cut by a page end, none for a match decided by
// walkover, and a header with the tournament's data and the page number on
// every page.
TEST(Druck, SeitenMitKopfzeileUndNurGanzenSpielzetteln)
{
    TestTurnier tt;
    tt.erstelleN(7, 3); // 21 matches, 3 per round
    const allgemein alg{"Stadtmeisterschaft", L"TTC Grün", "Sporthalle", "12.03.2027", 3};
    tt.turnier.setAllgemein(&alg);
    tt.turnier.getSpiel(1, 2)->setAusfall(ausfKampflos, 1);
    clDruck druck(nullptr, &tt.turnier);
    int anzahl = 0;
    EXPECT_EQ(2u, seitentext(druck, clDruck::Spielzettel, 1, 1, anzahl).Replace("Unterschrift", ""));
    size_t zettel = 0;
    for (int seite = 1; seite == 1 || seite <= anzahl; ++seite)
    {
        wxString text = seitentext(druck, clDruck::Spielzettel, 0, seite, anzahl);
        EXPECT_TRUE(text.Contains(wxString::Format(
            L"StadtmeisterschaftSeite %d von %dTTC Grün · Sporthalle · 12.03.2027", seite, anzahl)))
            << text;
        // A slip cut by the page end would leave its head on one page and its signature on the next.
        const size_t koepfe = text.Replace("Runde ", "");
        const size_t unterschriften = text.Replace("Unterschrift", "");
        EXPECT_EQ(koepfe, unterschriften) << "Seite " << seite;
        zettel += unterschriften;
    }
    EXPECT_EQ(20u, zettel);
    EXPECT_GE(anzahl, 2);
    EXPECT_LE(anzahl, 20 / 3);
}

// A group's slips are offered by the group's own rounds, proposing the next round
// to play; without a round they are those of every match still open.
TEST(Druck, SpielzettelEinerGruppe)
{
    TestTurnier tt;
    loseGruppen(tt); // four groups of four, a table each: six rounds of one match
    clGruppenphase& gp = *tt.turnier.getGruppenphase();
    clTurnier& gruppe = *gp.getGruppe(2);
    spiele(gruppe, gruppe.getSpiel(1, 1), 2);
    clDruck druck(nullptr, &tt.turnier);
    druck.setTurnier(&gruppe, gp.getPlatten(2), "Gruppe 2");
    int vorschlag = -1;
    EXPECT_EQ("Alle offenen Spiele|Runde 01|Runde 02|Runde 03|Runde 04|Runde 05|Runde 06",
              wxJoin(druck.getZettelAuswahl(vorschlag), '|'));
    EXPECT_EQ(2, vorschlag);
    EXPECT_EQ(5u, clHtmlAusgabe(&gruppe).erzeugeSpielzettel(0).Replace("Unterschrift", ""));
}
