#include "datei/clZahl.h"

#include "datei/clMaskierung.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <cwctype>

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
    wchar_t ziffern[MaxStellen];
    text.append(ziffern, schreibe(ziffern, zahl) - ziffern);
}

wchar_t* clZahl::schreibe(wchar_t* ziel, int zahl)
{
    // Scores, the most of a file's numbers, directly.
    if (zahl >= 0 && zahl < 100)
    {
        if (zahl >= 10)
            *ziel++ = static_cast<wchar_t>(L'0' + zahl / 10);
        *ziel++ = static_cast<wchar_t>(L'0' + zahl % 10);
        return ziel;
    }
    // The digits from the back, then moved to the front.
    wchar_t ziffern[MaxStellen];
    wchar_t* anfang = std::end(ziffern);
    unsigned int betrag = zahl < 0 ? 0u - static_cast<unsigned int>(zahl) : static_cast<unsigned int>(zahl);
    do
    {
        *--anfang = static_cast<wchar_t>(L'0' + betrag % 10);
        betrag /= 10;
    } while (betrag > 0);
    if (zahl < 0)
        *--anfang = L'-';
    return std::copy(anfang, std::end(ziffern), ziel);
}

bool clZahl::liesZahl(std::wstring_view text, long& zahl)
{
    // As the C library reads a number: blanks first, a sign and the digits.
    const wchar_t* p = text.data();
    const wchar_t* const ende = p + text.size();
    while (p != ende && std::iswspace(static_cast<wint_t>(*p)))
        ++p;
    const bool negativ = p != ende && *p == L'-';
    if (p != ende && (*p == L'-' || *p == L'+'))
        ++p;
    if (p == ende)
        return false;
    // Counted towards the sign's side, so that LONG_MIN fits.
    zahl = 0;
    for (; p != ende; ++p)
    {
        const int ziffer = *p - L'0';
        if (ziffer < 0 || ziffer > 9 ||
            (negativ ? zahl < (LONG_MIN + ziffer) / 10 : zahl > (LONG_MAX - ziffer) / 10))
            return false;
        zahl = zahl * 10 + (negativ ? -ziffer : ziffer);
    }
    return true;
}

bool clZahl::liesListe(std::wstring_view zeile, std::vector<long>& zahlen)
{
    // Read in place: a string for each piece took a tenth of loading a tournament in groups.
    if (zeile.empty())
        return true;
    for (size_t anfang = 0; anfang <= zeile.size();)
    {
        const size_t komma = std::min(zeile.find(L',', anfang), zeile.size());
        std::wstring_view teil = zeile.substr(anfang, komma - anfang);
        anfang = komma + 1;
        while (!teil.empty() && clMaskierung::istLeerzeichen(teil.back()))
            teil.remove_suffix(1);
        long zahl = 0;
        if (!liesZahl(teil, zahl))
            return false;
        zahlen.push_back(zahl);
    }
    return true;
}
