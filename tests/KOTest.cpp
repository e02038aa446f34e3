#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "ModellHilfen.h"
#include "modell/clEndrundenAuslosung.h"
#include "modell/clGruppenphase.h"
#include "verlauf/clBefehlsverlauf.h"

namespace
{
// n entries T1 … Tn in the form "KO-System" on two tables; every fourth from T2 on
// has no rating, the others ratings in no order of their start numbers.
void erstelleKO(TestTurnier& tt, int n, bool platz3 = false)
{
    tt.erstelleN(n, 2);
    allgemein alg = *tt.turnier.getAllgemein();
    alg.Turnierform = formKO;
    alg.GewinnsaetzeEndrunde = 3;
    alg.SpielUmPlatz3 = platz3;
    tt.turnier.setAllgemein(&alg);
    tt.turnier.Aktualisieren(false);
    for (int snr = 1; snr <= n; ++snr)
        tt.turnier.getTeilnehmer(snr)->setTTR(snr % 4 == 2 ? KeineTTR : 1000 + snr * 7 % 17 * 10);
}

const clEndrunde& endrunde(const TestTurnier& tt)
{
    return *tt.turnier.getGruppenphase()->getEndrunde();
}
} // namespace

// Seeds by rating, placed as group winners are: 1 on line 1, 2 on line B, seeds
// 2^k+1 … 2^(k+1) on the lines m·B/2^k and m·B/2^k+1 (m odd), the byes beside the
// best seeds, seeds beyond B/2 beside seeds without a bye, entries without a rating last.
TEST(KO, SetzplaetzeNachTTR)
{
    for (int n : {3, 4, 5, 8, 13})
        for (unsigned los = 1; los <= 6; ++los)
        {
            SCOPED_TRACE(testing::Message() << n << " Teilnehmer, Los " << los);
            TestTurnier tt;
            erstelleKO(tt, n);
            std::vector<int> folge(static_cast<size_t>(n));
            std::iota(folge.begin(), folge.end(), 1);
            const auto ttr = [&tt](int snr) { return tt.turnier.getTeilnehmer(snr)->getTTR(); };
            std::stable_sort(folge.begin(), folge.end(), [&ttr](int a, int b) { return ttr(a) > ttr(b); });
            const int bewertet = static_cast<int>(
                std::count_if(folge.begin(), folge.end(), [&ttr](int s) { return ttr(s) >= 0; }));
            // The seeds an entry can be: its rank, or any after the rated ones without a rating.
            const auto setzung = [&](int snr)
            {
                const int rang =
                    static_cast<int>(std::find(folge.begin(), folge.end(), snr) - folge.begin()) + 1;
                return rang <= bewertet ? std::pair{rang, rang} : std::pair{bewertet + 1, n};
            };
            std::mt19937 zufall(los);
            ASSERT_TRUE(tt.turnier.loseEndrunde(zufall));
            const clEndrunde& er = endrunde(tt);
            const int b = er.getAnzahlLinien();
            ASSERT_EQ(clEndrundenAuslosung::getAnzahlLinien(n), b);
            const auto erlaubt = [b](int s, int l)
            {
                if (s <= 2)
                    return l == (s == 1 ? 1 : b);
                if (2 * s > b)
                    return true;
                int k = 1;
                while ((1 << (k + 1)) < s)
                    ++k;
                const int abstand = b >> k;
                const int basis = l % abstand == 0 ? l : l - 1;
                return basis % abstand == 0 && basis / abstand % 2 == 1;
            };
            // The seeds on a line, {0, 0} for a bye.
            const auto auf = [&er, &setzung](int l)
            {
                const clTeilnehmer* tn = er.getLinien()[static_cast<size_t>(l) - 1];
                return tn == nullptr ? std::pair{0, 0} : setzung(tn->getStartNr());
            };
            std::vector<bool> gesehen(static_cast<size_t>(n) + 1, false);
            for (int l = 1; l <= b; ++l)
            {
                const auto [von, bis] = auf(l);
                const auto [pVon, pBis] = auf(l % 2 == 1 ? l + 1 : l - 1);
                if (von == 0)
                {
                    EXPECT_TRUE(pVon >= 1 && pVon <= b - n) << "Freilos auf Linie " << l;
                    continue;
                }
                gesehen[static_cast<size_t>(er.getLinien()[static_cast<size_t>(l) - 1]->getStartNr())] = true;
                bool passt = false;
                for (int s = von; s <= bis; ++s)
                    passt = passt || (erlaubt(s, l) && (2 * s <= b || (pVon >= 1 && 2 * pVon <= b)));
                EXPECT_TRUE(passt) << "Linie " << l << ": Setzplatz " << von << "-" << bis;
            }
            EXPECT_EQ(std::vector<bool>(gesehen.size() - 1, true),
                      std::vector<bool>(gesehen.begin() + 1, gesehen.end()));
        }
}

// Two entries or fewer have at most one match: neither a knockout field nor groups are drawn.
TEST(KO, AuslosungBrauchtDreiTeilnehmer)
{
    for (int n : {0, 1, 2})
        for (const int form : {formKO, formGruppen})
        {
            TestTurnier tt;
            erstelleKO(tt, n);
            allgemein alg = *tt.turnier.getAllgemein();
            alg.Turnierform = form;
            tt.turnier.setAllgemein(&alg);
            tt.turnier.Aktualisieren(false);
            EXPECT_EQ(wxString::Format(wxString::FromUTF8("Zum Auslosen braucht es mindestens 3 Teilnehmer; "
                                                          "übernommen sind %d."),
                                       n),
                      tt.turnier.getAuslosungsSperre());
            std::mt19937 zufall(1);
            EXPECT_FALSE(form == formKO ? tt.turnier.loseEndrunde(zufall) : tt.turnier.loseGruppen(zufall));
            EXPECT_EQ(nullptr, tt.turnier.getGruppenphase());
        }
}

// Six entries with the match for third place: calls, a withdrawal and undo in the
// bracket, the roster closed to newcomers, the final placing dense.
TEST(KO, VonDerAuslosungZumEndstand)
{
    TestTurnier tt;
    erstelleKO(tt, 6, true);
    clBefehlsverlauf verlauf(&tt.tag);
    std::mt19937 zufall(3);
    ASSERT_TRUE(tt.turnier.loseEndrunde(zufall));
    EXPECT_EQ(wxString::FromUTF8("Rückgängig: KO-Auslosung"), verlauf.getRueckgaengigText());
    // The bracket's matches are all the tournament has: four quarter-finals (two byes),
    // the semi-finals, the match for third place and the final.
    EXPECT_EQ(8u, tt.turnier.getAlleSpiele().size());
    const clEndrunde* er = &endrunde(tt);
    clTTSpiel* viertel = er->istSpielbar(er->getSpiel(1)) ? er->getSpiel(1) : er->getSpiel(2);
    ASSERT_TRUE(tt.turnier.rufeAuf(viertel, 2));
    EXPECT_EQ(wxString::FromUTF8("Viertelfinale ") + (viertel == er->getSpiel(1) ? "2" : "3") + ", Platte 2",
              tt.turnier.getSpielort(viertel));

    // Newcomers and deletions wait for another draw.
    vecEditListe el;
    tt.turnier.fillEditListe(el);
    el.push_back(el[0]);
    el.back().m_EditStatus = esNew;
    el.back().m_OldPos = -1;
    EXPECT_TRUE(tt.turnier.pruefeTeilnehmerliste(el).Contains("KO-Feld ist ausgelost"))
        << tt.turnier.pruefeTeilnehmerliste(el);
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ(6, tt.turnier.getAnzahlTeilnehmer());
    // Names change freely, and so does the order of the roster: the bracket follows its entries.
    tt.teilnehmerTB.SetValue(0, 0, "Anna");
    tt.teilnehmerTB.DatenZurueckSchreiben();
    const auto namen = [&tt]()
    {
        wxString text;
        for (const clTeilnehmer* tn : endrunde(tt).getLinien())
            text << (tn != nullptr ? tn->getAnzeige() : "-") << " ";
        return text;
    };
    const wxString gezogen = namen();
    ASSERT_TRUE(gezogen.Contains("Anna"));
    tt.turnier.fillEditListe(el);
    std::swap(el[0], el[1]);
    tt.turnier.UpdateTeilnehmer(el);
    ASSERT_EQ("Anna", tt.turnier.getTeilnehmer(2)->getAnzeige());
    EXPECT_EQ(gezogen, namen());

    // A withdrawal gives the quarter-final away, one step to undo.
    const int weg = viertel->getT1()->getStartNr();
    const clTeilnehmer* gegner = viertel->getT2();
    const std::string vorher = tt.turnier.getAbbild();
    tt.turnier.zieheZurueck(weg);
    EXPECT_EQ(gegner, er->getSieger(viertel));
    EXPECT_EQ(wxString::FromUTF8("Rückgängig: Rückzug ") + tt.turnier.getTeilnehmer(weg)->getAnzeige(),
              verlauf.getRueckgaengigText());
    verlauf.Undo();
    EXPECT_EQ(vorher, tt.turnier.getAbbild());
    er = &endrunde(tt);
    tt.turnier.zieheZurueck(weg);
    for (int k = 0; k < er->getAnzahlSpiele(); ++k)
        if (er->istSpielbar(er->getSpiel(k)) && !er->getSpiel(k)->hatEingaben())
            spiele(tt.turnier, er->getSpiel(k), k);
    wxString plaetze;
    std::vector<const clTeilnehmer*> wer;
    for (const sPlatzierung& p : tt.turnier.getGruppenphase()->getEndstand())
    {
        plaetze << p.platz << " ";
        wer.push_back(p.tn);
    }
    EXPECT_EQ("1 2 3 4 5 5 ", plaetze);
    // Another form discards the drawn bracket, as the organiser is told before.
    EXPECT_EQ(wxString::FromUTF8("Mit einer anderen Turnierform wird das ausgeloste KO-Feld verworfen. "
                                 "Verloren gehen: 6 Ergebnisse und 1 Aufruf."),
              tt.turnier.verworfeneGruppen(allgemein()));
    std::sort(wer.begin(), wer.end());
    EXPECT_EQ(wer.end(), std::unique(wer.begin(), wer.end()));
    EXPECT_EQ(er->getSieger(er->getSpiel(6)),
              wer.empty() ? nullptr : tt.turnier.getGruppenphase()->getEndstand()[0].tn);
}

// The file holds the form and the bracket, no groups; a bracket that does not hold
// exactly the entries is refused, naming section and line, and changes nothing.
TEST(KO, DateiUndSchaden)
{
    TestTurnier tt;
    erstelleKO(tt, 5);
    std::mt19937 zufall(2);
    ASSERT_TRUE(tt.turnier.loseEndrunde(zufall));
    const clEndrunde& er = endrunde(tt);
    for (int k = 0; k < er.getAnzahlSpiele(); ++k)
        if (er.istSpielbar(er.getSpiel(k)) && k < 4)
            spiele(tt.turnier, er.getSpiel(k), k);
    ASSERT_TRUE(tt.turnier.rufeAuf(er.getSpiel(4), 1));
    TempDatei datei;
    ASSERT_TRUE(tt.turnier.speichereTurnierDaten(datei.pfad));
    const std::string bytes = liesBytes(datei.pfad);
    EXPECT_EQ(std::string::npos, bytes.find("Gruppe 1"));
    TestTurnier geladen;
    wxString grund;
    ASSERT_TRUE(geladen.turnier.liesTurnierDaten(datei.pfad, &grund)) << grund;
    const std::string abbild = tt.turnier.getAbbild();
    EXPECT_EQ(abbild, geladen.turnier.getAbbild());
    TempDatei wieder;
    ASSERT_TRUE(geladen.turnier.speichereTurnierDaten(wieder.pfad));
    EXPECT_EQ(bytes, liesBytes(wieder.pfad));

    std::string linien, ohneLetzten, doppelt;
    for (const clTeilnehmer* tn : er.getLinien())
    {
        const std::string snr = std::to_string(tn == nullptr ? -1 : tn->getStartNr());
        linien += (linien.empty() ? "" : ",") + snr;
    }
    ohneLetzten = linien.substr(0, linien.rfind(',')) + ",-1";
    doppelt = linien.substr(0, linien.rfind(',')) + "," + linien.substr(0, linien.find(','));
    const std::array<std::array<std::string, 4>, 4> schaeden = {{
        {"Endrunde", linien, ohneLetzten,
         "Endrunde, Zeile 2: auf den Linien stehen nicht genau die Teilnehmer."},
        {"Endrunde", linien, doppelt, "Endrunde, Zeile 2"},
        {"Endrunde", "#!! Endrunde", "#!! Gruppe 1\n1\n\\\n#!! Endrunde", "Gruppe 1, Zeile 1"},
        {"Teilnehmer", "\n#!! Spielplan",
         "\n" + std::string(tt.turnier.getTeilnehmer(1)->getSaveString()) + "\n#!! Spielplan",
         "Endrunde, Zeile 2"},
    }};
    for (const auto& [abschnitt, finde, ersatz, erwartet] : schaeden)
    {
        std::string kaputt = bytes;
        const size_t pos = kaputt.find(finde, kaputt.find("#!! " + abschnitt));
        ASSERT_NE(std::string::npos, pos) << finde;
        kaputt.replace(pos, finde.size(), ersatz);
        TempDatei k(kaputt);
        wxString fehler;
        EXPECT_FALSE(geladen.turnier.liesTurnierDaten(k.pfad, &fehler)) << erwartet;
        EXPECT_TRUE(fehler.Contains(wxString::FromUTF8(erwartet.c_str()))) << fehler;
        EXPECT_EQ(abbild, geladen.turnier.getAbbild());
    }
}
