#include <gtest/gtest.h>

#include <memory>
#include <wx/dcmemory.h>
#include <wx/dcsvg.h>
#include <wx/ffile.h>
#include <wx/filename.h>
#include <wx/html/htmprint.h>
#include <wx/regex.h>

#include "../ModellHilfen.h"
#include "clDruck.h"

namespace
{
// Lays the printout out on A4 at 96 dpi, as a printer of that resolution would,
// and answers the number of pages.
int bereiteVor(wxHtmlPrintout& ausdruck, wxDC& dc)
{
    ausdruck.SetDC(&dc);
    ausdruck.SetPPIScreen(96, 96);
    ausdruck.SetPPIPrinter(96, 96);
    ausdruck.SetPageSizePixels(794, 1123);
    ausdruck.SetPageSizeMM(210, 297);
    ausdruck.SetPaperRectPixels(wxRect(0, 0, 794, 1123));
    ausdruck.OnPreparePrinting();
    int von = 0, bis = 0, auswahlVon = 0, auswahlBis = 0;
    ausdruck.GetPageInfo(&von, &bis, &auswahlVon, &auswahlBis);
    EXPECT_EQ(1, von);
    EXPECT_TRUE(ausdruck.HasPage(bis));
    EXPECT_FALSE(ausdruck.HasPage(bis + 1));
    return bis;
}

int seiten(clDruck& druck, clDruck::Inhalt inhalt, int runde = 0)
{
    wxBitmap bild(794, 1123);
    wxMemoryDC dc(bild);
    std::unique_ptr<wxHtmlPrintout> ausdruck(druck.erzeugeAusdruck(inhalt, runde));
    return bereiteVor(*ausdruck, dc);
}

// The text of one printed page, read back from the vector device, which writes
// every piece of text it draws into its file.
wxString seitentext(clDruck& druck, clDruck::Inhalt inhalt, int seite, int* anzahl)
{
    const wxString datei = wxFileName::CreateTempFileName("quobel-druck");
    {
        wxSVGFileDC dc(datei, 794, 1123, 96);
        std::unique_ptr<wxHtmlPrintout> ausdruck(druck.erzeugeAusdruck(inhalt));
        *anzahl = bereiteVor(*ausdruck, dc);
        EXPECT_TRUE(ausdruck->OnPrintPage(seite));
    }
    wxString svg;
    wxFFile(datei).ReadAll(&svg);
    wxRemoveFile(datei);
    wxString text;
    wxRegEx stueck(">([^<>]*)</text>");
    while (stueck.Matches(svg))
    {
        size_t anfang = 0, laenge = 0;
        stueck.GetMatch(&anfang, &laenge, 0);
        text += stueck.GetMatch(svg, 1);
        svg = svg.Mid(anfang + laenge);
    }
    return text;
}
} // namespace

// Several slips to a page, none cut by a page end, and a header with the
// tournament's data and the page number on every page.
TEST(Druck, SeitenMitKopfzeileUndNurGanzenSpielzetteln)
{
    TestTurnier tt;
    tt.erstelleN(7, 3); // 21 matches, 3 per round
    const allgemein alg{"Stadtmeisterschaft", L"TTC Grün", "Sporthalle", "12.03.2027", 3};
    tt.turnier.setAllgemein(&alg);
    clDruck druck(nullptr, &tt.turnier);
    EXPECT_EQ(1, seiten(druck, clDruck::Spielzettel, 1));
    EXPECT_EQ(1, seiten(druck, clDruck::Tabelle));

    int anzahl = 1;
    size_t zettel = 0;
    for (int seite = 1; seite <= anzahl; ++seite)
    {
        wxString text = seitentext(druck, clDruck::Spielzettel, seite, &anzahl);
        EXPECT_TRUE(
            text.Contains(wxString::Format(L"StadtmeisterschaftSeite %d von %dTTC Grün · Sporthalle · "
                                           L"12.03.2027",
                                           seite, anzahl)))
            << text;
        // A slip cut by the page end would leave its head on one page and its signature on the next.
        const size_t koepfe = text.Replace("Runde ", "");
        const size_t unterschriften = text.Replace("Unterschrift", "");
        EXPECT_EQ(koepfe, unterschriften) << "Seite " << seite;
        zettel += unterschriften;
    }
    EXPECT_EQ(21u, zettel);
    EXPECT_GE(anzahl, 2);
    EXPECT_LE(anzahl, 21 / 3);

    tt.erstelleN(12, 3); // 66 matches
    const int alle12 = seiten(druck, clDruck::Spielzettel);
    EXPECT_GT(alle12, anzahl);
    EXPECT_LE(alle12, 66 / 3);
    EXPECT_GT(seiten(druck, clDruck::Spielplan), 1);
}
