#include <utility>
#include <wx/dcmemory.h>
#include <wx/uiaction.h>

#include "GuiHilfen.h"
#include "clMyGridCellRenderer.h"
#include "clRundenpanel.h"
#include "clSpieleTableBase.h"
#include "clTT_Tabellenpanel.h"

class Rundenpanel : public FensterTest
{
protected:
    // Types the roster into the participants page and applies it.
    void erstelle(std::initializer_list<const wchar_t*> namen, int platten)
    {
        allgemein alg = *turnier()->getAllgemein();
        alg.Platten = platten;
        turnier()->setAllgemein(&alg);
        turnier()->Aktualisieren(true);
        teilnehmer(frame.get(), namen);
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
};

TEST_F(Rundenpanel, GridFolgtDemSpielplan)
{
    erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    const int breiten[] = {15, 75, 25, 25, 25, 15, 75, 25, 25, 25, 15, 225};
    ASSERT_EQ(12, grid->GetNumberCols());
    for (int col = 0; col < 12; ++col)
        EXPECT_EQ(breiten[col], grid->GetColSize(col)) << col;
    // The grid stays inside its page, so its scroll bars can be reached.
    EXPECT_LE(grid->GetSize().x, seite2->GetClientSize().x);
    EXPECT_LE(grid->GetSize().y, seite2->GetClientSize().y);

    // Names and byes that do not fit widen their columns.
    seite1->getTable()->SetValue(2, 2, L"Carla Schneider-Wallenfels");
    seite1->getTable()->SetValue(0, 2, L"Anna-Katharina Müller-Lüdenscheidt");
    klicke(seite1, clTurnierpanel::idUebBtnAnwenden);
    const wxFont font = grid->GetDefaultCellFont();
    EXPECT_GT(grid->GetColSize(1), textBreite(grid, grid->GetCellValue(1, 1), font));
    EXPECT_GT(grid->GetColSize(11), textBreite(grid, grid->GetCellValue(1, 11), font));

    // The grid follows a larger schedule.
    for (int i = 5; i < 60; ++i)
        seite1->getTable()->SetValue(i, 0, wxString::Format("T%d", i + 1));
    klicke(seite1, clTurnierpanel::idUebBtnAnwenden);
    EXPECT_EQ(4 * turnier()->getAnzahlRunden(), grid->GetNumberRows());
}

TEST_F(Rundenpanel, RahmenNurUmKopfUndSpielerzeilen)
{
    erstelle({L"Anna", L"Bernd", L"Carla"}, 1);
    // The toolkit keeps the renderer set as default for the cells' text type.
    wxGridCellRenderer* renderer = grid->GetCellRenderer(1, 2);
    ASSERT_NE(nullptr, dynamic_cast<clMyGridCellRenderer*>(renderer));
    auto gerahmt = [&](int row, int col)
    {
        wxBitmap bild(30, 20);
        {
            wxMemoryDC dc(bild);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            wxGridCellAttrPtr attr = grid->GetOrCreateCellAttrPtr(row, col);
            renderer->Draw(*grid, *attr, dc, wxRect(0, 0, 30, 20), row, col, false);
        }
        const wxImage img = bild.ConvertToImage();
        return img.GetRed(0, 10) == 0 && img.GetRed(29, 10) == 0 && img.GetRed(15, 0) == 0;
    };
    // Header and player rows of each table, not the gap row, the spacer columns or the byes' column.
    const int zellen[][3] = {{0, 1, 1}, {1, 2, 1}, {2, 4, 1}, {1, 6, 1}, {3, 2, 0}, {1, 0, 0}, {1, 5, 0}};
    for (const auto& z : zellen)
        EXPECT_EQ(z[2] == 1, gerahmt(z[0], z[1])) << z[0] << "," << z[1];
    renderer->DecRef();
}

TEST_F(Rundenpanel, PunkteEintippenZuruecknehmenUndTabelleLesen)
{
    erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    const wxString t1 = grid->GetCellValue(1, 1);
    const wxString t2 = grid->GetCellValue(2, 1);
    tippe(grid, 1, 2, "11");
    tippe(grid, 2, 2, "9");
    tippe(grid, 1, 3, "11");
    tippe(grid, 2, 3, "7");
    EXPECT_EQ("09", grid->GetCellValue(2, 2));

    clTT_Tabellenpanel* seite3 = seite<clTT_Tabellenpanel>();
    wxGrid* wertung = seite3->getGrid();
    zeigeSeite(seite3);
    const wxString zeilen[][5] = {{t1, "1", "1:0", "2:0", "22:16"}, {t2, "1", "0:1", "0:2", "16:22"}};
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(zeilen[row][col], wertung->GetCellValue(row, col)) << row << "," << col;
    // Every column is wider than its title, and all fit side by side without scrolling.
    int summe = wertung->GetRowLabelSize();
    for (int col = 0; col < wertung->GetNumberCols(); ++col)
    {
        const wxString titel = wertung->GetColLabelValue(col);
        EXPECT_GT(wertung->GetColSize(col), textBreite(wertung, titel, wertung->GetLabelFont())) << titel;
        summe += wertung->GetColSize(col);
    }
    EXPECT_LE(summe, wertung->GetClientSize().x);
    EXPECT_GE(wertung->GetColSize(0), 120);

    // A mistyped score is taken back by clearing its cell.
    zeigeSeite(seite2);
    tippe(grid, 2, 3, "");
    EXPECT_EQ("", grid->GetCellValue(2, 3));
    EXPECT_EQ("0", wertung->GetCellValue(0, 1));
    EXPECT_EQ("", wertung->GetCellValue(0, 2));
}

// A whole match typed without the mouse: Enter moves to the cell filled next.
TEST_F(Rundenpanel, EnterFuehrtDurchDieEingabe)
{
    erstelle({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil"}, 2);
    grid->GoToCell(1, 2);
    grid->SetFocus();
    verarbeiteEreignisse();
    wxUIActionSimulator sim;
    const char* const eingaben[] = {"11", "10", "8", "11", "11", "7", "5"};
    const std::pair<int, int> danach[] = {{2, 2}, {1, 3}, {2, 3}, {1, 4}, {2, 4}, {1, 7}, {2, 7}};
    for (size_t i = 0; i < WXSIZEOF(eingaben); ++i)
    {
        sim.Text(eingaben[i]);
        sim.Char(WXK_RETURN);
        verarbeiteEreignisse();
        EXPECT_EQ(danach[i], std::make_pair(grid->GetGridCursorRow(), grid->GetGridCursorCol())) << i;
    }
    const clTTSpiel* sp = turnier()->getSpiel(1, 1);
    EXPECT_EQ(10, sp->getSatzErg(1).P2);
    EXPECT_EQ(7, sp->getSatzErg(3).P2);
    EXPECT_EQ(5, turnier()->getSpiel(1, 2)->getSatzErg(1).P1);

    // The grid shows what the table marks: 11:10 cannot end a set; the winner is in bold.
    EXPECT_EQ(clSpieleTableBase::Warnfarbe, grid->GetCellBackgroundColour(2, 2));
    EXPECT_EQ(wxFONTWEIGHT_BOLD, grid->GetCellFont(1, 1).GetWeight());
}
