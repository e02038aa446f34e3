#include <gtest/gtest.h>

#include "GuiHilfen.h"
#include "tabellen/clKreuzTableBase.h"
#include "ansicht/clKreuztabellenpanel.h"
#include "ansicht/clRundenpanel.h"

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

class RegelnFenster : public FensterTest
{
protected:
    void eingabe(const wxString& text, bool enter)
    {
        clRundenpanel* rp = seite<clRundenpanel>();
        rp->getKurzeingabe()->SetValue(text);
        if (enter)
        {
            wxCommandEvent e(wxEVT_TEXT_ENTER, clRundenpanel::idKurzeingabe);
            e.SetEventObject(rp->getKurzeingabe());
            rp->getKurzeingabe()->ProcessWindowEvent(e);
        }
    }
};

// A best-of-five tournament by the ITTF placing: results in short form, a
// walkover from the match's menu, the cross table, and fewer sets to win only
// after a question.
TEST_F(RegelnFenster, BestOfFiveMitKurzeingabeKampflosUndKreuztabelle)
{
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuNeu), waehleRegeln(3, 1));
    teilnehmer({L"Anna", L"Bernd", L"Carla"});
    clRundenpanel* rp = seite<clRundenpanel>();
    wxGrid* grid = rp->getGrid();
    zeigeSeite(rp);
    ASSERT_EQ(9, grid->GetNumberCols());
    EXPECT_EQ("5", grid->GetCellValue(0, 6));

    // The preview names the match and its sets, or why they are refused; only a
    // valid result is stored, and the cursor goes on to the next match.
    grid->SetGridCursor(1, 1);
    eingabe("5 x", true);
    EXPECT_TRUE(rp->getKurzVorschau().Contains(L"„x“")) << rp->getKurzVorschau();
    EXPECT_FALSE(turnier()->getSpiel(1, 1)->hatEingaben());
    eingabe("5, -7 9 9", false);
    verarbeiteEreignisse();
    EXPECT_EQ("Runde 1, Platte 1: Bernd - Carla: 11:5, 7:11, 11:9, 11:9", rp->getKurzVorschau());
    eingabe("5, -7 9 9", true);
    EXPECT_EQ("11", grid->GetCellValue(1, 5));
    EXPECT_EQ(5, grid->GetGridCursorRow());
    EXPECT_EQ(wxString(), rp->getKurzeingabe()->GetValue());

    // Carla did not play against Anna.
    wxCommandEvent wo(wxEVT_MENU, clRundenpanel::idKampflos1);
    rp->ProcessWindowEvent(wo);
    EXPECT_EQ("Carla (w.o.)", grid->GetCellValue(5, 1));
    EXPECT_EQ(1, turnier()->getWertungTableBase()->getWertung(3).wertung.m_Spielpunkte.eigene);
    // Replacing an entry asks first, Enter saying "Ja": "Nein" keeps the walkover.
    wxTEST_DIALOG(eingabe("1 1 1", true), erwarteMeldung(wxID_NO, L"Carla - Anna hat schon einen Eintrag"));
    EXPECT_EQ("Carla (w.o.)", grid->GetCellValue(5, 1));
    grid->SetGridCursor(1, 1);
    auto jaMitEnter = [](wxMessageDialog* dlg) { EXPECT_FALSE(dlg->GetMessageDialogStyle() & wxNO_DEFAULT); };
    wxTEST_DIALOG(eingabe("1 -1 1 1", true), ErwarteDialog<wxMessageDialog>(wxID_YES, jaMitEnter));
    EXPECT_EQ("01", grid->GetCellValue(1, 3));

    // Anna and Bernd share the first place: their match is still open.
    clKreuztabellenpanel* kp = seite<clKreuztabellenpanel>();
    zeigeSeite(kp);
    EXPECT_EQ("2  Bernd:||3:1|2|1|", zeile(*kp->getGrid()->GetTable(), 1, 5));
    EXPECT_EQ(clKreuzTableBase::Diagonalfarbe, kp->getGrid()->GetCellBackgroundColour(1, 1));

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
