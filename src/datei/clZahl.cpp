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

void clZahl::haengeAn(wxString& text, int zahl)
{
    // The digits from the back.
    wchar_t ziffern[12];
    wchar_t* anfang = std::end(ziffern);
    unsigned int betrag = zahl < 0 ? 0u - static_cast<unsigned int>(zahl) : static_cast<unsigned int>(zahl);
    do
    {
        *--anfang = static_cast<wchar_t>(L'0' + betrag % 10);
        betrag /= 10;
    } while (betrag > 0);
    if (zahl < 0)
        *--anfang = L'-';
    text.append(anfang, std::end(ziffern) - anfang);
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
