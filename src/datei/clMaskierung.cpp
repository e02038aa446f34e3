#include "datei/clMaskierung.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>

wxString clMaskierung::maskiere(const wxString& text, const wxString& sonderzeichen)
{
    wxString ergebnis;
    haengeMaskiertAn(ergebnis, text, sonderzeichen);
    return ergebnis;
}

void clMaskierung::haengeMaskiertAn(wxString& ziel, const wxString& text, const wxString& sonderzeichen)
{
    // The characters to escape as bits: a round's write-back check escapes the
    // names of every match, and a search of the list for each character took most of it.
    // Two plain numbers, not an array: setting bits in memory made every character
    // wait for the store before it.
    const auto ascii = [](wchar_t c) { return static_cast<std::uint32_t>(c) < 128; };
    const auto bit = [](wchar_t c, int haelfte)
    { return c / 64 == haelfte ? std::uint64_t(1) << (c % 64) : std::uint64_t(0); };
    const std::wstring_view sonder = sicht(sonderzeichen);
    std::uint64_t unten = bit(L'\n', 0) | bit(L'\r', 0) | bit(Zeichen, 0);
    std::uint64_t oben = bit(Zeichen, 1);
    for (wchar_t c : sonder)
        if (ascii(c))
        {
            unten |= bit(c, 0);
            oben |= bit(c, 1);
        }
    const auto besonders = [unten, oben, &ascii, sonder](wchar_t c)
    { return ascii(c) ? ((c < 64 ? unten : oben) >> (c % 64) & 1) != 0 : sonder.find(c) != sonder.npos; };
    const wchar_t* const anfang = text.wc_str();
    const wchar_t* const ende = anfang + text.length();
    // Names and numbers hardly ever hold such a character: a file writes them as
    // they are, found so in one pass over the characters.
    if (std::none_of(anfang, ende, besonders))
    {
        ziel += text;
        return;
    }
    for (const wchar_t* p = anfang; p != ende; ++p)
    {
        if (*p == L'\n')
            ziel += L"\\n";
        else if (*p == L'\r')
            ziel += L"\\r";
        else
        {
            if (besonders(*p))
                ziel += Zeichen;
            ziel += *p;
        }
    }
}

wxString clMaskierung::maskiereZeile(const wxString& zeile)
{
    if (zeile.empty())
        return wxString(Zeichen);
    if (zeile[0] == '#')
        return wxString(Zeichen) + zeile;
    return zeile;
}

wxString clMaskierung::demaskiere(std::wstring_view text)
{
    if (text.find(Zeichen) == std::wstring_view::npos)
        return wxString(text.data(), text.size());
    wxString ergebnis;
    ergebnis.reserve(text.size());
    for (auto it = text.begin(); it != text.end(); ++it)
    {
        if (*it != Zeichen)
        {
            ergebnis += *it;
            continue;
        }
        if (++it == text.end())
            break;
        if (*it == 'n')
            ergebnis += '\n';
        else if (*it == 'r')
            ergebnis += '\r';
        else
            ergebnis += *it;
    }
    return ergebnis;
}

namespace
{
// The first z from von up to bis, or bis. The C library looks for a character
// faster than a loop does.
const wchar_t* suche(const wchar_t* von, const wchar_t* bis, wchar_t z)
{
    const wchar_t* treffer = von < bis ? std::wmemchr(von, z, static_cast<size_t>(bis - von)) : nullptr;
    return treffer != nullptr ? treffer : bis;
}

const char* suche(const char* von, const char* bis, char z)
{
    const void* treffer = von < bis ? std::memchr(von, z, static_cast<size_t>(bis - von)) : nullptr;
    return treffer != nullptr ? static_cast<const char*>(treffer) : bis;
}

template <typename Z>
const Z* findeUnmaskiert(const Z* anfang, const Z* ende, Z c)
{
    // Most texts hold no backslash: c is looked for, then a backslash before it. No
    // part of the text is looked at twice, so that splitting a long line stays linear.
    const Z* treffer = suche(anfang, ende, c);
    for (;;)
    {
        const Z* zeichen = suche(anfang, treffer, static_cast<Z>(clMaskierung::Zeichen));
        if (zeichen == treffer)
            return treffer;
        // The backslash takes the character after it along.
        anfang = zeichen + 2;
        if (anfang >= ende)
            return ende;
        if (anfang > treffer)
            treffer = suche(anfang, ende, c);
    }
}
} // namespace

const wchar_t* clMaskierung::finde(const wchar_t* anfang, const wchar_t* ende, wchar_t c, bool maskiert)
{
    return maskiert ? findeUnmaskiert(anfang, ende, c) : suche(anfang, ende, c);
}

const char* clMaskierung::finde(const char* anfang, const char* ende, char c, bool maskiert)
{
    return maskiert ? findeUnmaskiert(anfang, ende, c) : suche(anfang, ende, c);
}

bool clMaskierung::gleichOhneLeerzeichen(const wchar_t* a, const wchar_t* aEnde, const wchar_t* b,
                                         const wchar_t* bEnde)
{
    // Compared in place: copying both lines without their blanks took a sixth of
    // loading a tournament in groups. A line as the program writes it is the same
    // character for character, which one comparison of memory finds at once.
    if (aEnde - a == bEnde - b && std::equal(a, aEnde, b))
        return true;
    for (;;)
    {
        while (a != aEnde && *a == L' ')
            ++a;
        while (b != bEnde && *b == L' ')
            ++b;
        if (a == aEnde || b == bEnde)
            return a == aEnde && b == bEnde;
        if (*a++ != *b++)
            return false;
    }
}

std::wstring_view clMaskierung::trenne(std::wstring_view text, wchar_t c, size_t& pos)
{
    const wchar_t* const anfang = text.data();
    const wchar_t* const ende = anfang + text.size();
    const size_t von = std::min(pos, text.size());
    const size_t bis = static_cast<size_t>(finde(anfang + von, ende, c) - anfang);
    pos = std::min(bis + 1, text.size());
    return text.substr(von, bis - von);
}
