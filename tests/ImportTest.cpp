// Participant lists from the clipboard and from files, read into rows of the
// participants table.
#include <gtest/gtest.h>
#include <utility>

#include "ModellHilfen.h"
#include "datei/clTeilnehmerImport.h"

TEST(TeilnehmerImport, ZeilenformenKopfzeilenUndZitate)
{
    const std::pair<const wchar_t*, const wchar_t*> faelle[] = {
        // As a spreadsheet gives them; columns after the display name are left out.
        {L"Anna\tSchmidt\nBernd\tMeier\tBen\tTTC Nord\n", L"Anna|Schmidt|\nBernd|Meier|Ben\n"},
        {L"Anna;Schmidt;\r\nBernd;Meier;Ben", L"Anna|Schmidt|\nBernd|Meier|Ben\n"},
        {L"Schmidt, Anna Maria\r\nvon Berg,Karl", L"Anna Maria|Schmidt|\nKarl|von Berg|\n"},
        {L"  Anna   Maria  Schmidt \nLudwig van Beethoven\nanna maria schmidt\nEmil",
         L"Anna Maria|Schmidt|\nLudwig|van Beethoven|\nanna maria|schmidt|\nEmil||\n"},
        {L"\n  \r\n;;\n\t\nAnna Schmidt\n\n", L"Anna|Schmidt|\n"},
        // A header line decides the columns and their order, also after empty lines.
        {L"\n;\nNr;Nachname;Vorname;Verein\n1;Schmidt;Anna;TTC\n2;Meier", L"Anna|Schmidt|\n|Meier|\n"},
        {L"Vorname\tName\tAnzeige\nAnna\tSchmidt\tAnni", L"Anna|Schmidt|Anni\n"},
        {L"\"Vorname\",\"Name\"\n\"Anna\",\"Schmidt, geb. Meier\"\n\"Bernd \"\"Ben\"\"\", \"Meier\"\n",
         L"Anna|Schmidt, geb. Meier|\nBernd \"Ben\"|Meier|\n"},
        // A line break inside quotes stays in the cell; the separator is guessed outside them.
        {L"\"Anna\r\nMaria\";Meier\n\"Schmidt; geb. Meier\",Anna",
         L"Anna Maria|Meier|\nAnna|Schmidt; geb. Meier|\n"},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(fall.second, zeilen(clTeilnehmerImport::zerlege(fall.first))) << wxString(fall.first);
}

// Latin-1 text as UTF-16 behind its byte order mark.
static std::string utf16(const std::string& text, bool grossesEnde)
{
    std::string bytes = grossesEnde ? "\xFE\xFF" : "\xFF\xFE";
    for (char z : text)
        bytes += grossesEnde ? std::string{'\0', z} : std::string{z, '\0'};
    return bytes;
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
        {utf16("J\xFCrgen\tWei\xDF\r\n", false), L"Jürgen|Weiß|\n"},
        {utf16("J\xFCrgen\tWei\xDF\r\n", true), L"Jürgen|Weiß|\n"},
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

TEST(TeilnehmerImport, ZeilenWieGetipptBisZurHoechstzahl)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd"});
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    const vecEditListe neu = clTeilnehmerImport::zerlege(L"Carla Meier\nDora Krause");
    ASSERT_TRUE(tb.setzeZeilen(1, neu));
    EXPECT_EQ(L"Anna||Anna\nCarla|Meier|\nDora|Krause|\n", zeilen(tb.getEditListe()));
    const int status[] = {esClear, esDirty, esNew | esDirty};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(status[i], tb.getEditListe()[i].m_EditStatus);
    EXPECT_EQ(2, tt.turnier.getAnzahlTeilnehmer());
    tb.DatenZurueckSchreiben();
    EXPECT_EQ("Carla", tt.turnier.getTeilnehmer(2)->getAnzeige());

    // Below the list the rows follow its end.
    ASSERT_TRUE(tb.setzeZeilen(20, neu));
    EXPECT_EQ("Dora", tb.GetValue(4, 0));
    // Counted as the list would be after the paste: one more than the limit is refused.
    const vecEditListe viele(clTurnier::MaxTeilnehmer - 4, neu[0]);
    EXPECT_FALSE(tb.setzeZeilen(5, viele));
    EXPECT_EQ(5, tb.getDataListSize());
    EXPECT_TRUE(tb.setzeZeilen(4, viele));
    EXPECT_EQ(clTurnier::MaxTeilnehmer, tb.getDataListSize());
}
