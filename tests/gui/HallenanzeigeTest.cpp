#include <gtest/gtest.h>
#include <wx/utils.h>

#include "GuiHilfen.h"
#include "ansicht/clHallenanzeige.h"
#include "modell/clGruppenphase.h"

namespace
{
// Lets the toolkit work until the display's delay after a change has passed.
void warte()
{
    for (int i = 0; i < 6; ++i)
    {
        wxMilliSleep(clHallenanzeige::Verzoegerung / 3);
        verarbeiteEreignisse();
    }
}

wxString inhalt(const clHallenanzeige& h)
{
    return wxJoin(h.getInhalt(), '\n', 0);
}
} // namespace

class Hallenanzeige : public FensterTest
{
};

// Eight players in two groups with a match at table 2: the display shows it and
// the next calls, follows its result and its undo, and closes without taking the
// main window along.
TEST_F(Hallenanzeige, ZeigtFolgtWechseltUndSchliesst)
{
    allgemein alg = *turnier()->getAllgemein();
    alg.Turnierform = formGruppen;
    alg.Gruppen = 2;
    alg.Platten = 2;
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuBearbeiten),
                  ErwarteDialog<dlAllgemeinDlg>(wxID_OK, [alg](dlAllgemeinDlg* dlg)
                                                { *dlg->GetAllgemeinDaten() = alg; }));
    teilnehmer({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frida", L"Gerd", L"Hanna"});
    befehl(frame.get(), wxQuobelFrame::idMenuGruppenAuslosen);
    clTurnier* gruppe = turnier()->getGruppenphase()->getGruppe(1);
    clTTSpiel* sp = gruppe->getSpiel(1, 1);
    ASSERT_TRUE(turnier()->rufeAuf(sp, 2));
    const wxString paarung = sp->getT1()->getAnzeige() + L" \u2013 " + sp->getT2()->getAnzeige();

    wxWeakRef<clHallenanzeige> h(new clHallenanzeige(frame.get(), frame->getTag()));
    h->zeige();
    h->SetSize(1920, 1080);
    verarbeiteEreignisse();
    EXPECT_TRUE(h->IsShown());
    EXPECT_TRUE(inhalt(*h).StartsWith(L"Es spielen\nPlatte 2: " + paarung + ", seit ")) << inhalt(*h);
    EXPECT_TRUE(inhalt(*h).Contains(L"Als Nächstes\nPlatte 1: ")) << inhalt(*h);
    // Both groups' standings fit on one page, the bracket has none yet.
    EXPECT_EQ(1, h->getAnzahlSeiten());
    EXPECT_TRUE(inhalt(*h).Contains("Gruppe 1, Gruppe 2\nGruppe 1\nPlatz|Teilnehmer|Spiele|Siege|"));

    sp->setSaetze({{11, 3}, {11, 4}});
    gruppe->pruefeWertung(sp);
    warte();
    EXPECT_TRUE(inhalt(*h).StartsWith(L"Es spielen\nAls Nächstes\n")) << inhalt(*h);
    EXPECT_TRUE(inhalt(*h).Contains("\n1|" + sp->getT1()->getAnzeige() + "|1|1:0|2:0|")) << inhalt(*h);

    // Undo puts back the whole tournament, its groups replaced under the display.
    befehl(frame.get(), wxID_UNDO);
    warte();
    EXPECT_FALSE(inhalt(*h).Contains("1:0|2:0")) << inhalt(*h);
    h->naechsteSeite();
    h->Update();
    EXPECT_EQ(0, h->getSeite());

    h->Close();
    verarbeiteEreignisse();
    EXPECT_FALSE(h);
    EXPECT_TRUE(frame->IsShown());
    // The main window goes on without the display hearing of it.
    ASSERT_TRUE(turnier()->rufeAuf(turnier()->getGruppenphase()->getGruppe(2)->getSpiel(1, 1)));
}
