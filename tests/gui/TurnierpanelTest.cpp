#include <tuple>
#include <utility>
#include <wx/uiaction.h>

#include "GuiHilfen.h"

class Turnierpanel : public FensterTest
{
protected:
    // Which of the buttons Hoch, Runter and Löschen are enabled ("+"), and the
    // names in the first rows.
    wxString zustand() const
    {
        wxString text;
        for (int id : {clTurnierpanel::idBtnHoch, clTurnierpanel::idBtnRunter, clTurnierpanel::idBtnLoesch})
            text << (seite1->FindWindow(id)->IsEnabled() ? "+" : "-");
        for (int row = 0; row < 3; ++row)
            text << " " << grid->GetCellValue(row, 0);
        return text;
    }

    std::pair<int, int> cursor() const { return {grid->GetGridCursorRow(), grid->GetGridCursorCol()}; }

    clTurnierpanel* seite1 = seite<clTurnierpanel>();
    wxGrid* grid = seite1->getGrid();
    clTeilnehmerTableBase* tb = seite1->getTable();
};

// Typed as an organiser does, with the keyboard: each Tab is one step, from the
// last column of the first empty row on to the row below it, and back; below
// the first empty row Tab does not wrap.
TEST_F(Turnierpanel, JederTabGehtGenauEinenSchritt)
{
    grid->SetFocus();
    verarbeiteEreignisse();
    wxUIActionSimulator sim;
    const std::tuple<const char*, int, int, int> schritte[] = {
        {"Anna", wxMOD_NONE, 0, 1}, {"Schmidt", wxMOD_NONE, 0, 2}, {"", wxMOD_NONE, 0, 3},
        {"TTC", wxMOD_NONE, 0, 4},  {"1520", wxMOD_NONE, 1, 0},    {"", wxMOD_NONE, 1, 1},
        {"", wxMOD_NONE, 1, 2},     {"", wxMOD_NONE, 1, 3},        {"", wxMOD_NONE, 1, 4},
        {"", wxMOD_NONE, 2, 0},     {"", wxMOD_SHIFT, 1, 4},       {"", wxMOD_SHIFT, 1, 3}};
    for (const auto& [text, mod, row, col] : schritte)
    {
        sim.Text(text);
        sim.Char(WXK_TAB, mod);
        verarbeiteEreignisse();
        EXPECT_EQ(std::make_pair(row, col), cursor()) << text << " " << mod;
        EXPECT_TRUE(grid->IsCellEditControlEnabled());
    }
    for (auto [row, col, mod] : {std::tuple{0, 0, wxMOD_SHIFT}, {5, 4, wxMOD_NONE}})
    {
        grid->DisableCellEditControl();
        grid->GoToCell(row, col);
        sim.Char(WXK_TAB, mod);
        verarbeiteEreignisse();
        EXPECT_EQ(std::make_pair(row, col), cursor());
    }
    grid->DisableCellEditControl();
    EXPECT_EQ(1, tb->getDataListSize());
    EXPECT_EQ("01:Anna|Schmidt||TTC|1520|", zeile(*tb, 0, 5));
}

// Hoch, Runter and Löschen act on participant rows only; Neu opens the editor
// in the first empty row.
TEST_F(Turnierpanel, KnoepfeWirkenNurAufTeilnehmerzeilen)
{
    EXPECT_EQ("---   ", zustand());
    // "Übernehmen" with nothing to apply says why.
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden),
                  erwarteMeldung(wxID_OK, "kein Teilnehmer"));
    teilnehmer({L"Anna", L"Bernd", L"Carla"});
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden), erwarteMeldung(wxID_OK, L"unverändert"));
    // The row gone to, the button pressed there and what follows; a press that
    // reaches the page below the participants changes nothing.
    const std::tuple<int, int, const char*> schritte[] = {
        {5, 0, "--- Anna Bernd Carla"},
        {5, clTurnierpanel::idBtnLoesch, "--- Anna Bernd Carla"},
        {5, clTurnierpanel::idBtnHoch, "--- Anna Bernd Carla"},
        {5, clTurnierpanel::idBtnRunter, "--- Anna Bernd Carla"},
        {0, 0, "-++ Anna Bernd Carla"},
        {1, clTurnierpanel::idBtnHoch, "+++ Bernd Anna Carla"},
        {1, clTurnierpanel::idBtnRunter, "+++ Bernd Carla Anna"},
        {2, 0, "+-+ Bernd Carla Anna"},
        {2, clTurnierpanel::idBtnLoesch, "--- Bernd Carla "}};
    for (const auto& [row, id, erwartet] : schritte)
    {
        grid->GoToCell(row, 0);
        if (id != 0)
            klicke(seite1, id);
        EXPECT_EQ(erwartet, zustand()) << row << " " << id;
    }
    grid->GoToCell(0, 0);
    klicke(seite1, clTurnierpanel::idBtnNeu);
    // Only the page's own pending work: on the test display, without a window
    // manager, stray focus changes may close the editor again.
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(std::make_pair(2, 0), cursor());
    EXPECT_TRUE(grid->IsCellEditControlEnabled());
}

// The grid follows the list as it is typed and after New (or a load); one
// participant more than the limit is not applied, and the typed list stays for
// the organiser to shorten.
TEST_F(Turnierpanel, GridWaechstMitDerListeBisZurHoechstzahl)
{
    for (int i = 0; i <= clTurnier::MaxTeilnehmer; ++i)
        tb->SetValue(i, 0, wxString::Format("T%d", i + 1));
    EXPECT_EQ(clTurnier::MaxTeilnehmer + 2, grid->GetNumberRows());
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden), wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_EQ(0, turnier()->getAnzahlTeilnehmer());
    EXPECT_EQ(clTurnier::MaxTeilnehmer + 1, tb->getDataListSize());
    turnier()->Aktualisieren(true);
    EXPECT_EQ(25, grid->GetNumberRows());
}

// Renaming keeps every result and asks nothing (a question answered "Nein"
// would leave the new name unapplied); removing a participant with results asks first.
TEST_F(Turnierpanel, UebernehmenFragtBevorErgebnisseVerlorenGehen)
{
    teilnehmer({L"Anna", L"Bernd", L"Carla", L"Dora"});
    clTTSpiel* sp = turnier()->getSpiel(1, 1);
    sp->setSatzErg(1, 11, 4);
    turnier()->pruefeWertung(sp);
    tb->SetValue(0, 2, "Anni");
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden),
                  wxExpectModal<wxMessageDialog>(wxID_NO).Optional());
    EXPECT_EQ("Anni", turnier()->getTeilnehmer(1)->getAnzeige());
    EXPECT_TRUE(turnier()->hatErgebnisse());

    grid->GoToCell(2, 0);
    klicke(seite1, clTurnierpanel::idBtnLoesch);
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden), wxExpectModal<wxMessageDialog>(wxID_NO));
    EXPECT_EQ(4, turnier()->getAnzahlTeilnehmer());
    EXPECT_TRUE(turnier()->hatErgebnisse());
    EXPECT_EQ(3, tb->getDataListSize());
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden), wxExpectModal<wxMessageDialog>(wxID_YES));
    EXPECT_EQ(3, turnier()->getAnzahlTeilnehmer());
    EXPECT_FALSE(turnier()->hatErgebnisse());
}

// Typed as in a spreadsheet: Enter after a row typed with Tab goes on below the
// row's first cell; a rating that is not a number is refused with the reason in
// the status line; a character that reaches the grid while the editor opens, or
// the closed editor while it still has the focus, is not lost.
TEST_F(Turnierpanel, TastenWieInDerTabellenkalkulation)
{
    grid->SetFocus();
    verarbeiteEreignisse();
    wxUIActionSimulator sim;
    for (const char* text : {"Anna", "Meier", "", "TSV", "abc"})
    {
        sim.Text(text);
        sim.Char(WXK_TAB);
        verarbeiteEreignisse();
    }
    EXPECT_EQ("01:Anna|Meier||TSV||", zeile(*tb, 0, 5));
    EXPECT_TRUE(frame->GetStatusBar()->GetStatusText().Contains("keine TTR-Zahl"));
    sim.Text("Bernd");
    sim.Char(WXK_TAB);
    sim.Text("Schulz");
    sim.Char(WXK_RETURN);
    verarbeiteEreignisse();
    EXPECT_EQ(std::make_pair(2, 0), cursor());

    auto zeichen = [](wxWindow* ziel, wxChar c)
    {
        wxKeyEvent taste(wxEVT_CHAR);
        taste.m_uniChar = c;
        taste.m_keyCode = c;
        taste.SetEventObject(ziel);
        ziel->GetEventHandler()->ProcessEvent(taste);
    };
    grid->GoToCell(2, 0);
    zeichen(grid->GetGridWindow(), 'C');
    zeichen(grid->GetGridWindow(), 'a');
    wxGridCellEditor* zelle = grid->GetCellEditor(2, 0);
    wxTextCtrl* editor = wxDynamicCast(zelle->GetControl(), wxTextCtrl);
    zelle->DecRef();
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ("Ca", editor->GetValue());
    grid->DisableCellEditControl();
    grid->GoToCell(3, 0);
    zeichen(editor, 'D');
    EXPECT_TRUE(grid->IsCellEditControlShown());
    EXPECT_EQ("D", editor->GetValue());
}
