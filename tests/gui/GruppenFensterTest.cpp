#include <gtest/gtest.h>
#include <wx/choicdlg.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>

#include "GuiHilfen.h"
#include "ansicht/clEndrundenpanel.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "ausgabe/clEndrundenLayout.h"
#include "modell/clGruppenphase.h"
#include "modell/clTTSpiel.h"
#include "tabellen/clSpieleTableBase.h"
#include "tabellen/clTeilnehmerTableBase.h"

namespace
{
using F = wxQuobelFrame;

// Every match of the group won by side 1, the first by walkover, the others 11:5 in every set.
void spieleGruppe(clTurnier* gruppe)
{
    std::vector<clTTSpiel*> spiele;
    for (int r = 1; r <= gruppe->getAnzahlRunden(); ++r)
        for (int p = 1; clTTSpiel* sp = gruppe->getSpiel(r, p); ++p)
        {
            if (spiele.empty())
                sp->setAusfall(ausfKampflos, 2);
            for (int s = 1; s <= gruppe->getAllgemein()->Gewinnsaetze && !spiele.empty(); ++s)
                sp->setSatzErg(s, 11, 5);
            spiele.push_back(sp);
        }
    gruppe->pruefeWertungen(spiele);
}

int seiten(F* f)
{
    return static_cast<int>(f->getNotebook()->GetPageCount());
}
} // namespace

class GruppenFenster : public FensterTest
{
protected:
    F* f = frame.get();
    clGruppenphase* gruppen() const { return turnier()->getGruppenphase(); }
};

// Settings to groups, a draw of eight players with ratings and clubs, results in
// every group, the bracket, a result there, undo and a file that loads back.
TEST_F(GruppenFenster, VonDerAuslosungBisZumGeladenenTurnier)
{
    EXPECT_EQ(5, seiten(f));
    EXPECT_EQ(4u, f->GetMenuBar()->GetMenuCount());
    allgemein alg = *turnier()->getAllgemein();
    alg.Turnierform = formGruppen;
    alg.Gruppen = 2;
    alg.Platten = 2;
    alg.GewinnsaetzeEndrunde = 3;
    wxTEST_DIALOG(befehl(f, F::idMenuBearbeiten),
                  ErwarteDialog<dlAllgemeinDlg>(wxID_OK, [alg](dlAllgemeinDlg* dlg)
                                                { *dlg->GetAllgemeinDaten() = alg; }));
    EXPECT_EQ(7, seiten(f));
    EXPECT_EQ(5u, f->GetMenuBar()->GetMenuCount());

    clTeilnehmerTableBase* tb = seite<clTurnierpanel>()->getTable();
    const wchar_t* namen[] = {L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frida", L"Gerd", L"Hanna"};
    for (int i = 0; i < 8; ++i)
    {
        tb->SetValue(i, 0, namen[i]);
        // Five of one club in two groups of four: two of them must meet.
        tb->SetValue(i, 3, i < 5 ? "TSV Nord" : "");
        tb->SetValue(i, 4, wxString::Format("%d", 1900 - 10 * i));
    }
    klicke(seite<clTurnierpanel>(), clTurnierpanel::idUebBtnAnwenden);
    befehl(f, F::idMenuGruppenAuslosen);
    ASSERT_NE(nullptr, gruppen());
    // Drawn again while the pages show a group that goes; the question names the running match.
    clTTSpiel* laufend = gruppen()->getGruppe(1)->getSpiel(1, 1);
    const wxString platte1 = "Platte 1: " + laufend->getPaarung();
    ASSERT_TRUE(turnier()->rufeAuf(laufend, 1));
    wxTEST_DIALOG(befehl(f, F::idMenuGruppenAuslosen), erwarteMeldung(wxID_YES, platte1));
    EXPECT_EQ(2u, f->getGruppenWahl()->GetCount());
    // The first of group 1 and the first of group 2 swap, one step to undo.
    const wxString erster = gruppen()->getGruppe(1)->getTeilnehmer(1)->getAnzeige();
    const ErwarteDialog<wxSingleChoiceDialog> ersterSpieler(wxID_OK, [](wxSingleChoiceDialog* dlg)
                                                            { dlg->SetSelection(0); });
    wxTEST_DIALOG(befehl(f, F::idMenuSpielerTauschen), ersterSpieler, ersterSpieler);
    EXPECT_EQ(erster, gruppen()->getGruppe(2)->getTeilnehmer(1)->getAnzeige());
    befehl(f, wxID_UNDO);
    EXPECT_EQ(erster, gruppen()->getGruppe(1)->getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ(gruppen()->getGruppe(1), f->getRundenpanel()->getTurnier());

    // Group 2 chosen, a set typed there counts in it and locks the draw.
    wxCommandEvent wahl(wxEVT_CHOICE, F::idGruppenWahl);
    wahl.SetInt(1);
    f->getGruppenWahl()->ProcessWindowEvent(wahl);
    ASSERT_EQ(gruppen()->getGruppe(2), f->getRundenpanel()->getTurnier());
    // Group 2 plays on table 2, and its rounds say so.
    wxString koepfe;
    for (int c = 0; c < f->getRundenpanel()->getTable()->GetNumberCols(); ++c)
        koepfe += f->getRundenpanel()->getTable()->GetColLabelValue(c);
    EXPECT_TRUE(koepfe.Contains("02")) << koepfe;
    EXPECT_TRUE(f->getRundenpanel()->getKurzVorschau().Contains("Platte 2"));
    tippe(*f->getRundenpanel()->getTable(), 1, 1, 1, 1, "11");
    EXPECT_TRUE(gruppen()->hatErgebnisse(2));
    EXPECT_EQ(gruppen()->getGruppe(2)->getWertungTableBase(),
              seite<clTT_Tabellenpanel>()->getGrid()->GetTable());
    const struct
    {
        int befehl;
        const wchar_t* grund;
    } gesperrt[] = {{F::idMenuGruppenAuslosen, L"Gruppe 2 hat schon Ergebnisse"},
                    {F::idMenuSpielerTauschen, L"Gruppe 2 hat schon Ergebnisse"},
                    {F::idMenuEndrundeAuslosen, L"Erst wenn jedes Gruppenspiel"}};
    for (const auto& fall : gesperrt)
        wxTEST_DIALOG(befehl(f, fall.befehl), erwarteMeldung(wxID_OK, fall.grund));
    befehl(f, wxID_UNDO);
    EXPECT_FALSE(gruppen()->hatErgebnisse(2));

    spieleGruppe(gruppen()->getGruppe(1));
    spieleGruppe(gruppen()->getGruppe(2));
    befehl(f, F::idMenuEndrundeAuslosen);
    clEndrundenpanel* er = f->getEndrundenpanel();
    ASSERT_NE(nullptr, er->getLayout());
    verarbeiteEreignisse();
    EXPECT_EQ(er, f->getNotebook()->GetCurrentPage());
    wxTEST_DIALOG(befehl(f, F::idMenuEndrundeAuslosen), erwarteMeldung(wxID_NO, "neu auslosen"));
    // Lines 1 and 2 swap, and the page shows the new bracket.
    const clTeilnehmer* zweiteLinie = gruppen()->getEndrunde()->getLinien()[1];
    wxTEST_DIALOG(befehl(f, F::idMenuLinienTauschen), ersterSpieler, ersterSpieler);
    EXPECT_EQ(zweiteLinie, gruppen()->getEndrunde()->getLinien()[0]);
    EXPECT_EQ(gruppen()->getEndrunde()->getSpiel(0), er->getGewaehlt());
    EXPECT_EQ(zweiteLinie->getAnzeige(), er->getLayout()->getLinien()[0].name);

    const clTTSpiel* gewaehlt = er->getGewaehlt();
    er->getKurzeingabe()->SetValue("5 5 5");
    ASSERT_TRUE(er->uebernimmKurzeingabe());
    EXPECT_TRUE(gewaehlt->hatEingaben());
    for (int befehlNr : {F::idMenuEndrundeAuslosen, F::idMenuLinienTauschen})
        wxTEST_DIALOG(befehl(f, befehlNr), erwarteMeldung(wxID_OK, "schon Ergebnisse"));
    befehl(f, wxID_UNDO);
    EXPECT_FALSE(gewaehlt->hatEingaben());
    befehl(f, wxID_REDO);
    EXPECT_TRUE(gewaehlt->hatEingaben());

    const std::string vorher = turnier()->getAbbild();
    const wxString datei = pfad("gruppen.quobel");
    wxTEST_DIALOG(befehl(f, F::idMenuSchreiben), waehleDatei(datei));
    frame.reset(neuesFenster());
    f = frame.get();
    wxTEST_DIALOG(befehl(f, F::idMenuLaden), waehleDatei(datei));
    EXPECT_EQ(vorher, turnier()->getAbbild());
    EXPECT_EQ(7, seiten(f));
    ASSERT_NE(nullptr, f->getEndrundenpanel()->getLayout());
    EXPECT_TRUE(f->getGruppenseite()->ToText().Contains("Gleicher Verein"));
    const wxString seite = clHtmlAusgabe(turnier()).erzeugeSeite();
    for (const char* teil : {"Endstand", "Endrunde", "Gruppe 2", "Kreuztabelle"})
        EXPECT_TRUE(seite.Contains(teil)) << teil;

    // Back to a round robin: its pages and menus, its schedule on the rounds page.
    alg = *turnier()->getAllgemein();
    alg.Turnierform = formJederGegenJeden;
    wxTEST_DIALOG(befehl(f, F::idMenuBearbeiten),
                  ErwarteDialog<dlAllgemeinDlg>(wxID_OK, [alg](dlAllgemeinDlg* dlg)
                                                { *dlg->GetAllgemeinDaten() = alg; }));
    EXPECT_EQ(5, seiten(f));
    EXPECT_EQ(4u, f->GetMenuBar()->GetMenuCount());
    EXPECT_EQ(turnier(), f->getRundenpanel()->getTurnier());
    EXPECT_EQ(14, turnier()->getAnzahlRunden());
}

// The group settings come back as they were given or changed, and the sizes follow the participants.
TEST(GruppenEinstellungen, FormUndGruppengroessen)
{
    allgemein alg;
    alg.Turnierform = formGruppen;
    alg.Gruppen = 8;
    alg.Aufsteiger = 1;
    alg.GewinnsaetzeEndrunde = 4;
    alg.SpielUmPlatz3 = true;
    dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Bearbeiten", &alg);
    const struct
    {
        int teilnehmer;
        const char* text;
    } faelle[] = {{32, "32 Teilnehmer: 8 Gruppen zu 4"},
                  {30, "30 Teilnehmer: 8 Gruppen zu 3 und 4"},
                  {5, "5 Teilnehmer: zu wenige"}};
    for (const auto& fall : faelle)
    {
        dlg.setTeilnehmer(fall.teilnehmer);
        EXPECT_EQ(fall.text, dlg.getGruppenText());
    }
    dlg.CallAfter(
        [&]
        {
            finde<wxCheckBox>(&dlg)->SetValue(false);
            alleKinder<wxChoice>(&dlg).at(4)->SetSelection(1);
            klicke(&dlg, dlAllgemeinDlg::idAktBtnAnwenden);
        });
    ASSERT_EQ(wxID_OK, dlg.ShowModal());
    const allgemein& neu = *dlg.GetAllgemeinDaten();
    EXPECT_EQ("1|8|2|4|0", wxString::Format("%d|%d|%d|%d|%d", neu.Turnierform, neu.Gruppen, neu.Aufsteiger,
                                            neu.GewinnsaetzeEndrunde, neu.SpielUmPlatz3));
}
