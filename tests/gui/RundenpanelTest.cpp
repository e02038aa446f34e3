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

// A match typed without the mouse: Enter goes to the other side, the next set
// and, after the set that decides the match, the next match; text that is no
// score is refused with the reason and keeps its cell. Delete and Backspace
// outside the editor empty the selected cells as one step; undo takes back
// what it showed, the winner's bold too. The standings page shows the result,
// every column wider than its title and all side by side without scrolling.
TEST_F(Rundenpanel, TastaturEingabeUndDieTabelleZeigtSie)
{
    erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    grid->GoToCell(1, 2);
    grid->SetFocus();
    verarbeiteEreignisse();
    wxUIActionSimulator sim;
    // Cursor, sets 1 and 2, the winner's bold and whether the status line says something.
    auto stand = [this]
    {
        return wxString::Format("%d,%d %s:%s %s:%s%s%s", grid->GetGridCursorRow(), grid->GetGridCursorCol(),
                                grid->GetCellValue(1, 2), grid->GetCellValue(2, 2), grid->GetCellValue(1, 3),
                                grid->GetCellValue(2, 3),
                                grid->GetCellFont(1, 1).GetWeight() == wxFONTWEIGHT_BOLD ? " fett" : "",
                                frame->GetStatusBar()->GetStatusText().empty() ? "" : " !");
    };
    // '\x1a' is Ctrl+Z, '\x19' Ctrl+Y; the cursor goes to von first, and bis selects a block.
    using Zelle = std::pair<int, int>;
    const struct
    {
        Zelle von, bis;
        const char* tasten;
        const char* danach;
    } schritte[] = {
        {{}, {}, "115\b\n", "2,2 11: :"},
        {{}, {}, "10\n", "1,3 11:10 :"},
        {{}, {}, "abc\n", "1,3 11:10 : !"},
        {{}, {}, "o5\n", "1,3 11:10 : !"},
        {{}, {}, "999999999999\n", "1,3 11:10 : !"},
        {{}, {}, "11\n", "2,3 11:10 11:"},
        {{}, {}, "8\n", "1,7 11:10 11:08 fett"},
        {{2, 3}, {}, "\x7f", "2,3 11:10 11:"},
        {{}, {}, "\x1a", "2,3 11:10 11:08 fett"},
        {{1, 2}, {2, 3}, "\b", "1,2 : :"},
        {{}, {}, "\x1a", "1,2 11:10 11:08 fett"},
        {{}, {}, "\x1a", "1,2 11:10 11:"},
        {{}, {}, "\x19", "1,2 11:10 11:08 fett"},
    };
    for (const auto& [von, bis, tasten, danach] : schritte)
    {
        if (von.first > 0)
            grid->GoToCell(von.first, von.second);
        if (bis.first > 0)
            grid->SelectBlock(von.first, von.second, bis.first, bis.second);
        for (const char* t = tasten; *t != '\0'; ++t)
        {
            // Undo and redo must show at once, before the grid is painted again.
            if (*t == '\x1a' || *t == '\x19')
                befehl(frame.get(), *t == '\x1a' ? wxID_UNDO : wxID_REDO);
            else
            {
                sim.Char(*t == '\n' ? WXK_RETURN : *t == '\b' ? WXK_BACK : *t == '\x7f' ? WXK_DELETE : *t);
                verarbeiteEreignisse();
            }
        }
        EXPECT_EQ(wxString(danach), stand()) << tasten;
    }
    // The grid shows what the table marks: 11:10 cannot end a set.
    EXPECT_EQ(clSpieleTableBase::Warnfarbe, grid->GetCellBackgroundColour(2, 2));

    zeigeSeite(seite<clTT_Tabellenpanel>());
    EXPECT_EQ("1:" + grid->GetCellValue(1, 1) + "|1|1:0|2:0|22:18|", zeile(*wertung->GetTable(), 0, 5));
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
