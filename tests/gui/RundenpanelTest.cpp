#include <utility>
#include <wx/uiaction.h>

#include "GuiHilfen.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"

class Rundenpanel : public FensterTest
{
protected:
    // Types the roster into the participants page, applies it and shows the rounds.
    void erstelle(std::initializer_list<const wchar_t*> namen, int platten)
    {
        turnier()->getAllgemein()->Platten = platten;
        turnier()->Aktualisieren(true);
        teilnehmer(namen);
        zeigeSeite(seite2);
    }

    static int textBreite(wxGrid* g, const wxString& text, const wxFont& font)
    {
        int b = 0;
        g->GetTextExtent(text, &b, nullptr, nullptr, nullptr, &font);
        return b;
    }

    clTurnierpanel* seite1 = seite<clTurnierpanel>();
    clRundenpanel* seite2 = seite<clRundenpanel>();
    wxGrid* grid = seite2->getGrid();
    wxGrid* wertung = seite<clTT_Tabellenpanel>()->getGrid();
};

// The grids follow the schedule and the roster as they grow and shrink; names
// and byes that do not fit widen their columns; the rounds grid stays inside its
// page, so that its scroll bars can be reached.
TEST_F(Rundenpanel, GridsFolgenSpielplanUndTeilnehmern)
{
    erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    EXPECT_LE(grid->GetSize().x, seite2->GetClientSize().x);
    EXPECT_LE(grid->GetSize().y, seite2->GetClientSize().y);
    seite1->getTable()->SetValue(2, 2, L"Carla Schneider-Wallenfels");
    seite1->getTable()->SetValue(0, 2, L"Anna-Katharina Müller-Lüdenscheidt");
    klicke(seite1, clTurnierpanel::idUebBtnAnwenden);
    const wxFont font = grid->GetDefaultCellFont();
    EXPECT_GT(grid->GetColSize(1), textBreite(grid, grid->GetCellValue(1, 1), font));
    EXPECT_GT(grid->GetColSize(11), textBreite(grid, grid->GetCellValue(1, 11), font));

    for (int i = 5; i < 60; ++i)
        seite1->getTable()->SetValue(i, 0, wxString::Format("T%d", i + 1));
    klicke(seite1, clTurnierpanel::idUebBtnAnwenden);
    EXPECT_EQ(4 * turnier()->getAnzahlRunden(), grid->GetNumberRows());
    EXPECT_EQ(60, wertung->GetNumberRows());
    EXPECT_EQ("T60", wertung->GetCellValue(59, 0));
    turnier()->Aktualisieren(true);
    EXPECT_EQ("4 1", wxString::Format("%d %d", grid->GetNumberRows(), wertung->GetNumberRows()));
}

// A match typed without the mouse: Enter moves to the cell filled next; the
// standings page shows the result, every column wider than its title and all
// side by side without scrolling.
TEST_F(Rundenpanel, EnterFuehrtDurchDieEingabeUndDieTabelleZeigtSie)
{
    erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    grid->GoToCell(1, 2);
    grid->SetFocus();
    verarbeiteEreignisse();
    wxUIActionSimulator sim;
    const std::pair<const char*, std::pair<int, int>> eingaben[] = {
        {"11", {2, 2}}, {"10", {1, 3}}, {"11", {2, 3}}, {"8", {1, 4}}, {"11", {2, 4}}, {"7", {1, 7}}};
    for (const auto& [text, danach] : eingaben)
    {
        sim.Text(text);
        sim.Char(WXK_RETURN);
        verarbeiteEreignisse();
        EXPECT_EQ(danach, std::make_pair(grid->GetGridCursorRow(), grid->GetGridCursorCol())) << text;
    }
    EXPECT_EQ(7, turnier()->getSpiel(1, 1)->getSatzErg(3).P2);
    // The grid shows what the table marks: 11:10 cannot end a set and counts for
    // nobody; the winner is in bold.
    EXPECT_EQ(clSpieleTableBase::Warnfarbe, grid->GetCellBackgroundColour(2, 2));
    EXPECT_EQ(wxFONTWEIGHT_BOLD, grid->GetCellFont(1, 1).GetWeight());

    zeigeSeite(seite<clTT_Tabellenpanel>());
    EXPECT_EQ("1:" + grid->GetCellValue(1, 1) + "|1|1:0|2:0|33:25|", zeile(*wertung->GetTable(), 0, 5));
    int summe = wertung->GetRowLabelSize();
    for (int col = 0; col < wertung->GetNumberCols(); ++col)
    {
        const wxString titel = wertung->GetColLabelValue(col);
        EXPECT_GT(wertung->GetColSize(col), textBreite(wertung, titel, wertung->GetLabelFont())) << titel;
        summe += wertung->GetColSize(col);
    }
    EXPECT_LE(summe, wertung->GetClientSize().x);
    EXPECT_GE(wertung->GetColSize(0), 120);
}
