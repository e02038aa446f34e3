#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <wx/filename.h>

#include "ModellHilfen.h"
#include "verlauf/clBefehlsverlauf.h"
#include "verlauf/clDateiSperre.h"
#include "verlauf/clWiederherstellung.h"

// Every kind of step is undone back to the identical tournament (the bytes a save
// writes) and redone to the identical result, with the standings that follow. A
// saved state that a new step cut off is not reached again by undo.
TEST(Verlauf, JederSchrittRueckgaengigUndWiederhergestellt)
{
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"});
    clBefehlsverlauf verlauf(&tt.tag);
    tippe(tt.spieleTB, 1, 1, 1, 1, "11");
    verlauf.merkeGesichert();
    ASSERT_TRUE(verlauf.Undo());
    const struct
    {
        const char* name;
        std::function<void()> schritt;
    } schritte[] = {
        {"Ergebnis Runde 1, Platte 1", [&] { tippe(tt.spieleTB, 1, 1, 2, 1, "7"); }},
        {"Ergebnis Runde 1, Platte 1", [&] { tippe(tt.spieleTB, 1, 1, 2, 1, ""); }},
        {"Ergebnis Runde 2, Platte 1",
         [&] {
             tt.spieleTB.setzeSaetze(2, 1, {{11, 3}, {11, 4}});
         }},
        {"Ergebnis Runde 3, Platte 1", [&] { tt.spieleTB.setzeAusfall(3, 1, ausfKampflos, 2); }},
        {"Rückzug Dora", [&] { tt.turnier.zieheZurueck(4); }},
        {"Teilnehmerliste",
         [&]
         {
             tt.teilnehmerTB.DeleteData(1);
             tt.teilnehmerTB.DatenZurueckSchreiben();
         }},
        {"Turnierdaten",
         [&]
         {
             allgemein alg = *tt.turnier.getAllgemein();
             alg.Bezeichnung = "Pokal";
             alg.Platten = 2;
             alg.Gewinnsaetze = 3;
             tt.turnier.setAllgemein(&alg);
             tt.turnier.Aktualisieren(false);
         }},
    };
    for (const auto& s : schritte)
    {
        SCOPED_TRACE(s.name);
        const std::string vorher = tt.turnier.getAbbild();
        const wxString tabelleVorher = tt.wertungTB.GetValue(0, 0);
        s.schritt();
        const std::string nachher = tt.turnier.getAbbild();
        ASSERT_NE(vorher, nachher);
        EXPECT_EQ(wxString::FromUTF8("Rückgängig: ") + wxString::FromUTF8(s.name),
                  verlauf.getRueckgaengigText());
        ASSERT_TRUE(verlauf.Undo());
        EXPECT_EQ(vorher, tt.turnier.getAbbild());
        EXPECT_EQ(tabelleVorher, tt.wertungTB.GetValue(0, 0));
        EXPECT_TRUE(tt.turnier.istGeaendert());
        ASSERT_TRUE(verlauf.Redo());
        EXPECT_EQ(nachher, tt.turnier.getAbbild());
    }
    // Applying an unchanged list or general data is no step.
    const int schritte0 = static_cast<int>(verlauf.GetCommands().GetCount());
    tt.teilnehmerTB.DatenZurueckSchreiben();
    tt.turnier.Aktualisieren(false);
    EXPECT_EQ(schritte0, static_cast<int>(verlauf.GetCommands().GetCount()));
    // Participants typed but not applied stay through undo, each row with the
    // participant it was made from: Carla keeps her own matches, and Bernd, whose
    // striking is undone, stays.
    tt.teilnehmerTB.SetValue(3, 0, "Emil");
    ASSERT_TRUE(verlauf.Undo() && verlauf.Undo());
    tt.teilnehmerTB.DatenZurueckSchreiben();
    EXPECT_EQ("Bernd", tt.turnier.getTeilnehmer(2)->getVName());
    EXPECT_EQ("Carla", tt.turnier.getTeilnehmer(3)->getVName());
    EXPECT_EQ("Emil", tt.turnier.getTeilnehmer(5)->getVName());
    // A tournament read from a file starts a history of its own.
    const TempDatei datei;
    ASSERT_TRUE(tt.turnier.speichereTurnierDaten(datei.pfad));
    ASSERT_TRUE(tt.turnier.liesTurnierDaten(datei.pfad));
    EXPECT_FALSE(verlauf.CanUndo());
}

// A step undone while rows are typed but not applied: the rows nobody typed in
// show the participants as they are again, so that applying the typed rows
// neither strikes a participant nor enters one anew nor brings back one undone.
TEST(Verlauf, UngetippteZeilenFolgenDemRueckgaengigGemachtenStand)
{
    const struct
    {
        const char* name;
        std::function<void(clTeilnehmerTableBase&)> schritt;
        const char* danach;
    } faelle[] = {
        {"Umbenennung", [](clTeilnehmerTableBase& tb) { tb.SetValue(0, 0, "Anja"); },
         "Anna|Berndt|Carla|Dora|"},
        {"Streichung", [](clTeilnehmerTableBase& tb) { tb.DeleteData(2); }, "Anna|Berndt|Carla|Dora|"},
        {"Nachmeldung", [](clTeilnehmerTableBase& tb) { tb.SetValue(4, 0, "Emil"); },
         "Anna|Berndt|Carla|Dora|"},
    };
    for (const auto& f : faelle)
    {
        SCOPED_TRACE(f.name);
        TestTurnier tt;
        tt.erstelle({L"Anna", L"Bernd", L"Carla", L"Dora"});
        tippe(tt.spieleTB, 1, 1, 1, 1, "11");
        clBefehlsverlauf verlauf(&tt.tag);
        f.schritt(tt.teilnehmerTB);
        tt.teilnehmerTB.DatenZurueckSchreiben();
        // Bernd's row is typed, and not applied, when the step is undone.
        tt.teilnehmerTB.SetValue(1, 0, "Berndt");
        ASSERT_TRUE(verlauf.Undo());
        tt.teilnehmerTB.DatenZurueckSchreiben();
        wxString namen;
        for (int snr = 1; snr <= tt.turnier.getAnzahlTeilnehmer(); ++snr)
            namen << tt.turnier.getTeilnehmer(snr)->getVName() << "|";
        EXPECT_EQ(f.danach, namen);
        EXPECT_TRUE(tt.turnier.getSpiel(1, 1)->hatEingaben());
    }
}

// The recovery file names the file it belongs to, as it stood, and keeps the
// participants typed but not applied, and the port of a live site that ran. A running Quobel's file is never
// offered, a crashed one's always is, and one moved aside is not offered again. What it brings back is
// checked with a Quobel that is killed.
TEST(Verlauf, Wiederherstellungsdatei)
{
    const wxString ordner = wxFileName::CreateTempFileName("quobel-sicherung");
    wxRemoveFile(ordner);
    TestTurnier tt;
    tt.erstelle({L"Anna", L"Bernd", L"Carla"});
    tt.teilnehmerTB.SetValue(3, 0, "Dora");
    const TempDatei datei;
    ASSERT_TRUE(tt.turnier.speichereTurnierDaten(datei.pfad));
    auto frueher = std::make_unique<clWiederherstellung>(&tt.tag, &tt.teilnehmerTB, ordner);
    frueher->setOriginal(datei.pfad);
    frueher->setLivePort(8081);
    ASSERT_TRUE(frueher->schreibe());
    EXPECT_TRUE(clWiederherstellung::suche(ordner).empty());
    const wxString verlassen = frueher->getPfad();
    // Ends without removing its file, as at a crash; its process id can come again.
    frueher.reset();
    clWiederherstellung sicherung(&tt.tag, nullptr, ordner);
    ASSERT_TRUE(sicherung.schreibe());
    const std::vector<sWiederherstellung> funde = clWiederherstellung::suche(ordner);
    ASSERT_EQ(1u, funde.size());
    EXPECT_EQ(verlassen, funde[0].pfad);
    EXPECT_FALSE(funde[0].stand != sDateiStand::von(datei.pfad));
    EXPECT_EQ("Dora", funde[0].eingaben.at(3).m_VName);
    EXPECT_EQ(8081, funde[0].livePort);

    EXPECT_TRUE(wxFileName::FileExists(clWiederherstellung::legeBeiseite(verlassen)));
    EXPECT_TRUE(clWiederherstellung::suche(ordner).empty());
    wxFileName::Rmdir(ordner, wxPATH_RMDIR_RECURSIVE);
}

// A lock file is removed only by the lock that created it: another process may
// have opened it and be about to lock it, and would then hold a lock on a file
// nobody sees. A mere look creates nothing.
TEST(Verlauf, DateisperreLoeschtNurDieEigeneDatei)
{
    const TempDatei fremd;
    // Opened by another process that has not locked it yet.
    EXPECT_FALSE(clDateiSperre::istBelegt(fremd.pfad));
    EXPECT_TRUE(wxFileName::FileExists(fremd.pfad));
    {
        const clDateiSperre zweite(fremd.pfad);
        EXPECT_TRUE(zweite.istGesperrt());
    }
    EXPECT_TRUE(wxFileName::FileExists(fremd.pfad));

    const wxString pfad = fremd.pfad + "-eigen";
    {
        const clDateiSperre erste(pfad);
        ASSERT_TRUE(erste.istGesperrt());
        {
            const clDateiSperre zweite(pfad);
            EXPECT_TRUE(zweite.istBelegt());
        }
        EXPECT_TRUE(clDateiSperre::istBelegt(pfad));
    }
    EXPECT_FALSE(wxFileName::FileExists(pfad));
    EXPECT_FALSE(clDateiSperre::istBelegt(pfad));
    EXPECT_FALSE(wxFileName::FileExists(pfad));
}
