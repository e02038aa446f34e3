#include "ansicht/clSprache.h"

#include <wx/translation.h>

bool clSprache::ladeDeutsch()
{
    wxTranslations* uebersetzungen = new wxTranslations;
    uebersetzungen->SetLanguage(wxLANGUAGE_GERMAN);
    const bool geladen = uebersetzungen->AddStdCatalog();
    wxTranslations::Set(uebersetzungen);
    return geladen;
}
