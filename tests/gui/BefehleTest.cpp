#include <gtest/gtest.h>
#include <wx/choicdlg.h>
#include <wx/ffile.h>
#include <wx/menu.h>
#include <wx/prntbase.h>
#include <wx/stattext.h>

#include "GuiHilfen.h"
#include "clRundenpanel.h"

namespace
{
const wchar_t* const Speichern = L"Änderungen speichern?";
const wchar_t* const Verlust = L"Ergebnisse verloren";

// The window title as it stands once the toolkit is idle again.
wxString titel(wxQuobelFrame* f)
{
    wxTheApp->ProcessIdle();
    return f->GetTitle();
}

wxString kopfzeile(wxQuobelFrame* f)
{
    return finde<wxStaticText>(f)->GetLabel();
}

// Types one set of round r at table p into the rounds grid.
void tippeSatz(wxQuobelFrame* f, int r, int p, int snr, int p1, int p2)
{
    clSpieleTableBase* tb = finde<clRundenpanel>(f)->getTable();
    tb->SetValue(4 * (r - 1) + 1, 5 * (p - 1) + snr + 1, wxString::Format("%d", p1));
    tb->SetValue(4 * (r - 1) + 2, 5 * (p - 1) + snr + 1, wxString::Format("%d", p2));
}

// The rounds grid and the standings grid as they read.
wxString ergebnisse(wxQuobelFrame* f)
{
    wxString text;
    for (wxGridTableBase* tb : {static_cast<wxGridTableBase*>(finde<clRundenpanel>(f)->getTable()),
                                static_cast<wxGridTableBase*>(f->getTurnier()->getWertungTableBase())})
        for (int r = 0; r < tb->GetNumberRows(); ++r)
        {
            for (int c = 0; c < tb->GetNumberCols(); ++c)
                text << tb->GetValue(r, c) << "|";
            text << "\n";
        }
    return text;
}

// Confirms the settings dialog with alg, typed into its fields.
ErwarteDialog<dlAllgemeinDlg> bestaetige(const allgemein& alg)
{
    return ErwarteDialog<dlAllgemeinDlg>(
        [=](dlAllgemeinDlg* dlg)
        {
            const std::vector<wxTextCtrl*> texte = alleKinder<wxTextCtrl>(dlg);
            const wxString* werte[] = {&alg.Bezeichnung, &alg.Veranstalter, &alg.Ort, &alg.Datum};
            for (size_t i = 0; i < 4; ++i)
                texte.at(i)->SetValue(*werte[i]);
            finde<wxSpinCtrl>(dlg)->SetValue(alg.Platten);
            klicke(dlg, dlAllgemeinDlg::idAktBtnAnwenden);
            return wxID_OK;
        });
}

ErwarteDialog<wxFileDialog> sichereAls(const wxString& pfad, int antwort = wxID_OK)
{
    return waehleDatei(pfad, "Turnierdatei schreiben", antwort);
}

ErwarteDialog<wxFileDialog> ladeAus(const wxString& pfad)
{
    return waehleDatei(pfad, "Turnierdatei oeffnen");
}
} // namespace

class Befehle : public FensterTest
{
protected:
    // Four participants, one set entered, nothing saved.
    void bereiteVor(wxQuobelFrame* f = nullptr)
    {
        teilnehmer({L"Anna", L"Bernd", L"Clara", L"Dieter"}, true, f);
        tippeSatz(f != nullptr ? f : frame.get(), 1, 1, 1, 11, 5);
    }
};

TEST_F(Befehle, NeuFragtNachUngesichertenAenderungenUndVerworfenenErgebnissen)
{
    // Nothing to lose: only the dialog, which opens with the current data and
    // whose close box changes nothing.
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuNeu),
                  ErwarteDialog<dlAllgemeinDlg>(
                      [&](dlAllgemeinDlg* dlg)
                      {
                          EXPECT_EQ("Allgemeine Daten zum neuen Turnier", dlg->GetTitle());
                          EXPECT_EQ(text(*turnier()->getAllgemein()), felder(dlg));
                          return wxID_CANCEL;
                      }));
    bereiteVor();
    EXPECT_EQ("*Quobel", titel(frame.get()));
    const wxString vorher = ergebnisse(frame.get());
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuNeu), erwarteMeldung(wxID_CANCEL, Speichern));
    const allgemein neu{L"Herbstturnier", "TTC Nord", "Halle 2", "Samstag", 2};
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuNeu), erwarteMeldung(wxID_NO, Speichern),
                  bestaetige(neu), erwarteMeldung(wxID_NO, Verlust));
    EXPECT_EQ("ein Turnier", kopfzeile(frame.get()));
    EXPECT_EQ(vorher, ergebnisse(frame.get()));

    // "Ja" saves first, asking for a name since the tournament has none yet.
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuNeu), erwarteMeldung(wxID_YES, Speichern),
                  sichereAls(pfad("vorher.quobel")), bestaetige(neu), erwarteMeldung(wxID_YES, Verlust));
    EXPECT_TRUE(wxFileExists(pfad("vorher.quobel")));
    EXPECT_EQ(0, turnier()->getAnzahlTeilnehmer());
    EXPECT_EQ(2, turnier()->getAllgemein()->Platten);
    EXPECT_EQ("Herbstturnier", kopfzeile(frame.get()));
    EXPECT_EQ("Quobel", titel(frame.get()));
}

TEST_F(Befehle, BearbeitenVerwirftErgebnisseNurFuerEinenNeuenSpielplan)
{
    bereiteVor();
    const wxString vorher = ergebnisse(frame.get());
    allgemein alg = *turnier()->getAllgemein();
    alg.Bezeichnung = "Stadtmeisterschaft";
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuBearbeiten), bestaetige(alg));
    EXPECT_EQ("Stadtmeisterschaft", kopfzeile(frame.get()));
    EXPECT_EQ(vorher, ergebnisse(frame.get()));

    alg.Platten = 2;
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuBearbeiten), bestaetige(alg),
                  erwarteMeldung(wxID_NO, Verlust));
    EXPECT_EQ(vorher, ergebnisse(frame.get()));
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuBearbeiten), bestaetige(alg),
                  erwarteMeldung(wxID_YES, Verlust));
    EXPECT_FALSE(turnier()->hatErgebnisse());
    EXPECT_NE(nullptr, turnier()->getSpiel(1, 2));
}

TEST_F(Befehle, LadenFragtNachUngesichertenAenderungenUndMeldetFehler)
{
    bereiteVor();
    const wxString datei = pfad("liga.quobel");
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuSchreiben), sichereAls(datei));
    EXPECT_EQ("liga.quobel - Quobel", titel(frame.get()));
    const wxString gesichert = ergebnisse(frame.get());

    tippeSatz(frame.get(), 1, 1, 2, 11, 7);
    EXPECT_EQ("*liga.quobel - Quobel", titel(frame.get()));
    const wxString geaendert = ergebnisse(frame.get());
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuLaden), ladeAus(datei),
                  erwarteMeldung(wxID_CANCEL, "liga.quobel"));
    // A file that is no tournament file is reported with its name and changes nothing.
    const wxString kaputt = pfad("notizen.txt");
    wxFFile(kaputt, "w").Write("Einkaufsliste\n");
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuLaden), ladeAus(kaputt),
                  erwarteMeldung(wxID_NO, Speichern), erwarteMeldung(wxID_OK, kaputt));
    EXPECT_EQ(geaendert, ergebnisse(frame.get()));
    EXPECT_EQ("*liga.quobel - Quobel", titel(frame.get()));

    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuLaden), ladeAus(datei),
                  erwarteMeldung(wxID_NO, Speichern));
    EXPECT_EQ(gesichert, ergebnisse(frame.get()));
    // "Ja" saves to the file the tournament came from, without asking for a name.
    tippeSatz(frame.get(), 1, 1, 2, 11, 7);
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuLaden), ladeAus(datei),
                  erwarteMeldung(wxID_YES, Speichern));
    EXPECT_EQ(geaendert, ergebnisse(frame.get()));
    EXPECT_EQ("liga.quobel - Quobel", titel(frame.get()));
}

TEST_F(Befehle, BeendenUndSchliessfeldVerlierenKeineArbeit)
{
    bereiteVor();
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuQuit), erwarteMeldung(wxID_CANCEL, Speichern));
    wxTEST_DIALOG(frame->Close(), erwarteMeldung(wxID_YES, Speichern),
                  sichereAls(pfad("x.quobel"), wxID_CANCEL));
    // A failed save is reported with the file's name and cancels the command.
    const wxString fehlt = pfad("fehlt/x.quobel");
    wxTEST_DIALOG(frame->Close(), erwarteMeldung(wxID_YES, Speichern), sichereAls(fehlt),
                  erwarteMeldung(wxID_OK, fehlt));
    EXPECT_FALSE(wxPendingDelete.Member(frame.get()));
    EXPECT_EQ("*Quobel", titel(frame.get()));

    // Names typed but not applied count as work: "Ja" applies and saves them.
    wxQuobelFrame* f = neuesFenster();
    teilnehmer({L"Anna", L"Bernd"}, false, f);
    EXPECT_EQ("*Quobel", titel(f));
    wxTEST_DIALOG(befehl(f, wxQuobelFrame::idMenuQuit), erwarteMeldung(wxID_YES, Speichern),
                  sichereAls(pfad("namen.quobel")));
    EXPECT_TRUE(wxPendingDelete.Member(f));
    clTurnier gelesen;
    ASSERT_TRUE(gelesen.liesTurnierDaten(pfad("namen.quobel")));
    EXPECT_EQ(2, gelesen.getAnzahlTeilnehmer());

    // "Nein" closes; once saved nothing is asked.
    for (bool gesichert : {false, true})
    {
        wxQuobelFrame* g = neuesFenster();
        bereiteVor(g);
        if (gesichert)
            wxTEST_DIALOG(befehl(g, wxQuobelFrame::idMenuSchreiben), sichereAls(pfad("g.quobel")));
        if (gesichert)
            g->Close();
        else
        {
            wxTEST_DIALOG(g->Close(), erwarteMeldung(wxID_NO, Speichern));
        }
        EXPECT_TRUE(wxPendingDelete.Member(g));
    }
    verarbeiteEreignisse();
}

TEST_F(Befehle, SpeichernFragtNurBeimErstenMalUndZuletztGeoeffneteBleiben)
{
    bereiteVor();
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuSpeichern), sichereAls(pfad("ohne")));
    EXPECT_EQ("ohne.quobel - Quobel", titel(frame.get()));
    tippeSatz(frame.get(), 1, 1, 2, 11, 3);
    befehl(frame.get(), wxQuobelFrame::idMenuSpeichern);
    EXPECT_EQ("ohne.quobel - Quobel", titel(frame.get()));
    // "Speichern unter..." always asks, starting from the current file.
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuSpeichernUnter),
                  ErwarteDialog<wxFileDialog>(
                      [&](wxFileDialog* dlg)
                      {
                          EXPECT_EQ(pfad("ohne.quobel"), dlg->GetDirectory() + "/" + dlg->GetFilename());
                          dlg->wxFileDialogBase::SetPath(pfad("kopie.quobel"));
                          return wxID_OK;
                      }));
    EXPECT_EQ("kopie.quobel - Quobel", titel(frame.get()));
    wxRemoveFile(pfad("kopie.quobel"));

    // The next run lists both files, the latest first, and opens one on a click;
    // a file that is gone is reported and leaves the list.
    std::unique_ptr<wxQuobelFrame> morgen(neuesFenster());
    wxMenu* liste = nullptr;
    morgen->GetMenuBar()->FindItem(wxID_FILE1, &liste);
    ASSERT_NE(nullptr, liste);
    ASSERT_EQ(2u, liste->GetMenuItemCount());
    EXPECT_TRUE(liste->FindItemByPosition(0)->GetItemLabelText().Contains("kopie.quobel"));
    befehl(morgen.get(), wxID_FILE2);
    EXPECT_EQ("ohne.quobel - Quobel", titel(morgen.get()));
    EXPECT_EQ(ergebnisse(frame.get()), ergebnisse(morgen.get()));
    wxTEST_DIALOG(befehl(morgen.get(), wxID_FILE2), erwarteMeldung(wxID_OK, "kopie.quobel"));
    EXPECT_EQ(1u, liste->GetMenuItemCount());
}

TEST_F(Befehle, ExportUndDruckvorschauUeberDasMenue)
{
    teilnehmer({L"Anna", L"Bernd", L"Jörg"});
    tippeSatz(frame.get(), 1, 1, 1, 11, 5);
    tippeSatz(frame.get(), 1, 1, 2, 11, 7);
    const std::tuple<int, const char*, const wchar_t*> exporte[] = {
        {wxQuobelFrame::idMenuExportTabelle, "tabelle.csv", L"Jörg"},
        {wxQuobelFrame::idMenuExportErgebnisse, "ergebnisse.csv", L"\"11\";\"5\""},
        {wxQuobelFrame::idMenuExportSeite, "seite.html", L"<table"}};
    for (const auto& [id, datei, erwartet] : exporte)
    {
        wxTEST_DIALOG(befehl(frame.get(), id), waehleDatei(pfad(datei)));
        wxString text;
        ASSERT_TRUE(wxFFile(pfad(datei)).ReadAll(&text, wxConvUTF8)) << datei;
        EXPECT_TRUE(text.Contains(erwartet)) << datei;
    }

    // The slips ask for the round, proposing the first one not yet played:
    // round 2, since round 1 has its scores.
    befehl(frame.get(), wxQuobelFrame::idMenuVorschauTabelle);
    wxTEST_DIALOG(befehl(frame.get(), wxQuobelFrame::idMenuVorschauSpielzettel),
                  ErwarteDialog<wxSingleChoiceDialog>(
                      [](wxSingleChoiceDialog* dlg)
                      {
                          EXPECT_EQ(2, dlg->GetSelection());
                          return wxID_OK;
                      }));
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
