// What a file or a typed value beyond every real tournament costs: it is refused,
// clamped or read with little memory, and never wraps round. How long such files
// take is measured in bench/FileBench.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <fstream>

#include "ModellHilfen.h"
#include "datei/clZahl.h"

namespace
{
// The peak resident memory of the process (kB) as the kernel reports it; reset
// tells the kernel to start counting the peak again from now.
long spitzeKB(bool reset)
{
    if (reset)
        std::ofstream("/proc/self/clear_refs") << "5";
    std::ifstream status("/proc/self/status");
    std::string wort;
    long kb = 0;
    while (status >> wort && wort != "VmHWM:")
        ;
    status >> kb;
    return kb;
}

std::string wiederholt(const std::string& stueck, size_t mal)
{
    std::string s;
    s.reserve(stueck.size() * mal);
    while (mal-- > 0)
        s += stueck;
    return s;
}

const std::string DreiTeilnehmer = "#!! Allgemein\nT\nV\nD\nO\n1\n0\n#!! Teilnehmer\nA\nB\nC\n";
} // namespace

// Files that are no tournament file are refused; files made to be huge are refused
// or read with little more memory than their size. A
// refused file is named and leaves the open tournament as it was.
TEST(Grenzen, FremdeUndRiesigeDateien)
{
    // The files made huge are of the size of a big tournament; the limit is the README's.
    const size_t max = 16 * 1024 * 1024;
    const size_t grenze = 64 * 1024 * 1024;
    const char programm[] = "\x7f"
                            "ELF\0\x01\xff\xfe#!! Allgemein\0";
    // Participants after the load, 0 when the file is refused, and what the refusal says.
    struct sFall
    {
        const char* was;
        std::string bytes;
        int teilnehmer;
        const char* grund = "";
    };
    std::vector<sFall> faelle = {
        {"settings", "[Allgemein]\nBezeichnung=x\n", 0},
        {"participants without general data", "#!! Teilnehmer\nA\n", 0},
        {"a program", std::string(programm, sizeof programm - 1), 0},
        {"no file at all", "", 0},
        {"one byte too many", DreiTeilnehmer + std::string(grenze - DreiTeilnehmer.size() - 1, '\n') + "#\n",
         0},
        {"millions of participants", "#!! Allgemein\n#!! Teilnehmer\n" + wiederholt("a\n", max / 2 - 20), 0},
        {"one participant too many",
         "#!! Allgemein\nT\nV\nD\nO\n250\n0\n#!! Teilnehmer\n" + wiederholt("a\n", 501), 0},
        {"millions of round lines", DreiTeilnehmer + "#!! Runden\n" + wiederholt("(a:b,1:1)\n", max / 11), 3},
        {"a skip list of a million values", DreiTeilnehmer + "#!! Spielplan\n" + wiederholt("1,", 1000000),
         3},
        {"a match of a million sets",
         DreiTeilnehmer + "#!! Runden\n(a:b" + wiederholt(",1:1", 1000000) + ")\n", 3},
        {"a round of half a million groups at 100 tables",
         "#!! Allgemein\nT\nV\nD\nO\n100\n0\n#!! Teilnehmer\n" + wiederholt("a\n", 200) + "#!! Runden\n" +
             wiederholt("(a:b)", 500000),
         200},
    };
    // A damaged mark or set is never read as a set: the file is refused, naming the
    // line and the piece as text.
    for (const char* stueck : {"wo", "WO1", " wo3", "11", "1:x", "", "ab1 2", "1:1\xC3\xBC"})
        faelle.push_back({stueck, DreiTeilnehmer + "#!! Runden\n(A:B)\n(C:A,11:5," + stueck + ",wo1)\n", 0,
                          "in Zeile 2 des Abschnitts „Runden“ ist „"});
    for (const auto& fall : faelle)
    {
        SCOPED_TRACE(fall.was);
        const TempDatei datei(fall.bytes);
        const wxString pfad = datei.pfad + (fall.bytes.empty() ? "-fehlt" : "");
        TestTurnier tt;
        tt.erstelleN(4, 2, 2);
        tt.trage("1:2 5 5");
        const std::string offen = tt.turnier.getAbbild();
        const long vorher = spitzeKB(true);
        wxString fehler;
        EXPECT_EQ(fall.teilnehmer > 0, tt.turnier.liesTurnierDaten(pfad, &fehler));
        EXPECT_LT(spitzeKB(false) - vorher, 100 * 1024);
        if (fall.teilnehmer > 0)
            EXPECT_EQ(fall.teilnehmer, tt.turnier.getAnzahlTeilnehmer());
        else
            EXPECT_TRUE(fehler.Contains(pfad) &&
                        (!*fall.grund ||
                         fehler.Contains(wxString::FromUTF8(fall.grund) + wxString::FromUTF8(fall.was))) &&
                        tt.turnier.getAbbild() == offen)
                << fehler;
    }
}

// Every number read from a file is taken to the nearest int instead of
// wrapping round: 4294967299 would otherwise be 3.
TEST(Grenzen, ZahlenJenseitsVonIntWerdenBegrenzt)
{
    for (auto [text, wert] :
         {std::pair{"4294967299", INT_MAX}, {"-99999999999", INT_MIN}, {" +12:5", 12}, {"x1", 0}})
        EXPECT_EQ(wert, clZahl::lies(text)) << text;

    TestTurnier tt;
    const TempDatei gross("#!! Allgemein\nT\nV\nD\nO\n4294967299\n4294967297\n#!! Teilnehmer\nA\nB\n"
                          "#!! Runden\n(A:B,99999999999:-99999999999)\n");
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(gross.pfad));
    EXPECT_EQ(clTurnier::MaxPlatten, tt.turnier.getAllgemein()->Platten);
    EXPECT_EQ(0, tt.turnier.getAllgemein()->ModusIdx);
    EXPECT_EQ(INT_MAX, tt.turnier.getSpiel(1, 1)->getSatzErg(1).P1);
    EXPECT_EQ(INT_MIN, tt.turnier.getSpiel(1, 1)->getSatzErg(1).P2);

    // 7 participants at 2 tables leave one round with a table free; a round index
    // beyond the schedule names none, so the list falls back to its default.
    const TempDatei auslasser("#!! Allgemein\nT\nV\nD\nO\n2\n0\n#!! Teilnehmer\nA\nB\nC\nD\nE\nF\nG\n"
                              "#!! Spielplan\n4294967297\n");
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(auslasser.pfad));
    EXPECT_EQ(wxString("12"), tt.turnier.getSchema().gibSaveString());
}

// A list of numbers, as groups and the bracket write them, is read strictly: a
// piece that is no number or lies beyond long makes the line unreadable; blanks
// around a piece do not.
TEST(Grenzen, ZahlenlistenWerdenStrengGelesen)
{
    const std::string groesste = std::to_string(LONG_MAX);
    const std::string kleinste = std::to_string(LONG_MIN);
    const std::pair<std::string, std::string> faelle[] = {
        {"", ""},
        {" 1 , -2 ,+3\t", "1 -2 3 "},
        {groesste + "," + kleinste, groesste + " " + kleinste + " "},
        {groesste + "0", "falsch"},
        {kleinste + "0", "falsch"},
        {"1,", "falsch"},
        {",1", "falsch"},
        {"1,,2", "falsch"},
        {" ", "falsch"},
        {"-", "falsch"},
        {"1 2", "falsch"},
        {"0x10", "falsch"},
        {"3:4", "falsch"},
    };
    for (const auto& [zeile, erwartet] : faelle)
    {
        std::vector<long> zahlen;
        std::string gelesen;
        if (!clZahl::liesListe(wxString(zeile), zahlen))
            gelesen = "falsch";
        else
            for (long zahl : zahlen)
                gelesen += std::to_string(zahl) + " ";
        EXPECT_EQ(erwartet, gelesen) << zeile;
    }
}
