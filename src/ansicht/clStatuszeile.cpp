#include "ansicht/clStatuszeile.h"

#include <wx/frame.h>

void clStatuszeile::zeige(wxWindow* seite, const wxString& text)
{
    auto* fenster = dynamic_cast<wxFrame*>(wxGetTopLevelParent(seite));
    if (fenster != nullptr && fenster->GetStatusBar() != nullptr)
        fenster->SetStatusText(text);
}
