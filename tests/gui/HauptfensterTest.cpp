#include <gtest/gtest.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/stattext.h>

#include "GuiHilfen.h"
#include "wxQuobelMain.h"

namespace
{
std::vector<wxStaticText*> kopfzeilen(wxFrame* frame)
{
    std::vector<wxStaticText*> texte;
    for (wxWindow* panel : frame->GetChildren())
        for (wxWindow* kind : panel->GetChildren())
            if (wxStaticText* t = dynamic_cast<wxStaticText*>(kind))
                texte.push_back(t);
    return texte;
}

wxNotebook* notebook(wxFrame* frame)
{
    for (wxWindow* panel : frame->GetChildren())
        for (wxWindow* kind : panel->GetChildren())
            if (wxNotebook* nb = dynamic_cast<wxNotebook*>(kind))
                return nb;
    return nullptr;
}

struct MenuePunkt
{
    int id;
    const wchar_t* label;
    const wchar_t* hilfe;
};
} // namespace

class Hauptfenster : public ::testing::Test
{
protected:
    Hauptfenster() : frame(new wxQuobelFrame(nullptr, "Quobel"))
    {
        frame->Show();
        verarbeiteEreignisse();
    }
    FensterHalter<wxQuobelFrame> frame;
};

TEST_F(Hauptfenster, TitelUndMaximiert)
{
    EXPECT_EQ("Quobel", frame->GetTitle());
    EXPECT_TRUE(frame->IsMaximized());
    EXPECT_TRUE(frame->GetIcon().IsOk());
}

TEST_F(Hauptfenster, MenuesMitBeschriftungHilfeUndTasten)
{
    wxMenuBar* leiste = frame->GetMenuBar();
    ASSERT_NE(nullptr, leiste);
    ASSERT_EQ(2u, leiste->GetMenuCount());
    EXPECT_EQ("&Turnier", leiste->GetMenuLabel(0));
    EXPECT_EQ("&Hilfe", leiste->GetMenuLabel(1));

    const MenuePunkt turnier[] = {
        {wxQuobelFrame::idMenuNeu, L"Neues Turnier...", L"allgem. Turnierdaten festlegen"},
        {wxQuobelFrame::idMenuBearbeiten, L"Turnierdaten bearbeiten...", L"allgem. Turnierdate ändern"},
        {wxQuobelFrame::idMenuLaden, L"Turnier laden...", L"aus Datei laden"},
        {wxQuobelFrame::idMenuSchreiben, L"Turnier sichern...", L"in Datei schreiben"},
        {wxQuobelFrame::idMenuQuit, L"&Quit\tAlt-F4", L"Anwendung beenden"},
    };
    wxMenu* menu = leiste->GetMenu(0);
    // The specified commands come first, in their order; further ones follow them.
    ASSERT_LT(WXSIZEOF(turnier), menu->GetMenuItemCount());
    for (size_t i = 0; i < WXSIZEOF(turnier); ++i)
    {
        const wxMenuItem* item = menu->FindItemByPosition(i);
        EXPECT_EQ(turnier[i].id, item->GetId());
        EXPECT_EQ(wxString(turnier[i].label).BeforeFirst('\t'), item->GetItemLabel().BeforeFirst('\t'));
        EXPECT_EQ(wxString(turnier[i].hilfe), item->GetHelp());
    }
    const wxMenuItem* quit = menu->FindItem(wxQuobelFrame::idMenuQuit);
    std::unique_ptr<wxAcceleratorEntry> alt(quit->GetAccel());
    ASSERT_TRUE(alt);
    EXPECT_EQ(wxACCEL_ALT, alt->GetFlags());
    EXPECT_EQ(WXK_F4, alt->GetKeyCode());

    wxMenu* hilfe = leiste->GetMenu(1);
    ASSERT_EQ(1u, hilfe->GetMenuItemCount());
    const wxMenuItem* about = hilfe->FindItemByPosition(0);
    EXPECT_EQ(wxQuobelFrame::idMenuAbout, about->GetId());
    EXPECT_EQ("&About", about->GetItemLabel().BeforeFirst('\t'));
    EXPECT_EQ("Anwendungsinformation", about->GetHelp());
    std::unique_ptr<wxAcceleratorEntry> f1(about->GetAccel());
    ASSERT_TRUE(f1);
    EXPECT_EQ(WXK_F1, f1->GetKeyCode());
    std::unique_ptr<wxAcceleratorEntry> strgS(leiste->FindItem(wxQuobelFrame::idMenuSpeichern)->GetAccel());
    ASSERT_TRUE(strgS);
    EXPECT_EQ(wxACCEL_CTRL, strgS->GetFlags());
    EXPECT_EQ('S', strgS->GetKeyCode());
}

TEST_F(Hauptfenster, KopfzeilenZeigenDieAllgemeinenDaten)
{
    std::vector<wxStaticText*> texte = kopfzeilen(frame.get());
    ASSERT_EQ(3u, texte.size());
    EXPECT_EQ("ein Turnier", texte[0]->GetLabel());
    EXPECT_TRUE(texte[0]->GetFont().GetWeight() == wxFONTWEIGHT_BOLD);
    EXPECT_EQ(14, texte[0]->GetFont().GetPointSize());
    EXPECT_EQ("ein Verein", texte[1]->GetLabel());
    EXPECT_EQ("hier, heute", texte[2]->GetLabel());

    allgemein alg = *frame->getTurnier()->getAllgemein();
    alg.Bezeichnung = L"Vereinsmeisterschaft Ü40";
    alg.Ort.clear();
    alg.Datum.clear();
    frame->getTurnier()->setAllgemein(&alg);
    frame->aktualisiereAllgemein(nullptr);
    EXPECT_EQ(wxString(L"Vereinsmeisterschaft Ü40"), texte[0]->GetLabel());
    EXPECT_EQ(", ", texte[2]->GetLabel());
}

TEST_F(Hauptfenster, SeitenInDerRichtigenReihenfolge)
{
    wxNotebook* nb = notebook(frame.get());
    ASSERT_NE(nullptr, nb);
    ASSERT_EQ(3u, nb->GetPageCount());
    EXPECT_EQ("Turnier und Teilnehmer", nb->GetPageText(0));
    EXPECT_EQ("Spielrunden", nb->GetPageText(1));
    EXPECT_EQ("Turniertabelle", nb->GetPageText(2));
    EXPECT_EQ(0, nb->GetSelection());
}

TEST_F(Hauptfenster, SchliessenUndBeendenZerstoerenDasFenster)
{
    // A separate window, since Destroy() hands it to the toolkit for deletion.
    wxQuobelFrame* f = new wxQuobelFrame(nullptr, "Quobel");
    f->Show();
    EXPECT_TRUE(f->Close());
    EXPECT_TRUE(wxPendingDelete.Member(f));
    verarbeiteEreignisse();

    wxQuobelFrame* g = new wxQuobelFrame(nullptr, "Quobel");
    g->Show();
    wxCommandEvent quit(wxEVT_MENU, wxQuobelFrame::idMenuQuit);
    g->ProcessWindowEvent(quit);
    EXPECT_TRUE(wxPendingDelete.Member(g));
    verarbeiteEreignisse();
}
