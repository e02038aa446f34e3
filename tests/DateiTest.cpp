#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <wx/dir.h>
#include <wx/filename.h>

#include "ModellHilfen.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace
{
// The texts as the tournament holds them, and the standings as the grid shows
// them, which a save does not write. Equal totals may stand in another order,
// so the names are left out of the standings.
wxString zustand(TestTurnier& tt)
{
    const allgemein& alg = *tt.turnier.getAllgemein();
    wxString z;
    z << alg.Bezeichnung << "|" << alg.Veranstalter << "|" << alg.Datum << "|" << alg.Ort << "|"
      << alg.Platten << "|" << alg.ModusIdx << "|" << alg.Gewinnsaetze << "|" << alg.PlatzierungIdx << "\n";
    for (int snr = 1; snr <= tt.turnier.getAnzahlTeilnehmer(); ++snr)
        z << tt.turnier.getTeilnehmer(snr)->getName() << "|" << tt.turnier.getTeilnehmer(snr)->getVName()
          << "|" << tt.turnier.getTeilnehmer(snr)->getAnzeige() << "\n";
    for (int r = 0; r < tt.wertungTB.GetNumberRows(); ++r)
        for (int c = 1; c < 5; ++c)
            z << tt.wertungTB.GetValue(r, c) << (c < 4 ? "|" : "\n");
    return z;
}

const std::string Trenner(64, '#');
const std::string Beispiel =
    Trenner + "\n#!! Allgemein\nPokal (Herren), Gruppe: A\n\\\n\\#1#!! Runden\nC:\\\\Halle\n1\n0\n" +
    Trenner +
    "\n#!! Teilnehmer\nM\xC3\xBCller\\, jun., Anna, Anna\n\\#!!, Bernd, Bernd\nWeber, Carla, C:(a)\n" +
    Trenner + "\n#!! Spielplan\n4\n" + Trenner +
    "\n#!! Runden\n(Bernd:C\\:\\(a\\),11: 9, 8:11,11: 7)\n(C\\:\\(a\\):Anna,-1: 7)\n(Anna:Bernd,11: 5,11: "
    "3)\n" +
    Trenner + "\n#!! EOF\n";
} // namespace

// Each test has a fresh folder for its files.
class Datei : public ::testing::Test
{
protected:
    Datei() { wxFileName::Mkdir(ordner); }
    ~Datei() override { wxDir::Remove(ordner, wxPATH_RMDIR_RECURSIVE); }
    wxString pfad(const wxString& name) const { return ordner + "/" + name; }

    // What a save writes: general data, roster, skip list and every set score.
    std::string abbild(clTurnier& t) const
    {
        EXPECT_TRUE(t.speichereTurnierDaten(pfad("abbild")));
        return liesBytes(pfad("abbild"));
    }

    const wxString ordner = wxFileName::GetTempDir() + wxString::Format("/quobel-%lu", wxGetProcessId());
};

// Only what would disturb the structure is escaped, everything else is written as
// typed (a header mark inside a line too: only a line's start makes a header); a
// half-entered set keeps its missing side.
TEST_F(Datei, BeispielWirdByteGenauGeschriebenUndGelesen)
{
    TestTurnier tt;
    const allgemein alg{L"Pokal (Herren), Gruppe: A", "", "C:\\Halle", "#1#!! Runden"};
    tt.turnier.setAllgemein(&alg);
    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    for (auto [zeile, spalte, text] :
         {std::tuple{0, 1, L"Müller, jun."}, {1, 1, L"#!!"}, {2, 1, L"Weber"}, {2, 2, L"C:(a)"}})
        tt.teilnehmerTB.SetValue(zeile, spalte, text);
    tt.teilnehmerTB.DatenZurueckSchreiben();
    for (auto [r, s, p1, p2] :
         {std::tuple{1, 1, 11, 9}, {1, 2, 8, 11}, {1, 3, 11, 7}, {2, 1, -1, 7}, {3, 1, 11, 5}, {3, 2, 11, 3}})
        tt.satz(tt.turnier.getSpiel(r, 1), s, p1, p2);
    EXPECT_EQ(Beispiel, abbild(tt.turnier));

    schreibeBytes(pfad("beispiel"), Beispiel);
    TestTurnier geladen;
    ASSERT_TRUE(geladen.turnier.liesTurnierDaten(pfad("beispiel")));
    EXPECT_EQ(zustand(tt), zustand(geladen));
    EXPECT_EQ(Beispiel, abbild(geladen.turnier));
}

// Random names with every troublesome character, NUL too, some of them long, random
// scores (partial and undecided matches, walkovers and retirements too), all modes,
// sets to win and placings: everything comes back as it was.
TEST_F(Datei, ZufaelligeTurniereKommenUnveraendertZurueck)
{
    wxArrayString teile = wxSplit(L",|:|(|)|\\|#|#!!| |\n|\r|\t|ü|ß|中|𝄞|Anna|Meier|\\n|\\,", '|', 0);
    teile.Add(wxString('x', 5000));
    teile.Add(wxString(L"\0", 1));
    for (unsigned saat = 1; saat <= 12; ++saat)
    {
        SCOPED_TRACE(saat);
        std::mt19937 zufall(saat);
        auto zahl = [&zufall](int von, int bis)
        { return std::uniform_int_distribution<int>(von, bis)(zufall); };
        auto text = [&]()
        {
            wxString t;
            for (int k = zahl(0, 5); k > 0; --k)
                t += teile[zahl(0, static_cast<int>(teile.size()) - 1)];
            return t;
        };
        const int n = zahl(3, 14);
        TestTurnier tt;
        allgemein alg{text(), text(), text(), text(), zahl(1, n / 2 + 1), zahl(0, 2), zahl(2, 4), zahl(0, 1)};
        tt.turnier.setAllgemein(&alg);
        tt.turnier.Aktualisieren(true);
        for (int i = 0; i < 3 * n; ++i)
            tt.teilnehmerTB.SetValue(i / 3, i % 3, text());
        tt.teilnehmerTB.DatenZurueckSchreiben();
        // Often whole sets, sometimes one side only, sometimes none; now and then
        // a walkover or a retirement.
        for (clTTSpiel* sp : tt.alleSpiele())
        {
            for (int s = 1; s <= sp->getAnzSaetze(); ++s)
                if (const int art = zahl(0, 9); art >= 4)
                    tt.satz(sp, s, art == 4 ? -1 : zahl(0, 25), art == 5 ? -1 : zahl(0, 25));
            sp->setAusfall(static_cast<modAusfall>(zahl(0, 9) / 4), zahl(1, 2));
            tt.turnier.pruefeWertung(sp);
        }

        const std::string bytes = abbild(tt.turnier);
        TestTurnier geladen;
        geladen.erstelleN(5);
        ASSERT_TRUE(geladen.turnier.liesTurnierDaten(pfad("abbild")));
        EXPECT_EQ(zustand(tt), zustand(geladen));
        EXPECT_EQ(bytes, abbild(geladen.turnier));
        EXPECT_FALSE(geladen.turnier.istGeaendert());
    }
}

// Files not written by Quobel. By hand: no separator lines, no "Spielplan", no final
// line end, a '#' inside a value is data; lines beyond the general ones and beyond
// the last round are ignored, a table count below 1 is taken as 1, an unknown mode
// as 0, missing general lines keep the defaults. Saved on Windows: CRLF line ends,
// Windows-1252 (the euro sign is one of the characters it adds to Latin-1; pairs
// of bytes that UTF-8 would take for a character written too long are two of
// its characters) and a byte order mark in front.
TEST_F(Datei, FremdeDateienWerdenNachsichtigGelesen)
{
    const std::pair<std::string, const wchar_t*> dateien[] = {
        {"#!! Allgemein\nNur der Titel\n#!! Runden\n(a:b,11:1)\n",
         L"Nur der Titel|ein Verein|heute|hier|1|0|2|0\n|||\n"},
        {"#!! Allgemein\nTitel \xC0\xA9 \xC1\xBF\n#!! Runden\n(a:b,11:1)\n",
         L"Titel À© Á¿|ein Verein|heute|hier|1|0|2|0\n|||\n"},
        {"\xEF\xBB\xBF#!! Allgemein\r\nMeisterschaft\r\nTTC M\xfcnchen\r\n1.5.\r\nStra\xdf"
         "e 1 \x80\r\n2\r\n1\r\n#!! Teilnehmer\r\nM\xfcller, J\xfcrgen, J\xfcrgen\r\n"
         "B\xe4r, Ida, Ida\r\nOhm, Udo, Udo\r\n#!! Spielplan\r\n0\r\n#!! Runden\r\n(x:y,11: 3,11: 4)\r\n",
         L"Meisterschaft|TTC München|1.5.|Straße 1 €|2|1|2|0\nMüller|Jürgen|Jürgen\nBär|Ida|Ida\n"
         L"Ohm|Udo|Udo\n1|1:0|2:0|22:7\n1|0:1|0:2|7:22\n0|||\n"},
        // Round 2 (Weber against Meier) is decided 2:1 for Meier; the others are open.
        {"#!! Allgemein\nTurnier #3\nVerein\nmorgen\nHalle\n0\n7\nmehr\n"
         "#!! Teilnehmer\nMeier\nSchulz, Bernd, B, jun.\nWeber, Carla, Carla\n"
         "#!! Runden\n(x:y,11:9)\n(a:b,4:11, 11 : 7,+9:11,11:1)\n(a:b,11: 7)(zu:viel,1:2)\nmehr\n#!! EOF",
         L"Turnier #3|Verein|morgen|Halle|1|0|2|0\nMeier||\nSchulz|Bernd|B\nWeber|Carla|Carla\n"
         L"1|1:0|2:1|29:24\n1|0:1|1:2|24:29\n0|||\n"},
    };
    TestTurnier tt;
    for (const auto& [bytes, erwartet] : dateien)
    {
        schreibeBytes(pfad("fremd"), bytes);
        ASSERT_TRUE(tt.turnier.liesTurnierDaten(pfad("fremd")));
        EXPECT_EQ(wxString(erwartet), zustand(tt));
    }
    EXPECT_EQ("1:1 3:1 2:0 ", tt.stand());
    // Blanks and a sign around a score are read; a fourth set is ignored.
    wxString saetze;
    for (int r = 1; r <= 3; ++r)
        for (int s = 1; s <= 3; ++s)
            saetze << tt.turnier.getSpiel(r, 1)->getSatzErg(s).P1 << ":"
                   << tt.turnier.getSpiel(r, 1)->getSatzErg(s).P2 << " ";
    EXPECT_EQ("11:9 -1:-1 -1:-1 4:11 11:7 9:11 11:7 -1:-1 -1:-1 ", saetze);
}

// A doubles class writes its kind as a further general line and each pair's
// partner after the first person's fields, and comes back the same; a singles
// line or a singles class stays as written before. Back to singles drops the
// partners; a singles class that lists a pair is refused.
TEST_F(Datei, DoppelKommtUnveraendertZurueck)
{
    TestTurnier tt;
    ASSERT_EQ("", erstelleDoppel(tt, {L"Anna,Meier,TTC A,1500,Berta,Schulz,TSV B,1400",
                                      L"Clara,Roth,,,Dora,Lang", L"Eva,K\\urz,,1200,Fee,Lang"}));
    const std::string bytes = abbild(tt.turnier);
    EXPECT_NE(
        std::string::npos,
        bytes.find(
            "hier\n1\n0\n2\n0\n0\n2\n2\n2\n0\n1\n" + Trenner +
            "\n#!! Teilnehmer\n"
            "Meier, Anna, Meier/Schulz, TTC A, 1500, Schulz, Berta, TSV B, 1400\n"
            "Roth, Clara, Roth/Lang, , , Lang, Dora\nK\\\\urz, Eva, K\\\\urz/Lang, , 1200, Lang, Fee\n"))
        << bytes;
    TestTurnier geladen;
    ASSERT_TRUE(geladen.turnier.liesTurnierDaten(pfad("abbild")));
    EXPECT_EQ(artDoppel, geladen.turnier.getAllgemein()->Art);
    EXPECT_EQ(bytes, abbild(geladen.turnier));
    EXPECT_EQ(L"K\\urz/Lang|1200",
              geladen.turnier.getTeilnehmer(3)->getAnzeige() +
                  wxString::Format("|%d", geladen.turnier.getTeilnehmer(3)->getPerson().m_TTR));

    allgemein alg = *geladen.turnier.getAllgemein();
    alg.Art = artEinzel;
    EXPECT_NE("", geladen.turnier.verworfenePartner(alg));
    geladen.turnier.setAllgemein(&alg);
    EXPECT_EQ("", geladen.turnier.verworfenePartner(alg));
    const std::string einzel = abbild(geladen.turnier);
    EXPECT_NE(std::string::npos, einzel.find("\n1\n0\n" + Trenner +
                                             "\n#!! Teilnehmer\nMeier, Anna, Anna, TTC A, 1500\n"
                                             "Roth, Clara, Clara\n"))
        << einzel;

    std::string widerspruch = bytes;
    widerspruch.replace(widerspruch.find("\n1\n" + Trenner), 3, "\n0\n");
    schreibeBytes(pfad("widerspruch"), widerspruch);
    wxString fehler;
    EXPECT_FALSE(geladen.turnier.liesTurnierDaten(pfad("widerspruch"), &fehler));
    EXPECT_TRUE(fehler.Contains(L"Zeile 1 des Abschnitts „Teilnehmer“")) << fehler;
    EXPECT_EQ(einzel, abbild(geladen.turnier));
}

TEST_F(Datei, FehlgeschlagenesSpeichernLaesstDieAlteDateiStehen)
{
    const wxString ziel = pfad("turnier.quobel");
    schreibeBytes(ziel, "alt\n");
    TestTurnier tt;
    tt.erstelleN(12);
#ifndef _WIN32
    // A disk that fills up while the file is written; root is held to this limit
    // too. Windows has no such limit to play a full disk with.
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    const rlimit klein{200, vorher.rlim_max};
    const auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    wxString voll;
    EXPECT_FALSE(tt.turnier.speichereTurnierDaten(ziel, &voll));
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);
    EXPECT_TRUE(voll.Contains(ziel)) << voll;
#endif
    // A folder that does not exist, and a folder where the file should be.
    for (const wxString& p : {pfad("fehlt/t.quobel"), ordner})
    {
        wxString fehler;
        EXPECT_FALSE(tt.turnier.speichereTurnierDaten(p, &fehler)) << p;
        EXPECT_TRUE(fehler.Contains(p)) << fehler;
    }
    EXPECT_EQ("alt\n", liesBytes(ziel));
    wxArrayString dateien;
    EXPECT_EQ(1u, wxDir::GetAllFiles(ordner, &dateien));
    EXPECT_TRUE(tt.turnier.istGeaendert());
}
