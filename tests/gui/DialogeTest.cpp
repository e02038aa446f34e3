#include <gtest/gtest.h>

#include "GuiHilfen.h"

// Real modal loops: the close box cancels and keeps the data, "Aktualisieren"
// takes what was typed.
TEST(Einstellungsdialog, SchliessfeldBrichtAbAktualisierenUebernimmt)
{
    const allgemein vorgabe{L"Pokal der Ü50", "TTC Nord", "Halle 2", "Sonntag", 4, 1};
    dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Bearbeiten", &vorgabe);

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
