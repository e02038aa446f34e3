#include "datei/clMaskierung.h"

wxString clMaskierung::maskiere(const wxString& text, const wxString& sonderzeichen)
{
    wxString ergebnis;
    ergebnis.reserve(text.length());
    for (wxUniChar c : text)
    {
        if (c == '\n')
            ergebnis += "\\n";
        else if (c == '\r')
            ergebnis += "\\r";
        else
        {
            if (c == Zeichen || sonderzeichen.Find(c) != wxNOT_FOUND)
                ergebnis += Zeichen;
            ergebnis += c;
        }
    }
    return ergebnis;
}

wxString clMaskierung::maskiereZeile(const wxString& zeile)
{
    if (zeile.empty())
        return wxString(Zeichen);
    if (zeile[0] == '#')
        return wxString(Zeichen) + zeile;
    return zeile;
}

wxString clMaskierung::demaskiere(const wxString& text)
{
    if (text.Find(Zeichen) == wxNOT_FOUND)
        return text;
    wxString ergebnis;
    ergebnis.reserve(text.length());
    for (wxString::const_iterator it = text.begin(); it != text.end(); ++it)
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

wxString clMaskierung::trenne(const wxString& text, wxChar c, size_t& pos)
{
    const size_t anfang = pos;
    for (; pos < text.length(); ++pos)
    {
        const wxUniChar z = text[pos];
        if (z == Zeichen)
            ++pos;
        else if (z == c)
        {
            const wxString kopf = text.substr(anfang, pos - anfang);
            ++pos;
            return kopf;
        }
    }
    pos = text.length();
    return text.substr(anfang);
}
