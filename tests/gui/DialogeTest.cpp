#include <gtest/gtest.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/versioninfo.h>

#include "DialogErwartung.h"
#include "UeberDlg.h"
#include "wxQuobelMain.h"

namespace
{
std::vector<wxString> beschriftungen(wxWindow* dlg)
{
    std::vector<wxString> texte;
    for (wxStaticText* t : alleKinder<wxStaticText>(dlg))
        texte.push_back(t->GetLabel());
    return texte;
}
} // namespace

TEST(Einstellungsdialog, ZeigtDieDatenUndUebernimmtDieEingabeMitAktualisieren)
{
    const allgemein vorgabe;
    dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Neu", &vorgabe);
    EXPECT_EQ("Neu", dlg.GetTitle());
    EXPECT_TRUE(dlg.HasFlag(wxRESIZE_BORDER));
    EXPECT_TRUE(liesFelder(&dlg) == vorgabe);
    const std::vector<wxString> erwartet = {"Bezeichnung", "Veranstalter",   "Austragungsort",
                                            "Termin",      "Anzahl Platten", "Modus"};
    EXPECT_EQ(erwartet, beschriftungen(&dlg));
    const std::vector<wxStaticBox*> gruppen = alleKinder<wxStaticBox>(&dlg);
    ASSERT_EQ(2u, gruppen.size());
    EXPECT_EQ("Angaben zum Turnier", gruppen[0]->GetLabel());
    EXPECT_EQ("Spielplan-Erstellung", gruppen[1]->GetLabel());

    wxSpinCtrl* platten = alleKinder<wxSpinCtrl>(&dlg).at(0);
    EXPECT_EQ(1, platten->GetMin());
    EXPECT_EQ(100, platten->GetMax());
    wxChoice* modus = alleKinder<wxChoice>(&dlg).at(0);
    ASSERT_EQ(3u, modus->GetCount());
    EXPECT_EQ("Dichte Packung", modus->GetString(0));
    EXPECT_EQ(wxString(L"gleichmäßig verteilt"), modus->GetString(1));
    EXPECT_EQ(wxString(L"zufällig verteilt"), modus->GetString(2));
    const std::vector<wxButton*> knoepfe = alleKinder<wxButton>(&dlg);
    ASSERT_EQ(1u, knoepfe.size());
    EXPECT_EQ(dlAllgemeinDlg::idAktBtnAnwenden, knoepfe[0]->GetId());
    EXPECT_EQ("Aktualisieren", knoepfe[0]->GetLabel());

    // Only the mode changes and the title is emptied: a real modal loop, ended by the button.
    dlg.CallAfter(
        [&]
        {
            modus->SetSelection(2);
            alleKinder<wxTextCtrl>(&dlg).at(0)->Clear();
            klicke(&dlg, dlAllgemeinDlg::idAktBtnAnwenden);
        });
    EXPECT_EQ(wxID_OK, dlg.ShowModal());
    allgemein eingabe = vorgabe;
    eingabe.Bezeichnung.clear();
    eingabe.ModusIdx = 2;
    EXPECT_TRUE(*dlg.GetAllgemeinDaten() == eingabe);
}

TEST(Einstellungsdialog, SchliessfeldBrichtAbUndBehaeltDieDaten)
{
    allgemein vorgabe;
    vorgabe.Bezeichnung = L"Pokal der Ü50";
    vorgabe.Platten = 4;
    vorgabe.ModusIdx = 1;
    dlAllgemeinDlg dlg(nullptr, wxID_ANY, "Bearbeiten", &vorgabe);
    EXPECT_TRUE(liesFelder(&dlg) == vorgabe);
    dlg.CallAfter(
        [&]
        {
            alleKinder<wxTextCtrl>(&dlg).at(0)->SetValue("anders");
            dlg.Close();
        });
    EXPECT_EQ(wxID_CANCEL, dlg.ShowModal());
    EXPECT_TRUE(*dlg.GetAllgemeinDaten() == vorgabe);
}

TEST(Ueberdialog, ZeigtLogoTexteUndBauinformationUndSchliesstMitFertig)
{
    const wxString bau = wxbuildinfo(long_f);
    UeberDlg dlg(nullptr, wxID_ANY, L"Über das Programm", bau, wxDefaultPosition, wxSize(100, 80));
    EXPECT_EQ(wxSize(600, 450), dlg.GetSize());
    EXPECT_TRUE(dlg.HasFlag(wxRESIZE_BORDER));

    const std::vector<wxStaticText*> texte = alleKinder<wxStaticText>(&dlg);
    ASSERT_EQ(4u, texte.size());
    EXPECT_EQ("Quobel-Manager", texte[0]->GetLabel());
    EXPECT_EQ("Version 0.0.1 (alpha)", texte[1]->GetLabel());
    EXPECT_TRUE(texte[2]->GetLabel().Contains("Quobel-Projekt") && texte[2]->GetLabel().Contains("2026"));
    EXPECT_EQ(bau, texte[3]->GetLabel());

    // The logo of the source tree is found while the tests run from the build folder.
    EXPECT_TRUE(UeberDlg::sucheLogo().EndsWith("quobel_logo.png"));
    const std::vector<wxStaticBitmap*> logo = alleKinder<wxStaticBitmap>(&dlg);
    ASSERT_EQ(1u, logo.size());
    EXPECT_TRUE(logo[0]->GetBitmap().IsOk());

    // The library in use and the platform, not what the headers said at build time.
    const wxString version = wxGetLibraryVersionInfo().GetVersionString();
    EXPECT_EQ(version, wxbuildinfo(short_f));
    EXPECT_EQ(version + "-" + wxPlatformInfo::Get().GetOperatingSystemIdName() + "-Unicode build", bau);
    EXPECT_FALSE(bau.Contains("Windows"));

    const std::vector<wxButton*> knoepfe = alleKinder<wxButton>(&dlg);
    ASSERT_EQ(1u, knoepfe.size());
    EXPECT_EQ("Fertig", knoepfe[0]->GetLabel());
    dlg.CallAfter([&] { klicke(&dlg, UeberDlg::idBtnFertig); });
    dlg.ShowModal();
    EXPECT_FALSE(dlg.IsShown());
}
