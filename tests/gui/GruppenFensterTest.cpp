#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choicdlg.h>
#include <wx/html/htmlwin.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>

#include "GuiHilfen.h"
#include "ansicht/dlGleichstandDlg.h"
#include "ansicht/clEndrundenpanel.h"
#include "ansicht/clGruppenseite.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTT_Tabellenpanel.h"
#include "ausgabe/clEndrundenLayout.h"
#include "modell/clGruppenphase.h"
#include "modell/clTTSpiel.h"
#include "tabellen/clSpieleTableBase.h"
#include "tabellen/clTeilnehmerTableBase.h"
#include "tabellen/clWertungTableBase.h"

namespace
{
using F = wxQuobelFrame;

int seiten(F* f)
{
    return static_cast<int>(f->getNotebook()->GetPageCount());
}

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
} // namespace

class GruppenFenster : public FensterTest
{
protected:
    F* f = frame.get();
    clGruppenphase* gruppen() const { return turnier()->getGruppenphase(); }

    allgemein mitForm(int form) const
    {
        allgemein alg = *turnier()->getAllgemein();
        alg.Turnierform = form;
        alg.Gruppen = alg.Platten = 2;
        return alg;
    }
    ErwarteDialog<dlAllgemeinDlg> gibEin(const allgemein& alg) const
    {
        return {wxID_OK, [alg](dlAllgemeinDlg* dlg) { *dlg->GetAllgemeinDaten() = alg; }};
    }

    // The settings dialog gives the form, two groups and two tables.
    void einstellen(int form) { wxTEST_DIALOG(befehl(f, F::idMenuBearbeiten), gibEin(mitForm(form))); }

    // Two groups at two tables, eight players with falling ratings, drawn from the menu.
    // Five of one club in two groups of four: two of them must meet.
    void lose()
    {
        einstellen(formGruppen);
        clTeilnehmerTableBase* tb = seite<clTurnierpanel>()->getTable();
        const wchar_t* namen[] = {L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frida", L"Gerd", L"Hanna"};
        for (int i = 0; i < 8; ++i)
        {
            tb->SetValue(i, 0, namen[i]);
            tb->SetValue(i, 3, i < 5 ? "TSV Nord" : "");
            tb->SetValue(i, 4, wxString::Format("%d", 1900 - 10 * i));
        }
        klicke(seite<clTurnierpanel>(), clTurnierpanel::idUebBtnAnwenden);
        befehl(f, F::idMenuGruppenAuslosen);
        ASSERT_NE(nullptr, gruppen());
    }

    void loseEndrunde()
    {
        lose();
        int nr = 0;
        for (int g : {1, 2})
            for (clTTSpiel* sp : gruppen()->getGruppe(g)->getAlleSpiele())
                spiele(*gruppen()->getGruppe(g), sp, nr++);
        befehl(f, F::idMenuEndrundeAuslosen);
        verarbeiteEreignisse();
        ASSERT_NE(nullptr, f->getEndrundenpanel()->getLayout());
    }

    // Chooses the first entry in each of the swap's two lists.
    const ErwarteDialog<wxSingleChoiceDialog> ersterSpieler{wxID_OK, [](wxSingleChoiceDialog* dlg)
                                                            { dlg->SetSelection(0); }};
};

// Groups bring their pages and menu; back to a round robin, its own schedule is shown.
TEST_F(GruppenFenster, FormBestimmtSeitenUndMenues)
{
    EXPECT_EQ(6, seiten(f));
    EXPECT_EQ(4u, f->GetMenuBar()->GetMenuCount());
    lose();
    EXPECT_EQ(8, seiten(f));
    EXPECT_EQ(5u, f->GetMenuBar()->GetMenuCount());
    EXPECT_EQ(2u, f->getGruppenWahl()->GetCount());
    // Back to a round robin throws the draw away: asked first.
    const std::string vorher = turnier()->getAbbild();
    const auto zurueck = [&](int antwort)
    {
        wxTEST_DIALOG(befehl(f, F::idMenuBearbeiten), gibEin(mitForm(formJederGegenJeden)),
                      erwarteMeldung(antwort, "werden die 2 ausgelosten Gruppen verworfen"));
    };
    zurueck(wxID_NO);
    EXPECT_EQ(vorher, turnier()->getAbbild());
    zurueck(wxID_YES);
    EXPECT_EQ(6, seiten(f));
    EXPECT_EQ(4u, f->GetMenuBar()->GetMenuCount());
    EXPECT_EQ(turnier(), f->getRundenpanel()->getTurnier());
    EXPECT_EQ(14, turnier()->getAnzahlRunden());
}

// A new draw asks first; two players swap and come back in one step of undo, and the
// rounds page shows the group that replaced the one it showed.
TEST_F(GruppenFenster, NeuAuslosenUndTauschen)
{
    lose();
    // Drawn again while the pages show a group that goes; the question names the running match.
    clTTSpiel* laufend = gruppen()->getGruppe(1)->getSpiel(1, 1);
    const wxString platte1 = "Platte 1: " + laufend->getPaarung();
    ASSERT_TRUE(turnier()->rufeAuf(laufend, 1));
    wxTEST_DIALOG(befehl(f, F::idMenuGruppenAuslosen), erwarteMeldung(wxID_YES, platte1));
    EXPECT_TRUE(f->getGruppenseite()->ToText().Contains("Gleicher Verein"));
    const wxString erster = gruppen()->getGruppe(1)->getTeilnehmer(1)->getAnzeige();
    wxTEST_DIALOG(befehl(f, F::idMenuSpielerTauschen), ersterSpieler, ersterSpieler);
    EXPECT_EQ(erster, gruppen()->getGruppe(2)->getTeilnehmer(1)->getAnzeige());
    befehl(f, wxID_UNDO);
    EXPECT_EQ(erster, gruppen()->getGruppe(1)->getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ(gruppen()->getGruppe(1), f->getRundenpanel()->getTurnier());
}

// The group chosen is the one the rounds page, its tables and the standings page show
// and the one a typed set goes into; a result in any group keeps the groups as they
// are until it is undone.
TEST_F(GruppenFenster, GewaehlteGruppeUndIhreErgebnisse)
{
    lose();
    wxCommandEvent wahl(wxEVT_CHOICE, F::idGruppenWahl);
    wahl.SetInt(1);
    f->getGruppenWahl()->ProcessWindowEvent(wahl);
    tippe(*f->getRundenpanel()->getTable(), 1, 1, 1, 1, "11");
    ASSERT_EQ(gruppen()->getGruppe(2), f->getRundenpanel()->getTurnier());
    wxString koepfe;
    for (int c = 0; c < f->getRundenpanel()->getTable()->GetNumberCols(); ++c)
        koepfe += f->getRundenpanel()->getTable()->GetColLabelValue(c);
    EXPECT_TRUE(koepfe.Contains("02")) << koepfe;
    EXPECT_TRUE(f->getRundenpanel()->getKurzVorschau().Contains("Platte 2"));
    EXPECT_TRUE(gruppen()->hatErgebnisse(2) && !gruppen()->hatErgebnisse(1));
    EXPECT_EQ(gruppen()->getGruppe(2)->getWertungTableBase(),
              seite<clTT_Tabellenpanel>()->getGrid()->GetTable());
    for (const auto& [befehlNr, grund] :
         {std::pair{F::idMenuGruppenAuslosen, L"Gruppe 2 hat schon Ergebnisse"},
          {F::idMenuSpielerTauschen, L"Gruppe 2 hat schon Ergebnisse"},
          {F::idMenuEndrundeAuslosen, L"Erst wenn jedes Gruppenspiel"}})
        wxTEST_DIALOG(befehl(f, befehlNr), erwarteMeldung(wxID_OK, grund));
    befehl(f, wxID_UNDO);
    EXPECT_FALSE(gruppen()->hatErgebnisse(2));
}

// The drawn bracket comes to the front; a new draw asks, a swap of lines shows at once,
// and a result keeps the bracket as it is.
TEST_F(GruppenFenster, EndrundeAuslosenTauschenUndSperren)
{
    loseEndrunde();
    clEndrundenpanel* er = f->getEndrundenpanel();
    EXPECT_EQ(er, f->getNotebook()->GetCurrentPage());
    wxTEST_DIALOG(befehl(f, F::idMenuEndrundeAuslosen), erwarteMeldung(wxID_NO, "neu auslosen"));
    const clTeilnehmer* zweiteLinie = gruppen()->getEndrunde()->getLinien()[1];
    wxTEST_DIALOG(befehl(f, F::idMenuLinienTauschen), ersterSpieler, ersterSpieler);
    EXPECT_EQ(zweiteLinie, gruppen()->getEndrunde()->getLinien()[0]);
    EXPECT_EQ(gruppen()->getEndrunde()->getSpiel(0), er->getGewaehlt());
    // The first round names where each player came from.
    EXPECT_TRUE(gruppen()->getHerkunft(zweiteLinie).Matches("?. Gr. ?"));
    EXPECT_EQ(zweiteLinie->getAnzeige() + " (" + gruppen()->getHerkunft(zweiteLinie) + ")",
              er->getLayout()->getLinien()[0].name);
    er->getKurzeingabe()->SetValue("5 5");
    ASSERT_TRUE(er->uebernimmKurzeingabe());
    for (int befehlNr : {F::idMenuEndrundeAuslosen, F::idMenuLinienTauschen})
        wxTEST_DIALOG(befehl(f, befehlNr), erwarteMeldung(wxID_OK, "schon Ergebnisse"));
}

// A file of groups and bracket loads back into their pages, and prints them.
TEST_F(GruppenFenster, DateiMitGruppenUndEndrunde)
{
    loseEndrunde();
    const std::string vorher = turnier()->getAbbild();
    const wxString datei = pfad("gruppen.quobel");
    wxTEST_DIALOG(befehl(f, F::idMenuSchreiben), waehleDatei(datei));
    frame.reset(neuesFenster());
    f = frame.get();
    wxTEST_DIALOG(befehl(f, F::idMenuLaden), waehleDatei(datei));
    EXPECT_EQ(vorher, turnier()->getAbbild());
    EXPECT_EQ(8, seiten(f));
    EXPECT_NE(nullptr, f->getEndrundenpanel()->getLayout());
    const wxString seite = clHtmlAusgabe(turnier()).erzeugeSeite();
    for (const char* teil : {"Endstand", "Endrunde", "Gruppe 2", "Kreuztabelle"})
        EXPECT_TRUE(seite.Contains(teil)) << teil;
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
    // Escape presses "Abbrechen": the dialog ends without anything to take.
    dlg.CallAfter(
        [&]
        {
            wxKeyEvent taste(wxEVT_CHAR_HOOK);
            taste.m_keyCode = WXK_ESCAPE;
            taste.SetEventObject(&dlg);
            dlg.ProcessWindowEvent(taste);
        });
    EXPECT_EQ(wxID_CANCEL, dlg.ShowModal());
    const wxWindow* abbrechen = dlg.FindWindow(dlg.GetEscapeId());
    ASSERT_NE(nullptr, abbrechen);
    EXPECT_EQ("Abbrechen", abbrechen->GetLabel());
}

// By the ITTF rule three players of group 1 share place 1 and two go on: the draw
// asks for their order, cancelled it draws nothing; the organiser's order goes
// into the standings and the bracket, and the group page marks who goes on.
TEST_F(GruppenFenster, GleichstandAmSchnittFragt)
{
    allgemein alg = *turnier()->getAllgemein();
    alg.Turnierform = formGruppen;
    alg.Gruppen = 2;
    alg.PlatzierungIdx = platzITTF;
    wxTEST_DIALOG(befehl(f, F::idMenuBearbeiten),
                  ErwarteDialog<dlAllgemeinDlg>(wxID_OK, [alg](dlAllgemeinDlg* dlg)
                                                { *dlg->GetAllgemeinDaten() = alg; }));
    teilnehmer({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frida", L"Gerd", L"Hanna"});
    befehl(f, F::idMenuGruppenAuslosen);
    ASSERT_NE(nullptr, gruppen());
    clTurnier* g1 = gruppen()->getGruppe(1);
    std::vector<clTTSpiel*> spiele;
    for (clTTSpiel* sp : g1->getAlleSpiele())
    {
        const int a = sp->getT1()->getStartNr(), b = sp->getT2()->getStartNr();
        // 1 beats 2, 2 beats 3, 3 beats 1, each 2:1 by the same points; 4 loses all.
        const bool t1 = b == 4 || (a != 4 && a % 3 + 1 == b);
        sp->setSaetze(a == 4 || b == 4
                          ? std::vector<satz>(2, t1 ? satz{11, 5} : satz{5, 11})
                          : std::vector<satz>{t1 ? satz{11, 5} : satz{5, 11}, t1 ? satz{5, 11} : satz{11, 5},
                                              t1 ? satz{11, 5} : satz{5, 11}});
        spiele.push_back(sp);
    }
    g1->pruefeWertungen(spiele);
    spieleGruppe(gruppen()->getGruppe(2));
    const std::vector<int> gleich = gruppen()->getGleichstand(1);
    ASSERT_EQ(3u, gleich.size());
    EXPECT_FALSE(f->getGruppenseite()->ToText().Contains("weiter"));

    wxTEST_DIALOG(befehl(f, F::idMenuEndrundeAuslosen),
                  ErwarteDialog<dlGleichstandDlg>(wxID_CANCEL, [](dlGleichstandDlg*) {}));
    EXPECT_EQ(nullptr, gruppen()->getEndrunde());
    // The second of the table moves to the top.
    wxTEST_DIALOG(befehl(f, F::idMenuEndrundeAuslosen),
                  ErwarteDialog<dlGleichstandDlg>(wxID_OK,
                                                  [](dlGleichstandDlg* dlg)
                                                  {
                                                      alleKinder<wxRadioButton>(dlg).at(1)->SetValue(true);
                                                      finde<wxListBox>(dlg)->SetSelection(1);
                                                      for (wxButton* k : alleKinder<wxButton>(dlg))
                                                          if (k->GetLabel() == "Nach oben")
                                                              klicke(dlg, k->GetId());
                                                  }));
    ASSERT_NE(nullptr, gruppen()->getEndrunde());
    EXPECT_EQ((std::vector<int>{gleich[1], gleich[0]}), gruppen()->getAufsteiger(1));
    EXPECT_FALSE(gruppen()->istGelost(1));
    zeigeSeite(f->getGruppenseite());
    const wxString seite = f->getGruppenseite()->ToText();
    EXPECT_TRUE(seite.Contains("Festgelegt: 1.")) << seite;
    EXPECT_TRUE(seite.Contains("weiter")) << seite;
}

// A new tournament in groups places by the ITTF rule unless the organiser chose a
// placing; a tournament being edited keeps its placing.
TEST(GruppenEinstellungen, NeueGruppenPlatzierenNachITTF)
{
    for (const bool neu : {true, false})
    {
        allgemein alg;
        dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Neu", &alg);
        if (neu)
            dlg.setNeu();
        wxChoice* platzierung = alleKinder<wxChoice>(&dlg).at(2);
        wxChoice* form = alleKinder<wxChoice>(&dlg).at(3);
        const auto waehle = [](wxChoice* wahl, int n)
        {
            wahl->SetSelection(n);
            wxCommandEvent e(wxEVT_CHOICE, wahl->GetId());
            e.SetEventObject(wahl);
            e.SetInt(n);
            wahl->ProcessWindowEvent(e);
        };
        EXPECT_EQ(3u, platzierung->GetCount());
        waehle(form, formGruppen);
        EXPECT_EQ(neu ? platzITTF : platzSiege, platzierung->GetSelection());
        waehle(form, formJederGegenJeden);
        EXPECT_EQ(platzSiege, platzierung->GetSelection());
        waehle(platzierung, platzDifferenz);
        waehle(form, formGruppen);
        EXPECT_EQ(platzDifferenz, platzierung->GetSelection());
    }
}
