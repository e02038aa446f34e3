#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include "GuiHilfen.h"

TEST(Hauptfenster, TitelMenuesKopfzeilenUndSeiten)
{
    std::unique_ptr<wxQuobelFrame> frame(new wxQuobelFrame(nullptr, "Quobel"));
    frame->Show();
    verarbeiteEreignisse();
    EXPECT_EQ("Quobel", frame->GetTitle());
    EXPECT_TRUE(frame->IsMaximized());
    EXPECT_TRUE(frame->GetIcon().IsOk());

    // These commands come first in their menus, in this order; later ones follow them.
    wxMenuBar* leiste = frame->GetMenuBar();
    wxString menues;
    for (size_t m = 0; m < leiste->GetMenuCount(); ++m)
    {
        menues << leiste->GetMenuLabel(m) << ":";
        for (size_t i = 0; i < (m == 0 ? 5 : 1); ++i)
            menues << " " << leiste->GetMenu(m)->FindItemByPosition(i)->GetItemLabel();
        menues << "\n";
    }
    EXPECT_EQ(wxString(L"&Turnier: Neues Turnier... Turnierdaten bearbeiten... Turnier laden... Turnier "
                       L"sichern... &Quit\tAlt-F4\n&Hilfe: &About\tF1\n"),
              menues);
    EXPECT_EQ(wxQuobelFrame::idMenuNeu, leiste->GetMenu(0)->FindItemByPosition(0)->GetId());
    EXPECT_EQ("Ctrl+S", leiste->FindItem(wxQuobelFrame::idMenuSpeichern)->GetItemLabel().AfterFirst('\t'));

    const std::vector<wxStaticText*> kopf = alleKinder<wxStaticText>(frame.get());
    EXPECT_EQ("ein Turnier|ein Verein|hier, heute",
              kopf.at(0)->GetLabel() + "|" + kopf.at(1)->GetLabel() + "|" + kopf.at(2)->GetLabel());
    const allgemein alg{L"Vereinsmeisterschaft Ü40", "TTC Nord", "Halle 2", "Sonntag"};
    frame->getTurnier()->setAllgemein(&alg);
    frame->aktualisiereAllgemein(nullptr);
    EXPECT_EQ(wxString(L"Vereinsmeisterschaft Ü40|TTC Nord|Halle 2, Sonntag"),
              kopf[0]->GetLabel() + "|" + kopf[1]->GetLabel() + "|" + kopf[2]->GetLabel());

    wxNotebook* nb = finde<wxNotebook>(frame.get());
    EXPECT_EQ("Turnier und Teilnehmer|Spielrunden|Turniertabelle",
              nb->GetPageText(0) + "|" + nb->GetPageText(1) + "|" + nb->GetPageText(2));
    EXPECT_EQ(0, nb->GetSelection());
}
