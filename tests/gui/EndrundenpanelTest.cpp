#include <wx/dcmemory.h>
#include <wx/listctrl.h>
#include <wx/print.h>
#include <wx/scrolwin.h>

#include "../EndrundenHilfen.h"
#include "GuiHilfen.h"
#include "ansicht/clEndrundenpanel.h"
#include "ausgabe/clDruck.h"
#include "ausgabe/clEndrundenLayout.h"
#include "ausgabe/clEndrundenZeichner.h"

namespace
{
// The page in a window of its own, with the changes it reports.
struct tSeite
{
    tEndrundenFeld feld;
    std::vector<sEndrundenAenderung> gemeldet;
    wxFrame* rahmen = new wxFrame(nullptr, wxID_ANY, "Endrunde", wxPoint(0, 0), wxSize(1300, 900));
    clEndrundenpanel* seite = new clEndrundenpanel(
        rahmen, feld.er.get(), [this](const sEndrundenAenderung& a) { gemeldet.push_back(a); });

    explicit tSeite(int spieler) : feld(spieler)
    {
        rahmen->Show();
        verarbeiteEreignisse();
    }
    ~tSeite() { rahmen->Destroy(); }

    void eingabe(const wxString& text)
    {
        seite->getKurzeingabe()->SetValue(text);
        wxCommandEvent enter(wxEVT_TEXT_ENTER, clEndrundenpanel::idKurzeingabe);
        seite->getKurzeingabe()->ProcessWindowEvent(enter);
    }
    // The names and results on the lines of a round, as drawn.
    wxString linien(int runde) const
    {
        wxString text;
        const int x = seite->getLayout()->getLinien().front().links +
                      (runde - 1) * seite->getLayout()->getSpaltenbreite();
        for (const auto& l : seite->getLayout()->getLinien())
            if (l.links == x)
                text += l.name + (l.ergebnis.empty() ? "" : " " + l.ergebnis) + "|";
        return text;
    }
    // The tree as drawn; with QUOBEL_BILDER set, also saved there as a picture to look at.
    wxImage bild(const wxString& name) const
    {
        wxBitmap bmp(seite->getBaum()->GetVirtualSize());
        wxMemoryDC dc(bmp);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        clEndrundenZeichner::zeichne(dc, *seite->getLayout(), seite->getGewaehlt());
        dc.SelectObject(wxNullBitmap);
        wxString ordner;
        if (wxGetEnv("QUOBEL_BILDER", &ordner))
            bmp.SaveFile(ordner + "/" + name + ".png", wxBITMAP_TYPE_PNG);
        return bmp.ConvertToImage();
    }
};
} // namespace

// A short form advances its winner on the tree, Enter moves on to the next open
// match, a walkover from the menu counts, and the final placing follows.
TEST(Endrundenpanel, KurzeingabeRueckt)
{
    KeinEchterDialog haken;
    tSeite s(8);
    EXPECT_EQ(s.feld.er->getSpiel(0), s.seite->getGewaehlt());
    EXPECT_TRUE(s.seite->getKurzVorschau().Contains("Viertelfinale: Anna - Bernd"));
    s.eingabe("5 -7 9 9");
    EXPECT_EQ("Anna 3:1||||", s.linien(2));
    EXPECT_EQ(s.feld.er->getSpiel(1), s.seite->getGewaehlt());
    ASSERT_EQ(1u, s.gemeldet.size());
    EXPECT_EQ(s.feld.er->getSpiel(0), s.gemeldet[0].spiel);
    wxCommandEvent wo(wxEVT_MENU, clEndrundenpanel::idAusfall + clErgebnisEingabe::ofsKampflos1);
    s.seite->ProcessWindowEvent(wo);
    EXPECT_EQ("Anna 3:1|Dora w.o.|||", s.linien(2));
    s.bild("endrunde8");
    for (int taste : {WXK_RIGHT, WXK_DOWN, WXK_LEFT})
        s.seite->bewege(taste);
    EXPECT_EQ(s.feld.er->getSpiel(2), s.seite->getGewaehlt());
}

// A correction whose winner has played on asks first and keeps everything at "Nein".
TEST(Endrundenpanel, KorrekturFragtZuerst)
{
    KeinEchterDialog haken;
    tSeite s(4);
    s.feld.gewinnt(0, 1);
    s.feld.gewinnt(1, 1);
    s.feld.gewinnt(2, 2);
    s.seite->aktualisiere();
    EXPECT_EQ("1.", s.seite->getEndstandListe()->GetItemText(0));
    EXPECT_EQ("Carla", s.seite->getEndstandListe()->GetItemText(0, 1));
    s.seite->waehle(s.feld.er->getSpiel(0));
    wxTEST_DIALOG(s.eingabe("-1 -1 -1"),
                  erwarteMeldung(wxID_NO, L"1 Ergebnisse späterer Runden gehen verloren"));
    EXPECT_EQ("Anna 3:1|Carla 3:1|", s.linien(2));
    wxTEST_DIALOG(s.eingabe("-1 -1 -1"), erwarteMeldung(wxID_YES, "Finale: Anna - Carla"));
    EXPECT_EQ("Bernd 3:0|Carla 3:1|", s.linien(2));
    EXPECT_EQ("|", s.linien(3));
    ASSERT_EQ(1u, s.gemeldet.size());
    EXPECT_EQ(s.feld.er->getSpiel(2), s.gemeldet[0].verloren.at(0).first);
}

// Each set typed side by side into the cells of the chosen match, one step each;
// the deciding one advances the winner, text that is no points is refused.
TEST(Endrundenpanel, Satzzellen)
{
    KeinEchterDialog haken;
    tSeite s(3);
    const struct
    {
        int seite, snr;
        const char* text;
    } zellen[] = {{1, 1, "11"}, {2, 1, "5"}, {1, 2, "11"}, {2, 2, "5"}, {1, 3, "11"}};
    for (const auto& z : zellen)
        EXPECT_TRUE(s.seite->setzePunkte(z.seite, z.snr, z.text));
    EXPECT_FALSE(s.seite->setzePunkte(2, 3, "abc"));
    EXPECT_EQ("|Carla Freilos|", s.linien(2));
    EXPECT_TRUE(s.seite->setzePunkte(2, 3, " 9 "));
    EXPECT_EQ("Anna 3:0|Carla Freilos|", s.linien(2));
    EXPECT_TRUE(s.seite->setzePunkte(2, 3, "9"));
    EXPECT_EQ(6u, s.gemeldet.size());
    EXPECT_EQ("9", s.seite->getSatzGrid()->GetCellValue(1, 2));
    EXPECT_TRUE(s.seite->setzePunkte(1, 1, ""));
    EXPECT_EQ("|Carla Freilos|", s.linien(2));
}

// The tree prints 32 lines to a landscape page, a larger bracket in parts.
TEST(Endrundenpanel, DruckSeiten)
{
    clTurnier turnier;
    clDruck druck(nullptr, &turnier);
    for (const auto& [spieler, seiten] : {std::pair{32, 1}, std::pair{64, 3}, std::pair{128, 5}})
    {
        tEndrundenFeld feld(spieler, 3, true);
        std::unique_ptr<wxPrintout> ausdruck(druck.erzeugeAusdruck(*feld.er, clDruck::Baum));
        wxBitmap bmp(1123, 794);
        wxMemoryDC dc(bmp);
        ausdruck->SetDC(&dc);
        ausdruck->SetPPIScreen(96, 96);
        ausdruck->SetPPIPrinter(96, 96);
        ausdruck->SetPageSizePixels(1123, 794);
        ausdruck->SetPageSizeMM(297, 210);
        ausdruck->SetPaperRectPixels(wxRect(0, 0, 1123, 794));
        int von = 0, bis = 0, a = 0, b = 0;
        ausdruck->GetPageInfo(&von, &bis, &a, &b);
        EXPECT_EQ(seiten, bis);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        EXPECT_TRUE(ausdruck->OnPrintPage(bis));
        EXPECT_FALSE(ausdruck->HasPage(bis + 1));
        dc.SelectObject(wxNullBitmap);
        wxString ordner;
        if (wxGetEnv("QUOBEL_BILDER", &ordner))
            bmp.SaveFile(wxString::Format("%s/druck%d.png", ordner, spieler), wxBITMAP_TYPE_PNG);
    }
}

// A name too long for its line is cut short at the line's end: outside the line
// the tree is drawn exactly as with a short name.
TEST(Endrundenpanel, LangerNameEndetMitSeinerLinie)
{
    tSeite s(4);
    const wxImage kurz = s.bild("endrunde4");
    s.feld.spieler[1]->setAnzeige("Maximiliane Mustermann-Schulze");
    s.seite->aktualisiere();
    const wxImage lang = s.bild("endrunde4lang");
    const clEndrundenLayout::sLinie& linie = s.seite->getLayout()->getLinien().at(1);
    int innen = 0, aussen = 0;
    for (int y = 0; y < lang.GetHeight(); ++y)
        for (int x = 0; x < lang.GetWidth(); ++x)
            if (lang.GetRed(x, y) != kurz.GetRed(x, y) || lang.GetGreen(x, y) != kurz.GetGreen(x, y))
                ++(x >= linie.links && x < linie.rechts ? innen : aussen);
    EXPECT_GT(innen, 0);
    EXPECT_EQ(0, aussen);
}
