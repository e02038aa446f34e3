#include <gtest/gtest.h>

#include <sstream>
#include <tuple>
#include <wx/defs.h>
#include <wx/wxcrt.h>

#include "modell/clEndrunde.h"

namespace
{
// Players A to P, referred to by 0 to 15; any other reference is none.
clTeilnehmer spieler[16];
const auto von = [](int ref) { return ref >= 0 && ref < 16 ? &spieler[ref] : nullptr; };
const auto referenz = [](const clTeilnehmer* tn) { return static_cast<int>(tn - spieler); };
// A player's letter; without one '-' for a bye (f), '.' for a side still open.
const auto name = [](const clTeilnehmer* t, bool f) { return t ? char('A' + (t - spieler)) : f ? '-' : '.'; };

// Lines given as letters, '-' for a bye.
vecTeilnehmer linien(const std::string& text)
{
    vecTeilnehmer l;
    for (char c : text)
        l.push_back(von(c - 'A'));
    return l;
}

// Each match's players in playing order.
std::string paarungen(const clEndrunde& er)
{
    std::string text;
    for (int k = 0; clTTSpiel* sp = er.getSpiel(k); ++k)
        text += {name(sp->getT1(), er.istFrei(sp, 1)), name(sp->getT2(), er.istFrei(sp, 2)), ' '};
    return text;
}

// Steps "kXs": match k wins side s by a result (X = e), a walkover (w) or a retirement (a).
void trage(clEndrunde& er, const std::string& schritte)
{
    std::istringstream ein(schritte);
    for (std::string s; ein >> s;)
    {
        clTTSpiel* sp = er.getSpiel(s[0] - '0');
        if (s[1] == 'e')
            sp->setSaetze(std::vector<satz>(er.getGewinnsaetze(), s[2] == '1' ? satz{11, 5} : satz{5, 11}));
        else
            sp->setAusfall(s[1] == 'w' ? ausfKampflos : ausfAufgabe, s[2] == '1' ? 2 : 1);
        er.pruefeSpiel(sp);
    }
}

std::string plaetze(const vecPlatzierung& stand)
{
    std::string text;
    for (const sPlatzierung& p : stand)
        text += std::to_string(p.platz) + name(p.tn, false) + " ";
    return text;
}

// The lines as the file reader hands them over.
std::vector<std::wstring_view> sichten(const wxArrayString& zeilen)
{
    std::vector<std::wstring_view> sicht;
    for (const wxString& z : zeilen)
        sicht.emplace_back(z.wc_str(), z.length());
    return sicht;
}
} // namespace

// Byes, results, walkovers and retirements advance; each case's pairings and Endstand.
TEST(Endrunde, VorrueckenUndEndstand)
{
    const std::string halbfinale = "0e1 1e2 2e1 4e1 5e2 ";
    const std::vector<std::tuple<std::string, bool, std::string, std::string, std::string>> faelle = {
        {"A-BC", false, "", "A- BC A. ", "0A 0B 0C "},
        {"A-BC", true, "1e1", "A- BC AB -C ", "0A 0B 3C "},
        {"ABCD", true, "0w2 1a1", "AB CD BC AD ", "0B 0C 0A 0D "},
        // Two byes in one pairing, which no draw makes, still let the other pairing
        // through; its loser is second, as nobody else reached the final.
        {"AB--", false, "0e1", "AB -- A- ", "1A 2B "},
        {"ABCDEFG-", false, "0e1", "AB CD EF G- A. .G .. ", "0A 0G 0C 0D 0E 0F 5B "},
        {"ABCDEFG-", false, halbfinale + "6e2", "AB CD EF G- AD EG AG ", "1G 2A 3D 3E 5B 5C 5F "},
        {"ABCDEFG-", true, halbfinale + "6e2", "AB CD EF G- AD EG AG DE ", "1G 2A 0D 0E 5B 5C 5F "},
        {"ABCDEFG-", true, halbfinale + "6e2 7e1", "AB CD EF G- AD EG AG DE ", "1G 2A 3D 4E 5B 5C 5F "}};
    for (const auto& [text, platz3, schritte, erwartet, endstand] : faelle)
    {
        clEndrunde er(linien(text), 2, platz3);
        trage(er, schritte);
        EXPECT_EQ(erwartet, paarungen(er)) << text << " " << schritte;
        EXPECT_EQ(endstand, plaetze(er.getEndstand())) << text << " " << schritte;
    }
    // Those who did not qualify follow by their group place.
    vecPlatzierung stand(7);
    clEndrunde::haengeAn(stand, {{von(7), 3}, {von(8), 4}, {von(9), 3}});
    EXPECT_EQ("0. 0. 0. 0. 0. 0. 0. 8H 8J 10I ", plaetze(stand));
}

// A retirement of A instead of its win changes the winner who played on: the
// semi-final and the final lose their results, the match for third place a player.
TEST(Endrunde, KorrekturEntferntWasDaraufFolgte)
{
    clEndrunde er(linien("ABCDEFGH"), 2, true);
    trage(er, "0e1 1e1 2e1 3e1 4e1 5e1 6e1");
    clTTSpiel* sp = er.getSpiel(0);
    clTTSpiel neu(*sp);
    neu.setSaetze({{11, 9}, {5, 11}, {11, 3}});
    EXPECT_TRUE(er.getVerloreneErgebnisse(sp, neu.getEingaben()).empty());
    neu.setAusfall(ausfAufgabe, 1);
    const std::vector<clTTSpiel*> verloren = er.getVerloreneErgebnisse(sp, neu.getEingaben());
    ASSERT_EQ((std::vector<clTTSpiel*>{er.getSpiel(4), er.getSpiel(6)}), verloren);
    sp->setEingaben(neu.getEingaben());
    EXPECT_EQ(verloren, er.pruefeSpiel(sp));
    EXPECT_EQ("AB CD EF GH BC EG .E .G ", paarungen(er));
    EXPECT_FALSE(verloren[1]->hatEingaben());
    // Nothing is kept in a match that cannot be played yet.
    verloren[1]->setSatzErg(1, 11, 5);
    er.pruefeSpiel(verloren[1]);
    EXPECT_FALSE(verloren[1]->hatEingaben());
}

TEST(Endrunde, RundennamenVomFinaleZurueck)
{
    const std::string ab16 = "Achtelfinale|Viertelfinale|Halbfinale|Finale|";
    const std::vector<std::string> erwartet = {
        "Finale|",          "Halbfinale|Finale|",        "Viertelfinale|Halbfinale|Finale|",  ab16,
        "1. Runde|" + ab16, "1. Runde|2. Runde|" + ab16, "1. Runde|2. Runde|3. Runde|" + ab16};
    for (size_t r = 1; r <= erwartet.size(); ++r)
    {
        clEndrunde er(vecTeilnehmer(size_t(1) << r), 2, true);
        std::string namen;
        for (int runde = 1; runde <= er.getAnzahlRunden(); ++runde)
            namen += er.getRundenname(runde).utf8_string() + "|";
        EXPECT_EQ(erwartet[r - 1], namen);
        EXPECT_EQ(r == 1 ? "" : "Spiel um Platz 3", er.getSpielname(er.getSpielUmPlatz3()));
    }
}

TEST(Endrunde, SichernLadenUndBeschaedigteZeilen)
{
    spieler[0].setAnzeige("Meier, A. (Bad:Nord)");
    clEndrunde er(linien("ABCDEFG-"), 3, true);
    trage(er, "0e1 1a2 2w1 4e2");
    const wxArrayString zeilen = er.getSaveStrings(referenz);
    wxString fehler;
    const auto geladen = clEndrunde::lies(sichten(zeilen), von, fehler);
    ASSERT_TRUE(geladen);
    EXPECT_EQ(zeilen, geladen->getSaveStrings(referenz));
    EXPECT_EQ(paarungen(er), paarungen(*geladen));
    // "n:text" for line n; past the end it is appended, without a text removed.
    for (const char* schaden : {"1:3", "1:5,1", "2:0,1,2,3,4,5,6", "2:0,1,2,3,4,5,0,-1", "2:0,1,2,3,4,5,6,99",
                                "3:(A:B,11: 5,11: x5,11: 5)", "4:(C:D,ab1", "9:(D:,11: 5)", "10:", "11:(:)"})
    {
        wxString text;
        const size_t nummer = wxAtoi(wxString(schaden).BeforeFirst(':', &text));
        wxArrayString kaputt = zeilen;
        if (nummer <= kaputt.size())
            kaputt.RemoveAt(nummer - 1);
        if (!text.empty())
            kaputt.Insert(text, nummer - 1);
        EXPECT_FALSE(clEndrunde::lies(sichten(kaputt), von, fehler)) << text;
        EXPECT_TRUE(fehler.StartsWith(wxString::Format("Endrunde, Zeile %d:", int(nummer)))) << fehler;
    }
}
