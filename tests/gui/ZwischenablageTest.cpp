// Names pasted and imported into the participants page, cells copied from the grids.
#include <tuple>
#include <wx/uiaction.h>

#include "GuiHilfen.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "ansicht/clZwischenablage.h"
#include "datei/clTeilnehmerImport.h"

class Zwischenablage : public FensterTest
{
protected:
    // Presses Ctrl with a letter in the grid, or in the cell editor opened on the
    // cursor cell, as the keyboard does.
    void strg(wxGrid* g, char taste, bool imEditor = false)
    {
        if (imEditor)
            g->EnableCellEditControl();
        else
            g->GetGridWindow()->SetFocus();
        verarbeiteEreignisse();
        ASSERT_EQ(imEditor, g->IsCellEditControlShown());
        wxUIActionSimulator().Char(taste, wxMOD_CONTROL);
        verarbeiteEreignisse();
        g->DisableCellEditControl();
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

// A list goes into the rows from the cursor row on, whether the cell editor is
// closed or open (a click on the cursor cell opens it); a single cell with a line
// break at its end goes into the open editor. An imported file goes below the
// list. Nothing is applied.
TEST_F(Zwischenablage, StrgVUndImportFuellenZeilenOhneZuUebernehmen)
{
    teilnehmer({L"Anna", L"Bernd"});
    const std::tuple<bool, int, const char*, const char*> faelle[] = {
        {false, 2, "Carla\tMeier\nDora\tKrause\tDodo\n", "Anna||Anna\nCarla|Meier|\nDora|Krause|Dodo\n"},
        {true, 0, "Emil\tBerg\r\nFritz Lang", "Anna||Anna\nEmil|Berg|\nFritz|Lang|\n"},
        {true, 1, "Kurz\n", "Anna||Anna\nEmil|Kurz|\nFritz|Lang|\n"}};
    for (const auto& [editor, col, text, erwartet] : faelle)
    {
        ASSERT_TRUE(clZwischenablage::schreibe(text));
        grid->GoToCell(1, col);
        strg(grid, 'V', editor);
        EXPECT_EQ(erwartet, zeilen()) << text;
    }

    // One name more than the limit: refused with a message, nothing pasted.
    wxString viele(L'\n', clTurnier::MaxTeilnehmer);
    viele.Replace("\n", "T\n");
    ASSERT_TRUE(clZwischenablage::schreibe(viele));
    wxTEST_DIALOG(strg(grid, 'V'), erwarteMeldung(wxID_OK, "500"));
    EXPECT_EQ(3, tb->getDataListSize());

    // An imported list goes below the list, the cursor to its first row.
    schreibeBytes(pfad("liste.csv"), "Name;Vorname\r\nWei\xDF;J\xFCrgen\r\n");
    grid->GoToCell(0, 0);
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuTeilnehmerImport), waehleDatei(pfad("liste.csv")));
    EXPECT_EQ("Anna||Anna\nEmil|Kurz|\nFritz|Lang|\nJürgen|Weiß|\n", zeilen());
    EXPECT_EQ(3, grid->GetGridCursorRow());
    EXPECT_EQ("Bernd", turnier()->getTeilnehmer(2)->getAnzeige());

    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuTeilnehmerImport), waehleDatei(pfad("fehlt.csv")),
                  erwarteMeldung(wxID_OK, "fehlt.csv"));
    EXPECT_EQ(4, tb->getDataListSize());
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
    // Several blocks come as the rectangle around them; a cell with a quote is
    // quoted, so that pasting gives it back.
    tb->SetValue(1, 2, "Bernd \"Ben\"");
    grid->SelectBlock(0, 0, 0, 0);
    grid->SelectBlock(1, 2, 2, 2, true);
    strg(grid, 'C');
    EXPECT_EQ("Anna\t\t\n\t\t\"Bernd \"\"Ben\"\"\"\n\t\tCarla\n", zwischenablage());
    EXPECT_EQ("Anna||\n||Bernd \"Ben\"\n||Carla\n", ::zeilen(clTeilnehmerImport::zerlege(zwischenablage())));
}
