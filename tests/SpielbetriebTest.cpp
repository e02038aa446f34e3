#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "ModellHilfen.h"
#include "ausgabe/clCsvExport.h"
#include "modell/clEndrunde.h"
#include "modell/clGruppenphase.h"
#include "modell/clSpielbetrieb.h"
#include "verlauf/clBefehlsverlauf.h"

namespace
{
// The clock of the tests: a day within the years a file takes.
const std::time_t Tag = 1750000000;

// Where each match stands in the order of calls: its round robin (0 the
// tournament's own schedule, g a group) and round.
std::map<const clTTSpiel*, std::pair<int, int>> ordnung(const clTurnier& t)
{
    std::map<const clTTSpiel*, std::pair<int, int>> ort;
    const auto runden = [&ort](const clTurnier& rr, int folge)
    {
        for (int r = 1; r <= rr.getAnzahlRunden(); ++r)
            for (int p = 1; const clTTSpiel* sp = rr.getSpiel(r, p); ++p)
                ort[sp] = {folge, r};
    };
    runden(t, 0);
    if (const clGruppenphase* gp = t.getGruppenphase())
        for (int g = 1; g <= gp->getAnzahlGruppen(); ++g)
            runden(*gp->getGruppe(g), g);
    return ort;
}

// Runs the hall as a control desk would: whenever a table is free and the first
// callable match is ready it goes there; else the longest running match ends,
// five minutes later, or a minute passes. Checks after every call that no player and no table is used twice
// and that no round robin's round is called before the earlier ones; answers the number of calls.
int betreibe(clTurnier& t, std::time_t& uhr)
{
    const clSpielbetrieb& sb = t.getSpielbetrieb();
    const auto ort = ordnung(t);
    int aufrufe = 0;
    for (int schritt = 0; schritt < 1000; ++schritt)
    {
        std::vector<sAufrufbar> bereit = sb.getAufrufbare(t);
        // Ready first, then those who have rested longest.
        for (size_t k = 1; k < bereit.size(); ++k)
            EXPECT_LE(std::make_pair(!bereit[k - 1].bereit, bereit[k - 1].zuletzt),
                      std::make_pair(!bereit[k].bereit, bereit[k].zuletzt));
        if (!bereit.empty() && bereit[0].platte > 0 && bereit[0].bereit)
        {
            clTTSpiel* sp = bereit[0].spiel;
            EXPECT_TRUE(t.rufeAuf(sp));
            ++aufrufe;
            std::set<const clTeilnehmer*> spieler;
            std::set<int> platten;
            for (const sAufruf& a : sb.getLaufende())
            {
                EXPECT_TRUE(spieler.insert(a.spiel->getT1()).second &&
                            spieler.insert(a.spiel->getT2()).second);
                EXPECT_TRUE(platten.insert(a.platte).second);
            }
            const auto hier = ort.find(sp);
            for (const auto& [anderes, wo] : ort)
                EXPECT_TRUE(hier == ort.end() || wo.first != hier->second.first ||
                            wo.second >= hier->second.second || sb.getAufruf(anderes) != nullptr ||
                            anderes->hatEingaben())
                    << t.getSpielort(sp) << " vor " << t.getSpielort(anderes);
            continue;
        }
        const std::vector<sAufruf> laufend = sb.getLaufende();
        if (laufend.empty() && !bereit.empty())
        {
            uhr += 60;
            continue;
        }
        if (laufend.empty())
            return aufrufe;
        const sAufruf aeltester =
            *std::min_element(laufend.begin(), laufend.end(),
                              [](const sAufruf& a, const sAufruf& b) { return a.beginn < b.beginn; });
        uhr += 300;
        spiele(t, aeltester.spiel, 0);
        EXPECT_EQ(nullptr, sb.getSpielAn(aeltester.platte));
        EXPECT_EQ(uhr, sb.getAufruf(aeltester.spiel)->ende);
    }
    ADD_FAILURE() << "kein Ende";
    return aufrufe;
}
} // namespace

TEST(Spielbetrieb, JederGegenJedenUndGruppenMitEndrunde)
{
    std::time_t uhr = Tag + 1000;
    TestTurnier rr;
    rr.erstelleN(7, 3);
    rr.turnier.setUhr([&uhr] { return uhr; });
    EXPECT_EQ(21, betreibe(rr.turnier, uhr));
    EXPECT_TRUE(rr.turnier.getSpielbetrieb().getAufrufbare(rr.turnier).empty());

    TestTurnier gr;
    loseGruppen(gr, 8);
    gr.turnier.setUhr([&uhr] { return uhr; });
    ASSERT_TRUE(gr.turnier.setMindestpause(7));
    const clGruppenphase& gp = *gr.turnier.getGruppenphase();
    // A group's first match is offered at its own table.
    const std::vector<sAufrufbar> erste = gr.turnier.getSpielbetrieb().getAufrufbare(gr.turnier);
    ASSERT_EQ(8u, erste.size());
    EXPECT_EQ(gp.getPlatten(3)[0], erste[4].platte);
    EXPECT_EQ(24, betreibe(gr.turnier, uhr));
    std::mt19937 zufall(2);
    ASSERT_TRUE(gr.turnier.loseEndrunde(zufall));
    // Knockout matches wait only for their players: the quarter-finals at once, a
    // semi-final as soon as both its quarter-finals are decided.
    EXPECT_EQ(4u, gr.turnier.getSpielbetrieb().getAufrufbare(gr.turnier).size());
    EXPECT_EQ(7, betreibe(gr.turnier, uhr));
    EXPECT_EQ(1, gp.getEndrunde()->getEndstand()[0].platz);
    EXPECT_EQ(wxString::Format("Finale, Platte %d", gr.turnier.getPlatte(gp.getEndrunde()->getSpiel(6))),
              gr.turnier.getSpielort(gp.getEndrunde()->getSpiel(6)));
}

TEST(Spielbetrieb, RuheUndReihenfolge)
{
    std::time_t uhr = Tag + 1000;
    TestTurnier tt;
    tt.erstelleN(4, 2);
    tt.turnier.setUhr([&uhr] { return uhr; });
    ASSERT_TRUE(tt.turnier.setMindestpause(10));
    clTTSpiel* a = tt.turnier.getSpiel(1, 1);
    clTTSpiel* b = tt.turnier.getSpiel(1, 2);
    // A busy table, a table outside the hall, a match of a later round: refused.
    ASSERT_TRUE(tt.turnier.rufeAuf(a, 2));
    EXPECT_FALSE(tt.turnier.rufeAuf(b, 2));
    EXPECT_FALSE(tt.turnier.rufeAuf(b, 3));
    EXPECT_FALSE(tt.turnier.rufeAuf(tt.turnier.getSpiel(2, 1)));
    EXPECT_FALSE(tt.turnier.rufeAuf(a, 1));
    EXPECT_TRUE(tt.turnier.verlegeAufruf(a, 1));
    uhr = Tag + 2000;
    spiele(tt.turnier, a, 0);
    // A result typed without a call is news too, and its players rest as well.
    uhr = Tag + 2300;
    spiele(tt.turnier, b, 0);
    const std::vector<sAufruf> beendet = tt.turnier.getSpielbetrieb().getBeendete();
    ASSERT_EQ(2u, beendet.size());
    EXPECT_EQ(b, beendet[0].spiel);
    EXPECT_EQ(std::make_pair(Tag + 2300, 0), std::make_pair(beendet[0].ende, beendet[0].platte));
    // Round 2 waits until its players have rested ten minutes.
    for (const auto& [zeit, bereit] : {std::pair{2800, false}, {2900, true}})
    {
        uhr = Tag + zeit;
        const std::vector<sAufrufbar> naechste = tt.turnier.getSpielbetrieb().getAufrufbare(tt.turnier);
        ASSERT_EQ(2u, naechste.size());
        EXPECT_EQ(Tag + 2300, naechste[0].zuletzt);
        EXPECT_EQ(bereit, naechste[0].bereit);
    }
    ASSERT_TRUE(tt.turnier.setMindestpause(0));
    EXPECT_TRUE(tt.turnier.getSpielbetrieb().getAufrufbare(tt.turnier)[0].bereit);
    // Results that were there before are no news: only the saved call ended.
    ASSERT_TRUE(tt.turnier.setzeAbbild(tt.turnier.getAbbild()));
    EXPECT_EQ(1u, tt.turnier.getSpielbetrieb().getBeendete().size());
    // A hall of fewer tables sends the match on the table gone back to be called.
    clTTSpiel* zweite = tt.turnier.getSpielbetrieb().getAufrufbare(tt.turnier)[1].spiel;
    ASSERT_TRUE(tt.turnier.rufeAuf(zweite, 2));
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Platten = 1;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    EXPECT_TRUE(tt.turnier.getSpielbetrieb().getLaufende().empty());
}

TEST(Spielbetrieb, RueckgaengigDateiUndNeuerSpielplan)
{
    std::time_t uhr = Tag + 5000;
    TestTurnier tt;
    tt.erstelleN(5, 2);
    tt.turnier.setUhr([&uhr] { return uhr; });
    clBefehlsverlauf verlauf(&tt.tag);
    const clSpielbetrieb& sb = tt.turnier.getSpielbetrieb();
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    const std::string vorher = tt.turnier.getAbbild();
    ASSERT_TRUE(tt.turnier.rufeAuf(sp));
    EXPECT_EQ(wxString::FromUTF8("Rückgängig: Aufruf ") + sp->getT1()->getAnzeige() +
                  wxString::FromUTF8(" – ") + sp->getT2()->getAnzeige(),
              verlauf.getRueckgaengigText());
    verlauf.Undo();
    EXPECT_EQ(vorher, tt.turnier.getAbbild());
    verlauf.Redo();
    sp = tt.turnier.getSpiel(1, 1);
    ASSERT_TRUE(sb.laeuft(sp));

    // Undoing its result puts the match back on its table; a result cleared once
    // the table is taken puts it back among those to call.
    spiele(tt.turnier, sp, 0);
    verlauf.Undo();
    EXPECT_TRUE(sb.laeuft(sp));
    verlauf.Redo();
    clTTSpiel* anderes = tt.turnier.getSpiel(1, 2);
    ASSERT_TRUE(tt.turnier.rufeAuf(anderes, 1));
    // The results name the table it is played on, not the one of the schedule.
    const wxString csv = wxSplit(clCsvExport(&tt.turnier).erzeugeErgebnisse(), '\n')[2];
    EXPECT_TRUE(csv.StartsWith("\"1\";\"1\";\"" + anderes->getT1()->getAnzeige())) << csv;
    sp->setSaetze({});
    tt.turnier.pruefeWertung(sp);
    EXPECT_EQ(nullptr, sb.getAufruf(sp));
    EXPECT_EQ(sp, sb.getAufrufbare(tt.turnier).at(0).spiel);

    // A late entry makes a new schedule: the running call keeps to its pairing.
    const clTeilnehmer* t1 = anderes->getT1();
    tt.teilnehmerTB.SetValue(5, 0, "T6");
    tt.teilnehmerTB.DatenZurueckSchreiben();
    ASSERT_EQ(1u, sb.getLaufende().size());
    EXPECT_TRUE(sb.getLaufende()[0].spiel->getT1() == t1 || sb.getLaufende()[0].spiel->getT2() == t1);
    EXPECT_EQ(1, sb.getLaufende()[0].platte);

    // The file keeps calls, times and the rest.
    tt.turnier.setMindestpause(7);
    TempDatei datei;
    ASSERT_TRUE(tt.turnier.speichereTurnierDaten(datei.pfad));
    TestTurnier geladen;
    ASSERT_TRUE(geladen.turnier.liesTurnierDaten(datei.pfad));
    EXPECT_EQ(tt.turnier.getAbbild(), geladen.turnier.getAbbild());
    EXPECT_EQ(7, geladen.turnier.getSpielbetrieb().getMindestpause());
}

// A new draw or a swap makes every group match anew: a call stays only with its
// very match, the same two players in the same group, and no player is on two tables.
TEST(Spielbetrieb, AufrufeBleibenNurBeiIhrerPaarung)
{
    const std::vector<std::pair<const char*, std::function<bool(clTurnier&)>>> aenderungen = {
        {"Auslosung",
         [](clTurnier& t)
         {
             std::mt19937 zufall(3);
             return t.loseGruppen(zufall);
         }},
        {"Tausch", [](clTurnier& t) { return t.tauscheGruppenspieler(1, 1, 2, 1); }},
    };
    for (const auto& [name, aendere] : aenderungen)
    {
        TestTurnier gr;
        loseGruppen(gr, 8);
        const clSpielbetrieb& sb = gr.turnier.getSpielbetrieb();
        while (!sb.getAufrufbare(gr.turnier).empty() && sb.getAufrufbare(gr.turnier)[0].platte > 0)
            ASSERT_TRUE(gr.turnier.rufeAuf(sb.getAufrufbare(gr.turnier)[0].spiel));
        std::set<sSpielKennung> gerufen;
        for (const sAufruf& a : sb.getLaufende())
            gerufen.insert(gr.turnier.getKennung(a.spiel));
        ASSERT_EQ(8u, gerufen.size());
        ASSERT_TRUE(aendere(gr.turnier));
        std::vector<sSpielKennung> kennungen;
        gr.turnier.getAlleSpiele(&kennungen);
        std::set<sSpielKennung> erwartet;
        for (const sSpielKennung& k : kennungen)
            if (gerufen.count(k) != 0)
                erwartet.insert(k);
        std::set<sSpielKennung> bleiben;
        std::set<int> spieler;
        for (const sAufruf& a : sb.getLaufende())
        {
            const sSpielKennung k = gr.turnier.getKennung(a.spiel);
            bleiben.insert(k);
            EXPECT_TRUE(spieler.insert(k.t1).second && spieler.insert(k.t2).second) << name;
        }
        EXPECT_TRUE(erwartet == bleiben) << name << ": " << erwartet.size() << " statt " << bleiben.size();
    }
}

// Correcting a quarter-final changes the semi-final's pairing and drops its call,
// while the call of an untouched match stays; undo brings the pairing and the
// call back, redo drops it again.
TEST(Spielbetrieb, RueckgaengigBringtVerworfenenAufrufZurueck)
{
    TestTurnier gr;
    loseGruppen(gr, 8);
    std::time_t uhr = Tag;
    gr.turnier.setUhr([&uhr] { return uhr; });
    clGruppenphase& gp = *gr.turnier.getGruppenphase();
    for (clTTSpiel* sp : gr.turnier.getAlleSpiele())
        spiele(gr.turnier, sp, 0);
    std::mt19937 zufall(2);
    ASSERT_TRUE(gr.turnier.loseEndrunde(zufall));
    clEndrunde& er = *gp.getEndrunde();
    spiele(gr.turnier, er.getSpiel(0), 0);
    spiele(gr.turnier, er.getSpiel(1), 0);
    clBefehlsverlauf verlauf(&gr.tag);
    const clSpielbetrieb& sb = gr.turnier.getSpielbetrieb();
    clTTSpiel* halbfinale = er.getSpiel(4);
    ASSERT_TRUE(gr.turnier.rufeAuf(halbfinale, 3) && gr.turnier.rufeAuf(er.getSpiel(2)));
    uhr += 600;
    clTTSpiel* viertelfinale = er.getSpiel(0);
    const bool vorn = viertelfinale->getT1()->getStartNr() < viertelfinale->getT2()->getStartNr();
    viertelfinale->setSaetze(std::vector<satz>(3, vorn ? satz{5, 11} : satz{11, 5}));
    gr.turnier.pruefeWertung(viertelfinale);
    EXPECT_EQ(nullptr, sb.getAufruf(halbfinale));
    EXPECT_TRUE(sb.laeuft(er.getSpiel(2)));
    verlauf.Undo();
    ASSERT_TRUE(sb.laeuft(halbfinale));
    EXPECT_EQ(std::make_pair(3, Tag),
              std::make_pair(sb.getAufruf(halbfinale)->platte, sb.getAufruf(halbfinale)->beginn));
    EXPECT_EQ(halbfinale, sb.getSpielAn(3));
    verlauf.Redo();
    EXPECT_EQ(nullptr, sb.getAufruf(halbfinale));
}
