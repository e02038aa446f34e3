#include "datei/clZahl.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <wx/arrstr.h>

int clZahl::lies(const wxString& text)
{
    // wcstol rather than wxAtoi: it saturates instead of wrapping, and it avoids
    // wxAtoi's detour through the multibyte conversion, which took a third of the
    // time of loading a large tournament.
    const long wert = std::wcstol(text.wc_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(wert, INT_MIN, INT_MAX));
}

bool clZahl::liesListe(const wxString& zeile, std::vector<long>& zahlen)
{
    for (const wxString& teil : wxSplit(zeile, ',', '\0'))
    {
        long zahl = 0;
        if (!wxString(teil).Strip(wxString::both).ToLong(&zahl))
            return false;
        zahlen.push_back(zahl);
    }
    return true;
}
