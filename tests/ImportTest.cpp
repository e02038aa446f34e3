// Participant lists from the clipboard and from files, read into rows of the
// participants table.
#include <gtest/gtest.h>
#include <utility>

#include "ModellHilfen.h"
#include "datei/clTeilnehmerImport.h"

using namespace std::string_literals;

TEST(TeilnehmerImport, ZeilenformenKopfzeilenUndZitate)
{
    const struct
    {
        const wchar_t* text;
        const wchar_t* zeilen;
        bool paare = false;
    } faelle[] = {
        // As a spreadsheet gives them, in the order of the participants page.
        {L"Anna\tSchmidt\nBernd\tMeier\tBen\tTTC Nord\t1520\tx\n",
         L"Anna|Schmidt|\nBernd|Meier|Ben|TTC Nord|1520\n"},
        {L"Anna;Schmidt;\r\nBernd;Meier;Ben", L"Anna|Schmidt|\nBernd|Meier|Ben\n"},
        {L"Schmidt, Anna Maria\r\nvon Berg,Karl", L"Anna Maria|Schmidt|\nKarl|von Berg|\n"},
        {L"  Anna   Maria  Schmidt \nLudwig van Beethoven\nanna maria schmidt\nEmil",
         L"Anna Maria|Schmidt|\nLudwig|van Beethoven|\nanna maria|schmidt|\nEmil||\n"},
        {L"\n  \r\n;;\n\t\nAnna Schmidt\n\n", L"Anna|Schmidt|\n"},
        // A header line decides the columns and their order, also after empty lines.
        {L"\n;\nNr;Nachname;Vorname;Verein\n1;Schmidt;Anna;TTC\n2;Meier", L"Anna|Schmidt||TTC|\n|Meier|\n"},
        {L"Vorname;TTR\nAnna;1400\nVorname;Q-TTR\nBen;1520\nVorname;Rating\nCarla; 1300\nDora;keine",
         L"Anna||||1400\nBen||||1520\nCarla||||1300\nDora||\n"},
        {L"Vorname\tName\tAnzeige\nAnna\tSchmidt\tAnni", L"Anna|Schmidt|Anni\n"},
        {L"\"Vorname\",\"Name\"\n\"Anna\",\"Schmidt, geb. Meier\"\n\"Bernd \"\"Ben\"\"\", \"Meier\"\n",
         L"Anna|Schmidt, geb. Meier|\nBernd \"Ben\"|Meier|\n"},
        // A line break inside quotes stays in the cell; the separator is guessed outside them.
        {L"\"Anna\r\nMaria\";Meier\n\"Schmidt; geb. Meier\",Anna",
         L"Anna Maria|Meier|\nAnna|Schmidt; geb. Meier|\n"},
        // A list of pairs: the partner's fields follow the first person's, in the same order.
        {L"Anna\tMeier\t\tTTC\t1500\tBerta\tSchulz\tTSV\t1400\tx",
         L"Anna|Meier||TTC|1500+Berta|Schulz|TSV|1400\n", true},
        {L"Meier, Anna, , , , Schulz, Berta", L"Anna|Meier|+Berta|Schulz||\n", true},
        {L"Anna Meier / Berta von Schulz\nCarl Roth", L"Anna|Meier|+Berta|von Schulz||\nCarl|Roth|\n", true},
        {L"Name;Partner Name;Partner Vorname;Vorname\nMeier;Schulz;Berta;Anna",
         L"Anna|Meier|+Berta|Schulz||\n", true},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(fall.zeilen, zeilen(clTeilnehmerImport::zerlege(fall.text, fall.paare)))
            << wxString(fall.text);
}

TEST(TeilnehmerImport, DateienInUtf8Windows1252UndUtf16)
{
    const std::pair<std::string, const wchar_t*> faelle[] = {
        // As a spreadsheet saves CSV on Windows.
        {"Vorname;Name\r\nJ\xFC"
         "rgen;Wei\xDF\r\n",
         L"Jürgen|Weiß|\n"},
        {"\xEF\xBB\xBFNachname,Vorname\n\"M\xC3\xBCller, jun.\",\xC3\x96zlem\n", L"Özlem|Müller, jun.|\n"},
        // "Unicode text" of a spreadsheet: UTF-16 with its byte order mark.
        {"\xFF\xFEJ\0\xFC\0r\0g\0e\0n\0\t\0W\0e\0i\0\xDF\0\r\0\n\0"s, L"Jürgen|Weiß|\n"},
        {"\xFE\xFF\0J\0\xFC\0r\0g\0e\0n\0\t\0W\0e\0i\0\xDF\0\r\0\n"s, L"Jürgen|Weiß|\n"},
        // A file without names is refused, one far beyond any list, and one that is missing.
        {"Vorname;Name\n;\n", L"kein Teilnehmer"},
        {std::string(1024 * 1024 + 1, 'a'), L"zu groß"},
        {"", L"-fehlt"},
    };
    for (const auto& [bytes, erwartet] : faelle)
    {
        const TempDatei datei(bytes);
        const wxString pfad = datei.pfad + (bytes.empty() ? "-fehlt" : "");
        vecEditListe liste;
        wxString fehler;
        if (clTeilnehmerImport::liesDatei(pfad, liste, &fehler))
            EXPECT_EQ(erwartet, zeilen(liste));
        else
            EXPECT_TRUE(fehler.Contains(erwartet) && fehler.Contains(pfad)) << fehler;
    }
}
