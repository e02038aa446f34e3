#include <gtest/gtest.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/versioninfo.h>

#include "GuiHilfen.h"
#include "UeberDlg.h"

// Real modal loops: the close box cancels and keeps the data, "Aktualisieren"
// takes what was typed.
TEST(Einstellungsdialog, SchliessfeldBrichtAbAktualisierenUebernimmt)
{
    const allgemein vorgabe{L"Pokal der Ü50", "TTC Nord", "Halle 2", "Sonntag", 4, 1};
    dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Bearbeiten", &vorgabe);
    EXPECT_EQ(text(vorgabe), felder(&dlg));
    // As many tables as a file may hold; the modes in the order of their numbers.
    EXPECT_EQ(1, finde<wxSpinCtrl>(&dlg)->GetMin());
    EXPECT_EQ(clTurnier::MaxPlatten, finde<wxSpinCtrl>(&dlg)->GetMax());
    EXPECT_EQ(wxString(L"Dichte Packung|gleichmäßig verteilt|zufällig verteilt"),
              wxJoin(finde<wxChoice>(&dlg)->GetStrings(), '|'));

    dlg.CallAfter(
        [&]
        {
            finde<wxTextCtrl>(&dlg)->SetValue("anders");
            dlg.Close();
        });
    EXPECT_EQ(wxID_CANCEL, dlg.ShowModal());
    EXPECT_EQ(text(vorgabe), text(*dlg.GetAllgemeinDaten()));
    dlg.CallAfter(
        [&]
        {
            finde<wxChoice>(&dlg)->SetSelection(2);
            finde<wxTextCtrl>(&dlg)->Clear();
            klicke(&dlg, dlAllgemeinDlg::idAktBtnAnwenden);
        });
    EXPECT_EQ(wxID_OK, dlg.ShowModal());
    EXPECT_EQ("|TTC Nord|Halle 2|Sonntag|4|2", text(*dlg.GetAllgemeinDaten()));
}

// Opened through the menu, as the organiser does, and closed with "Fertig". It
// names the library in use and the platform, not what the headers said at build
// time, and finds the logo of the source tree while the tests run from the
// build folder.
TEST(Ueberdialog, ZeigtLogoUndBauinformationUndSchliesstMitFertig)
{
    std::unique_ptr<wxQuobelFrame> frame(neuesFenster());
    bool gezeigt = false;
    wxTheApp->CallAfter(
        [&]
        {
            UeberDlg* dlg = nullptr;
            for (wxWindow* w : wxTopLevelWindows)
                dlg = dlg != nullptr ? dlg : dynamic_cast<UeberDlg*>(w);
            ASSERT_NE(nullptr, dlg);
            gezeigt = true;
            EXPECT_EQ(wxString(L"Über das Programm"), dlg->GetTitle());
            const std::vector<wxStaticText*> texte = alleKinder<wxStaticText>(dlg);
            ASSERT_EQ(4u, texte.size());
            EXPECT_TRUE(texte[2]->GetLabel().Contains("Quobel-Projekt"));
            EXPECT_EQ(wxGetLibraryVersionInfo().GetVersionString() + "-" +
                          wxPlatformInfo::Get().GetOperatingSystemIdName() + "-Unicode build",
                      texte[3]->GetLabel());
            EXPECT_TRUE(UeberDlg::sucheLogo().EndsWith("quobel_logo.png"));
            EXPECT_TRUE(finde<wxStaticBitmap>(dlg)->GetBitmap().IsOk());
            klicke(dlg, UeberDlg::idBtnFertig);
            if (dlg->IsModal())
            {
                ADD_FAILURE() << "Fertig schliesst den Dialog nicht";
                dlg->EndModal(wxID_CANCEL);
            }
        });
    befehl(frame.get(), wxQuobelFrame::idMenuAbout);
    // Without a dialog the check runs here and finds none.
    wxTheApp->ProcessPendingEvents();
    EXPECT_TRUE(gezeigt);
}
