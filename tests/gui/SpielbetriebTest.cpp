#include <gtest/gtest.h>
#include <httplib.h>
#include <wx/listctrl.h>

#include "GuiHilfen.h"
#include "ansicht/clErgebnisEingabe.h"
#include "ansicht/clHallenanzeige.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clSpielbetriebpanel.h"
#include "ansicht/clStartoptionen.h"
#include "netz/clLiveServer.h"
#include "ausgabe/clHtmlAusgabe.h"
#include "modell/clGruppenphase.h"
#include "modell/clTTSpiel.h"
#include "tabellen/clSpieleTableBase.h"

namespace
{
using P = clSpielbetriebpanel;

// 10:42 today, in local time as the page shows it.
std::time_t zehnUhr42()
{
    wxDateTime t = wxDateTime::Today();
    t.SetHour(10);
    t.SetMinute(42);
    return t.GetTicks();
}

// The text of the cell below a match's names in the rounds grid: where it is played.
wxString aufrufZeile(clSpieleTableBase* tb, int runde, int platte)
{
    return tb->GetValue(4 * (runde - 1) + 3, tb->getBlockBreite() * (platte - 1) + 1);
}

std::vector<satz> zweiNull()
{
    return {{11, 5}, {11, 5}};
}
} // namespace

class Spielbetrieb : public FensterTest
{
protected:
    Spielbetrieb()
    {
        turnier()->setUhr(zehnUhr42);
        turnier()->getAllgemein()->Platten = 2;
        turnier()->Aktualisieren(true);
    }

    P* panel = seite<P>();
    wxListCtrl* platten = panel->getPlatten();
    wxListCtrl* aufrufbare = panel->getAufrufbare();
    clSpieleTableBase* tb() const { return frame->getRundenpanel()->getTable(); }
    wxString status() const { return frame->GetStatusBar()->GetStatusText(); }
};

// Four players on two tables: both matches of round 1 are called to their tables,
// a result frees its table and proposes the next call, undo takes a call back.
TEST_F(Spielbetrieb, AufrufenErgebnisUndRueckgaengig)
{
    teilnehmer({L"Anna", L"Bernd", L"Carla", L"Dora"});
    zeigeSeite(panel);
    ASSERT_EQ(2, platten->GetItemCount());
    EXPECT_EQ("frei", platten->GetItemText(1, 1));
    ASSERT_EQ(2, aufrufbare->GetItemCount());
    EXPECT_EQ(wxLIST_STATE_SELECTED, aufrufbare->GetItemState(0, wxLIST_STATE_SELECTED));
    const clTTSpiel* erstes = panel->getVorschlag();
    EXPECT_EQ(turnier()->getSpiel(1, 1), erstes);
    EXPECT_EQ("1", aufrufbare->GetItemText(0, 2));

    klicke(panel, P::idAufrufen);
    EXPECT_TRUE(turnier()->getSpielbetrieb().laeuft(erstes));
    EXPECT_EQ(erstes->getT1()->getAnzeige() + L" \u2013 " + erstes->getT2()->getAnzeige(),
              platten->GetItemText(0, 1));
    EXPECT_EQ("10:42", platten->GetItemText(0, 3));
    EXPECT_EQ(wxString(L"Platte 1 seit 10:42"), aufrufZeile(tb(), 1, 1));
    EXPECT_EQ("", aufrufZeile(tb(), 1, 2));
    // The other match of the round, moved to table 1 while it is free.
    ASSERT_TRUE(turnier()->rufeAuf(turnier()->getSpiel(1, 2)));
    ASSERT_EQ(0, aufrufbare->GetItemCount());
    EXPECT_FALSE(panel->rufeAuf());
    EXPECT_TRUE(turnier()->nimmAufrufZurueck(const_cast<clTTSpiel*>(erstes)));
    ASSERT_TRUE(turnier()->verlegeAufruf(turnier()->getSpiel(1, 2), 1));
    EXPECT_EQ(wxString(L"Platte 1 seit 10:42"), aufrufZeile(tb(), 1, 2));
    // Its slip names the table of its call rather than its own.
    const wxString zettel = clHtmlAusgabe(turnier()).erzeugeSpielzettel(turnier()->getSpiel(1, 2));
    EXPECT_TRUE(zettel.Contains("Platte 1") && !zettel.Contains("Platte 2")) << zettel;

    // The result of the match at table 1, typed in the rounds grid, frees it.
    tb()->setzeSaetze(1, 2, zweiNull());
    EXPECT_EQ("frei", platten->GetItemText(0, 1));
    EXPECT_EQ(wxString(L"Platte 1"), aufrufZeile(tb(), 1, 2));
    EXPECT_TRUE(status().Contains(L"Platte 1 ist frei – nächster Aufruf: " + erstes->getT1()->getAnzeige()))
        << status();
    EXPECT_EQ(erstes, panel->getVorschlag());

    // Undo takes back the result, then the move, then the call.
    befehl(frame.get(), wxID_UNDO);
    EXPECT_TRUE(turnier()->getSpielbetrieb().laeuft(turnier()->getSpiel(1, 2)));
    EXPECT_EQ("", status());
    for (int i = 0; i < 3; ++i)
        befehl(frame.get(), wxID_UNDO);
    EXPECT_EQ(nullptr, turnier()->getSpielbetrieb().getAufruf(turnier()->getSpiel(1, 2)));
    EXPECT_EQ("", aufrufZeile(tb(), 1, 2));
}

// Anna plays for Herren at table 1 and waits in Damen: the page lists the calls of
// both classes by their names and says why her Damen match waits, the minimum rest
// counts for the day, and the hall display names the class at each table and goes
// through both classes' standings.
TEST_F(Spielbetrieb, ZweiKonkurrenzenEineHalle)
{
    clTurniertag& tag = *frame->getTag();
    erstelleZweiKonkurrenzen(tag);
    tag.setUhr(zehnUhr42);
    const int anna = tag.getPersonenVon(0, tag.getKonkurrenz(0)->getTeilnehmer(1)->getKennung()).front();
    ASSERT_TRUE(tag.rufeAuf(0, spielVon(tag, 0, anna), 1));
    zeigeSeite(panel);
    ASSERT_EQ(2, platten->GetItemCount());
    EXPECT_TRUE(platten->GetItemText(0, 2).StartsWith("Herren: ")) << platten->GetItemText(0, 2);
    wxString zeilen;
    for (long z = 0; z < aufrufbare->GetItemCount(); ++z)
        zeilen += aufrufbare->GetItemText(z, 1).BeforeFirst(':') + "|" + aufrufbare->GetItemText(z, 2) + "|" +
                  aufrufbare->GetItemText(z, 3) + "\n";
    const wxString wartet = tag.getWartegrund(1, spielVon(tag, 1, anna));
    EXPECT_TRUE(wartet.EndsWith("spielt an Platte 1, Herren")) << wartet;
    EXPECT_EQ("Herren|2|\nDamen||\nDamen||" + wartet + "\n", zeilen);

    // Her match cannot be called, and the page says why.
    aufrufbare->SetItemState(2, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    EXPECT_EQ(spielVon(tag, 1, anna), panel->getVorschlag());
    EXPECT_FALSE(panel->rufeAuf());
    EXPECT_EQ(wartet, status());
    aufrufbare->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    EXPECT_TRUE(panel->rufeAuf());
    EXPECT_TRUE(platten->GetItemText(1, 2).StartsWith("Herren: ")) << platten->GetItemText(1, 2);
    ASSERT_TRUE(tag.setMindestpause(7));
    EXPECT_EQ(7, panel->getMindestpause()->GetValue());

    wxWeakRef<clHallenanzeige> h(new clHallenanzeige(frame.get(), &tag));
    const auto inhalt = [&h] { return wxJoin(h->getInhalt(), '\n', 0); };
    EXPECT_TRUE(inhalt().StartsWith("Es spielen\nPlatte 1: ")) << inhalt();
    EXPECT_TRUE(inhalt().Contains(", Herren, seit 10:42\nPlatte 2: ")) << inhalt();
    ASSERT_EQ(2, h->getAnzahlSeiten());
    for (const wxString titel : {"Herren: Tabelle", "Damen: Tabelle", "Herren: Tabelle"})
    {
        EXPECT_TRUE(inhalt().Contains("\n" + titel + "\n" + titel + "\nPlatz|")) << inhalt();
        h->naechsteSeite();
    }
    h->Close();
    verarbeiteEreignisse();
}

// A group shows in its rounds grid where the hall plays its matches.
TEST_F(Spielbetrieb, GruppenspielAnAndererPlatte)
{
    allgemein alg = *turnier()->getAllgemein();
    alg.Turnierform = formGruppen;
    alg.Gruppen = 2;
    turnier()->setAllgemein(&alg);
    turnier()->Aktualisieren(false);
    teilnehmer({L"Anna", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frida"});
    befehl(frame.get(), wxQuobelFrame::idMenuGruppenAuslosen);
    ASSERT_NE(nullptr, turnier()->getGruppenphase());
    clTTSpiel* sp = turnier()->getGruppenphase()->getGruppe(2)->getSpiel(1, 1);
    ASSERT_TRUE(turnier()->rufeAuf(sp, 1));
    frame->zeigeGruppe(2);
    EXPECT_EQ(wxString(L"Platte 1 seit 10:42"), aufrufZeile(tb(), 1, 1));
    EXPECT_TRUE(clHtmlAusgabe(turnier()).erzeugeSpielzettel(sp).Contains("Platte 1"));
    // A player who does not come: the walkover, given on this page, frees the table.
    platten->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    ASSERT_TRUE(panel->setzeAusfall(clErgebnisEingabe::ofsKampflos2));
    EXPECT_EQ(ausfKampflos, sp->getAusfallArt());
    EXPECT_EQ("frei", platten->GetItemText(0, 1));
}

// --live and --live=PORT are taken out of the command line; what is no port is refused.
TEST(Startoptionen, Live)
{
    const struct
    {
        std::vector<const wchar_t*> args;
        bool gut;
        int port;
        int rest;
    } faelle[] = {{{L"quobel", L"a.qbl"}, true, 0, 2},
                  {{L"quobel", L"--live", L"a.qbl"}, true, 8080, 2},
                  {{L"quobel", L"a.qbl", L"--live=9000"}, true, 9000, 2},
                  {{L"quobel", L"--lively"}, true, 0, 2},
                  {{L"quobel", L"--live=0"}, false, 0, 1},
                  {{L"quobel", L"--live=80x"}, false, 0, 1}};
    for (const auto& fall : faelle)
    {
        std::vector<wxChar*> argv;
        for (const wchar_t* a : fall.args)
            argv.push_back(const_cast<wxChar*>(a));
        argv.push_back(nullptr);
        int argc = static_cast<int>(fall.args.size());
        int port = 0;
        wxString fehler;
        EXPECT_EQ(fall.gut, clStartoptionen::nimmLiveOption(argc, argv.data(), port, fehler)) << fehler;
        EXPECT_EQ(fall.port, port);
        EXPECT_EQ(fall.rest, argc);
        EXPECT_EQ(nullptr, argv[argc]);
    }
}

// The live site follows a typed result, built outside the window's thread; the
// menu item "Live-Seite im Netz" stops the server that --live started, also while
// a site is being built.
TEST_F(Spielbetrieb, LiveSeiteAnUndAus)
{
    teilnehmer({L"Anna", L"Bernd"});
    ASSERT_TRUE(frame->starteLiveSeite(0, "127.0.0.1"));
    ASSERT_NE(nullptr, frame->getLiveServer());
    httplib::Client client("127.0.0.1", frame->getLiveServer()->getPort());
    client.set_read_timeout(5);
    // The served overview once it holds text; the builder is given a few seconds.
    const auto uebersicht = [&client](const std::string& text)
    {
        std::string html;
        for (int versuch = 0; versuch < 500 && html.find(text) == std::string::npos; ++versuch)
        {
            wxYield();
            wxMilliSleep(10);
            auto antwort = client.Get("/");
            html = antwort ? antwort->body : std::string();
        }
        return html;
    };
    ASSERT_TRUE(turnier()->rufeAuf(turnier()->getSpiel(1, 1)));
    EXPECT_NE(std::string::npos, uebersicht("seit 10:42").find("seit 10:42"));
    // Typed on this page, for the match at the chosen table.
    platten->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    panel->getKurzeingabe()->SetValue("5 x");
    EXPECT_FALSE(panel->uebernimmErgebnis());
    panel->getKurzeingabe()->SetValue("5 5");
    EXPECT_TRUE(panel->getKurzVorschau().StartsWith("Platte 1: ")) << panel->getKurzVorschau();
    ASSERT_TRUE(panel->uebernimmErgebnis());
    EXPECT_EQ("frei", platten->GetItemText(0, 1));
    const std::string ergebnis = "2:0 (11:5, 11:5)";
    EXPECT_NE(std::string::npos, uebersicht(ergebnis).find(ergebnis)) << uebersicht(ergebnis);
    // The hall display shows where the phones find it, until it stops.
    befehl(frame.get(), wxQuobelFrame::idMenuHallenanzeige);
    ASSERT_NE(nullptr, frame->getHallenanzeige());
    const wxString url = wxString::Format(":%d", frame->getLiveServer()->getPort());
    EXPECT_TRUE(wxJoin(frame->getHallenanzeige()->getInhalt(), '\n').Contains(url));
    // A change whose site is still being written when the server stops.
    turnier()->getSpiel(1, 1)->setSaetze({{11, 7}, {11, 7}});
    turnier()->pruefeWertung(turnier()->getSpiel(1, 1));
    wxYield();
    wxCommandEvent aus(wxEVT_MENU, wxQuobelFrame::idMenuLiveSeite);
    aus.SetInt(0);
    frame->ProcessWindowEvent(aus);
    EXPECT_EQ(nullptr, frame->getLiveServer());
    EXPECT_FALSE(wxJoin(frame->getHallenanzeige()->getInhalt(), '\n').Contains(url));
}
