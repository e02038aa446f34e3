#include <gtest/gtest.h>
#include <random>
#include <wx/datetime.h>

#include "ModellHilfen.h"
#include "ausgabe/clLiveSeiten.h"
#include "modell/clGruppenphase.h"

namespace
{
// Six players in two groups on two tables, the clock standing at 10:42 today.
struct ZweiGruppen : TestTurnier
{
    std::time_t jetzt = wxDateTime::Today().SetHour(10).SetMinute(42).GetTicks();

    explicit ZweiGruppen(int form = formGruppen)
    {
        erstelle({L"Anna <&\"", L"Bernd", L"Carla", L"Dora", L"Emil", L"Frieda"}, 2);
        allgemein alg = *turnier.getAllgemein();
        alg.Turnierform = form;
        alg.Gruppen = 2;
        alg.Aufsteiger = 1;
        turnier.setAllgemein(&alg);
        turnier.Aktualisieren(false);
        std::mt19937 zufall(3);
        if (form == formGruppen)
            turnier.loseGruppen(zufall);
        turnier.setUhr([this] { return jetzt; });
    }

    std::string seite(const std::string& pfad, const mapLiveSeiten& zusatz = {}) const
    {
        // A day of one class shows that class's site.
        const spLiveSeiten seiten = clLiveSeiten(&tag).erzeuge(zusatz);
        const auto it = seiten->find(pfad);
        return it != seiten->end() ? it->second.inhalt : "fehlt: " + pfad;
    }
};

bool enthaelt(const std::string& text, const wxString& teil)
{
    return text.find(teil.utf8_string()) != std::string::npos;
}

std::string pfade(const spLiveSeiten& seiten)
{
    std::string text;
    for (const auto& [pfad, seite] : *seiten)
        text += pfad + " ";
    return text;
}
} // namespace

TEST(LiveSeiten, JedeSeiteDaMaskiertOhneSkript)
{
    for (const int form : {formJederGegenJeden, formGruppen})
    {
        ZweiGruppen tt(form);
        mapLiveSeiten qr;
        qr["/qr.svg"] = {"image/svg+xml", "<svg/>"};
        const spLiveSeiten seiten = clLiveSeiten(&tt.tag).erzeuge(qr);
        EXPECT_EQ(form == formGruppen
                      ? "/ /gruppe/1 /gruppe/2 /qr.svg /spieler/1 /spieler/2 /spieler/3 /spieler/4 "
                        "/spieler/5 /spieler/6 "
                      : "/ /qr.svg /spieler/1 /spieler/2 /spieler/3 /spieler/4 /spieler/5 "
                        "/spieler/6 /tabelle ",
                  pfade(seiten));
        EXPECT_EQ("<svg/>", seiten->at("/qr.svg").inhalt);
        for (const auto& [pfad, seite] : *seiten)
        {
            if (pfad == "/qr.svg")
                continue;
            EXPECT_TRUE(enthaelt(seite.inhalt, "<meta http-equiv=\"refresh\" content=\"2\">")) << pfad;
            EXPECT_FALSE(enthaelt(seite.inhalt, "<script") || enthaelt(seite.inhalt, "Anna <") ||
                         enthaelt(seite.inhalt, "&\""))
                << pfad;
            EXPECT_EQ("text/html; charset=utf-8", seite.typ);
        }
        // Every player's page is linked from the overview, with the name escaped.
        EXPECT_TRUE(enthaelt(seiten->at("/").inhalt, "<a href=\"/spieler/1\">Anna &lt;&amp;&quot;</a>"));
        EXPECT_TRUE(enthaelt(seiten->at("/").inhalt,
                             form == formGruppen ? "href=\"/gruppe/2\"" : "href=\"/tabelle\""));
    }
}

TEST(LiveSeiten, AufrufErgebnisUndEndrunde)
{
    ZweiGruppen tt;
    clGruppenphase& gp = *tt.turnier.getGruppenphase();
    clTurnier& gruppe = *gp.getGruppe(1);
    clTTSpiel* sp = gruppe.getSpiel(1, 1);
    const int a = gp.getStartNr(1, sp->getT1()->getStartNr());
    const std::string spieler = "/spieler/" + std::to_string(a);
    const wxString paarung = sp->getT1()->getAnzeige() + L" \u2013 " + sp->getT2()->getAnzeige();
    EXPECT_TRUE(enthaelt(tt.seite("/"), L"Zurzeit läuft kein Spiel."));
    EXPECT_TRUE(enthaelt(tt.seite(spieler), L"Noch zu spielen"));

    ASSERT_TRUE(tt.turnier.rufeAuf(sp, 2));
    for (const std::string& pfad : {std::string("/"), spieler})
        EXPECT_TRUE(enthaelt(tt.seite(pfad),
                             "<span class=\"platte\">2</span><span class=\"ort\">Gruppe 1, Runde 1 "
                             L"\u00B7 Platte 2, seit 10:42</span>"))
            << pfad;

    tt.jetzt += 20 * 60;
    sp->setSaetze({{11, 9}, {8, 11}, {11, 5}});
    gruppe.pruefeWertung(sp);
    const wxString ergebnis = "2:1 (11:9, 8:11, 11:5)";
    EXPECT_TRUE(enthaelt(tt.seite("/"), L"Ende 11:02</span><br>"));
    for (const std::string& pfad : {std::string("/"), spieler, std::string("/gruppe/1")})
    {
        const std::string html = tt.seite(pfad);
        EXPECT_TRUE(enthaelt(html, ergebnis) && enthaelt(html, "<strong><a href=\"" + spieler + "\">"))
            << pfad;
        EXPECT_FALSE(enthaelt(html, "class=\"platte\"")) << pfad;
    }
    EXPECT_TRUE(enthaelt(tt.seite(spieler),
                         L"Gespielt</h3>\n<ul class=\"spiele\">\n<li><span class=\"ort\">Gruppe 1, "
                         L"Runde 1 \u00B7 Platte 2</span><br><strong>"));

    // Once the bracket is drawn it has its pages, the final among them.
    for (int g = 1; g <= 2; ++g)
        for (clTTSpiel* s : gp.getGruppe(g)->getAlleSpiele())
            if (!s->hatEingaben())
            {
                s->setSaetze({{11, 1}, {11, 2}});
                gp.getGruppe(g)->pruefeWertung(s);
            }
    std::mt19937 zufall(1);
    ASSERT_TRUE(tt.turnier.loseEndrunde(zufall));
    EXPECT_TRUE(enthaelt(tt.seite("/endrunde"), "<h2>Finale</h2>"));
    EXPECT_TRUE(enthaelt(tt.seite("/endstand"), "<h2>Endstand</h2>"));
}

// With one table free, only the match that would get it when called first is
// named for it; the others wait. Sets typed into an undecided match show as its
// score so far.
TEST(LiveSeiten, NurDasNaechsteSpielBekommtDieFreiePlatte)
{
    TestTurnier tt;
    loseGruppen(tt, 2, 2); // two groups of eight, a table each
    clGruppenphase& gp = *tt.turnier.getGruppenphase();
    ASSERT_TRUE(tt.turnier.rufeAuf(gp.getGruppe(1)->getSpiel(1, 1), 1));
    // Group 2's first match and group 1's second could each have table 2.
    const std::vector<sHallenVorschlag> naechste = tt.tag.getNaechste();
    ASSERT_GE(naechste.size(), 2u);
    const auto uebersicht = [&tt]
    { return wxString::FromUTF8(clLiveSeiten(&tt.tag).erzeuge()->at("/").inhalt); };
    wxString html = uebersicht();
    EXPECT_EQ(1u, html.Replace("an Platte 2", "")) << html;
    EXPECT_EQ(naechste.size() - 1, html.Replace("wartet auf eine Platte", "")) << html;

    clTTSpiel* sp = gp.getGruppe(2)->getSpiel(1, 1);
    sp->setSatzErg(1, 11, 7);
    gp.getGruppe(2)->pruefeWertung(sp);
    html = uebersicht();
    EXPECT_TRUE(html.Contains("<span class=\"stand\">Stand 1:0 (11:7)</span>")) << html;
}

// Anna plays at table 1 for Herren and waits in Damen: the day's overview lists
// the table with its class and the other class's next call, each class has its
// pages under its number, and Anna's page holds her matches of both classes.
TEST(LiveSeiten, TagMitZweiKonkurrenzen)
{
    ZweiKonkurrenzen tt;
    clTTSpiel* herren = tt.spielVonAnna(0);
    ASSERT_TRUE(tt.tag.rufeAuf(0, herren, 1));
    const spLiveSeiten seiten = clLiveSeiten(&tt.tag).erzeuge();
    const auto seite = [&seiten](const std::string& pfad)
    {
        const auto it = seiten->find(pfad);
        return it != seiten->end() ? it->second.inhalt : "fehlt: " + pfad;
    };
    const std::string k0 = "/k/" + std::to_string(tt.tag.getKennung(0));
    const std::string k1 = "/k/" + std::to_string(tt.tag.getKennung(1));
    const std::string uebersicht = seite("/");
    const auto gegner = [](const clTTSpiel* sp)
    { return (sp->getT1()->getVollerName() == "Anna" ? sp->getT2() : sp->getT1())->getVollerName(); };
    for (const auto& [text, teil] : std::vector<std::pair<std::string, wxString>>{
             {uebersicht, L"<span class=\"platte\">1</span><span class=\"ort\">Herren"},
             {uebersicht, L"Herren \u00b7 Runde 1 \u00b7 an Platte 2"},
             {uebersicht, L"Damen \u00b7 Runde 1 \u00b7 wartet auf eine Platte"},
             {uebersicht, "href=\"" + k1 + "/\">Damen</a>"},
             {uebersicht, "href=\"/person/" + std::to_string(tt.anna()) + "\">"},
             {seite(k0 + "/"), "href=\"" + k0 + "/tabelle\""},
             {seite(k1 + "/tabelle"), L"Erna"},
             {seite(k0 + "/spieler/1"), L"Anna"},
             {seite("/person/" + std::to_string(tt.anna())), "href=\"" + k0 + "/\">Herren</a></h2>"},
             {seite("/person/" + std::to_string(tt.anna())), "href=\"" + k1 + "/\">Damen</a></h2>"},
             {seite("/person/" + std::to_string(tt.anna())), ">" + gegner(tt.spielVonAnna(1)) + "</a>"},
             {seite("/person/" + std::to_string(tt.anna())), ">" + gegner(herren) + "</a>"}})
        EXPECT_TRUE(enthaelt(text, teil)) << teil << "\n" << text;
    // Damen has no standings of a page of the window, and still shows them.
    EXPECT_FALSE(enthaelt(seite(k1 + "/tabelle"), L"Es gibt noch keine Teilnehmer"))
        << seite(k1 + "/tabelle");
    for (const auto& [pfad, s] : *seiten)
        EXPECT_LT(s.inhalt.size(), 500u * 1024) << pfad;
    // The overview alone, brought up to date, keeps the pages of both classes.
    const spLiveSeiten neu = clLiveSeiten(&tt.tag, true).erneuereUebersicht(seiten);
    EXPECT_EQ(pfade(seiten), pfade(neu));
    EXPECT_EQ(uebersicht, neu->at("/").inhalt);
}
