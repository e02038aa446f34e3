#ifndef CLZAHL_H
#define CLZAHL_H

#include <string_view>
#include <vector>
#include <wx/string.h>

// Reading a whole number from a file line or a grid cell, as leniently as the C
// library does: leading blanks, an optional sign and the digits up to the first
// other character; text without digits is 0. A number beyond the range of int
// becomes the nearest int, so that nothing typed or stored wraps round.
class clZahl
{
public:
    static int lies(const wxString& text);
    // The whole of text as a number, strictly: blanks in front, a sign and digits,
    // within the range of long. False for anything else.
    static bool liesZahl(std::wstring_view text, long& zahl);
    // The whole numbers of a line separated by commas, strictly: false when a
    // piece is no number (blanks around it aside) or lies beyond the range of long.
    static bool liesListe(std::wstring_view zeile, std::vector<long>& zahlen);
    static bool liesListe(const wxString& zeile, std::vector<long>& zahlen)
    {
        return liesListe(std::wstring_view(zeile.wc_str(), zeile.length()), zahlen);
    }
    // Appends the number's digits, as "%d" writes them: a file writes thousands
    // of numbers, and Format's wide printf was the larger part of writing it.
    static void haengeAn(wxString& text, int zahl);
    // The same digits written from ziel on, which has room for MaxStellen
    // characters; answers where they end.
    static constexpr size_t MaxStellen = 11;
    static wchar_t* schreibe(wchar_t* ziel, int zahl);
};

#endif
