#include <wx/stattext.h>

#include "SeitenHilfen.h"
#include "clTT_Tabellenpanel.h"
#include "clTeilnehmerTableBase.h"
#include "clTurnierpanel.h"

class Tabellenpanel : public SeitenTest
{
protected:
    Tabellenpanel() : seite3(seite<clTT_Tabellenpanel>()), grid(seite3->getGrid()) { zeigeSeite(seite3); }

    clTT_Tabellenpanel* seite3;
    wxGrid* grid;
};

TEST_F(Tabellenpanel, AufbauOhneAbgeschnitteneTexte)
{
    wxStaticText* titel = finde<wxStaticText>(seite3);
    EXPECT_EQ("Platzierungen", titel->GetLabel());
    EXPECT_EQ(14, titel->GetFont().GetPointSize());
    EXPECT_EQ(wxFONTWEIGHT_BOLD, titel->GetFont().GetWeight());
    EXPECT_GE(titel->GetSize().x, titel->GetTextExtent(titel->GetLabel()).x);

    EXPECT_EQ(500, grid->GetSize().x);
    ASSERT_EQ(5, grid->GetNumberCols());
    const wxFont font = grid->GetLabelFont();
    int summe = grid->GetRowLabelSize();
    for (int col = 0; col < 5; ++col)
    {
        int b = 0;
        grid->GetTextExtent(grid->GetColLabelValue(col), &b, nullptr, nullptr, nullptr, &font);
        EXPECT_GT(grid->GetColSize(col), b) << grid->GetColLabelValue(col);
        summe += grid->GetColSize(col);
    }
    // All columns fit side by side without scrolling.
    EXPECT_LE(summe, grid->GetClientSize().x);
    EXPECT_GE(grid->GetColSize(0), 120);
}

TEST_F(Tabellenpanel, EingabenWerdenVerworfen)
{
    clTurnierpanel* seite1 = seite<clTurnierpanel>();
    seite1->getTable()->SetValue(0, 0, "Anna");
    seite1->getTable()->SetValue(1, 0, "Bernd");
    druecke(seite1, clTurnierpanel::idUebBtnAnwenden);
    zeigeSeite(seite3);
    ASSERT_EQ(2, grid->GetNumberRows());
    tippe(grid, 0, 1, "5");
    tippe(grid, 1, 0, "Zora");
    EXPECT_EQ("0", grid->GetCellValue(0, 1));
    EXPECT_EQ("Bernd", grid->GetCellValue(1, 0));
}
