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

    wxMenuBar* leiste = frame->GetMenuBar();
    ASSERT_EQ(2u, leiste->GetMenuCount());
    EXPECT_EQ("&Turnier", leiste->GetMenuLabel(0));
    EXPECT_EQ("&Hilfe", leiste->GetMenuLabel(1));
    // These commands come first in their menu, in this order; the later ones follow them.
    const struct
    {
        int menu, id;
        const wchar_t *label, *hilfe;
    } punkte[] = {
        {0, wxQuobelFrame::idMenuNeu, L"Neues Turnier...", L"allgem. Turnierdaten festlegen"},
        {0, wxQuobelFrame::idMenuBearbeiten, L"Turnierdaten bearbeiten...", L"allgem. Turnierdate ändern"},
        {0, wxQuobelFrame::idMenuLaden, L"Turnier laden...", L"aus Datei laden"},
        {0, wxQuobelFrame::idMenuSchreiben, L"Turnier sichern...", L"in Datei schreiben"},
        {0, wxQuobelFrame::idMenuQuit, L"&Quit", L"Anwendung beenden"},
        {1, wxQuobelFrame::idMenuAbout, L"&About", L"Anwendungsinformation"},
    };
    size_t position[2] = {0, 0};
    for (const auto& p : punkte)
    {
        const wxMenuItem* item = leiste->GetMenu(p.menu)->FindItemByPosition(position[p.menu]++);
        EXPECT_EQ(p.id, item->GetId());
        EXPECT_EQ(wxString(p.label), item->GetItemLabel().BeforeFirst('\t'));
        EXPECT_EQ(wxString(p.hilfe), item->GetHelp());
    }
    const struct
    {
        int id, flags, taste;
    } tasten[] = {{wxQuobelFrame::idMenuQuit, wxACCEL_ALT, WXK_F4},
                  {wxQuobelFrame::idMenuAbout, wxACCEL_NORMAL, WXK_F1},
                  {wxQuobelFrame::idMenuSpeichern, wxACCEL_CTRL, 'S'}};
    for (const auto& t : tasten)
    {
        std::unique_ptr<wxAcceleratorEntry> taste(leiste->FindItem(t.id)->GetAccel());
        ASSERT_TRUE(taste) << t.id;
        EXPECT_EQ(t.flags, taste->GetFlags());
        EXPECT_EQ(t.taste, taste->GetKeyCode());
    }

    const std::vector<wxStaticText*> kopf = alleKinder<wxStaticText>(frame.get());
    EXPECT_EQ("ein Turnier", kopf.at(0)->GetLabel());
    EXPECT_EQ("ein Verein", kopf.at(1)->GetLabel());
    EXPECT_EQ("hier, heute", kopf.at(2)->GetLabel());
    // Without venue and date.
    const allgemein alg{L"Vereinsmeisterschaft Ü40", "TTC Nord", "", ""};
    frame->getTurnier()->setAllgemein(&alg);
    frame->aktualisiereAllgemein(nullptr);
    EXPECT_EQ(wxString(L"Vereinsmeisterschaft Ü40"), kopf[0]->GetLabel());
    EXPECT_EQ("TTC Nord", kopf[1]->GetLabel());
    EXPECT_EQ(", ", kopf[2]->GetLabel());

    wxNotebook* nb = finde<wxNotebook>(frame.get());
    ASSERT_EQ(4u, nb->GetPageCount());
    EXPECT_EQ("Turnier und Teilnehmer", nb->GetPageText(0));
    EXPECT_EQ("Spielrunden", nb->GetPageText(1));
    EXPECT_EQ("Turniertabelle", nb->GetPageText(2));
    EXPECT_EQ("Kreuztabelle", nb->GetPageText(3));
    EXPECT_EQ(0, nb->GetSelection());
}
