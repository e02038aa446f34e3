#include <utility>
#include <wx/uiaction.h>

#include "GuiHilfen.h"

class Turnierpanel : public FensterTest
{
protected:
    bool aktiv(int id) const { return seite1->FindWindow(id)->IsEnabled(); }

    std::pair<int, int> cursor() const { return {grid->GetGridCursorRow(), grid->GetGridCursorCol()}; }

    clTurnierpanel* seite1 = seite<clTurnierpanel>();
    wxGrid* grid = seite1->getGrid();
    clTeilnehmerTableBase* tb = seite1->getTable();
};

// Typed as an organiser does, with the keyboard.
TEST_F(Turnierpanel, JederTabGehtGenauEinenSchritt)
{
    grid->SetFocus();
    verarbeiteEreignisse();
    wxUIActionSimulator sim;
    auto taste = [&](int mod)
    {
        sim.Char(WXK_TAB, mod);
        verarbeiteEreignisse();
        return cursor();
    };
    sim.Text("Anna");
    EXPECT_EQ(std::make_pair(0, 1), taste(wxMOD_NONE));
    EXPECT_TRUE(grid->IsCellEditControlEnabled());
    sim.Text("Schmidt");
    EXPECT_EQ(std::make_pair(0, 2), taste(wxMOD_NONE));
    // From the last column of the first empty row on to the row below it, and back.
    EXPECT_EQ(std::make_pair(1, 0), taste(wxMOD_NONE));
    EXPECT_EQ(std::make_pair(1, 1), taste(wxMOD_NONE));
    EXPECT_EQ(std::make_pair(1, 2), taste(wxMOD_NONE));
    EXPECT_EQ(std::make_pair(2, 0), taste(wxMOD_NONE));
    EXPECT_EQ(std::make_pair(1, 2), taste(wxMOD_SHIFT));
    EXPECT_EQ(std::make_pair(1, 1), taste(wxMOD_SHIFT));
    grid->DisableCellEditControl();
    grid->GoToCell(0, 0);
    EXPECT_EQ(std::make_pair(0, 0), taste(wxMOD_SHIFT));
    // Below the first empty row Tab does not wrap.
    grid->DisableCellEditControl();
    grid->GoToCell(5, 2);
    EXPECT_EQ(std::make_pair(5, 2), taste(wxMOD_NONE));
    grid->DisableCellEditControl();

    ASSERT_EQ(1, tb->getDataListSize());
    EXPECT_EQ("Anna", grid->GetCellValue(0, 0));
    EXPECT_EQ("Schmidt", grid->GetCellValue(0, 1));
}

TEST_F(Turnierpanel, KnoepfeWirkenNurAufTeilnehmerzeilen)
{
    EXPECT_FALSE(aktiv(clTurnierpanel::idBtnBearb));
    EXPECT_FALSE(aktiv(clTurnierpanel::idBtnLoesch));
    teilnehmer(frame.get(), {L"Anna", L"Bernd", L"Carla"});
    grid->GoToCell(5, 0);
    EXPECT_FALSE(aktiv(clTurnierpanel::idBtnLoesch));
    // Even a press that reaches the page changes nothing there.
    for (int id : {clTurnierpanel::idBtnLoesch, clTurnierpanel::idBtnHoch, clTurnierpanel::idBtnRunter})
        klicke(seite1, id);
    EXPECT_EQ(3, tb->getDataListSize());

    grid->GoToCell(0, 0);
    EXPECT_FALSE(aktiv(clTurnierpanel::idBtnHoch));
    EXPECT_TRUE(aktiv(clTurnierpanel::idBtnRunter));
    grid->GoToCell(1, 0);
    EXPECT_TRUE(aktiv(clTurnierpanel::idBtnHoch));
    EXPECT_TRUE(aktiv(clTurnierpanel::idBtnLoesch));
    klicke(seite1, clTurnierpanel::idBtnHoch);
    EXPECT_EQ("Bernd", grid->GetCellValue(0, 0));
    EXPECT_EQ("Anna", grid->GetCellValue(1, 0));
    klicke(seite1, clTurnierpanel::idBtnRunter);
    EXPECT_EQ("Carla", grid->GetCellValue(1, 0));
    grid->GoToCell(2, 0);
    EXPECT_FALSE(aktiv(clTurnierpanel::idBtnRunter));
    klicke(seite1, clTurnierpanel::idBtnLoesch);
    EXPECT_EQ("", grid->GetCellValue(2, 0));
    EXPECT_FALSE(aktiv(clTurnierpanel::idBtnLoesch));

    klicke(seite1, clTurnierpanel::idUebBtnAnwenden);
    ASSERT_EQ(2, turnier()->getAnzahlTeilnehmer());
    EXPECT_EQ("Carla", turnier()->getTeilnehmer(2)->getAnzeige());

    grid->GoToCell(0, 0);
    klicke(seite1, clTurnierpanel::idBtnNeu);
    // Only the page's own pending work: on the test display, without a window
    // manager, stray focus changes may close the editor again.
    wxTheApp->ProcessPendingEvents();
    EXPECT_EQ(std::make_pair(2, 0), cursor());
    EXPECT_TRUE(grid->IsCellEditControlEnabled());
}

TEST_F(Turnierpanel, GridWaechstMitDerListeBisZurHoechstzahl)
{
    for (int i = 0; i < 30; ++i)
        tippe(grid, i, 0, wxString::Format("T%d", i + 1));
    EXPECT_EQ(31, grid->GetNumberRows());
    klicke(seite1, clTurnierpanel::idUebBtnAnwenden);
    EXPECT_EQ(30, turnier()->getAnzahlTeilnehmer());

    // 60 participants, as from a file: the tournament refreshes the views.
    for (int i = 30; i < 60; ++i)
        tb->SetValue(i, 0, wxString::Format("T%d", i + 1));
    tb->DatenZurueckSchreiben();
    turnier()->AktualisiereAnzeigen();
    EXPECT_EQ(61, grid->GetNumberRows());
    EXPECT_EQ("T60", grid->GetCellValue(59, 0));

    // One more than the limit is not applied; the typed list stays for the organiser to shorten.
    for (int i = 60; i <= clTurnier::MaxTeilnehmer; ++i)
        tb->SetValue(i, 0, wxString::Format("T%d", i + 1));
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden), wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_EQ(60, turnier()->getAnzahlTeilnehmer());
    EXPECT_EQ(clTurnier::MaxTeilnehmer + 1, tb->getDataListSize());
}

TEST_F(Turnierpanel, UebernehmenFragtBevorErgebnisseVerlorenGehen)
{
    teilnehmer(frame.get(), {L"Anna", L"Bernd", L"Carla", L"Dora"});
    clTTSpiel* sp = turnier()->getSpiel(1, 1);
    sp->setSatzErg(1, 11, 4);
    turnier()->pruefeWertung(sp);

    // Renaming keeps every result and asks nothing; a question answered "Nein"
    // would leave the new name unapplied.
    tippe(grid, 0, 2, "Anni");
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden),
                  wxExpectModal<wxMessageDialog>(wxID_NO).Optional());
    EXPECT_EQ("Anni", turnier()->getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ(sp, turnier()->getSpiel(1, 1));
    EXPECT_EQ(11, sp->getSatzErg(1).P1);

    grid->GoToCell(3, 0);
    klicke(seite1, clTurnierpanel::idBtnLoesch);
    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden), wxExpectModal<wxMessageDialog>(wxID_NO));
    EXPECT_EQ(4, turnier()->getAnzahlTeilnehmer());
    EXPECT_EQ(11, turnier()->getSpiel(1, 1)->getSatzErg(1).P1);
    EXPECT_EQ(3, tb->getDataListSize());

    wxTEST_DIALOG(klicke(seite1, clTurnierpanel::idUebBtnAnwenden), wxExpectModal<wxMessageDialog>(wxID_YES));
    EXPECT_EQ(3, turnier()->getAnzahlTeilnehmer());
    EXPECT_FALSE(turnier()->hatErgebnisse());
}
