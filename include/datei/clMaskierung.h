#ifndef CLMASKIERUNG_H
#define CLMASKIERUNG_H

#include <string_view>
#include <wx/string.h>

// The escaping of values in the tournament file. A backslash takes the next
// character literally ("\\", "\,", "\#", ...), "\n" and "\r" stand for a line
// feed and a carriage return, and a backslash at the very end of a line stands
// for nothing, so that an empty value still makes a line. Values without any of
// the characters that need it are written unchanged.
class clMaskierung
{
public:
    static const wxChar Zeichen = '\\';

    // Escapes the backslash, line breaks and every character of sonderzeichen.
    static wxString maskiere(const wxString& text, const wxString& sonderzeichen = wxString());
    // The same, appended to ziel.
    static void haengeMaskiertAn(wxString& ziel, const wxString& text, const wxString& sonderzeichen);
    // Makes an already escaped value a line the file reader delivers: an empty
    // line becomes a lone backslash, a leading '#' is escaped.
    static wxString maskiereZeile(const wxString& zeile);
    static wxString demaskiere(std::wstring_view text);
    static wxString demaskiere(const wxString& text) { return demaskiere(sicht(text)); }
    // The text from pos up to the next c that is not escaped (up to the end when
    // there is none), still escaped; pos moves past that c, or to the end. Reading
    // on by position keeps splitting a long line linear.
    static std::wstring_view trenne(std::wstring_view text, wchar_t c, size_t& pos);
    static wxString trenne(const wxString& text, wchar_t c, size_t& pos)
    {
        const std::wstring_view teil = trenne(sicht(text), c, pos);
        return wxString(teil.data(), teil.size());
    }
    // The characters of text where they stand.
    static std::wstring_view sicht(const wxString& text) { return {text.wc_str(), text.length()}; }
    // A blank as the toolkit trims it: only ASCII ones, so that no letter is taken for one.
    static bool istLeerzeichen(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
    // The first c between anfang and ende that is not escaped, or ende. The bytes
    // of a file do as well as its text: no byte of a character beyond ASCII is
    // taken for the backslash or c, in UTF-8 as in Windows-1252. maskiert false
    // tells that the text holds no backslash: the first c is taken at once.
    static const wchar_t* finde(const wchar_t* anfang, const wchar_t* ende, wchar_t c, bool maskiert = true);
    static const char* finde(const char* anfang, const char* ende, char c, bool maskiert = true);
    // Whether the two texts are the same once their blanks are left out: how a line
    // read is held against the same thing written again.
    static bool gleichOhneLeerzeichen(const wchar_t* a, const wchar_t* aEnde, const wchar_t* b,
                                      const wchar_t* bEnde);
};

#endif
