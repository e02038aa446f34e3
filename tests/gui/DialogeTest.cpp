#include <gtest/gtest.h>
#include <wx/statbmp.h>

#include "GuiHilfen.h"
#include "ansicht/UeberDlg.h"

// Real modal loops: the close box cancels and keeps the data, "Aktualisieren"
// takes what was typed.
TEST(Einstellungsdialog, SchliessfeldBrichtAbAktualisierenUebernimmt)
{
    const allgemein vorgabe{L"Pokal der Ü50", "TTC Nord", "Halle 2", "Sonntag", 4, 1};
    dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Bearbeiten", &vorgabe);
    // As many tables as a file may hold.
    EXPECT_EQ(1, finde<wxSpinCtrl>(&dlg)->GetMin());
    EXPECT_EQ(clTurnier::MaxPlatten, finde<wxSpinCtrl>(&dlg)->GetMax());

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

// Opened through the menu, as the organiser does, with the logo of the source tree
// found while the tests run from the build folder, and closed with "Fertig".
TEST(Ueberdialog, ZeigtLogoUndSchliesstMitFertig)
{
    std::unique_ptr<wxQuobelFrame> frame(neuesFenster());
    bool logo = false;
    wxTheApp->CallAfter(
        [&]
        {
            UeberDlg* dlg = finde<UeberDlg>(frame.get());
            logo = finde<wxStaticBitmap>(dlg)->GetBitmap().IsOk();
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
    EXPECT_TRUE(logo);
}
