#include <gtest/gtest.h>
#include <wx/menu.h>

#include "GuiHilfen.h"

TEST(Hauptfenster, TitelSymbolMenuesUndTasten)
{
    std::unique_ptr<wxQuobelFrame> frame(new wxQuobelFrame(nullptr, "Quobel"));
    frame->Show();
    verarbeiteEreignisse();
    EXPECT_EQ("Quobel", frame->GetTitle());
    EXPECT_TRUE(frame->IsMaximized());
    EXPECT_TRUE(frame->GetIcon().IsOk());

    // The first commands of the menus, in this order; later ones follow them.
    wxMenuBar* leiste = frame->GetMenuBar();
    ASSERT_EQ(3u, leiste->GetMenuCount());
    const int ids[] = {wxQuobelFrame::idMenuNeu, wxQuobelFrame::idMenuBearbeiten, wxQuobelFrame::idMenuLaden,
                       wxQuobelFrame::idMenuSchreiben};
    for (size_t i = 0; i < std::size(ids); ++i)
        EXPECT_EQ(ids[i], leiste->GetMenu(0)->FindItemByPosition(i)->GetId()) << i;
    EXPECT_EQ(wxID_UNDO, leiste->GetMenu(1)->FindItemByPosition(0)->GetId());
    EXPECT_EQ(wxQuobelFrame::idMenuAbout, leiste->GetMenu(2)->FindItemByPosition(0)->GetId());
    for (auto [id, taste] : {std::pair{int(wxQuobelFrame::idMenuQuit), "Alt+F4"},
                             {wxQuobelFrame::idMenuAbout, "F1"},
                             {wxQuobelFrame::idMenuSpeichern, "Ctrl+S"},
                             {wxID_UNDO, "Ctrl+Z"},
                             {wxID_REDO, "Ctrl+Y"}})
        EXPECT_EQ(taste,
                  std::unique_ptr<wxAcceleratorEntry>(leiste->FindItem(id)->GetAccel())->ToRawString());
}
