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
    ASSERT_EQ(2u, leiste->GetMenuCount());
    const int ids[] = {wxQuobelFrame::idMenuNeu, wxQuobelFrame::idMenuBearbeiten, wxQuobelFrame::idMenuLaden,
                       wxQuobelFrame::idMenuSchreiben, wxQuobelFrame::idMenuQuit};
    for (size_t i = 0; i < std::size(ids); ++i)
        EXPECT_EQ(ids[i], leiste->GetMenu(0)->FindItemByPosition(i)->GetId()) << i;
    EXPECT_EQ(wxQuobelFrame::idMenuAbout, leiste->GetMenu(1)->FindItemByPosition(0)->GetId());
    for (auto [id, taste] : {std::pair{wxQuobelFrame::idMenuQuit, "Alt+F4"},
                             {wxQuobelFrame::idMenuAbout, "F1"},
                             {wxQuobelFrame::idMenuSpeichern, "Ctrl+S"}})
        EXPECT_EQ(taste,
                  std::unique_ptr<wxAcceleratorEntry>(leiste->FindItem(id)->GetAccel())->ToRawString());
}
