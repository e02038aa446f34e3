#include <tuple>
#include <wx/uiaction.h>

#include "GuiHilfen.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "ansicht/clKreuztabellenpanel.h"
#include "tabellen/clGridMelder.h"

namespace
{
// Chooses sets to win and placing in the settings dialog and confirms it.
ErwarteDialog<dlAllgemeinDlg> waehleRegeln(int gewinnsaetze, int platzierung)
{
    return {wxID_OK, [=](dlAllgemeinDlg* dlg)
            {
                const std::vector<wxChoice*> auswahl = alleKinder<wxChoice>(dlg);
                auswahl.at(1)->SetSelection(gewinnsaetze - 2);
                auswahl.at(2)->SetSelection(platzierung);
                klicke(dlg, dlAllgemeinDlg::idAktBtnAnwenden);
            }};
}
} // namespace

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
    EXPECT_GT(grid->GetColSize(1), clGridMelder::getTextBreite(grid, grid->GetCellValue(1, 1), font));
    EXPECT_GT(grid->GetColSize(11), clGridMelder::getTextBreite(grid, grid->GetCellValue(1, 11), font));

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
    // Keys by their codes ('\r' Enter, '\b' Backspace, '\x7f' Delete), '\x1a' is
    // Ctrl+Z, '\x19' Ctrl+Y; a step may first put the cursor on a block's first
    // cell and select the block when it has more.
    const std::tuple<wxGridBlockCoords, const char*, const char*> schritte[] = {
        {{}, "115\b\r", "2,2 11: :"},         {{}, "9\r", "1,3 11:09 :"},
        {{}, "1o\r", "1,3 11:09 : !"},        {{}, "11\r", "2,3 11:09 11:"},
        {{}, "8\r", "1,7 11:09 11:08 fett"},  {{2, 3, 2, 3}, "\x7f", "2,3 11:09 11:"},
        {{}, "\x1a", "2,3 11:09 11:08 fett"}, {{1, 2, 2, 3}, "\b", "1,2 : :"},
        {{}, "\x1a", "1,2 11:09 11:08 fett"}, {{}, "\x1a", "1,2 11:09 11:"},
        {{}, "\x19", "1,2 11:09 11:08 fett"},
    };
    for (const auto& [block, tasten, danach] : schritte)
    {
        if (block.GetTopRow() >= 0)
            grid->GoToCell(block.GetTopLeft());
        if (block.GetBottomRight() != block.GetTopLeft())
            grid->SelectBlock(block.GetTopLeft(), block.GetBottomRight());
        for (const char* t = tasten; *t != '\0'; ++t)
        {
            // Undo and redo must show at once, before the grid is painted again.
            if (*t == '\x1a' || *t == '\x19')
                befehl(frame.get(), *t == '\x1a' ? wxID_UNDO : wxID_REDO);
            else if (sim.Char(*t))
                verarbeiteEreignisse();
        }
        EXPECT_EQ(wxString(danach), stand()) << tasten;
    }

    zeigeSeite(seite<clTT_Tabellenpanel>());
    EXPECT_EQ("1:" + grid->GetCellValue(1, 1) + "|1|1:0|2:0|22:17|", zeile(*wertung->GetTable(), 0, 5));
    int summe = wertung->GetRowLabelSize();
    for (int col = 0; col < wertung->GetNumberCols(); ++col)
    {
        const wxString titel = wertung->GetColLabelValue(col);
        EXPECT_GT(wertung->GetColSize(col),
                  clGridMelder::getTextBreite(wertung, titel, wertung->GetLabelFont()))
            << titel;
        summe += wertung->GetColSize(col);
    }
    EXPECT_LE(summe, wertung->GetClientSize().x);
    EXPECT_GE(wertung->GetColSize(0), 120);
}

// A best-of-five tournament by the ITTF placing: results in short form, a
// walkover from the match's menu, the cross table, and fewer sets to win only
// after a question.
TEST_F(Rundenpanel, BestOfFiveMitKurzeingabeKampflosUndKreuztabelle)
{
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuNeu), waehleRegeln(3, 1));
    teilnehmer({L"Anna", L"Bernd", L"Carla"});
    zeigeSeite(seite2);
    // Enter in the short form.
    auto eingabe = [this](const wxString& text)
    {
        seite2->getKurzeingabe()->SetValue(text);
        wxCommandEvent enter(wxEVT_TEXT_ENTER, clRundenpanel::idKurzeingabe);
        seite2->getKurzeingabe()->ProcessWindowEvent(enter);
    };
    ASSERT_EQ(9, grid->GetNumberCols());

    // The preview names the match and its sets, or why they are refused; only a
    // valid result is stored, and the cursor goes on to the next match.
    grid->SetGridCursor(1, 1);
    eingabe("5 x");
    EXPECT_TRUE(seite2->getKurzVorschau().Contains(L"„x“")) << seite2->getKurzVorschau();
    EXPECT_FALSE(turnier()->getSpiel(1, 1)->hatEingaben());
    seite2->getKurzeingabe()->SetValue("5, -7 9 9");
    EXPECT_EQ("Runde 1, Platte 1: Bernd - Carla: 11:5, 7:11, 11:9, 11:9", seite2->getKurzVorschau());
    eingabe("5, -7 9 9");
    EXPECT_EQ("11", grid->GetCellValue(1, 5));
    EXPECT_EQ(5, grid->GetGridCursorRow());
    EXPECT_EQ(wxString(), seite2->getKurzeingabe()->GetValue());

    // Carla did not play against Anna.
    wxCommandEvent wo(wxEVT_MENU, clRundenpanel::idKampflos1);
    seite2->ProcessWindowEvent(wo);
    EXPECT_EQ("Carla (w.o.)", grid->GetCellValue(5, 1));
    // Replacing an entry asks first, Enter saying "Ja": "Nein" keeps the walkover.
    wxTEST_DIALOG(eingabe("1 1 1"), erwarteMeldung(wxID_NO, L"Carla - Anna hat schon einen Eintrag"));
    EXPECT_EQ("Carla (w.o.)", grid->GetCellValue(5, 1));
    grid->SetGridCursor(1, 1);
    auto jaMitEnter = [](wxMessageDialog* dlg) { EXPECT_FALSE(dlg->GetMessageDialogStyle() & wxNO_DEFAULT); };
    wxTEST_DIALOG(eingabe("1 -1 1 1"), ErwarteDialog<wxMessageDialog>(wxID_YES, jaMitEnter));
    EXPECT_EQ("01", grid->GetCellValue(1, 3));

    // Anna and Bernd share the first place: their match is still open.
    clKreuztabellenpanel* kp = seite<clKreuztabellenpanel>();
    zeigeSeite(kp);
    EXPECT_EQ("2  Bernd:||3:1|2|1|", zeile(*kp->getGrid()->GetTable(), 1, 5));

    // Best of three would cut off the fourth set: asked first, "Nein" keeps it all.
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuBearbeiten), waehleRegeln(2, 1),
                  erwarteMeldung(wxID_NO, L"höchstens 3"));
    EXPECT_EQ(9, grid->GetNumberCols());
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuBearbeiten), waehleRegeln(2, 0),
                  erwarteMeldung(wxID_YES, L"höchstens 3"));
    EXPECT_EQ(7, grid->GetNumberCols());
    EXPECT_EQ(-1, turnier()->getSpiel(1, 1)->getSatzErg(4).P1);
    EXPECT_EQ(5, turnier()->getWertungTableBase()->GetNumberCols());
}
