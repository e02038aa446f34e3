#include <gtest/gtest.h>
#include <wx/choicdlg.h>
#include <wx/menu.h>
#include <wx/prntbase.h>
#include <wx/stattext.h>

#include "GuiHilfen.h"
#include "ansicht/clRundenpanel.h"
#include "ansicht/clTurnierDokument.h"
#include "verlauf/clWiederherstellung.h"

namespace
{
using F = wxQuobelFrame;
const wchar_t* const Speichern = L"Änderungen speichern?";

// The window title as it stands once the toolkit is idle again.
wxString titel(F* f)
{
    wxTheApp->ProcessIdle();
    return f->GetTitle();
}

// Types one set of round r at table 1 into the rounds grid.
void tippeSatz(F* f, int r, int snr, int p1, int p2)
{
    for (int seite : {1, 2})
        tippe(*finde<clRundenpanel>(f)->getTable(), r, 1, seite, snr,
              wxString::Format("%d", seite == 1 ? p1 : p2));
}

// The header, the rounds grid and the standings grid as they read.
wxString ergebnisse(F* f)
{
    wxString text;
    for (wxStaticText* zeile : alleKinder<wxStaticText>(f))
        text << zeile->GetLabel() << "\n";
    for (wxGridTableBase* tb : {static_cast<wxGridTableBase*>(finde<clRundenpanel>(f)->getTable()),
                                static_cast<wxGridTableBase*>(f->getTurnier()->getWertungTableBase())})
        for (int r = 0; r < tb->GetNumberRows(); ++r)
            text << zeile(*tb, r, tb->GetNumberCols()) << "\n";
    return text;
}

// Confirms the settings dialog with alg.
ErwarteDialog<dlAllgemeinDlg> bestaetige(const allgemein& alg)
{
    return {wxID_OK, [alg](dlAllgemeinDlg* dlg) { *dlg->GetAllgemeinDaten() = alg; }};
}
} // namespace

class Befehle : public FensterTest
{
protected:
    // Four participants, one set entered, nothing saved.
    void bereiteVor(F* f)
    {
        teilnehmer({L"Anna", L"Bernd", L"Clara", L"Dieter"}, true, f);
        tippeSatz(f, 1, 1, 11, 5);
    }

    F* f = frame.get();
};

// Edit keeps the results, also with a new schedule for other tables, without a
// question; New asks before unsaved work is lost.
TEST_F(Befehle, BearbeitenUndNeuVerlierenNichtsUngefragt)
{
    bereiteVor(f);
    allgemein alg = *turnier()->getAllgemein();
    alg.Bezeichnung = "Stadtmeisterschaft";
    alg.Platten = 2;
    wxTEST_DIALOG(befehl(f, F::idMenuBearbeiten), bestaetige(alg));
    EXPECT_TRUE(turnier()->hatErgebnisse());
    EXPECT_NE(nullptr, turnier()->getSpiel(1, 2));
    const wxString vorher = ergebnisse(f);
    EXPECT_TRUE(vorher.StartsWith("Stadtmeisterschaft\nein Verein\nhier, heute\n"));
    // Cancelled at the question or in its dialog, New changes nothing either.
    wxTEST_DIALOG(befehl(f, F::idMenuNeu), erwarteMeldung(wxID_CANCEL, Speichern));
    wxTEST_DIALOG(befehl(f, F::idMenuNeu), erwarteMeldung(wxID_NO, Speichern),
                  ErwarteDialog<dlAllgemeinDlg>(wxID_CANCEL, [](dlAllgemeinDlg*) {}));
    EXPECT_EQ(vorher, ergebnisse(f));

    // "Ja" saves first, asking for a name since the tournament has none yet.
    const allgemein neu{L"Herbstturnier", "TTC Nord", "Halle 2", "Samstag", 2};
    wxTEST_DIALOG(befehl(f, F::idMenuNeu), erwarteMeldung(wxID_YES, Speichern),
                  waehleDatei(pfad("alt.quobel")), bestaetige(neu));
    EXPECT_TRUE(wxFileExists(pfad("alt.quobel")));
    EXPECT_EQ(0, turnier()->getAnzahlTeilnehmer());
    EXPECT_TRUE(ergebnisse(f).StartsWith("Herbstturnier\nTTC Nord\nHalle 2, Samstag\n"));
    // The general data typed for it are work to be saved.
    EXPECT_EQ("*Quobel", titel(f));
}

TEST_F(Befehle, LadenFragtNachUngesichertenAenderungenUndMeldetFehler)
{
    bereiteVor(f);
    const wxString datei = pfad("liga.quobel");
    wxTEST_DIALOG(befehl(f, F::idMenuSchreiben), waehleDatei(datei));
    EXPECT_EQ("liga.quobel - Quobel", titel(f));
    const wxString gesichert = ergebnisse(f);
    tippeSatz(f, 1, 2, 11, 7);
    EXPECT_EQ("*liga.quobel - Quobel", titel(f));
    const wxString geaendert = ergebnisse(f);
    wxTEST_DIALOG(befehl(f, F::idMenuLaden), waehleDatei(datei), erwarteMeldung(wxID_CANCEL, "liga.quobel"));
    wxTEST_DIALOG(befehl(f, F::idMenuLaden), waehleDatei(datei), erwarteMeldung(wxID_NO, Speichern));
    EXPECT_EQ(gesichert, ergebnisse(f));
    // "Ja" saves to the file the tournament came from, without asking for a name.
    tippeSatz(f, 1, 2, 11, 7);
    wxTEST_DIALOG(befehl(f, F::idMenuLaden), waehleDatei(datei), erwarteMeldung(wxID_YES, Speichern));
    EXPECT_EQ(geaendert, ergebnisse(f));
    EXPECT_EQ("liga.quobel - Quobel", titel(f));
    // Once saved, nothing is asked.
    wxTEST_DIALOG(befehl(f, F::idMenuNeu),
                  ErwarteDialog<dlAllgemeinDlg>(wxID_CANCEL, [](dlAllgemeinDlg*) {}));
}

TEST_F(Befehle, BeendenUndSchliessfeldVerlierenKeineArbeit)
{
    bereiteVor(f);
    wxTEST_DIALOG(befehl(f, F::idMenuQuit), erwarteMeldung(wxID_CANCEL, Speichern));
    wxTEST_DIALOG(f->Close(), erwarteMeldung(wxID_YES, Speichern),
                  waehleDatei(pfad("x.quobel"), wxID_CANCEL));
    // A failed save is reported with the file's name and cancels the command.
    const wxString fehlt = pfad("fehlt/x.quobel");
    wxTEST_DIALOG(f->Close(), erwarteMeldung(wxID_YES, Speichern), waehleDatei(fehlt),
                  erwarteMeldung(wxID_OK, fehlt));
    EXPECT_FALSE(wxPendingDelete.Member(f));
    EXPECT_EQ("*Quobel", titel(f));

    // Names typed but not applied count as work: "Ja" applies and saves them.
    F* g = neuesFenster();
    teilnehmer({L"Anna", L"Bernd"}, false, g);
    EXPECT_EQ("*Quobel", titel(g));
    wxTEST_DIALOG(befehl(g, F::idMenuQuit), erwarteMeldung(wxID_YES, Speichern),
                  waehleDatei(pfad("namen.quobel")), erwarteMeldung(wxID_YES, L"noch nicht übernommen"));
    EXPECT_TRUE(wxPendingDelete.Member(g));
    clTurnier gelesen;
    ASSERT_TRUE(gelesen.liesTurnierDaten(pfad("namen.quobel")));
    EXPECT_EQ(2, gelesen.getAnzahlTeilnehmer());
    // "Nein" closes, and what was given up is not offered again.
    g = neuesFenster();
    bereiteVor(g);
    const wxString sicherung = g->getDokument().getWiederherstellung().getPfad();
    ASSERT_TRUE(g->getDokument().getWiederherstellung().schreibe());
    wxTEST_DIALOG(g->Close(), erwarteMeldung(wxID_NO, Speichern));
    EXPECT_TRUE(wxPendingDelete.Member(g));
    EXPECT_FALSE(wxFileExists(sicherung));
    verarbeiteEreignisse();
}

TEST_F(Befehle, SpeichernFragtNurBeimErstenMalUndZuletztGeoeffneteBleiben)
{
    bereiteVor(f);
    wxTEST_DIALOG(befehl(f, F::idMenuSpeichern), waehleDatei(pfad("ohne")));
    EXPECT_EQ("ohne.quobel - Quobel", titel(f));
    // "Speichern unter..." always asks, starting from the current file, and asks
    // before it replaces a file named with its extension.
    schreibeBytes(pfad("kopie.quobel"), "x");
    wxTEST_DIALOG(befehl(f, F::idMenuSpeichernUnter),
                  waehleDatei(pfad("kopie"), wxID_OK, pfad("ohne.quobel")),
                  erwarteMeldung(wxID_YES, L"gibt es schon"));
    EXPECT_EQ("kopie.quobel - Quobel", titel(f));
    wxRemoveFile(pfad("kopie.quobel"));

    // The next run lists both files, the latest first, and opens one on a click;
    // a file that is gone is reported and leaves the list.
    std::unique_ptr<F> morgen(neuesFenster());
    wxMenu* liste = nullptr;
    morgen->GetMenuBar()->FindItem(wxID_FILE1, &liste);
    ASSERT_NE(nullptr, liste);
    ASSERT_EQ(2u, liste->GetMenuItemCount());
    EXPECT_TRUE(liste->FindItemByPosition(0)->GetItemLabelText().Contains("kopie.quobel"));
    befehl(morgen.get(), wxID_FILE2);
    EXPECT_EQ("ohne.quobel - Quobel", titel(morgen.get()));
    EXPECT_EQ(ergebnisse(f), ergebnisse(morgen.get()));
    wxTEST_DIALOG(befehl(morgen.get(), wxID_FILE2), erwarteMeldung(wxID_OK, "kopie.quobel"));
    EXPECT_EQ(1u, liste->GetMenuItemCount());
}

TEST_F(Befehle, ExportUndDruckvorschauUeberDasMenue)
{
    teilnehmer({L"Anna", L"Bernd", L"Jörg"});
    tippeSatz(f, 1, 1, 11, 5);
    tippeSatz(f, 1, 2, 11, 7);
    for (const auto& [id, datei, erwartet] : {std::tuple{F::idMenuExportTabelle, "tabelle.csv", "\"Platz\""},
                                              {F::idMenuExportErgebnisse, "ergebnisse.csv", "\"11\";\"5\""},
                                              {F::idMenuExportSeite, "seite.html", "<table"}})
    {
        wxTEST_DIALOG(befehl(f, id), waehleDatei(pfad(datei)));
        EXPECT_NE(std::string::npos, liesBytes(pfad(datei)).find(erwartet)) << datei;
    }
    // The slips ask for the round, proposing the first one not yet played:
    // round 2, since round 1 has its scores.
    befehl(f, F::idMenuVorschauTabelle);
    wxTEST_DIALOG(
        befehl(f, F::idMenuVorschauSpielzettel),
        ErwarteDialog<wxSingleChoiceDialog>(wxID_OK, [](auto* dlg) { EXPECT_EQ(2, dlg->GetSelection()); }));
    int vorschauen = 0;
    for (wxWindow* w : wxTopLevelWindows)
        if (wxPreviewFrame* vorschau = dynamic_cast<wxPreviewFrame*>(w))
        {
            ++vorschauen;
            vorschau->Close(true); // as the organiser does; it re-enables the main window
        }
    EXPECT_EQ(2, vorschauen);
    verarbeiteEreignisse();
}
