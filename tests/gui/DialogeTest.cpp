#include <gtest/gtest.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/versioninfo.h>

#include "GuiHilfen.h"
#include "UeberDlg.h"

TEST(Einstellungsdialog, SchliessfeldBrichtAbAktualisierenUebernimmt)
{
    const allgemein vorgabe{L"Pokal der Ü50", "TTC Nord", "Halle 2", "Sonntag", 4, 1};
    dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Bearbeiten", &vorgabe);
    EXPECT_TRUE(liesFelder(&dlg) == vorgabe);
    wxSpinCtrl* platten = finde<wxSpinCtrl>(&dlg);
    EXPECT_EQ(1, platten->GetMin());
    EXPECT_EQ(100, platten->GetMax());
    const wxArrayString modi = finde<wxChoice>(&dlg)->GetStrings();
    EXPECT_EQ((std::vector<wxString>{"Dichte Packung", L"gleichmäßig verteilt", L"zufällig verteilt"}),
              std::vector<wxString>(modi.begin(), modi.end()));

    // Real modal loops: the close box cancels and keeps the data, "Aktualisieren" takes what was typed.
    wxTextCtrl* bezeichnung = finde<wxTextCtrl>(&dlg);
    dlg.CallAfter(
        [&]
        {
            bezeichnung->SetValue("anders");
            dlg.Close();
        });
    EXPECT_EQ(wxID_CANCEL, dlg.ShowModal());
    EXPECT_TRUE(*dlg.GetAllgemeinDaten() == vorgabe);

    dlg.CallAfter(
        [&]
        {
            finde<wxChoice>(&dlg)->SetSelection(2);
            bezeichnung->Clear();
            klicke(&dlg, dlAllgemeinDlg::idAktBtnAnwenden);
        });
    EXPECT_EQ(wxID_OK, dlg.ShowModal());
    allgemein eingabe = vorgabe;
    eingabe.Bezeichnung.clear();
    eingabe.ModusIdx = 2;
    EXPECT_TRUE(*dlg.GetAllgemeinDaten() == eingabe);
}

namespace
{
void pruefeUeber(UeberDlg* dlg)
{
    EXPECT_EQ(wxString(L"Über das Programm"), dlg->GetTitle());
    const std::vector<wxStaticText*> texte = alleKinder<wxStaticText>(dlg);
    ASSERT_EQ(4u, texte.size());
    EXPECT_TRUE(texte[2]->GetLabel().Contains("Quobel-Projekt") && texte[2]->GetLabel().Contains("2026"));
    // The library in use and the platform, not what the headers said at build time.
    const wxString version = wxGetLibraryVersionInfo().GetVersionString();
    EXPECT_EQ(version, wxbuildinfo(short_f));
    EXPECT_EQ(version + "-" + wxPlatformInfo::Get().GetOperatingSystemIdName() + "-Unicode build",
              texte[3]->GetLabel());
    // The logo of the source tree is found while the tests run from the build folder.
    EXPECT_TRUE(UeberDlg::sucheLogo().EndsWith("quobel_logo.png"));
    EXPECT_TRUE(finde<wxStaticBitmap>(dlg)->GetBitmap().IsOk());
}
} // namespace

// Opened through the menu, as the organiser does, and closed with "Fertig".
TEST(Ueberdialog, ZeigtLogoUndBauinformationUndSchliesstMitFertig)
{
    std::unique_ptr<wxQuobelFrame> frame(neuesFenster());
    bool gezeigt = false;
    wxTheApp->CallAfter(
        [&]
        {
            for (wxWindow* w : wxTopLevelWindows)
            {
                if (UeberDlg* dlg = dynamic_cast<UeberDlg*>(w))
                {
                    gezeigt = true;
                    pruefeUeber(dlg);
                    klicke(dlg, UeberDlg::idBtnFertig);
                    if (dlg->IsModal())
                    {
                        ADD_FAILURE() << "Fertig schliesst den Dialog nicht";
                        dlg->EndModal(wxID_CANCEL);
                    }
                }
            }
        });
    befehl(frame.get(), wxQuobelFrame::idMenuAbout);
    // Without a dialog the check runs here and finds none.
    wxTheApp->ProcessPendingEvents();
    EXPECT_TRUE(gezeigt);
}
