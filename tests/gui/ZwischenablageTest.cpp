// Names pasted and imported into the participants page, cells copied from the grids.
#include <wx/uiaction.h>

#include "GuiHilfen.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "ansicht/clZwischenablage.h"

class Zwischenablage : public FensterTest
{
protected:
    // Presses Ctrl with a letter in the grid, as the keyboard does.
    void strg(wxGrid* g, char taste)
    {
        g->GetGridWindow()->SetFocus();
        verarbeiteEreignisse();
        wxUIActionSimulator().Char(taste, wxMOD_CONTROL);
        verarbeiteEreignisse();
    }

    wxString zwischenablage() const
    {
        wxString text;
        EXPECT_TRUE(clZwischenablage::lies(text));
        return text;
    }

    std::string zeilen() const { return ::zeilen(tb->getEditListe()).utf8_string(); }

    clTurnierpanel* seite1 = seite<clTurnierpanel>();
    wxGrid* grid = seite1->getGrid();
    clTeilnehmerTableBase* tb = seite1->getTable();
};

TEST_F(Zwischenablage, StrgVFuelltZeilenAbDemCursorOhneZuUebernehmen)
{
    teilnehmer({L"Anna", L"Bernd"});
    ASSERT_TRUE(clZwischenablage::schreibe("Carla\tMeier\nDora\tKrause\tDodo\n"));
    grid->GoToCell(1, 2);
    strg(grid, 'V');
    EXPECT_EQ("Anna||Anna\nCarla|Meier|\nDora|Krause|Dodo\n", zeilen());
    EXPECT_EQ("Bernd", turnier()->getTeilnehmer(2)->getAnzeige());
    klicke(seite1, clTurnierpanel::idUebBtnAnwenden);
    EXPECT_EQ("Carla", turnier()->getTeilnehmer(2)->getAnzeige());

    // One name more than the limit: refused with a message, nothing pasted.
    wxString viele;
    for (int i = 1; i <= clTurnier::MaxTeilnehmer; ++i)
        viele << "T" << i << "\n";
    ASSERT_TRUE(clZwischenablage::schreibe(viele));
    wxTEST_DIALOG(strg(grid, 'V'), erwarteMeldung(wxID_OK, "500"));
    EXPECT_EQ("Anna||Anna\nCarla|Meier|Carla\nDora|Krause|Dodo\n", zeilen());
}

TEST_F(Zwischenablage, ImportHaengtDieDateiAnDieListe)
{
    teilnehmer({L"Anna"});
    schreibeBytes(pfad("liste.csv"), "Name;Vorname\r\nWei\xDF;J\xFCrgen\r\n");
    grid->GoToCell(0, 0);
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuTeilnehmerImport), waehleDatei(pfad("liste.csv")));
    EXPECT_EQ("Anna||Anna\nJürgen|Weiß|\n", zeilen());
    EXPECT_EQ(1, grid->GetGridCursorRow());
    EXPECT_EQ(1, turnier()->getAnzahlTeilnehmer());

    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuTeilnehmerImport), waehleDatei(pfad("fehlt.csv")),
                  erwarteMeldung(wxID_OK, "fehlt.csv"));
    EXPECT_EQ(2, tb->getDataListSize());
}

TEST_F(Zwischenablage, StrgCKopiertDieAuswahlJedesGrids)
{
    teilnehmer({L"Anna", L"Bernd", L"Carla"});
    for (wxGrid* g : {grid, seite<clRundenpanel>()->getGrid(), seite<clTT_Tabellenpanel>()->getGrid()})
    {
        zeigeSeite(g->GetParent());
        ASSERT_TRUE(clZwischenablage::schreibe("-"));
        g->ClearSelection();
        g->GoToCell(1, 1);
        strg(g, 'C');
        EXPECT_EQ(g->GetCellValue(1, 1) + "\n", zwischenablage());
    }
    // Several blocks come as the rectangle around them.
    grid->SelectBlock(0, 0, 0, 0);
    grid->SelectBlock(1, 2, 2, 2, true);
    strg(grid, 'C');
    EXPECT_EQ("Anna\t\t\n\t\tBernd\n\t\tCarla\n", zwischenablage());
}
