#include <array>
#include <functional>
#include <tuple>
#include <gtest/gtest.h>

#include "ModellHilfen.h"

namespace
{
// A row as the organiser types it into the empty line at the end of the list.
spEditData neueZeile(const wxString& vname, const wxString& name, const wxString& anzeige = "",
                     const wxString& verein = "")
{
    return {esNew | esDirty, -1, name, vname, anzeige, verein, KeineTTR, {}};
}

// The display names of the roster, each followed by '|'.
wxString anzeigen(const clTurnier& t)
{
    wxString namen;
    for (int snr = 1; snr <= t.getAnzahlTeilnehmer(); ++snr)
        namen << t.getTeilnehmer(snr)->getAnzeige() << "|";
    return namen;
}

// The display names a roster of new rows ends with; rows are separated by ';',
// first name, surname, display name and club by ','.
wxString eindeutig(const wxString& zeilen)
{
    vecEditListe el;
    for (const wxString& z : wxSplit(zeilen, ';', 0))
    {
        const wxArrayString f = wxSplit(z + ",,,", ',', 0);
        el.push_back(neueZeile(f[0], f[1], f[2], f[3]));
    }
    clTurnier t;
    t.UpdateTeilnehmer(el);
    return anzeigen(t);
}
} // namespace

// The participants table edits a copy of the roster; applying it reconciles the
// roster with the list, and the list is filled again from the roster.
TEST(Teilnehmer, AbgleichUeberDieTabelle)
{
    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"});
    clTeilnehmer* carla = tt.turnier.getTeilnehmer(3);
    tb.DatenZurueckSchreiben();
    EXPECT_EQ(carla, tt.turnier.getTeilnehmer(3));

    // Typed into the row labelled 10, the name lands in row 05; a row typed and
    // deleted again before applying brings nobody.
    tb.SetValue(9, 0, L"Dörte");
    EXPECT_EQ(wxString(L"Dörte") + "|", tb.GetValue(4, 0) + "|" + tb.GetValue(9, 0));
    tb.SetValue(5, 2, "Ede");
    tb.DeleteData(5);
    tb.SwapRows(3, 4);
    tb.SetValue(0, 1, "Ber\tger"); // no name holds a control character
    tb.DeleteData(1);
    tb.SetValue(1, 3, "TTC");
    tb.SetValue(1, 4, " 1520 ");
    EXPECT_TRUE(tb.hatAenderungen());
    tb.DatenZurueckSchreiben();
    EXPECT_EQ(wxString(L"Anna|Carla|Dörte|Dora|"), anzeigen(tt.turnier));
    EXPECT_EQ("Ber ger", tt.turnier.getTeilnehmer(1)->getName());
    EXPECT_EQ(carla, tt.turnier.getTeilnehmer(2));
    EXPECT_EQ("TTC 1520", carla->getVerein() + wxString::Format(" %d", carla->getTTR()));
    EXPECT_FALSE(tb.hatAenderungen());
    tb.SetValue(1, 4, "15x"); // a rating is a whole number
    EXPECT_EQ("", tb.GetValue(1, 4));

    // Exchanged rows exchange start numbers; a refill drops what was not applied.
    tb.SwapRows(0, 1);
    tb.DatenZurueckSchreiben();
    EXPECT_EQ(carla, tt.turnier.getTeilnehmer(1));
    tb.SwapRows(0, 1);
    tb.SetValue(1, 0, "Xaver");
    tb.Aktualisieren();
    EXPECT_EQ("Carla Anna", tb.GetValue(0, 0) + " " + tb.GetValue(1, 0));

    // Pasted rows below the list follow its end; counted as the list would be
    // after the paste, one more than the limit is refused whole.
    ASSERT_TRUE(tb.setzeZeilen(20, {neueZeile("Emil", "Meier")}));
    EXPECT_EQ("05:Emil|Meier||", zeile(tb, 4, 3));
    const vecEditListe viele(clTurnier::MaxTeilnehmer - 4, neueZeile("T", ""));
    EXPECT_FALSE(tb.setzeZeilen(5, viele));
    EXPECT_EQ(5, tb.getDataListSize());
    EXPECT_TRUE(tb.setzeZeilen(4, viele));
    EXPECT_EQ(clTurnier::MaxTeilnehmer, tb.getDataListSize());
}

// A file loaded fills the participants table anew, over rows it had before:
// a doubles list with rows typed, deleted and moved, and not applied, becomes
// the loaded singles roster, as a list filled for the first time holds it.
TEST(Teilnehmer, GeladeneListeErsetztDieZeilen)
{
    TestTurnier einzel;
    einzel.erstelle({L"Anna", L"Bernd"});
    einzel.teilnehmerTB.SetValue(0, spalteVerein, "TTC");
    einzel.teilnehmerTB.DatenZurueckSchreiben();
    const TempDatei datei;
    ASSERT_TRUE(einzel.turnier.speichereTurnierDaten(datei.pfad));

    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    ASSERT_EQ("",
              erstelleDoppel(tt, {"Carla,Meier,TSV,1500,Dora,Schulz,TSV B,1400", "Ede,Berg,,,Fritz,Kahn,,"}));
    tb.SetValue(0, spalteTTR, "1600");
    tb.SwapRows(0, 1);
    tb.DeleteData(1);
    ASSERT_TRUE(tb.hatAenderungen());
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(datei.pfad));

    EXPECT_FALSE(tb.hatAenderungen());
    TestTurnier frisch;
    ASSERT_TRUE(frisch.turnier.liesTurnierDaten(datei.pfad));
    ASSERT_EQ(2, tb.getDataListSize());
    ASSERT_EQ(frisch.teilnehmerTB.getDataListSize(), tb.getDataListSize());
    EXPECT_EQ(frisch.teilnehmerTB.GetNumberRows(), tb.GetNumberRows());
    for (int row = 0; row < tb.getDataListSize(); ++row)
    {
        const spEditData& a = tb.getEditListe()[static_cast<size_t>(row)];
        const spEditData& b = frisch.teilnehmerTB.getEditListe()[static_cast<size_t>(row)];
        EXPECT_EQ(b.m_EditStatus, a.m_EditStatus);
        EXPECT_EQ(b.m_OldPos, a.m_OldPos);
        for (int col = 0; col < AnzahlTeilnehmerSpalten; ++col)
            EXPECT_EQ(b.getSpalte(col), a.getSpalte(col)) << row << " " << col;
    }
    EXPECT_EQ("01:Anna||Anna|TTC||", zeile(tb, 0, AnzahlEinzelSpalten));
}

TEST(Teilnehmer, AnzeigenameWirdErgaenztUndEindeutig)
{
    const wchar_t* const faelle[][2] = {
        {L",Berg;Anna,Berg2;,,Tom;Anna,Berg3, x ", L"Berg|Anna|Tom| x |"},
        {L"Anna,Berg;Anna,Bergmann", L"AnnaBerg|AnnaBergm|"},
        {L"Max,Maier;Max,Mayer;Max,Müller", L"MaxMai|MaxMay|MaxMü|"},
        {L"Tom;Tom,Lee", L"Tom|TomL|"},
        {L"Tom;Tom", L"Tom1|Tom2|"},
        // Namesakes of other clubs.
        {L"Eva,Roth,,X;Udo,Lang;Eva,Rot;Eva,Roth,,Y", L"EvaRoth1|Udo|EvaRot|EvaRoth2|"},
        {L"hans,A,,X;Hans,A,,Y", L"hans|Hans|"},
        // An extended name is not compared again with names outside its group.
        {L"Hans,Müller;Hans,Meier;X,Y,HansMü", L"HansMü|HansMe|HansMü|"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(wxString(f[1]), eindeutig(f[0])) << f[0];
    // Long identical surnames are used up letter by letter, then numbered.
    const wxString lang(L'ä', 300);
    EXPECT_EQ("A" + lang + "1|A" + lang + "2|", eindeutig("A," + lang + ",,X;A," + lang + ",,Y"));
}

// A participant's file line: club and rating follow the display name only when
// set; a line break, a tab or another control character read from a file becomes a blank.
TEST(Teilnehmer, DateizeileMitVereinUndTTRNurWennGesetzt)
{
    clTeilnehmer tn;
    for (const char* zeile : {"Meier, Anna, A, TTC\\, Nord", "Meier, Anna, A, , 1520", "Mei\\,er, Anna, A"})
    {
        tn.setFromSaveString(zeile);
        EXPECT_EQ(zeile, tn.getSaveString());
    }
    tn.setFromSaveString(wxString(L"Mei\\ner, An\tna, A\\r\\nB, T\u0085V"));
    EXPECT_EQ("Mei er|An na|A B|T V",
              tn.getName() + "|" + tn.getVName() + "|" + tn.getAnzeige() + "|" + tn.getPerson().m_Verein);
}

// A copy of an entry (a group's player) and the entry are changed apart: whatever
// is changed in one leaves the other as it was.
TEST(Teilnehmer, KopieUndOriginalAendernSichGetrennt)
{
    const std::function<void(clTeilnehmer&)> aenderungen[] = {
        [](clTeilnehmer& tn) { tn.setName("Schulz"); },
        [](clTeilnehmer& tn) { tn.setVName("Berta"); },
        [](clTeilnehmer& tn) { tn.setAnzeige("B"); },
        [](clTeilnehmer& tn) { tn.setVerein("TSV"); },
        [](clTeilnehmer& tn) { tn.setTTR(1400); },
        [](clTeilnehmer& tn) {
            tn.setPartner({"Carla", "Roth", "", KeineTTR});
        },
        [](clTeilnehmer& tn) { tn.setFromSaveString("Roth, Carla, C"); },
    };
    const wxString zeile = "Meier, Anna, A, TTC, 1520";
    for (size_t i = 0; i < std::size(aenderungen); ++i)
    {
        clTeilnehmer original;
        original.setFromSaveString(zeile);
        clTeilnehmer kopie(original);
        aenderungen[i](kopie);
        EXPECT_EQ(zeile, original.getSaveString()) << i;
        EXPECT_NE(zeile, kopie.getSaveString()) << i;
        clTeilnehmer zweite(kopie);
        aenderungen[i](original);
        EXPECT_EQ(kopie.getSaveString(), zweite.getSaveString()) << i;
    }
}

// A display name Quobel derived, a clash's extension included, follows a corrected
// name, also after a save and a load; one the organiser typed stays, and one
// emptied is derived again.
TEST(Teilnehmer, AbgeleiteteAnzeigeFolgtDemNamen)
{
    TestTurnier tt;
    clTeilnehmerTableBase& tb = tt.teilnehmerTB;
    tt.erstelle({L"Bernd", L"Bernd", L"Hans", L"Hans", L"", L"Anna", L"Anna"});
    for (int row = 0; row < 7; ++row)
        tb.SetValue(row, 1, wxSplit(L"Meier,Kurz,Müller,Meier,,Roth,Roth", ',')[row]);
    tb.SetValue(1, 2, "Ben");
    tb.SetValue(6, spalteVerein, "TTC"); // a namesake, not the same person twice
    tb.DatenZurueckSchreiben();
    EXPECT_EQ(L"Bernd|Ben|HansMü|HansMe|Teilnehmer05|AnnaRoth1|AnnaRoth2|", anzeigen(tt.turnier));
    const TempDatei datei;
    ASSERT_TRUE(tt.turnier.speichereTurnierDaten(datei.pfad));
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(datei.pfad));
    for (int row : {0, 1, 3, 4, 6})
        tb.SetValue(row, 0, tb.GetValue(row, 0) + "t");
    tb.SetValue(2, 0, "");
    tb.SetValue(5, 2, "");
    EXPECT_EQ("Berndt", tb.GetValue(0, 2)); // in the grid at once
    tb.DatenZurueckSchreiben();
    EXPECT_EQ(L"Berndt|Ben|Müller|Hanst|t|Anna|Annat|", anzeigen(tt.turnier));
}

// Printouts, exports, the live site and the hall name a participant by first name
// and surname, with the club where asked; without names the display name stands in.
TEST(Teilnehmer, VollerNameFuerAusgaben)
{
    // First name, surname, display name, club; the full name without and with the club.
    const std::vector<std::array<const wchar_t*, 6>> faelle = {
        {L"Anna", L"Meier", L"Anna", L"TTC Musterstadt", L"Anna Meier", L"Anna Meier (TTC Musterstadt)"},
        {L"", L"Meier", L"", L"", L"Meier", L"Meier"},
        {L" Jörg ", L"", L"J", L"SpVg Mönchengladbach", L"Jörg", L"Jörg (SpVg Mönchengladbach)"},
        {L"", L"", L"Gast", L"", L"Gast", L"Gast"},
    };
    for (const auto& f : faelle)
    {
        clTeilnehmer tn;
        tn.setVName(f[0]);
        tn.setName(f[1]);
        tn.setAnzeige(f[2]);
        tn.setVerein(f[3]);
        EXPECT_EQ(wxString(f[4]), tn.getVollerName());
        EXPECT_EQ(wxString(f[5]), tn.getVollerName(true));
    }
}

// A list that only renames keeps the schedule itself, its results and the standings.
TEST(Teilnehmer, UmbenennenBehaeltDenSpielplan)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"}, 2);
    vecEditListe el;
    // Bernd beats Carla in round 1 at table 1.
    clTTSpiel* sp = tt.turnier.getSpiel(1, 1);
    tt.satz(sp, 1, 11, 5);
    tt.satz(sp, 2, 11, 7);

    // Rename the loser to the winner's name: only names change, made unique as always.
    tt.turnier.fillEditListe(el);
    el[2].m_EditStatus |= esDirty;
    el[2].m_Anzeige = "Bernd";
    el[2].m_Name = "Zorn";
    tt.turnier.UpdateTeilnehmer(el);
    EXPECT_EQ("Anna|Bernd|BerndZ|Dora|", anzeigen(tt.turnier));
    EXPECT_EQ(sp, tt.turnier.getSpiel(1, 1));
    EXPECT_EQ(11, sp->getSatzErg(2).P1);
    EXPECT_EQ("2:1 3:1 1:0 4:0 ", tt.stand());
}

// An entry of a doubles class is a pair: shown by the surnames, told apart from a
// namesake pair by a number, printed by both full names, seeded by the sum of
// both ratings (none when one is missing), of both clubs; the search field finds
// it by any of its names or clubs.
TEST(Teilnehmer, DoppelNamenWertungUndVereine)
{
    TestTurnier tt;
    ASSERT_EQ("", erstelleDoppel(tt, {L"Anna,Meier,TTC A,1500,Berta,Schulz,TSV B,1400",
                                      L"Clara,Meier,TTC A,1600,Dora,Schulz,TTC A,",
                                      L"Eva,Roth,,1200,Fee,Lang,TTC A,1300", L"Gabi,,,,Hanna,Jost"}));
    const wchar_t* const erwartet[] = {
        (L"Meier/Schulz1|Anna Meier / Berta Schulz|Anna Meier (TTC A) / Berta Schulz (TSV B)|"
         L"TTC A / TSV B|2900"),
        L"Meier/Schulz2|Clara Meier / Dora Schulz|Clara Meier (TTC A) / Dora Schulz (TTC A)|TTC A|-1",
        L"Roth/Lang|Eva Roth / Fee Lang|Eva Roth / Fee Lang (TTC A)|TTC A|2500",
        L"Gabi/Jost|Gabi / Hanna Jost|Gabi / Hanna Jost||-1"};
    for (int snr = 1; snr <= 4; ++snr)
    {
        const clTeilnehmer* tn = tt.turnier.getTeilnehmer(snr);
        EXPECT_EQ(wxString(erwartet[snr - 1]), tn->getAnzeige() + "|" + tn->getVollerName() + "|" +
                                                   tn->getVollerName(true) + "|" + tn->getVerein() + "|" +
                                                   wxString::Format("%d", tn->getTTR()));
    }
    // A typed partner's name becomes the derived display name at once.
    tt.teilnehmerTB.SetValue(3, spaltePartnerName, "Kurz");
    EXPECT_EQ("Gabi/Kurz", tt.teilnehmerTB.GetValue(3, spalteAnzeige));
    EXPECT_EQ(AnzahlTeilnehmerSpalten, tt.teilnehmerTB.GetNumberCols());
    // Search from a row on, going round; case and blanks do not matter.
    const std::vector<std::tuple<const char*, int, int>> suche = {
        {"schulz", 0, 0}, {"schulz", 1, 1}, {"SCHULZ", 2, 0}, {" tsv ", 1, 0}, {"fee", 0, 2},
        {"kurz", 0, 3},   {"Gabi/", 0, 3},  {"xyz", 0, -1},   {"", 0, -1}};
    for (const auto& [text, ab, zeile] : suche)
        EXPECT_EQ(zeile, tt.teilnehmerTB.findeZeile(text, ab)) << text;
}

// "Übernehmen" refuses, naming the row or the person and changing nothing, a pair
// without both persons and a person entered twice (first name, surname and club,
// regardless of case), in either place of a pair and in singles as well.
TEST(Teilnehmer, UnvollstaendigeDoppelUndDoppeltePersonenWerdenAbgelehnt)
{
    const std::vector<std::tuple<bool, std::vector<wxString>, const wchar_t*>> faelle = {
        {true,
         {L"Anna,Meier,,,Berta,Schulz", L"Clara,Roth", L"Dora,Lang,,,Eva,Kurz"},
         L"Zeile 2: Zu einem Doppel gehören zwei Personen."},
        {true,
         {L"Anna,Meier,,,Berta,Schulz", L",,TTC,,Eva,Kurz"},
         L"Zeile 2: Zu einem Doppel gehören zwei Personen."},
        {true,
         {L"Anna,Meier,TTC,,Berta,Schulz", L"Clara,Roth,,,anna , MEIER,ttc"},
         L"Anna Meier steht zweimal in dieser Konkurrenz."},
        {true, {L"Anna,Meier,,,Anna,Meier"}, L"Anna Meier steht zweimal in dieser Konkurrenz."},
        {true, {L"Anna,Meier,TTC,,Berta,Schulz", L"Anna,Meier,TSV,,Clara,Roth"}, L""},
        {false,
         {L"Anna,Meier,TTC", L"Berta,Schulz", L"Anna,Meier,TTC"},
         L"Anna Meier steht zweimal in dieser Konkurrenz."},
        {false, {L"Anna,Meier,TTC", L"Anna,Meier"}, L""},
    };
    for (const auto& [doppel, zeilen, grund] : faelle)
    {
        TestTurnier tt;
        if (doppel)
            EXPECT_EQ(wxString(grund), erstelleDoppel(tt, zeilen)) << zeilen[0];
        else
        {
            for (size_t i = 0; i < zeilen.size(); ++i)
            {
                const wxArrayString f = wxSplit(zeilen[i] + ",,", ',', 0);
                tt.teilnehmerTB.setzeZeilen(static_cast<int>(i), {neueZeile(f[0], f[1], "", f[2])});
            }
            EXPECT_EQ(wxString(grund), tt.turnier.pruefeTeilnehmerliste(tt.teilnehmerTB.getEditListe()));
            tt.teilnehmerTB.DatenZurueckSchreiben();
        }
        EXPECT_EQ(wxString(grund).empty() ? static_cast<int>(zeilen.size()) : 0,
                  tt.turnier.getAnzahlTeilnehmer())
            << zeilen[0];
    }
}
