#include <wx/choicdlg.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/textdlg.h>

#include "GuiHilfen.h"
#include "ansicht/clKonkurrenzenpanel.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "ansicht/clTurnierDokument.h"
#include "modell/clTurniertag.h"
#include "tabellen/clTeilnehmerTableBase.h"

namespace
{
using Konkurrenzen = FensterTest;

ErwarteDialog<wxTextEntryDialog> tippeName(const wxString& name)
{
    return {wxID_OK, [name](wxTextEntryDialog* dlg) { dlg->SetValue(name); }};
}

void waehleKonkurrenz(wxQuobelFrame* f, int i)
{
    wxCommandEvent wahl(wxEVT_CHOICE, wxQuobelFrame::idKonkurrenzWahl);
    wahl.SetInt(i);
    wahl.SetEventObject(f->getKonkurrenzWahl());
    f->getKonkurrenzWahl()->ProcessWindowEvent(wahl);
    verarbeiteEreignisse();
}

// Every page and command shows the class: participants, rounds, standings, the commands' class.
void pruefeSeiten(wxQuobelFrame* f, const clTurnier* k, const wxString& ersterName)
{
    EXPECT_EQ(k, f->getTurnier());
    EXPECT_EQ(k, f->getRundenpanel()->getTurnier());
    EXPECT_EQ(k->getWertungTableBase(), f->getTabellenpanel()->getTable());
    EXPECT_EQ(k->getWertungTableBase(), f->getTabellenpanel()->getGrid()->GetTable());
    EXPECT_EQ(ersterName, f->getTurnierpanel()->getTable()->GetValue(0, 0));
    EXPECT_EQ(k->getAnzahlTeilnehmer(), f->getTurnierpanel()->getTable()->getDataListSize());
}
} // namespace

// A class is added on its page, gets its participants, and the choice switches
// the pages between the classes; undo takes the class back, and a file of two
// classes, whose classes are new objects, shows the class shown before.
TEST_F(Konkurrenzen, WechselRueckgaengigUndLaden)
{
    wxQuobelFrame* f = frame.get();
    clTurniertag* tag = f->getTag();
    EXPECT_FALSE(f->getKonkurrenzWahl()->IsShown());
    teilnehmer({L"Anna", L"Bert", L"Carl"});
    clKonkurrenzenpanel* kp = f->getKonkurrenzenpanel();
    // A name of another class is refused with the reason, then the new name is taken.
    wxTEST_DIALOG(klicke(kp, clKonkurrenzenpanel::idNeu), tippeName("einzel"),
                  erwarteMeldung(wxID_OK, "gibt es schon"), tippeName("Damen"));
    verarbeiteEreignisse();
    ASSERT_TRUE(f->getKonkurrenzWahl()->IsShown());
    EXPECT_EQ(2u, f->getKonkurrenzWahl()->GetCount());
    EXPECT_EQ(1, f->getKonkurrenzWahl()->GetSelection());
    teilnehmer({L"Dora", L"Eva"});
    const clTurnier* damen = f->getTurnier();
    pruefeSeiten(f, damen, "Dora");
    EXPECT_TRUE(f->GetTitle().StartsWith("*"));

    // The page of the classes, a row each.
    const wxString zeilen[][clKonkurrenzenpanel::AnzahlSpalten] = {
        {"Einzel", "Einzel", "Jeder gegen jeden", "3", "0/3", "Meldung", "alle"},
        {"Damen", "Einzel", "Jeder gegen jeden", "2", "0/1", "Meldung", "alle"}};
    ASSERT_EQ(2, kp->getListe()->GetItemCount());
    for (int z = 0; z < 2; ++z)
        for (int s = 0; s < clKonkurrenzenpanel::AnzahlSpalten; ++s)
            EXPECT_EQ(zeilen[z][s], kp->getZelle(z, static_cast<clKonkurrenzenpanel::Spalte>(s)))
                << z << " " << s;

    // A name typed and not applied is applied before the switch, as answered.
    teilnehmer({L"Frieda"}, false);
    wxTEST_DIALOG(waehleKonkurrenz(f, 0), erwarteMeldung(wxID_YES, L"übernehmen"));
    EXPECT_EQ(3, damen->getAnzahlTeilnehmer());
    pruefeSeiten(f, f->getTurnier(), "Anna");
    EXPECT_EQ(3, f->getTurnier()->getAnzahlTeilnehmer());

    // Undo: Frieda, Dora and Eva, then the class.
    for (int i = 0; i < 3; ++i)
        befehl(f, wxID_UNDO);
    verarbeiteEreignisse();
    EXPECT_EQ(1u, f->getKonkurrenzWahl()->GetCount());
    EXPECT_FALSE(f->getKonkurrenzWahl()->IsShown());
    pruefeSeiten(f, f->getTurnier(), "Anna");

    // A file of two classes, saved while the second is shown, loaded while it is shown.
    for (int i = 0; i < 3; ++i)
        befehl(f, wxID_REDO);
    waehleKonkurrenz(f, 1);
    pruefeSeiten(f, f->getTurnier(), "Dora");
    ASSERT_TRUE(tag->speichere(pfad("zwei.quobel")));
    const clTurnier* vorher = f->getTurnier();
    ASSERT_TRUE(f->getDokument().oeffneDatei(pfad("zwei.quobel")));
    verarbeiteEreignisse();
    EXPECT_NE(vorher, f->getTurnier());
    EXPECT_EQ(1, f->getKonkurrenzWahl()->GetSelection());
    pruefeSeiten(f, f->getTurnier(), "Dora");
    waehleKonkurrenz(f, 0);
    pruefeSeiten(f, f->getTurnier(), "Anna");
}

// Anna is entered into the second class from the participants page; a second
// time is refused with the reason. Removing the class asks, and "Abbrechen" keeps it.
TEST_F(Konkurrenzen, EintragenUndEntfernen)
{
    wxQuobelFrame* f = frame.get();
    clTurniertag* tag = f->getTag();
    teilnehmer({L"Anna", L"Bert"});
    ASSERT_EQ(1, tag->fuegeHinzu("Mixed"));
    verarbeiteEreignisse();
    EXPECT_TRUE(f->getKonkurrenzWahl()->IsShown());
    EXPECT_EQ(tag->getKonkurrenz(0), f->getTurnier());
    // The one other class is offered; the second time the reason is told.
    const auto nimmErste = []
    { return ErwarteDialog<wxSingleChoiceDialog>(wxID_OK, [](wxSingleChoiceDialog*) {}); };
    wxTEST_DIALOG(f->getTurnierpanel()->trageInAndereEin(0), nimmErste());
    wxTEST_DIALOG(f->getTurnierpanel()->trageInAndereEin(0), nimmErste(),
                  erwarteMeldung(wxID_OK, "schon gemeldet"));
    EXPECT_EQ(1, tag->getKonkurrenz(1)->getAnzahlTeilnehmer());
    EXPECT_EQ(2u, tag->getKonkurrenzenVon(
                         tag->getPersonenVon(0, tag->getKonkurrenz(0)->getTeilnehmer(1)->getKennung()).at(0))
                      .size());

    clKonkurrenzenpanel* kp = f->getKonkurrenzenpanel();
    kp->waehle(1);
    wxTEST_DIALOG(klicke(kp, clKonkurrenzenpanel::idEntfernen), erwarteMeldung(wxID_NO, "Mixed"));
    EXPECT_EQ(2, tag->getAnzahl());
    f->zeigeKonkurrenz(1);
    wxTEST_DIALOG(klicke(kp, clKonkurrenzenpanel::idEntfernen), erwarteMeldung(wxID_YES, "Mixed"));
    verarbeiteEreignisse();
    EXPECT_EQ(1, tag->getAnzahl());
    EXPECT_FALSE(f->getKonkurrenzWahl()->IsShown());
    pruefeSeiten(f, tag->getKonkurrenz(0), "Anna");
}
