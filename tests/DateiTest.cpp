#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>
#include <wx/dir.h>
#include <wx/filename.h>

#include "ModellHilfen.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace
{
// A fresh path in the temporary folder (a file, or an empty folder), removed at
// the end of the test.
struct TempPfad
{
    const wxString pfad = wxFileName::CreateTempFileName("quobel-test");
    explicit TempPfad(bool ordner = false)
    {
        if (ordner)
        {
            EXPECT_TRUE(wxRemoveFile(pfad) && wxFileName::Mkdir(pfad));
        }
    }
    ~TempPfad()
    {
        if (wxFileName::DirExists(pfad))
            wxDir::Remove(pfad, wxPATH_RMDIR_RECURSIVE);
        else if (wxFileName::FileExists(pfad))
            wxRemoveFile(pfad);
    }
};

std::string liesBytes(const wxString& pfad)
{
    std::ifstream ein(pfad.fn_str(), std::ios::binary);
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    return inhalt.str();
}

void schreibeBytes(const wxString& pfad, const std::string& bytes)
{
    std::ofstream(pfad.fn_str(), std::ios::binary) << bytes;
}

#ifndef _WIN32
// Saves onto a disk that is full after 200 bytes; root is held to this limit too.
// Windows has no such limit to play a full disk with.
bool speichereAufVollePlatte(clTurnier& t, const wxString& pfad, wxString* fehler)
{
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    rlimit klein = vorher;
    klein.rlim_cur = 200;
    const auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    const bool ok = t.speichereTurnierDaten(pfad, fehler);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);
    return ok;
}
#endif

// What a save writes: general data, roster, skip list and every set score.
std::string abbild(clTurnier& t)
{
    TempPfad tmp;
    EXPECT_TRUE(t.speichereTurnierDaten(tmp.pfad));
    return liesBytes(tmp.pfad);
}

// The texts as the tournament holds them, and the standings, which a save does
// not write. Equal totals may stand in another order, so the placing is
// described by the totals on each place.
std::vector<wxString> zustand(TestTurnier& tt)
{
    const allgemein& alg = *tt.turnier.getAllgemein();
    std::vector<wxString> z = {alg.Bezeichnung, alg.Veranstalter, alg.Datum, alg.Ort};
    auto wertung = [&tt](int snr)
    {
        const tabWertung w = tt.wertungTB.getWertung(snr);
        const sWertung& x = w.wertung;
        return wxString::Format("%d: %d %d %d %d %d %d", w.m_AnzahlSpiele, x.m_Spiel.eigene, x.m_Spiel.gegner,
                                x.m_Satz.eigene, x.m_Satz.gegner, x.m_Punkte.eigene, x.m_Punkte.gegner);
    };
    for (int snr = 1; snr <= tt.turnier.getAnzahlTeilnehmer(); ++snr)
    {
        const clTeilnehmer* tn = tt.turnier.getTeilnehmer(snr);
        z.insert(z.end(), {tn->getName(), tn->getVName(), tn->getAnzeige(), wertung(snr),
                           wertung(tt.wertungTB.getStartNrAufPlatz(snr - 1))});
    }
    return z;
}

void ladeNeu(TestTurnier& original, TestTurnier& geladen)
{
    TempPfad tmp;
    wxString fehler;
    ASSERT_TRUE(original.turnier.speichereTurnierDaten(tmp.pfad, &fehler)) << fehler;
    ASSERT_TRUE(geladen.turnier.liesTurnierDaten(tmp.pfad, &fehler)) << fehler;
    EXPECT_EQ(zustand(original), zustand(geladen));
    EXPECT_EQ(liesBytes(tmp.pfad), abbild(geladen.turnier));
    EXPECT_FALSE(geladen.turnier.istGeaendert());
}

const char* const Beispiel = "################################################################\n"
                             "#!! Allgemein\n"
                             "ein Turnier\nein Verein\nheute\nhier\n1\n0\n"
                             "################################################################\n"
                             "#!! Teilnehmer\n"
                             "Meier, Anna, Anna\nSchulz, Bernd, Bernd\nWeber, Carla, Carla\n"
                             "################################################################\n"
                             "#!! Spielplan\n"
                             "4\n"
                             "################################################################\n"
                             "#!! Runden\n"
                             "(Bernd:Carla,11: 9, 8:11,11: 7)\n(Carla:Anna)\n(Anna:Bernd,11: 5,11: 3)\n"
                             "################################################################\n"
                             "#!! EOF\n";
} // namespace

TEST(Datei, BeispielWirdByteGenauGeschriebenUndGelesen)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    const wchar_t* namen[] = {L"Meier", L"Schulz", L"Weber"};
    for (int i = 0; i < 3; ++i)
        tt.teilnehmerTB.SetValue(i, 1, namen[i]);
    tt.teilnehmerTB.DatenZurueckSchreiben();
    for (auto [r, s, p1, p2] :
         {std::tuple{1, 1, 11, 9}, {1, 2, 8, 11}, {1, 3, 11, 7}, {3, 1, 11, 5}, {3, 2, 11, 3}})
        tt.satz(tt.turnier.getSpiel(r, 1), s, p1, p2);
    EXPECT_EQ(Beispiel, abbild(tt.turnier));

    TempPfad tmp;
    schreibeBytes(tmp.pfad, Beispiel);
    TestTurnier geladen;
    ASSERT_TRUE(geladen.turnier.liesTurnierDaten(tmp.pfad));
    EXPECT_EQ(zustand(tt), zustand(geladen));
    EXPECT_EQ(Beispiel, abbild(geladen.turnier));
}

// Only what needs it is escaped; everything else is written as typed.
TEST(Datei, MaskiertNurWasDenAufbauStoert)
{
    TestTurnier tt;
    allgemein alg;
    alg.Bezeichnung = L"Pokal (Herren), Gruppe: A";
    alg.Veranstalter = "";
    alg.Datum = "#1";
    alg.Ort = "C:\\Halle";
    tt.turnier.setAllgemein(&alg);
    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    tt.teilnehmerTB.SetValue(0, 1, L"Müller, jun.");
    tt.teilnehmerTB.SetValue(1, 1, L"#!!");
    tt.teilnehmerTB.SetValue(2, 2, L"C:(a)");
    tt.teilnehmerTB.DatenZurueckSchreiben();
    const std::string datei = abbild(tt.turnier);
    const std::string erwartet = "#!! Allgemein\nPokal (Herren), Gruppe: A\n\\\n\\#1\nC:\\\\Halle\n1\n0\n"
                                 "################################################################\n"
                                 "#!! Teilnehmer\n"
                                 "M\xC3\xBCller\\, jun., Anna, Anna\n\\#!!, Bernd, Bernd\n, Carla, C:(a)\n";
    EXPECT_NE(std::string::npos, datei.find(erwartet)) << datei;
    EXPECT_NE(std::string::npos, datei.find("(Bernd:C\\:\\(a\\))\n(C\\:\\(a\\):Anna)\n")) << datei;
}

// Random names with every troublesome character, random scores (partial and
// undecided matches too), all modes: everything comes back as it was.
TEST(Datei, ZufaelligeTurniereKommenUnveraendertZurueck)
{
    const wchar_t* teile[] = {L",", L":", L"(", L")",  L"\\", L"#", L"#!!",  L" ",     L"\n",  L"\r", L"\t",
                              L"ü", L"ß", L"Ł", L"中", L"€",  L"𝄞", L"Anna", L"Meier", L"\\n", L"\\,"};
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
                t += teile[zahl(0, static_cast<int>(std::size(teile)) - 1)];
            return t;
        };
        const int n = zahl(3, 14);
        TestTurnier tt;
        allgemein alg;
        for (wxString* wert : {&alg.Bezeichnung, &alg.Veranstalter, &alg.Datum, &alg.Ort})
            *wert = text();
        alg.Platten = zahl(1, n / 2 + 1);
        alg.ModusIdx = zahl(0, 2);
        alg.Gewinnsaetze = zahl(2, 4);
        alg.PlatzierungIdx = zahl(0, 1);
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
            {
                const int art = zahl(0, 9);
                if (art >= 4)
                    tt.satz(sp, s, art == 4 ? -1 : zahl(0, 25), art == 5 ? -1 : zahl(0, 25));
            }
            sp->setAusfall(static_cast<modAusfall>(zahl(0, 9) / 4), zahl(1, 2));
            tt.turnier.pruefeWertung(sp);
        }
        TestTurnier geladen;
        geladen.erstelleN(5);
        ladeNeu(tt, geladen);
    }
}

TEST(Datei, LangeRundenzeilenWerdenGanzGelesen)
{
    TestTurnier tt;
    tt.erstelleN(60, 30);
    for (int i = 0; i < 60; ++i)
        tt.teilnehmerTB.SetValue(i, 2, wxString::Format("%03d", i) + wxString('x', 120));
    tt.teilnehmerTB.DatenZurueckSchreiben();
    for (int r = 1; r <= tt.turnier.getAnzahlRunden(); ++r)
        tt.satz(tt.turnier.getSpiel(r, 30), 2, 11, r % 12);
    TestTurnier geladen;
    ladeNeu(tt, geladen);
}

TEST(Datei, HandbearbeiteteDateienWerdenNachsichtigGelesen)
{
    TempPfad tmp;
    // No separator lines, no "Spielplan", no final line end; a '#' inside a value
    // is data. Lines beyond the sixth general one and beyond the last round are
    // ignored, a table count below 1 is taken as 1 and an unknown mode as 0.
    schreibeBytes(tmp.pfad, "#!! Allgemein\nTurnier #3\nVerein\nmorgen\nHalle\n0\n7\nmehr\n"
                            "#!! Teilnehmer\nMeier\nSchulz, Bernd, B, jun.\nWeber, Carla, Carla\n"
                            "#!! Runden\n(x:y,11)\n(a:b,,x:11,11: 7,11:1)\n(a:b,11: 7)(zu:viel,1:2)\nmehr\n"
                            "#!! EOF");
    TestTurnier tt;
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(tmp.pfad));
    const allgemein& alg = *tt.turnier.getAllgemein();
    EXPECT_EQ("Turnier #3|Halle|1|0",
              wxString::Format("%s|%s|%d|%d", alg.Bezeichnung, alg.Ort, alg.Platten, alg.ModusIdx));
    ASSERT_EQ(3, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ("Meier", tt.turnier.getTeilnehmer(1)->getName());
    EXPECT_EQ("", tt.turnier.getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ("B, jun.", tt.turnier.getTeilnehmer(2)->getAnzeige());
    ASSERT_EQ(3, tt.turnier.getAnzahlRunden());
    // A bare number is the first side; an empty set is 0:0 and counts; a fourth set is ignored.
    wxString saetze;
    for (int r = 1; r <= 3; ++r)
        for (int s = 1; s <= 3; ++s)
            saetze += wxString::Format("%d:%d ", tt.turnier.getSpiel(r, 1)->getSatzErg(s).P1,
                                       tt.turnier.getSpiel(r, 1)->getSatzErg(s).P2);
    EXPECT_EQ("11:0 -1:-1 -1:-1 0:0 0:11 11:7 11:7 -1:-1 -1:-1 ", saetze);
    // Round 2 (Weber against Meier) is decided 2:1 for Meier; the others are open.
    EXPECT_EQ(1, tt.wertungTB.getWertung(1).wertung.m_Spiel.eigene);
    EXPECT_EQ(1, tt.wertungTB.getWertung(3).wertung.m_Spiel.gegner);
    EXPECT_EQ(0, tt.wertungTB.getWertung(2).m_AnzahlSpiele);
    EXPECT_EQ(1, tt.wertungTB.getStartNrAufPlatz(0));

    // Missing general lines keep the defaults; without participants the roster is empty.
    schreibeBytes(tmp.pfad, "#!! Allgemein\nNur der Titel\n#!! Runden\n(a:b,11:1)\n");
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(tmp.pfad));
    EXPECT_EQ("Nur der Titel", tt.turnier.getAllgemein()->Bezeichnung);
    EXPECT_EQ("hier", tt.turnier.getAllgemein()->Ort);
    EXPECT_EQ(0, tt.turnier.getAnzahlTeilnehmer());
}

// Files of an older program: CRLF and Windows-1252, or UTF-8 with a byte order mark.
TEST(Datei, AlteDateienMitCrLfUndWindows1252)
{
    const std::string alt =
        "################################################################\r\n"
        "#!! Allgemein\r\nVereinsmeisterschaft\r\nTTC M\xfcnchen\r\n1.5.\r\nStra\xdf"
        "e 1 \x80\r\n2\r\n1\r\n"
        "#!! Teilnehmer\r\nM\xfcller, J\xfcrgen, J\xfcrgen\r\nB\xe4r, Ida, Ida\r\nOhm, Udo, Udo\r\n"
        "#!! Spielplan\r\n0\r\n#!! Runden\r\n(x:y,11: 3,11: 4)\r\n";
    TempPfad tmp;
    for (const std::string& bytes :
         {alt, std::string("\xEF\xBB\xBF") + wxString(wxConvISO8859_1.cMB2WC(alt.c_str())).utf8_string()})
    {
        schreibeBytes(tmp.pfad, bytes);
        TestTurnier tt;
        ASSERT_TRUE(tt.turnier.liesTurnierDaten(tmp.pfad));
        EXPECT_EQ(L"TTC München", tt.turnier.getAllgemein()->Veranstalter);
        EXPECT_EQ(2, tt.turnier.getAllgemein()->Platten);
        EXPECT_EQ(1, tt.turnier.getAllgemein()->ModusIdx);
        EXPECT_EQ(L"Müller", tt.turnier.getTeilnehmer(1)->getName());
        EXPECT_EQ(L"Jürgen", tt.turnier.getTeilnehmer(1)->getAnzeige());
        EXPECT_EQ(L"Bär", tt.turnier.getTeilnehmer(2)->getName());
        EXPECT_EQ(1,
                  tt.wertungTB.getWertung(tt.turnier.getSpiel(1, 1)->getT1()->getStartNr()).m_AnzahlSpiele);
        // The euro sign is one of the characters Windows-1252 adds to Latin-1.
        if (bytes == alt)
        {
            EXPECT_EQ(L"Straße 1 €", tt.turnier.getAllgemein()->Ort);
        }
    }
}

TEST(Datei, FehlgeschlagenesSpeichernLaesstDieAlteDateiStehen)
{
    TempPfad ordner(true);
    const wxString ziel = wxFileName(ordner.pfad, "turnier.tur").GetFullPath();
    schreibeBytes(ziel, "alt\n");
    TestTurnier tt;
    tt.erstelleN(12);
    tt.turnier.setGeaendert(true);

    // A folder that does not exist, and a folder where the file should be.
    for (const wxString& pfad : {wxFileName(ordner.pfad + "/fehlt", "t.tur").GetFullPath(), ordner.pfad})
    {
        wxString fehler;
        EXPECT_FALSE(tt.turnier.speichereTurnierDaten(pfad, &fehler)) << pfad;
        EXPECT_TRUE(fehler.Contains(pfad)) << fehler;
    }
#ifndef _WIN32
    wxString fehler;
    EXPECT_FALSE(speichereAufVollePlatte(tt.turnier, ziel, &fehler));
    EXPECT_TRUE(fehler.Contains(ziel)) << fehler;
#endif
    EXPECT_EQ("alt\n", liesBytes(ziel));
    wxArrayString dateien;
    EXPECT_EQ(1u, wxDir::GetAllFiles(ordner.pfad, &dateien));
    EXPECT_TRUE(tt.turnier.istGeaendert());
}

TEST(Datei, FremdeDateiLaesstDasOffeneTurnierStehen)
{
    TestTurnier tt;
    tt.erstelleN(7, 2, 2);
    tt.satz(tt.turnier.getSpiel(2, 1), 1, 11, 4);
    tt.satz(tt.turnier.getSpiel(2, 1), 2, 11, 6);
    const std::string vorher = abbild(tt.turnier);
    tt.turnier.setGeaendert(true);

    TempPfad tmp;
    TempPfad ordner(true);
    const char binaer[] = "\x7f"
                          "ELF\0\x01\xff\xfe#!! Allgemein\0";
    // Also a tournament file with more participants than a schedule can be made for.
    std::string riesig = "#!! Allgemein\n#!! Teilnehmer\n";
    for (int i = 0; i < 501; ++i)
        riesig += "T\n";
    auto scheitert = [&tt](const wxString& pfad)
    {
        wxString fehler;
        EXPECT_FALSE(tt.turnier.liesTurnierDaten(pfad, &fehler));
        EXPECT_TRUE(fehler.Contains(pfad)) << fehler;
    };
    for (const std::string& bytes :
         {std::string("[Allgemein]\nBezeichnung=x\n"), std::string("#!! Teilnehmer\nMeier, Anna, Anna\n"),
          std::string(), std::string(binaer, sizeof binaer - 1), riesig})
    {
        schreibeBytes(tmp.pfad, bytes);
        scheitert(tmp.pfad);
    }
    wxRemoveFile(tmp.pfad);
    scheitert(tmp.pfad);
    scheitert(ordner.pfad);
    EXPECT_TRUE(tt.turnier.istGeaendert());
    EXPECT_EQ(vorher, abbild(tt.turnier));
    EXPECT_EQ(1, tt.wertungTB.getWertung(tt.turnier.getSpiel(2, 1)->getT1()->getStartNr()).m_AnzahlSpiele);
}
