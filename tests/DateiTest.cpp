#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <vector>
#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/utils.h>

#include "ModellHilfen.h"
#include "clRunde.h"

namespace
{
// A unique path in the temporary folder, removed again at the end of the test.
struct TempPfad
{
    wxString pfad;
    TempPfad()
    {
        static int zaehler = 0;
        pfad = wxFileName(wxFileName::GetTempDir(),
                          wxString::Format("quobel-test-%lu-%d.tur", wxGetProcessId(), ++zaehler))
                   .GetFullPath();
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

// What a save writes captures everything a tournament holds.
std::string abbild(clTurnier& t)
{
    TempPfad tmp;
    EXPECT_TRUE(t.speichereTurnierDaten(tmp.pfad));
    return liesBytes(tmp.pfad);
}

// Everything a tournament holds, read through its public interface. Equal totals
// may stand in another order, so the placing is described by the totals on each place.
std::vector<wxString> zustand(TestTurnier& tt)
{
    const allgemein& alg = *tt.turnier.getAllgemein();
    std::vector<wxString> z = {alg.Bezeichnung, alg.Veranstalter, alg.Datum, alg.Ort,
                               wxString::Format("%d %d", alg.Platten, alg.ModusIdx)};
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
        z.insert(z.end(), {tn->getName(), tn->getVName(), tn->getAnzeige(),
                           wxString::Format("%d ", tn->getStartNr()) + wertung(snr),
                           wertung(tt.wertungTB.getStartNrAufPlatz(snr - 1))});
    }
    for (int r = 1; r <= tt.turnier.getAnzahlRunden(); ++r)
    {
        const clRunde* runde = tt.turnier.getSchema().getRunde(r);
        for (int p = 1; p <= runde->AnzSpiele(); ++p)
        {
            wxString spiel =
                wxString::Format("%d/%d %d:%d", r, p, runde->getAnsetzung(p).t1, runde->getAnsetzung(p).t2);
            for (int s = 1; s <= clTTSpiel::AnzSaetze; ++s)
                spiel += wxString::Format(" %d:%d", runde->getSpiel(p)->getSatzErg(s).P1,
                                          runde->getSpiel(p)->getSatzErg(s).P2);
            z.push_back(spiel);
        }
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
    for (auto [s, p1, p2] : {std::tuple{1, 11, 9}, {2, 8, 11}, {3, 11, 7}})
        tt.satz(tt.turnier.getSpiel(1, 1), s, p1, p2);
    tt.satz(tt.turnier.getSpiel(3, 1), 1, 11, 5);
    tt.satz(tt.turnier.getSpiel(3, 1), 2, 11, 3);
    EXPECT_EQ(Beispiel, abbild(tt.turnier));

    TempPfad tmp;
    schreibeBytes(tmp.pfad, Beispiel);
    TestTurnier geladen;
    ASSERT_TRUE(geladen.turnier.liesTurnierDaten(tmp.pfad));
    EXPECT_EQ(zustand(tt), zustand(geladen));
    const int spiele[] = {1, 2, 1};
    const int gewonnen[] = {1, 1, 0};
    for (int snr = 1; snr <= 3; ++snr)
    {
        EXPECT_EQ(spiele[snr - 1], geladen.wertungTB.getWertung(snr).m_AnzahlSpiele);
        EXPECT_EQ(gewonnen[snr - 1], geladen.wertungTB.getWertung(snr).wertung.m_Spiel.eigene);
        EXPECT_EQ(snr, geladen.wertungTB.getStartNrAufPlatz(snr - 1));
    }
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

TEST(Datei, ZufaelligeTurniereKommenUnveraendertZurueck)
{
    const wchar_t* teile[] = {L",", L":", L"(", L")",  L"\\", L"#", L"#!!",  L" ",     L"\n",  L"\r", L"\t",
                              L"ü", L"ß", L"Ł", L"中", L"€",  L"𝄞", L"Anna", L"Meier", L"\\n", L"\\,"};
    for (unsigned saat = 1; saat <= 12; ++saat)
    {
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
        alg.Bezeichnung = text();
        alg.Veranstalter = text();
        alg.Datum = text();
        alg.Ort = text();
        alg.Platten = zahl(1, n / 2 + 1);
        alg.ModusIdx = zahl(0, 2);
        tt.turnier.setAllgemein(&alg);
        tt.turnier.Aktualisieren(true);
        for (int i = 0; i < n; ++i)
        {
            for (int spalte = 0; spalte < 3; ++spalte)
                tt.teilnehmerTB.SetValue(i, spalte, text());
        }
        tt.teilnehmerTB.DatenZurueckSchreiben();
        for (int r = 1; r <= tt.turnier.getAnzahlRunden(); ++r)
        {
            for (int p = 1; p <= tt.turnier.getSchema().getRunde(r)->AnzSpiele(); ++p)
            {
                for (int s = 1; s <= clTTSpiel::AnzSaetze; ++s)
                {
                    // Often whole sets, sometimes one side only, sometimes none.
                    const int art = zahl(0, 9);
                    if (art < 4)
                        continue;
                    tt.satz(tt.turnier.getSpiel(r, p), s, art == 4 ? -1 : zahl(0, 25),
                            art == 5 ? -1 : zahl(0, 25));
                }
            }
        }
        SCOPED_TRACE(saat);
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
    EXPECT_EQ(11, geladen.turnier.getSpiel(1, 30)->getSatzErg(2).P1);
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
    EXPECT_EQ("Turnier #3", alg.Bezeichnung);
    EXPECT_EQ("Halle", alg.Ort);
    EXPECT_EQ(1, alg.Platten);
    EXPECT_EQ(0, alg.ModusIdx);
    ASSERT_EQ(3, tt.turnier.getAnzahlTeilnehmer());
    EXPECT_EQ("Meier", tt.turnier.getTeilnehmer(1)->getName());
    EXPECT_EQ("", tt.turnier.getTeilnehmer(1)->getAnzeige());
    EXPECT_EQ("B, jun.", tt.turnier.getTeilnehmer(2)->getAnzeige());
    ASSERT_EQ(3, tt.turnier.getAnzahlRunden());
    // A bare number is the first side; an empty set is 0:0 and counts; a fourth set is ignored.
    auto saetze = [&tt](int r)
    {
        wxString text;
        for (int s = 1; s <= clTTSpiel::AnzSaetze; ++s)
            text += wxString::Format("%d:%d ", tt.turnier.getSpiel(r, 1)->getSatzErg(s).P1,
                                     tt.turnier.getSpiel(r, 1)->getSatzErg(s).P2);
        return text;
    };
    EXPECT_EQ("11:0 -1:-1 -1:-1 ", saetze(1));
    EXPECT_EQ("0:0 0:11 11:7 ", saetze(2));
    EXPECT_EQ("11:7 -1:-1 -1:-1 ", saetze(3));
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
    }
    // The euro sign is one of the characters Windows-1252 adds to Latin-1.
    schreibeBytes(tmp.pfad, alt);
    TestTurnier tt;
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(tmp.pfad));
    EXPECT_EQ(L"Straße 1 €", tt.turnier.getAllgemein()->Ort);
}

TEST(Datei, FehlgeschlagenesSpeichernLaesstDieAlteDateiStehen)
{
    TempPfad ordner;
    ASSERT_TRUE(wxFileName::Mkdir(ordner.pfad));
    const wxString ziel = wxFileName(ordner.pfad, "turnier.tur").GetFullPath();
    schreibeBytes(ziel, "alt\n");
    TestTurnier tt;
    tt.erstelleN(12);
    tt.turnier.setGeaendert(true);

    // A disk that fills up while the file is written: root is held to this limit too.
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    rlimit klein = vorher;
    klein.rlim_cur = 200;
    const auto alterHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &klein);
    wxString fehler;
    const bool ok = tt.turnier.speichereTurnierDaten(ziel, &fehler);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, alterHandler);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(fehler.Contains(ziel)) << fehler;
    EXPECT_EQ("alt\n", liesBytes(ziel));
    auto anzahlDateien = [&ordner]()
    {
        wxArrayString dateien;
        return wxDir::GetAllFiles(ordner.pfad, &dateien);
    };
    EXPECT_EQ(1u, anzahlDateien());
    EXPECT_TRUE(tt.turnier.istGeaendert());

    // A folder that does not exist, and a folder where the file should be.
    const wxString gesperrt[] = {wxFileName(ordner.pfad + "/fehlt", "t.tur").GetFullPath(), ordner.pfad};
    for (const wxString& pfad : gesperrt)
    {
        fehler.clear();
        EXPECT_FALSE(tt.turnier.speichereTurnierDaten(pfad, &fehler));
        EXPECT_TRUE(fehler.Contains(pfad)) << fehler;
    }
    EXPECT_EQ("alt\n", liesBytes(ziel));
    EXPECT_EQ(1u, anzahlDateien());
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
    TempPfad ordner;
    ASSERT_TRUE(wxFileName::Mkdir(ordner.pfad));
    const char binaer[] = "\x7f"
                          "ELF\0\x01\xff\xfe#!! Allgemein\0";
    // Also a tournament file with more participants than a schedule can be made for.
    std::string riesig = "#!! Allgemein\n#!! Teilnehmer\n";
    for (int i = 0; i < 501; ++i)
        riesig += "T\n";
    const std::string fremde[] = {"[Allgemein]\nBezeichnung=x\n", "#!! Teilnehmer\nMeier, Anna, Anna\n", "",
                                  std::string(binaer, sizeof binaer - 1), riesig};
    for (const std::string& bytes : fremde)
    {
        schreibeBytes(tmp.pfad, bytes);
        wxString fehler;
        EXPECT_FALSE(tt.turnier.liesTurnierDaten(tmp.pfad, &fehler));
        EXPECT_TRUE(fehler.Contains(tmp.pfad)) << fehler;
    }
    wxRemoveFile(tmp.pfad);
    for (const wxString& pfad : {tmp.pfad, ordner.pfad})
    {
        wxString fehler;
        EXPECT_FALSE(tt.turnier.liesTurnierDaten(pfad, &fehler));
        EXPECT_TRUE(fehler.Contains(pfad)) << fehler;
    }
    EXPECT_TRUE(tt.turnier.istGeaendert());
    EXPECT_EQ(vorher, abbild(tt.turnier));
    EXPECT_EQ(1, tt.wertungTB.getWertung(tt.turnier.getSpiel(2, 1)->getT1()->getStartNr()).m_AnzahlSpiele);
}
