#include <gtest/gtest.h>

#include "EndrundenHilfen.h"
#include "ausgabe/clCsvExport.h"
#include "ausgabe/clEndrundenLayout.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clTurnier.h"

namespace
{
using sAusschnitt = clEndrundenLayout::sAusschnitt;

std::string text(const sAusschnitt& a)
{
    return std::to_string(a.ersteRunde) + "-" + std::to_string(a.letzteRunde) + "@" +
           std::to_string(a.ersterPlatz) + "x" + std::to_string(a.anzahlPlaetze) + (a.mitPlatz3 ? "+3" : "");
}
} // namespace

// Each match stands in its round's column, centred between the two that feed it,
// inside the area, and the lines carry names and results.
TEST(EndrundenLayout, SpieleMittigZwischenIhrenZubringern)
{
    for (const int linien : {4, 16, 128})
    {
        SCOPED_TRACE(linien);
        tEndrundenFeld feld(linien, 3, true);
        const wxRect flaeche(20, 30, 1000, 700);
        const clEndrundenLayout layout(*feld.er, clEndrundenLayout::ganz(*feld.er), flaeche);
        const int runden = feld.er->getAnzahlRunden();
        EXPECT_EQ(layout.getSpaltenbreite(), 1000 / (runden + 1));
        for (const auto& s : layout.getSpiele())
        {
            EXPECT_TRUE(flaeche.Contains(s.rahmen)) << s.rahmen.y << " " << s.rahmen.height;
            EXPECT_EQ(s.spiel, layout.getSpielBei(wxPoint(s.x - 2, (s.oben + s.unten) / 2)));
        }
        for (int r = 1; r <= runden; ++r)
            for (int nr = 1; nr <= feld.er->getAnzahlSpiele(r); ++nr)
            {
                const wxRect rahmen = layout.getRahmen(feld.er->getSpiel(r, nr));
                EXPECT_EQ(rahmen.x, 20 + (r - 1) * layout.getSpaltenbreite());
                if (r == 1)
                    continue;
                const wxRect a = layout.getRahmen(feld.er->getSpiel(r - 1, 2 * nr - 1));
                const wxRect b = layout.getRahmen(feld.er->getSpiel(r - 1, 2 * nr));
                const int mitte = (a.GetTop() + a.GetBottom() + b.GetTop() + b.GetBottom()) / 4;
                EXPECT_NEAR(rahmen.y + rahmen.height / 2, mitte, 2);
            }
        // The match for third place below the final, in its column.
        const wxRect finale = layout.getRahmen(feld.er->getSpiel(runden, 1));
        const wxRect platz3 = layout.getRahmen(feld.er->getSpielUmPlatz3());
        EXPECT_EQ(platz3.x, finale.x);
        EXPECT_GT(platz3.y, finale.GetBottom());
    }
}

TEST(EndrundenLayout, NamenUndErgebnisse)
{
    tEndrundenFeld feld(3, 3, false);
    feld.gewinnt(0, 1);
    feld.er->getSpiel(2)->setAusfall(ausfAufgabe, 2);
    feld.er->pruefeSpiel(feld.er->getSpiel(2));
    const clEndrundenLayout layout(*feld.er, clEndrundenLayout::ganz(*feld.er), wxRect(0, 0, 600, 400));
    wxString linien;
    for (const auto& l : layout.getLinien())
        linien += l.name + "/" + l.ergebnis + (l.frei ? "~" : "") + " ";
    EXPECT_EQ("Anna/ Bernd/ Carla/ Freilos/~ Anna/3:1 Carla/Freilos Anna/Aufg. ", linien);
    feld.er->getSpiel(2)->setAusfall(ausfKampflos, 1);
    feld.er->pruefeSpiel(feld.er->getSpiel(2));
    EXPECT_EQ("w.o.", clEndrundenLayout::getErgebnis(*feld.er, feld.er->getSpiel(2)));
    EXPECT_EQ("Carla", clEndrundenLayout::getName(*feld.er, 3, 0));
    // The web page and the CSV show the same.
    clTurnier turnier;
    const wxString html = clHtmlAusgabe(&turnier).erzeugeEndrunde(*feld.er);
    EXPECT_TRUE(html.Contains("rowspan=\"2\">Anna <small>3:1</small>") &&
                html.Contains("Carla <small>w.o.</small>"));
    const wxString csv = clCsvExport::erzeugeEndrunde(*feld.er);
    EXPECT_TRUE(csv.Contains("\"Carla\";\"Freilos\"\n") && csv.Contains("\"Carla\";\"Anna w.o.\"\n")) << csv;
    EXPECT_EQ("\"Platz\";\"Teilnehmer\"\n\"1\";\"Carla\"\n\"2\";\"Anna\"\n\"3\";\"Bernd\"\n",
              clCsvExport::erzeugeEndstand(feld.er->getEndstand()));
}

// 32 lines fit on a page; larger brackets print their blocks of 32 lines and
// then the rounds from the blocks' winners on.
TEST(EndrundenLayout, Seitenteilung)
{
    const struct
    {
        int linien;
        std::string teile;
    } faelle[] = {
        {4, "1-2@0x4+3 "},
        {32, "1-5@0x32+3 "},
        {64, "1-5@0x32 1-5@32x32 6-6@0x2+3 "},
        {128, "1-5@0x32 1-5@32x32 1-5@64x32 1-5@96x32 6-7@0x4+3 "},
    };
    for (const auto& f : faelle)
    {
        tEndrundenFeld feld(f.linien, 3, true);
        std::string teile;
        for (const sAusschnitt& a : clEndrundenLayout::teileAuf(*feld.er, clEndrundenLayout::LinienProSeite))
            teile += text(a) + " ";
        EXPECT_EQ(f.teile, teile) << f.linien;
    }
    // A page of a large bracket holds its 32 lines and their matches only.
    tEndrundenFeld feld(64);
    const sAusschnitt zweite = clEndrundenLayout::teileAuf(*feld.er, 32)[1];
    const clEndrundenLayout layout(*feld.er, zweite, wxRect(0, 0, 1000, 700));
    EXPECT_EQ(31u, layout.getSpiele().size());
    EXPECT_EQ("S33", layout.getLinien().front().name);
    EXPECT_EQ(wxRect(), layout.getRahmen(feld.er->getSpiel(1, 1)));
}
